#include "core/entry/CalendarCommands.h"

#include "core/entry/DayEntries.h"
#include "core/entry/SampleEntries.h"
#include "core/shell/CalendarMonths.h"
#include "core/shell/ErrorReport.h"

#include <QCoreApplication>

void CalendarCommands::clear(DayEntries &entries, const ErrorReport &report)
{
    for (int month = 0; month < CalendarMonths::count; ++month) {
        const int loopLabel = 100 + 4 * month;
        int days = 0;
        report.step(loopLabel, [&] { days = CalendarMonths::month(month).days; });
        for (int index = 0; index < days; ++index)
            report.step(loopLabel + 2, [&] { entries.setEntryText(month, index, QString()); });
    }
}

void CalendarCommands::loadSamples(DayEntries &entries, const ErrorReport &report)
{
    int label = 100;
    for (const SampleEntry &sample : SampleEntries::table) {
        report.step(label, [&] { entries.setEntryText(sample.month, sample.index, QCoreApplication::translate("SampleEntries", sample.text)); });
        label += 2;
    }
}
