#pragma once

#include <QString>

#include <functional>

class QAction;
class QMenu;

namespace MenuItem {

// Adds an item to the menu that runs command when chosen; name is its object name, text its
// label with the mnemonic ("&Quit"), which screen readers read without the ampersand.
QAction *add(QMenu &menu, const QString &name, const QString &text, const std::function<void()> &command);

} // namespace MenuItem
