#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <stdexcept>

// Reads a picture file the person chose: JPEG, PNG, WebP, TIFF, BMP and the HEIC pictures
// phones take, upright as its orientation mark says, and never larger than needed: a photo
// far larger than asked for is decoded at a reduced size where its format allows, and a
// picture that would have to be decoded whole beyond a bound is refused rather than held.
class PictureReader
{
public:
    // "Cannot use <file> as a picture: <reason>".
    class Failure : public std::runtime_error
    {
    public:
        Failure(const QString &file, const QString &reason);
        const QString &reason() const { return m_reason; }

    private:
        QString m_reason;
    };

    // The most pixels a picture is decoded whole with, where its format cannot decode a
    // reduced size (about 200 MB in memory).
    static constexpr qint64 largestWholePicture = 50'000'000;

    // A part of a picture: the shape it is cut to (its width to its height, centred) and the
    // most pixels it needs.
    struct Part {
        QSizeF shape;
        QSize pixels;
    };

    // The whole picture, upright, decoded no larger than the parts need: each part's cut
    // keeps its pixels, or all the picture has. Throws Failure naming the file and the
    // reason.
    static QImage readUpright(const QString &file, const QList<Part> &parts);
    // The centred cut of the part's shape, at most its pixels: never enlarged.
    static QImage centredPart(const QImage &upright, const Part &part);
};
