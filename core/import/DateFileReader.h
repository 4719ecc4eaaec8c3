#pragma once

#include "core/import/ImportedDates.h"

#include <QString>

#include <optional>

// Reads the dates of a contacts, spreadsheet or calendar file, told apart by its suffix:
// .vcf (contact cards), .csv (rows of names and dates), .ics (calendar events).
namespace DateFileReader {

// How a file writes dates such as 04/05/1990, where that is not clear from the file.
enum class SlashOrder { Ask, MonthFirst, DayFirst };

// True for the suffixes read here.
bool isKnown(const QString &path);
// "contact cards (.vcf), spreadsheet rows (.csv) or calendar events (.ics)", for messages.
QString knownKinds();

// The file's dates. Throws std::runtime_error naming the file and the cause when it cannot
// be read at all (missing, too large, an unknown suffix). When the file's dates could be
// read either way and the order is Ask, it gives no dates and sets *ambiguous.
ImportedDates read(const QString &path, SlashOrder order, bool *ambiguous);

} // namespace DateFileReader
