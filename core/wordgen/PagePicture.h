#pragma once

#include <QImage>
#include <QSize>

// A page picture carries more pixels than it shows: its resolution (dots per meter)
// says how large it is meant to appear. Its natural size on screen is its pixel size
// at that resolution, scaled to the screen's 96 dots per inch (fifteen twips a pixel).
// A picture of the default resolution shows one pixel per screen pixel.
namespace PagePicture {

inline constexpr double screenDotsPerInch = 96.0;
inline constexpr double metersPerInch = 0.0254;

inline QSize naturalSize(const QImage &picture)
{
    if (picture.isNull())
        return QSize();
    const int dotsPerMeterX = picture.dotsPerMeterX();
    const int dotsPerMeterY = picture.dotsPerMeterY();
    if (dotsPerMeterX <= 0 || dotsPerMeterY <= 0)
        return picture.size();
    const double scaleX = screenDotsPerInch / (dotsPerMeterX * metersPerInch);
    const double scaleY = screenDotsPerInch / (dotsPerMeterY * metersPerInch);
    return QSize(qRound(picture.width() * scaleX), qRound(picture.height() * scaleY));
}

// Gives the picture the resolution at which it shows at the given natural size.
inline void setNaturalWidth(QImage &picture, int naturalWidthPixels)
{
    const double dotsPerInch = screenDotsPerInch * picture.width() / naturalWidthPixels;
    const int dotsPerMeter = qRound(dotsPerInch / metersPerInch);
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
}

} // namespace PagePicture
