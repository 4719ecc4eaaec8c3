#pragma once

#include <QColor>

class QWidget;

namespace SystemColors {

// The system's button-face colour; it follows the user's colour scheme.
QColor buttonFace();

// Makes the widget paint its own background in the colour.
void setBackground(QWidget *widget, const QColor &colour);

// Frames, labels, option buttons and check boxes: the controls whose background follows
// the window's colours. Text boxes, buttons, scroll bars and pictures keep their own.
bool followsWindowColours(const QWidget *control);

} // namespace SystemColors

// Gives the window and its frames, labels, option buttons and check boxes the button-face
// background.
void ApplySystemColors(QWidget *window);
