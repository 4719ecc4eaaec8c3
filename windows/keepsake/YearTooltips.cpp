#include "windows/keepsake/YearTooltips.h"

#include "core/entry/CalendarOptions.h"
#include "core/entry/DayEntries.h"
#include "core/entry/EntryYears.h"
#include "core/shell/CalendarMonths.h"
#include "core/wordgen/CalendarDesigns.h"
#include "windows/entry/DayBox.h"
#include "windows/entry/EntryPanel.h"

#include <QHelpEvent>
#include <QToolTip>

YearTooltips::YearTooltips(EntryPanel &panel, const DayEntries &entries)
    : QObject(&panel)
    , m_entries(entries)
{
    for (int month = 0; month < CalendarMonths::count; ++month)
        for (int index = 0; index < CalendarMonths::table.at(size_t(month)).days; ++index)
            panel.box(month, index)->installEventFilter(this);
}

bool YearTooltips::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    const auto *box = qobject_cast<const DayBox *>(watched);
    if (!box)
        return false;
    CalendarEntryStore store;
    const std::optional<int> year = CalendarOptions(store, CalendarDesigns::names()).year();
    if (!year)
        return false;
    const QString text = EntryYears::describedIn(m_entries.entryText(box->month(), box->index()), *year);
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text, const_cast<DayBox *>(box));
    }
    return true;
}
