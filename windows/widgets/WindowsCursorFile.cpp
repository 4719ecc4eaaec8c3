#include "windows/widgets/WindowsCursorFile.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>

#include <stdexcept>

namespace {

int littleEndian16(const QByteArray &bytes, int offset)
{
    return static_cast<unsigned char>(bytes.at(offset)) | (static_cast<unsigned char>(bytes.at(offset + 1)) << 8);
}

} // namespace

QCursor WindowsCursorFile::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("Cannot open the cursor file " + path.toStdString());
    const QByteArray bytes = file.readAll();
    // Header: reserved 0, type 2 (cursor), image count; then the first directory entry.
    if (bytes.size() < 22 || littleEndian16(bytes, 0) != 0 || littleEndian16(bytes, 2) != 2)
        throw std::runtime_error("Invalid picture: " + path.toStdString() + " is not a cursor file");
    const int hotX = littleEndian16(bytes, 10);
    const int hotY = littleEndian16(bytes, 12);

    QImageReader reader(path, "cur");
    const QImage image = reader.read();
    if (image.isNull())
        throw std::runtime_error("Invalid picture: " + reader.errorString().toStdString());
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}
