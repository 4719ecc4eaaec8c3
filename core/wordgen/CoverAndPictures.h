#pragma once

#include <QList>
#include <QString>

struct CalendarLook;
class WordApplication;

// What a design holds beyond its month tables, each part a bookmark of its templates: the
// cover's title ("CoverTitle") and year ("CoverYear"), and a picture place on the cover
// ("CoverPicture") and on each month ("MonthPicture1" …), where the design's own ornament
// stays until the family's picture takes its place.
namespace CoverAndPictures {

struct Picture {
    int place = 0;    // PicturePlaces
    QString bookmark; // "MonthPicture3"
    QString file;     // the prepared picture
};

QString pictureBookmark(int place);

// The cover's title and, in a calendar for one year, its year; nothing without a cover.
void writeCover(WordApplication &word, const CalendarLook &look);
// The places the design has on the look's paper that the family has a picture for, cover
// first.
QList<Picture> pictures(const CalendarLook &look);
void place(WordApplication &word, const Picture &picture);

} // namespace CoverAndPictures
