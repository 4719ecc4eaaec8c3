#include "windows/widgets/MenuItem.h"

#include <QAction>
#include <QMenu>

QAction *MenuItem::add(QMenu &menu, const QString &name, const QString &text, const std::function<void()> &command)
{
    QAction *action = menu.addAction(text);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, &menu, [command] { command(); });
    return action;
}
