#pragma once

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>

// Makes the copy of a person's picture that a calendar prints: cropped to its place's shape
// (centred), scaled to print at 300 pixels per inch at its printed size and never more
// (a smaller picture keeps its own pixels), turned upright, in sRGB, as a JPEG of high
// quality.
namespace PicturePreparation {

inline constexpr double printedPixelsPerInch = 300.0;
// Below this a picture prints visibly soft.
inline constexpr double sharpPixelsPerInch = 150.0;
inline constexpr int jpegQuality = 92;

// The pixels a place of that printed size (millimetres) needs at 300 per inch.
QSize pixelsFor(const QSizeF &printedMillimetres);
// How many pixels per inch a picture of that many pixels prints at in a place of that size.
double printedResolution(const QSize &pixels, const QSizeF &printedMillimetres);

// The prepared copy of the file for a place of that printed size. Throws
// PictureReader::Failure naming the file and the reason.
QByteArray prepare(const QString &file, const QSizeF &printedMillimetres);

} // namespace PicturePreparation
