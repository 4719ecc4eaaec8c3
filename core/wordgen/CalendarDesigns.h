#pragma once

#include "core/shell/PaperSize.h"

#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// How the printed calendar looks: the designs the program carries, as their manifest
// (":/template/designs.json", made with the templates) describes them. Every design keeps
// the calendar's table structure, so one builder fills them all; a design differs in its
// templates, its cover and its picture places.
struct CalendarDesign {
    // What one paper holds of a design.
    struct Layout {
        QString perpetualTemplate; // the template's file name: "calendar-wall.dot"
        QString datedTemplate;     // the one of a calendar for one year
        int pages = 0;             // of the empty calendar
        QSizeF coverPicture;       // printed size in millimetres; empty without one
        QSizeF monthPicture;
        // An entry wraps when wider than this line (points), in this font and size.
        double entryLineWidth = 0;
        double datedEntryLineWidth = 0;
        QString entryFont;
        double entryFontSize = 0;
        // The lines each month (January first) can grow by before it is pushed past its
        // page or column.
        std::array<int, 12> spareLines{};
    };

    QString name;          // "classic", "wall": the settings file's and the command line's
    bool hasCover = false; // a cover page with a title and, where it has pictures, a picture
    bool hasPictures = false;
    std::array<Layout, 3> layouts; // Letter, A4, A5

    // "Classic", "Wall calendar", … in the program's language.
    QString label() const;
    const Layout &layout(PaperSize paper) const;
    // The printed size of a picture place (PicturePlaces) on that paper; empty when the
    // design has no picture there.
    QSizeF picturePlace(int place, PaperSize paper) const;
};

namespace CalendarDesigns {

// The described template, the default.
inline const QString classicName = QStringLiteral("classic");

// Every design, in the order menus show them, classic first.
const QList<CalendarDesign> &all();
// The design of that name; nothing for any other name.
std::optional<CalendarDesign> named(const QString &name);
// "classic", "wall", …: every design's name, in menu order, classic first.
QStringList names();
// "classic, wall, …", for messages and the command line's help.
QString knownNames();
// Every printed size a picture place has in any design on any paper: the shapes its
// prepared copies are kept in.
QList<QSizeF> pictureShapes(int place);

} // namespace CalendarDesigns
