#pragma once

#include <QList>
#include <QString>

class DayEntries;
struct CalendarLook;

// What to tell the person before a build, while there is still time to change it: the
// pictures the chosen design would print soft (below 150 pixels per inch at their place's
// printed size), and the months whose entries would wrap onto more lines than the month
// has to spare on its page, so that the month is pushed past it.
class BuildPreflight
{
public:
    struct SoftPicture {
        int place = 0;             // PicturePlaces
        double pixelsPerInch = 0;  // as it would print
        bool operator==(const SoftPicture &) const = default;
    };
    struct Findings {
        QList<SoftPicture> softPictures;
        QList<int> crowdedMonths; // 0 (January) … 11
        bool isEmpty() const { return softPictures.isEmpty() && crowdedMonths.isEmpty(); }
    };

    // What a build of the look (its design on its paper, its edition, its pictures) would
    // make of the entries.
    static Findings check(const CalendarLook &look, const DayEntries &entries);

    // One message listing the findings, in the program's language; empty when there are none.
    static QString message(const Findings &findings);
};
