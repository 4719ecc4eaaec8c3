#include "core/ClipboardPicture.h"

#include <QClipboard>
#include <QGuiApplication>

QImage ClipboardPicture::read()
{
    return read([] { return QGuiApplication::clipboard()->image(); });
}

QImage ClipboardPicture::read(const std::function<QImage()> &source)
{
    for (int tries = 0; tries < maxReads; ++tries) {
        QImage picture = source();
        if (!picture.isNull())
            return picture;
    }
    return QImage();
}
