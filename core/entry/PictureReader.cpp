#include "core/entry/PictureReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>

#include <libheif/heif.h>

#include <cerrno>
#include <cmath>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The most pixels a format that decodes at a reduced size is asked to handle at all: the
// largest phone cameras take 200 million.
constexpr qint64 largestScaledPicture = 250'000'000;

// A file that can be read at all: a regular file, readable by the person. Throws Failure.
void checkFile(const QString &file)
{
    struct stat info {};
    if (::stat(QFile::encodeName(file).constData(), &info) != 0)
        throw PictureReader::Failure(file, qt_error_string(errno));
    if (S_ISDIR(info.st_mode))
        throw PictureReader::Failure(file, QCoreApplication::translate("PictureReader", "it is a folder"));
    if (!S_ISREG(info.st_mode))
        throw PictureReader::Failure(file, QCoreApplication::translate("PictureReader", "it is not a regular file"));
    const int descriptor = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw PictureReader::Failure(file, qt_error_string(errno));
    ::close(descriptor);
}

// HEIF files (the HEIC pictures phones take) start with an "ftyp" box of one of these brands.
bool isHeif(const QByteArray &head)
{
    if (head.size() < 12 || head.mid(4, 4) != "ftyp")
        return false;
    const QByteArray brand = head.mid(8, 4);
    for (const char *known : {"heic", "heix", "hevc", "hevx", "heim", "heis", "mif1", "msf1"})
        if (brand == known)
            return true;
    return false;
}

// True when a JPEG's compressed data runs to its end marker: a file cut short (a copy that
// broke off) decodes without an error, its missing part grey.
bool jpegIsComplete(const uchar *data, qint64 size)
{
    qint64 at = 2; // after the start marker
    while (at + 2 <= size) {
        if (data[at] != 0xFF)
            return false;
        const uchar marker = data[at + 1];
        if (marker == 0xD9)
            return true;
        if (marker == 0xFF || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
            at += marker == 0xFF ? 1 : 2;
            continue;
        }
        if (at + 4 > size)
            return false;
        const qint64 length = (qint64(data[at + 2]) << 8) | data[at + 3];
        at += 2 + length;
        if (marker != 0xDA)
            continue;
        // The compressed data of a scan: up to the next marker that is neither a stuffed
        // byte nor a restart marker.
        while (at + 1 < size && !(data[at] == 0xFF && data[at + 1] != 0x00 && (data[at + 1] < 0xD0 || data[at + 1] > 0xD7)))
            ++at;
    }
    return false;
}

QSize swappedWhenTurned(const QSize &size, QImageIOHandler::Transformations transformation)
{
    return transformation & QImageIOHandler::TransformationRotate90 ? size.transposed() : size;
}

// The centred rectangle of the shape within a picture of that size.
QRect centred(const QSize &size, const QSizeF &shape)
{
    const double aspect = shape.width() / shape.height();
    QSize part = size;
    if (double(size.width()) / size.height() > aspect)
        part.setWidth(std::max(1, int(std::lround(size.height() * aspect))));
    else
        part.setHeight(std::max(1, int(std::lround(size.width() / aspect))));
    return QRect(QPoint((size.width() - part.width()) / 2, (size.height() - part.height()) / 2), part);
}

// The part's size at most `largest`, which has the part's shape: never larger than the part.
QSize reduced(const QSize &part, const QSize &largest)
{
    if (part.width() <= largest.width() && part.height() <= largest.height())
        return part;
    return largest;
}

// The size to decode an upright picture of that size at: the smallest that still gives
// every part its pixels, or the picture's own when it has fewer.
QSize decodedSize(const QSize &upright, const QList<PictureReader::Part> &parts)
{
    double scale = 0;
    for (const PictureReader::Part &part : parts) {
        const QSize cut = centred(upright, part.shape).size();
        scale = std::max({scale, double(part.pixels.width()) / cut.width(), double(part.pixels.height()) / cut.height()});
    }
    if (scale >= 1 || scale <= 0)
        return upright;
    return QSize(std::max(1, int(std::ceil(upright.width() * scale))), std::max(1, int(std::ceil(upright.height() * scale))));
}

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1 × %2").arg(size.width()).arg(size.height());
}

