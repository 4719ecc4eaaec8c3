#pragma once

#include <QString>

struct CalendarLook;
class DayEntries;
class WordEngine;

// Makes the calendar without a window: fills the look's template with the day entries (and
// its cover and pictures) in an office instance and writes the result to target in the
// format its suffix names (DocumentFormats), under the rule for the person's files
// (FileReplacement), replacing a file there only with a complete one. Throws
// std::runtime_error (OfficeError from the office) whose description is one line naming
// the cause: an unknown suffix, no office, a target that cannot be written.
namespace CalendarExport {

void write(WordEngine &engine, const DayEntries &entries, const CalendarLook &look, const QString &target);

} // namespace CalendarExport
