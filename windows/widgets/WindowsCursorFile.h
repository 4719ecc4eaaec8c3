#pragma once

#include <QCursor>
#include <QString>

// Reads a Windows cursor file (.cur) into a cursor. Qt's image readers decode the picture
// but not the hotspot, which sits in the file's first directory entry (two little-endian
// 16-bit values at bytes 10 and 12).
class WindowsCursorFile
{
public:
    // The hand cursor of the command buttons, beside the executable.
    static QString handCursorName() { return QStringLiteral("HAND-M.CUR"); }
    // Throws std::runtime_error when the file cannot be read as a cursor.
    static QCursor load(const QString &path);
};
