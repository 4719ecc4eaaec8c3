#pragma once

#include <QImage>

#include <functional>

// Reads the picture that the office put on the clipboard. A read can fail while the
// clipboard is still being filled, so it is tried again, back to back, up to maxReads
// times; the first successful read ends the loop. A null image means no read succeeded.
class ClipboardPicture
{
public:
    static constexpr int maxReads = 1000;

    // Whatever picture format the system clipboard offers.
    static QImage read();
    // The same loop over another source of pictures; a null image is a failed read.
    static QImage read(const std::function<QImage()> &source);
};
