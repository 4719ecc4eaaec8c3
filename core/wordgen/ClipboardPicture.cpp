#include "core/wordgen/ClipboardPicture.h"

#include <mutex>

namespace {

std::mutex handOverMutex;
QImage handedOver;

QImage take()
{
    const std::lock_guard lock(handOverMutex);
    return std::exchange(handedOver, QImage());
}

} // namespace

void ClipboardPicture::put(const QImage &picture)
{
    const std::lock_guard lock(handOverMutex);
    handedOver = picture;
}

void ClipboardPicture::clear()
{
    put(QImage());
}

QImage ClipboardPicture::GetClipboardPicture(int format)
{
    (void)format;
    return readFrom(take);
}

QImage ClipboardPicture::readFrom(const std::function<QImage()> &source)
{
    for (int tries = 0; tries < maxReads; ++tries) {
        QImage picture = source();
        if (!picture.isNull())
            return picture;
    }
    return QImage();
}
