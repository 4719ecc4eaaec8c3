#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>

#include "core/wordgen/PagePicture.h"

// Picture files for tests, made on the spot.
namespace TestPictures {

// True when a page picture is the one expected: the same pixels at the same natural size.
inline bool samePage(const QImage &actual, const QImage &expected)
{
    return !actual.isNull() && actual.convertToFormat(QImage::Format_RGB32) == expected.convertToFormat(QImage::Format_RGB32)
        && PagePicture::naturalSize(actual) == PagePicture::naturalSize(expected);
}

// A landscape picture: left half red, right half blue, a green band across the top.
inline QImage marked(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height, Qt::red);
    painter.fillRect(width / 2, 0, width - width / 2, height, Qt::blue);
    painter.fillRect(0, 0, width, height / 10, Qt::green);
    return image;
}

inline QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

// The JPEG with an Exif orientation mark (6: shown turned a quarter clockwise), as cameras
// write it: an APP1 segment right after the start marker.
inline QByteArray withOrientation(const QByteArray &jpeg, quint16 orientation)
{
    const char tiff[] = {'M', 'M', 0, 42, 0, 0, 0, 8,                        // big-endian header, IFD at 8
                         0, 1,                                                  // one entry
                         0x01, 0x12, 0, 3, 0, 0, 0, 1,                          // Orientation, SHORT, 1
                         char(orientation >> 8), char(orientation & 0xFF), 0, 0, // its value
                         0, 0, 0, 0};                                           // no next IFD
    const QByteArray exif = QByteArray("Exif\0\0", 6) + QByteArray(tiff, sizeof tiff);
    const quint16 length = quint16(exif.size() + 2);
    const QByteArray segment = QByteArray("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) + exif;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

inline void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

} // namespace TestPictures
