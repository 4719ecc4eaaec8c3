#pragma once

#include <QString>

class ErrorReport;
class MousePointer;
class QMenuBar;
class QWidget;

// What both windows of the program do to set themselves up.
namespace WindowSetup {

// What shape() makes: the menu bar along the window's top, and under it the client area of
// the size asked for, which holds the window's controls at their own coordinates.
struct WindowParts {
    QMenuBar *menuBar;
    QWidget *clientArea;
};

// A window with a menu bar over a client area of fixed size (in twips), in the window
// font, following the pointer over its surface. The window is as tall as both together
// and keeps that size when the menus are filled.
WindowParts shape(QWidget &window, const QString &name, int clientWidth, int clientHeight);

// Centres the window on the screen at the size it has now (once its menus are filled).
void centre(QWidget &window);

// The load step's caption and the program's icon (reported under label), then the hand
// cursor beside the program when it is there (under cursorLabel and cursorLabel + 2).
void load(QWidget &window, const QString &caption, MousePointer &pointer, const ErrorReport &report, int label,
          int cursorLabel);

} // namespace WindowSetup
