#pragma once

#include <QFont>

// The two fonts of both windows: bold Arial 9 point for the windows, their labels, boxes
// and lists, and bold Arial 11.25 point for the command buttons.
namespace WindowFonts {

inline QFont arialBold(qreal points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

inline QFont window() { return arialBold(9); }
inline QFont button() { return arialBold(11.25); }

} // namespace WindowFonts
