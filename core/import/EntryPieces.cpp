#include "core/import/EntryPieces.h"

#include "core/entry/EntryYears.h"

#include <QStringList>

#include <algorithm>

namespace {

// The parts of one piece as it is gathered, and the year of its part that has one.
struct GatheredPiece {
    QStringList parts;
    std::optional<int> year;
};

} // namespace

QList<EntryPiece> EntryPieces::of(const QString &entry)
{
    QList<GatheredPiece> gathered;
    for (const QString &part : EntryYears::parts(entry)) {
        const std::optional<EntryYears::YearedPart> yeared = EntryYears::yearOf(part);
        // Blank parts (nothing but whitespace) start no piece of their own.
        const bool startsPiece = gathered.isEmpty() || (yeared && !gathered.back().parts.join(QString()).trimmed().isEmpty())
                                 || (!yeared && !part.trimmed().isEmpty() && gathered.back().year);
        if (startsPiece)
            gathered.append(GatheredPiece());
        GatheredPiece &piece = gathered.back();
        piece.parts.append(part);
        if (yeared)
            piece.year = yeared->year;
    }
    QList<EntryPiece> pieces;
    for (const GatheredPiece &piece : std::as_const(gathered))
        pieces.append({EntryYears::joined(piece.parts), piece.year});
    return pieces;
}

bool EntryPieces::hasYear(const QString &text)
{
    const QStringList parts = EntryYears::parts(text);
    return std::any_of(parts.cbegin(), parts.cend(), [](const QString &part) { return EntryYears::yearOf(part).has_value(); });
}

void EntryPieces::append(QList<ImportedDate> &dates, const ImportedDate &entry)
{
    if (!dates.isEmpty() && entry.kind == ImportedDate::Kind::Entry) {
        ImportedDate &before = dates.back();
        if (before.kind == ImportedDate::Kind::Entry && before.month == entry.month && before.day == entry.day) {
            before.name = EntryYears::joined({before.name, entry.name});
            return;
        }
    }
    dates.append(entry);
}
