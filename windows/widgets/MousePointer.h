#pragma once

#include <QCursor>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <optional>

// The mouse pointer setting of one window: 0 the default arrow, 11 the hourglass shown
// while long work runs, 99 the window's custom pointer (the hand cursor, or the default
// arrow when none was loaded). Mouse moves never replace the hourglass. It belongs to its
// window, as the child named "MousePointer".
class MousePointer : public QObject
{
    Q_OBJECT

public:
    static constexpr int Default = 0;
    static constexpr int Hourglass = 11;
    static constexpr int Custom = 99;

    explicit MousePointer(QWidget *window);

    int value() const { return m_value; }
    void set(int value);
    void setCustomCursor(const QCursor &cursor);
    bool hasCustomCursor() const { return m_customCursor.has_value(); }

    // The pointer moved over the window's surface, a frame, a box or a list.
    void movedOverSurface();
    // The pointer moved over a command button.
    void movedOverButton();

private:
    QPointer<QWidget> m_window;
    int m_value = Default;
    std::optional<QCursor> m_customCursor;
};
