#include "entry/CalendarCommands.h"

#include "entry/EntryPanel.h"
#include "entry/SampleEntries.h"
#include "shell/CalendarMonths.h"
#include "shell/ErrorReport.h"

void CalendarCommands::clear(EntryPanel &panel, const ErrorReport &report)
{
    for (int month = 0; month < CalendarMonths::count; ++month) {
        const int loopLabel = 100 + 4 * month;
        int days = 0;
        report.step(loopLabel, [&] { days = CalendarMonths::month(month).days; });
        for (int index = 0; index < days; ++index)
            report.step(loopLabel + 2, [&] { panel.setEntryText(month, index, QString()); });
    }
}

void CalendarCommands::loadSamples(EntryPanel &panel, const ErrorReport &report)
{
    int label = 100;
    for (const SampleEntry &sample : SampleEntries::table) {
        report.step(label, [&] { panel.setEntryText(sample.month, sample.index, QString::fromUtf8(sample.text)); });
        label += 2;
    }
}
