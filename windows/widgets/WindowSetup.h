#pragma once

#include <QString>

class ErrorReport;
class MousePointer;
class QWidget;

// What both windows of the program do to set themselves up.
namespace WindowSetup {

// A window of fixed client size (in twips) in the window font, following the pointer
// over its surface, centred on the screen.
void shape(QWidget &window, const QString &name, int clientWidth, int clientHeight);

// The load step's caption and the program's icon (reported under label), then the hand
// cursor beside the program when it is there (under cursorLabel and cursorLabel + 2).
void load(QWidget &window, const QString &caption, MousePointer &pointer, const ErrorReport &report, int label,
          int cursorLabel);

} // namespace WindowSetup
