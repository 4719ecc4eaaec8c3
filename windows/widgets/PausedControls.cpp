#include "windows/widgets/PausedControls.h"

PausedControls::PausedControls(QWidget &window)
    : m_focus(window.focusWidget())
{
    for (QWidget *part : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (part->isWindow() || !part->isEnabled())
            continue;
        part->setEnabled(false);
        m_paused.append(part);
    }
}

PausedControls::~PausedControls()
{
    for (const QPointer<QWidget> &part : std::as_const(m_paused)) {
        if (part)
            part->setEnabled(true);
    }
    // As when the window is active again: the box keeps its text as it was, unselected.
    if (m_focus)
        m_focus->setFocus(Qt::ActiveWindowFocusReason);
}
