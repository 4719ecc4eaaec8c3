#pragma once

#include "core/import/ImportedDates.h"

#include <QList>
#include <QString>

#include <optional>

// One piece of a day's entry as it goes out to a file: a part with its year ("Mom
// Birthday (1956)"), or the parts between such parts ("Call Oma; Buy cake").
struct EntryPiece {
    QString text;
    std::optional<int> year; // the year of the piece's part that has one (EntryYears)
};

// How a day's entry is cut into pieces for other programs, so that each part with a year
// becomes an event of its own beginning in that year, and how the pieces are joined again
// when the program's own file comes back. The cut is at "; " (EntryYears::parts), so
// joining the pieces in order gives the entry exactly.
namespace EntryPieces {

// The entry's pieces in order: each part with a year alone, the parts between them
// together. Parts that are only blanks stay with the piece before them (the first
// piece's, when they open the entry), so that no piece is blank.
QList<EntryPiece> of(const QString &entry);

// Whether a part of the text has a year of its own.
bool hasYear(const QString &text);

// Adds an entry read from the program's own file. The pieces of one day follow each other
// in the file, so an entry of the same day as the entry before it is joined to it.
void append(QList<ImportedDate> &dates, const ImportedDate &entry);

} // namespace EntryPieces
