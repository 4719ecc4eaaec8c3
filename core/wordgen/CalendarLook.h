#pragma once

#include "core/shell/PaperSize.h"
#include "core/wordgen/CalendarDesigns.h"

#include <QSizeF>
#include <QString>

#include <functional>
#include <optional>

// How the calendar a build or an export makes looks: its design on its paper, its year
// (none: the perpetual calendar), the title on its cover, and the family's pictures.
struct CalendarLook {
    CalendarDesign design;
    PaperSize paper = PaperSize::Letter;
    std::optional<int> year;
    QString coverTitle;
    // The prepared picture of a place (PicturePlaces) for a place of that printed size in
    // millimetres; an empty text when the place has none.
    std::function<QString(int place, const QSizeF &printedMillimetres)> picture;

    // The classic design, perpetual, with no pictures: the calendar as it always was.
    static CalendarLook classic(PaperSize paper);
    // The look the person chose, as the settings file keeps it, on that paper, with the
    // pictures kept for its places.
    static CalendarLook chosen(PaperSize paper);

    const CalendarDesign::Layout &layout() const { return design.layout(paper); }
    bool isDated() const { return year.has_value(); }
    // The template's file name in the program's resources: "calendar-wall-a4.dot".
    QString templateName() const;
};
