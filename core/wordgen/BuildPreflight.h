#pragma once

#include "core/shell/PaperSize.h"

#include <QList>
#include <QString>

#include <optional>

class CalendarOptions;
class DayEntries;
class PictureLibrary;
struct CalendarDesign;

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

    static Findings check(const CalendarOptions &options, const DayEntries &entries, PaperSize paper,
                          const PictureLibrary &pictures);
    // The same for a design and edition (a year, or nothing for the perpetual calendar).
    static Findings check(const CalendarDesign &design, std::optional<int> year, const DayEntries &entries,
                          PaperSize paper, const PictureLibrary &pictures);

    // One message listing the findings, in the program's language; empty when there are none.
    static QString message(const Findings &findings);
};
