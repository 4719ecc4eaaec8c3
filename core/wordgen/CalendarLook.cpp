#include "core/wordgen/CalendarLook.h"

#include "core/entry/CalendarOptions.h"
#include "core/entry/PictureLibrary.h"
#include "core/shell/CalendarEntryStore.h"

CalendarLook CalendarLook::classic(PaperSize paper)
{
    return {*CalendarDesigns::named(CalendarDesigns::classicName), paper, std::nullopt, QString(), {}};
}

CalendarLook CalendarLook::chosen(PaperSize paper)
{
    CalendarEntryStore store;
    const CalendarOptions options(store, CalendarDesigns::names());
    // The settings are read when a picture is asked for, as they are then.
    const auto keptPicture = [](int place, const QSizeF &printedMillimetres) {
        CalendarEntryStore pictures;
        return PictureLibrary(pictures).path(place, printedMillimetres);
    };
    const std::optional<CalendarDesign> design = CalendarDesigns::named(options.design());
    return {design ? *design : classic(paper).design, paper, options.year(), options.coverTitle(), keptPicture};
}

QString CalendarLook::templateName() const
{
    return isDated() ? layout().datedTemplate : layout().perpetualTemplate;
}
