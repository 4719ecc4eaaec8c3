#pragma once

class EntryPanel;
class ErrorReport;

// The two commands that set many day boxes at once. They only set box texts; the panel
// stores every change. A failing box is reported with its step label and the command
// goes on with the next one.
namespace CalendarCommands {

// Empties all 366 boxes in calendar order. Labels: each month's loop 100, 104, … 144 and
// the clearing of one box inside it 102, 106, … 146.
void clear(EntryPanel &panel, const ErrorReport &report);

// Writes the eight sample entries over whatever those boxes held; every other box keeps
// its text. Labels 100, 102, … 114 in the samples' order.
void loadSamples(EntryPanel &panel, const ErrorReport &report);

} // namespace CalendarCommands
