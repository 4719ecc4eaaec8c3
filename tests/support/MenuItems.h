#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

namespace MenuItems {

// The item of that object name in a menu the window's menu bar opens (or a submenu of one).
inline QAction *find(QMenu &menu, const QString &name)
{
    for (QAction *action : menu.actions()) {
        if (action->objectName() == name)
            return action;
        if (QMenu *submenu = action->menu())
            if (QAction *found = find(*submenu, name))
                return found;
    }
    return nullptr;
}

inline QAction *find(QWidget &window, const QString &name)
{
    auto *menuBar = window.findChild<QMenuBar *>();
    if (!menuBar)
        return nullptr;
    for (QAction *top : menuBar->actions())
        if (QMenu *menu = top->menu())
            if (QAction *found = find(*menu, name))
                return found;
    return nullptr;
}

} // namespace MenuItems

// Chooses the menu item as a person would: it must be in the window's menus, enabled, and
// reachable by a mnemonic.
inline void chooseMenuItem(QWidget &window, const QString &name)
{
    QAction *action = MenuItems::find(window, name);
    QVERIFY2(action, qPrintable(QStringLiteral("no menu item %1").arg(name)));
    QVERIFY2(action->isEnabled(), qPrintable(QStringLiteral("menu item %1 is disabled").arg(name)));
    QVERIFY2(action->text().contains(QLatin1Char('&')), qPrintable(QStringLiteral("%1 has no mnemonic").arg(name)));
    action->trigger();
}
