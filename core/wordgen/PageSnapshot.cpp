#include "core/wordgen/PageSnapshot.h"

#include "core/shell/FileReplacement.h"

#include <QBuffer>
#include <QImageWriter>

#include <stdexcept>

namespace {

void putLittleEndian(QByteArray &bytes, qsizetype at, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}

// The picture as an 8-bit bitmap file whose palette is the 256 greys, each pixel's grey its
// index: exact for a picture with no colour, a quarter of the bytes of a colour bitmap, and
// made in one pass. Empty when the picture has colour.
QByteArray greyBitmap(const QImage &picture)
{
    const QImage pixels = picture.format() == QImage::Format_RGB32 ? picture
                                                                   : picture.convertToFormat(QImage::Format_RGB32);
    constexpr int headerSize = 14 + 40 + 256 * 4;
    const int width = pixels.width();
    const int height = pixels.height();
    const int rowSize = (width + 3) / 4 * 4;
    QByteArray file(headerSize + qsizetype(rowSize) * height, '\0');
    file[0] = 'B';
    file[1] = 'M';
    putLittleEndian(file, 2, quint32(file.size()), 4);
    putLittleEndian(file, 10, headerSize, 4);         // where the pixels start
    putLittleEndian(file, 14, 40, 4);                 // the information header's size
    putLittleEndian(file, 18, quint32(width), 4);
    putLittleEndian(file, 22, quint32(height), 4);    // positive: the bottom row first
    putLittleEndian(file, 26, 1, 2);                  // planes
    putLittleEndian(file, 28, 8, 2);                  // bits a pixel
    putLittleEndian(file, 34, quint32(rowSize) * quint32(height), 4);
    putLittleEndian(file, 38, quint32(pixels.dotsPerMeterX()), 4);
    putLittleEndian(file, 42, quint32(pixels.dotsPerMeterY()), 4);
    putLittleEndian(file, 46, 256, 4);                // colours in the palette
    for (int level = 0; level < 256; ++level)
        putLittleEndian(file, 54 + 4 * level, quint32(qRgb(level, level, level)) & 0xFFFFFF, 4);
    char *data = file.data() + headerSize;
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        char *out = data + qsizetype(rowSize) * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const int grey = qBlue(in[x]);
            if (qRed(in[x]) != grey || qGreen(in[x]) != grey)
                return QByteArray();
            out[x] = char(grey);
        }
    }
    return file;
}

} // namespace

void PageSnapshot::save(const QImage &picture, const QString &file)
{
    if (picture.isNull())
        throw std::runtime_error("The clipboard holds no picture of the page.");
    const bool opaque = !picture.hasAlphaChannel();
    QByteArray bytes = opaque ? greyBitmap(picture) : QByteArray();
    if (bytes.isEmpty()) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, opaque ? "bmp" : "png");
        if (!writer.write(picture))
            throw std::runtime_error(QStringLiteral("Cannot write the page picture to %1: %2")
                                         .arg(file, writer.errorString())
                                         .toStdString());
    }
    FileReplacement::replace(file, FileReplacement::Kind::Private, bytes);
}
