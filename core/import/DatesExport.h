#pragma once

#include <QString>

class DayEntries;

// Writes every day of the calendar that holds text to a file, for calendar programs (.ics)
// or spreadsheets (.csv), told apart by the target's suffix. The file is written beside
// the target and takes its place in one rename: an existing file is replaced only by a
// complete one. The settings file is read for the calendar's identity and age, never
// written.
namespace DatesExport {

// True for the suffixes written here.
bool isKnown(const QString &path);

// Why these entries cannot be written to the target, in one line: an unknown suffix, no
// entries to export, a target the rule for the person's files refuses (FileReplacement);
// empty when they can.
QString refusal(const DayEntries &entries, const QString &target);

// Returns how many days were written. Throws std::runtime_error with one line naming the
// cause: the refusal, or a target that cannot be written.
int write(const DayEntries &entries, const QString &target);

} // namespace DatesExport
