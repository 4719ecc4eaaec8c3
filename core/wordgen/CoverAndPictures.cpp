#include "core/wordgen/CoverAndPictures.h"

#include "core/entry/PicturePlaces.h"
#include "core/wordgen/CalendarLook.h"
#include "core/wordgen/WordApplication.h"

QString CoverAndPictures::pictureBookmark(int place)
{
    return place == PicturePlaces::cover ? QStringLiteral("CoverPicture") : QStringLiteral("MonthPicture%1").arg(place);
}

void CoverAndPictures::writeCover(WordApplication &word, const CalendarLook &look)
{
    if (!look.design.hasCover)
        return;
    word.setBookmarkText(QStringLiteral("CoverTitle"), look.coverTitle);
    // The perpetual calendar's cover keeps its year's paragraph empty, as the template has it.
    if (look.year)
        word.setBookmarkText(QStringLiteral("CoverYear"), QString::number(*look.year));
}

QList<CoverAndPictures::Picture> CoverAndPictures::pictures(const CalendarLook &look)
{
    QList<Picture> pictures;
    if (!look.picture)
        return pictures;
    for (int place = 0; place < PicturePlaces::count; ++place) {
        const QSizeF size = look.design.picturePlace(place, look.paper);
        if (size.isEmpty())
            continue;
        if (const QString file = look.picture(place, size); !file.isEmpty())
            pictures.append({place, pictureBookmark(place), file});
    }
    return pictures;
}

void CoverAndPictures::place(WordApplication &word, const Picture &picture)
{
    word.placePicture(picture.bookmark, picture.file);
}
