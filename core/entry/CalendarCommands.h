#pragma once

class DayEntries;
class ErrorReport;

// "Clear/Reset Calendar" and "Load Sample/Example Amounts": the two commands that set many
// day entries at once. They only set entry texts; the entries store every change. A failing
// entry is reported with its step label and the command goes on with the next one.
namespace CalendarCommands {

// Empties all 366 entries in calendar order. Labels: each month's loop 100, 104, … 144 and
// the clearing of one entry inside it 102, 106, … 146.
void clear(DayEntries &entries, const ErrorReport &report);

// Writes the eight sample entries over whatever those days held; every other day keeps
// its text. Labels 100, 102, … 114 in the samples' order.
void loadSamples(DayEntries &entries, const ErrorReport &report);

} // namespace CalendarCommands
