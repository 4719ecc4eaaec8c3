#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// While it lives, a window's controls and menus take no input, as work runs that they
// must not change meanwhile; the window itself still paints, moves and closes, and its own
// dialogs stay usable. Afterwards each control is as it was, and the one that had the
// keyboard focus has it again.
class PausedControls
{
public:
    explicit PausedControls(QWidget &window);
    ~PausedControls();

    PausedControls(const PausedControls &) = delete;
    PausedControls &operator=(const PausedControls &) = delete;

private:
    QList<QPointer<QWidget>> m_paused;
    QPointer<QWidget> m_focus;
};
