#pragma once

#include "core/import/ImportedDates.h"

#include <QByteArray>

// Reads the birthdays and anniversaries of a .csv file as spreadsheet and contacts programs
// export it: quoted fields with commas, doubled quotes and line breaks in them, CRLF or LF,
// "," or ";" between fields (whichever splits the first line into more fields), UTF-8 with
// or without a byte-order mark, Latin-1 when the bytes are not UTF-8.
//
// The columns are found by their header: the name ("Name", "Full Name", "Display Name",
// "First Name" and "Last Name", "Given Name" and "Family Name") and every column whose header
// holds "Birthday" or "Anniversary". A file without such a header gives its first column of
// dates as birthdays and its first column of text as the names.
//
// Dates are 1985-04-13, --04-13 (no year), 13.4.1985 (day first) and 4/13/1985, whose order
// the file tells by a number above 12 or the caller by its answer. Rows are counted as a
// spreadsheet numbers them, the header being row 1.
class CsvDatesReader
{
public:
    // How to read slashed dates such as 04/05/1990.
    enum class SlashOrder {
        Ask,        // as the file shows it; a file that could be read either way gives no dates
        MonthFirst, // 04/05/1990 is April 5
        DayFirst,   // 04/05/1990 is May 4
    };

    // The dates of the file. With SlashOrder::Ask and slashed dates that could be month/day
    // or day/month, there are no dates, one skipped line saying so and *ambiguous is true:
    // the caller asks the person and reads again with the answer.
    static ImportedDates read(const QByteArray &content, SlashOrder order = SlashOrder::Ask, bool *ambiguous = nullptr);
};
