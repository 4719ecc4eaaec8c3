#pragma once

#include <QImage>

#include <functional>

// The hand-over of one page picture from the office engine to the page capture. It is the
// program's own clipboard: the person's system clipboard is never touched, so a build
// leaves there exactly what it held.
//
// The engine's copyAsPicture() puts the picture before it returns: its office call has
// ended by then, also one that was given up. So a read after it finds the picture that
// copy handed over, or nothing (the copy put no picture, or nothing was put since the
// last clear()); no picture can arrive while it reads. Reading takes the picture: no later
// read sees it again. A null image means there was none.
class ClipboardPicture
{
public:
    // How often readFrom() asks its source before it gives up.
    static constexpr int maxReads = 1000;

    // Hands a picture over, replacing any picture not yet read. Safe from any thread.
    static void put(const QImage &picture);
    // Drops a picture not yet read.
    static void clear();

    // format: the picture format to read, 0 for whichever the hand-over holds (the
    // capture always passes 0); the hand-over holds pictures of one format only, so any
    // format reads it.
    static QImage GetClipboardPicture(int format);
    // Asks the source, back to back, up to maxReads times, and returns its first picture;
    // a null image from the source is a failed read, and a null image is returned when
    // every read failed. GetClipboardPicture reads the hand-over through it: there, a read
    // after a failed one finds the same empty hand-over, so the loop changes nothing.
    static QImage readFrom(const std::function<QImage()> &source);
};
