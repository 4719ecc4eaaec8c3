#pragma once

#include "core/import/ImportedDates.h"
#include "core/import/SlashOrder.h"

#include <QByteArray>

#include <stop_token>

// Reads the birthdays and anniversaries of a .csv file as spreadsheet and contacts programs
// export it: quoted fields with commas, doubled quotes and line breaks in them, CRLF or LF,
// "," or ";" between fields (whichever splits the first line into more fields), UTF-8 with
// or without a byte-order mark, UTF-16, or a single-byte encoding guessed from the file
// (FileText).
//
// The columns are found by their header: the name ("Name", "Full Name", "Display Name",
// "First Name" and "Last Name", "Given Name" and "Family Name") and every column whose header
// holds "Birthday" or "Anniversary". A file without such a header gives its first column of
// dates as birthdays and its first column of text as the names.
//
// Dates are 1985-04-13, --04-13 (no year), 13.4.1985 (day first) and 4/13/1985, whose order
// the file tells by a number above 12 or the caller by its answer. Rows are counted as a
// spreadsheet numbers them, the header being row 1.
//
// A file with the header "Month,Day,Entry,Year" (or "Month,Day,Entry", as older versions
// wrote it) is a calendar this program exported: each row gives a day by its numbers and
// a piece of its entry exactly as it was, the apostrophe that kept a spreadsheet from
// reading it as a formula taken off again (FormulaGuard); the rows of one day make its
// entry again (EntryPieces). A year the person wrote into the Year column goes to the end
// of an entry that has none.
class CsvDatesReader
{
public:
    // The dates of the file. With SlashOrder::Ask and slashed dates that could be month/day
    // or day/month, there are no dates, one skipped line saying so and *ambiguous is true:
    // the caller asks the person and reads again with the answer. Throws ImportCancelled
    // once `stop` is requested.
    static ImportedDates read(const QByteArray &content, SlashOrder order = SlashOrder::Ask, bool *ambiguous = nullptr,
                              const std::stop_token &stop = {});
};