QImage readHeif(const QString &file, const QList<PictureReader::Part> &parts)
{
    const std::unique_ptr<heif_context, decltype(&heif_context_free)> context(heif_context_alloc(), heif_context_free);
    heif_error error = heif_context_read_from_file(context.get(), QFile::encodeName(file).constData(), nullptr);
    if (error.code != heif_error_Ok)
        throw PictureReader::Failure(file, QCoreApplication::translate("PictureReader", "it is a damaged HEIC picture (%1)").arg(QString::fromUtf8(error.message)));
    heif_image_handle *rawHandle = nullptr;
    error = heif_context_get_primary_image_handle(context.get(), &rawHandle);
    if (error.code != heif_error_Ok)
        throw PictureReader::Failure(file, QCoreApplication::translate("PictureReader", "it is a damaged HEIC picture (%1)").arg(QString::fromUtf8(error.message)));
    const std::unique_ptr<heif_image_handle, decltype(&heif_image_handle_release)> handle(rawHandle,
                                                                                          heif_image_handle_release);
    const QSize size(heif_image_handle_get_width(handle.get()), heif_image_handle_get_height(handle.get()));
    if (qint64(size.width()) * size.height() > PictureReader::largestWholePicture)
        throw PictureReader::Failure(file, QCoreApplication::translate("PictureReader", "it is too large: %1 pixels").arg(sizeText(size)));
    heif_image *rawImage = nullptr;
    // The picture comes upright: the file's rotation and mirroring are applied.
    error = heif_decode_image(handle.get(), &rawImage, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr);
    if (error.code != heif_error_Ok)
        throw PictureReader::Failure(file, QCoreApplication::translate("PictureReader", "it is a damaged HEIC picture (%1)").arg(QString::fromUtf8(error.message)));
    const std::unique_ptr<heif_image, decltype(&heif_image_release)> image(rawImage, heif_image_release);
    int stride = 0;
    const uint8_t *pixels = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    const QSize upright(heif_image_get_width(image.get(), heif_channel_interleaved),
                        heif_image_get_height(image.get(), heif_channel_interleaved));
    const QImage whole(pixels, upright.width(), upright.height(), stride, QImage::Format_RGB888);
    return whole.scaled(decodedSize(upright, parts), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage readWithQt(const QString &file, const QList<PictureReader::Part> &parts)
{
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        throw PictureReader::Failure(
            file, QCoreApplication::translate("PictureReader", "it is not a picture the program can read (JPEG, PNG, WebP, TIFF, BMP or HEIC)"));
    const QByteArray format = reader.format();
    if (format == "jpeg") {
        QFile bytes(file);
        const uchar *data = bytes.open(QIODevice::ReadOnly) ? bytes.map(0, bytes.size()) : nullptr;
        if (data && !jpegIsComplete(data, bytes.size()))
            throw PictureReader::Failure(file, QCoreApplication::translate("PictureReader", "the picture is damaged: it ends before its last part"));
    }
    const QSize stored = reader.size();
    if (!stored.isValid())
        throw PictureReader::Failure(file, QCoreApplication::translate("PictureReader", "the picture is damaged: %1").arg(reader.errorString()));
    const qint64 pixels = qint64(stored.width()) * stored.height();
    const bool decodesReduced = reader.supportsOption(QImageIOHandler::ScaledSize);
    if (pixels > (decodesReduced ? largestScaledPicture : PictureReader::largestWholePicture))
        throw PictureReader::Failure(file, QCoreApplication::translate("PictureReader", "it is too large: %1 pixels").arg(sizeText(stored)));

    const QImageIOHandler::Transformations turn = reader.transformation();
    reader.setScaledSize(swappedWhenTurned(decodedSize(swappedWhenTurned(stored, turn), parts), turn));
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        throw PictureReader::Failure(file, QCoreApplication::translate("PictureReader", "the picture is damaged: %1").arg(reader.errorString()));
    return image;
}

} // namespace

PictureReader::Failure::Failure(const QString &file, const QString &reason)
    : std::runtime_error(QCoreApplication::translate("PictureReader", "Cannot use %1 as a picture: %2")
                             .arg(QDir::toNativeSeparators(file), reason)
                             .toStdString())
    , m_reason(reason)
{
}

QImage PictureReader::readUpright(const QString &file, const QList<Part> &parts)
{
    checkFile(file);
    QFile head(file);
    if (!head.open(QIODevice::ReadOnly))
        throw Failure(file, head.errorString());
    if (isHeif(head.read(12)))
        return readHeif(file, parts);
    return readWithQt(file, parts);
}

QImage PictureReader::centredPart(const QImage &upright, const Part &part)
{
    const QRect cut = centred(upright.size(), part.shape);
    return upright.copy(cut).scaled(reduced(cut.size(), part.pixels), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
