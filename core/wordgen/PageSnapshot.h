#pragma once

#include <QImage>
#include <QString>

// The snapshot file that carries one page picture from the clipboard into the preview
// window. The picture must come back exactly, including its resolution, which decides
// its natural size on screen: an opaque picture is written as a bitmap (fast, and it
// keeps the resolution), with one byte a pixel when it has no colour (as rendered pages
// have none), one with transparency as PNG. Readers detect the format from
// the content, whatever the file is called.
class PageSnapshot
{
public:
    static QString fileName() { return QStringLiteral("temp.bmp"); }

    // Takes the place of whatever is under the file's name in the private folder, never
    // writing through a link (FileReplacement). Throws std::runtime_error when there is no
    // picture, FileReplacement::Failure when the file cannot be written.
    static void save(const QImage &picture, const QString &file);
};
