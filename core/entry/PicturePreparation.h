#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QSizeF>
#include <QString>

// Makes the copies of a person's picture that a calendar prints: each cropped to a place's
// shape (centred), scaled to print at 300 pixels per inch at the place's printed size and
// never more (a smaller picture keeps its own pixels), turned upright, in sRGB, as a JPEG of
// high quality. A place may have several shapes (a design lays it out differently on each
// paper): the picture is read once for all of them.
namespace PicturePreparation {

inline constexpr double printedPixelsPerInch = 300.0;
// Below this a picture prints visibly soft.
inline constexpr double sharpPixelsPerInch = 150.0;
inline constexpr int jpegQuality = 92;

// The pixels a place of that printed size (millimetres) needs at 300 per inch.
QSize pixelsFor(const QSizeF &printedMillimetres);
// How many pixels per inch a picture of that many pixels prints at in a place of that size.
double printedResolution(const QSize &pixels, const QSizeF &printedMillimetres);

// The prepared copy of the file for each printed size (millimetres), in that order.
// Throws PictureReader::Failure naming the file and the reason.
QList<QByteArray> prepare(const QString &file, const QList<QSizeF> &printedMillimetres);

} // namespace PicturePreparation
