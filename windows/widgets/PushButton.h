#pragma once

#include <QPushButton>

// The command button of both windows: a click, and a notification while the pointer
// moves over it carrying the button state, the modifier state and the position.
class PushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit PushButton(const QString &text, QWidget *parent = nullptr);

    // A button named objectName at geometry (in pixels) on parent.
    static PushButton *create(QWidget *parent, const QString &objectName, const QString &text, const QRect &geometry);

signals:
    void mouseOver(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};
