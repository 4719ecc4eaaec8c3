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

// Returns how many days were written. Throws std::runtime_error with one line naming the
// cause: an unknown suffix, no entries to export, a target that cannot be written.
int write(const DayEntries &entries, const QString &target);

} // namespace DatesExport
