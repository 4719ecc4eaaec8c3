#include "core/entry/PicturePreparation.h"

#include "core/entry/PictureReader.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageWriter>

#include <cmath>

namespace {

constexpr double millimetresPerInch = 25.4;

} // namespace

QSize PicturePreparation::pixelsFor(const QSizeF &printedMillimetres)
{
    const double perMillimetre = printedPixelsPerInch / millimetresPerInch;
    return QSize(int(std::lround(printedMillimetres.width() * perMillimetre)),
                 int(std::lround(printedMillimetres.height() * perMillimetre)));
}

double PicturePreparation::printedResolution(const QSize &pixels, const QSizeF &printedMillimetres)
{
    if (printedMillimetres.width() <= 0)
        return 0;
    return pixels.width() / (printedMillimetres.width() / millimetresPerInch);
}

QList<QByteArray> PicturePreparation::prepare(const QString &file, const QList<QSizeF> &printedMillimetres)
{
    QList<PictureReader::Part> parts;
    for (const QSizeF &size : printedMillimetres)
        parts.append({size, pixelsFor(size)});
    QImage picture = PictureReader::readUpright(file, parts);
    // Printers and PDF readers take untagged pictures as sRGB: a wide-gamut photo (most
    // phones') is converted rather than printed dull.
    if (picture.colorSpace().isValid() && picture.colorSpace() != QColorSpace(QColorSpace::SRgb))
        picture.convertToColorSpace(QColorSpace::SRgb);
    QList<QByteArray> copies;
    for (const PictureReader::Part &part : parts) {
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(jpegQuality);
        if (!writer.write(PictureReader::centredPart(picture, part).convertToFormat(QImage::Format_RGB32)))
            throw PictureReader::Failure(file, writer.errorString());
        copies.append(jpeg);
    }
    return copies;
}
