#pragma once

#include "core/import/ExportedDays.h"

#include <QByteArray>

// Writes the days as a spreadsheet file (RFC 4180): a header row "Month,Day,Entry,Year",
// then one row per piece of a day's entry (EntryPieces) with the month as a number and the
// piece's year, empty when it has none; fields quoted where they hold a comma, a quote, a
// line break or blanks at either end, lines ended by CRLF, and an entry that a spreadsheet
// would take for a formula guarded by an apostrophe (FormulaGuard). UTF-8 after a
// byte-order mark, which spreadsheet programs need to tell it from their local encoding.
namespace CsvDatesWriter {

// The header's cells, which a reader recognizes the file by.
inline constexpr char header[] = "Month,Day,Entry,Year";
// The header of the files written before the years had a column.
inline constexpr char headerWithoutYears[] = "Month,Day,Entry";

QByteArray write(const QList<ExportedDay> &days);

} // namespace CsvDatesWriter
