#pragma once

#include <QImage>

#include <functional>

// The hand-over of one page picture from the office engine to the page capture. It is the
// program's own clipboard: the person's system clipboard is never touched, so a build
// leaves there exactly what it held.
//
// A read can fail while the picture is still being handed over, so it is tried again, back
// to back, up to maxReads times; the first successful read ends the loop. A null image
// means no read succeeded. Reading takes the picture: no later read sees it again.
class ClipboardPicture
{
public:
    static constexpr int maxReads = 1000;

    // Hands a picture over, replacing any picture not yet read. Safe from any thread.
    static void put(const QImage &picture);
    // Drops a picture not yet read.
    static void clear();

    // format: the picture format to read, 0 for whichever the hand-over holds (the
    // capture always passes 0); the hand-over holds pictures of one format only, so any
    // format reads it.
    static QImage GetClipboardPicture(int format);
    // The same loop over another source of pictures; a null image is a failed read.
    static QImage readFrom(const std::function<QImage()> &source);
};
