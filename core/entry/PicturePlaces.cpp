#include "core/entry/PicturePlaces.h"

#include "core/shell/MonthNames.h"

#include <QCoreApplication>

QString PicturePlaces::key(int place)
{
    return place == cover ? QStringLiteral("cover") : QString::number(place);
}

std::optional<int> PicturePlaces::fromKey(const QString &key)
{
    if (key == QLatin1String("cover"))
        return cover;
    bool number = false;
    const int month = key.toInt(&number);
    // Only as the place's key is written: "1", not "01" or "+1".
    if (!number || month < 1 || month >= count || QString::number(month) != key)
        return std::nullopt;
    return month;
}

QString PicturePlaces::label(int place)
{
    if (place == cover)
        //: The calendar's cover page, as a place for a picture.
        return QCoreApplication::translate("PicturePlaces", "Cover");
    return MonthNames::caption(place - 1).trimmed();
}
