#include "core/import/CsvDatesWriter.h"

#include "core/import/EntryPieces.h"
#include "core/import/FormulaGuard.h"

namespace {

QString field(const QString &entry)
{
    const QString text = FormulaGuard::added(entry);
    const bool quoted = text.contains(u',') || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n')
        || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quoted)
        return text;
    QString doubled = text;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

} // namespace

QByteArray CsvDatesWriter::write(const QList<ExportedDay> &days)
{
    QString text = QString::fromLatin1(header) + QStringLiteral("\r\n");
    for (const ExportedDay &day : days) {
        for (const EntryPiece &piece : EntryPieces::of(day.text)) {
            const QString year = piece.year ? QString::number(*piece.year) : QString();
            text += QStringLiteral("%1,%2,%3,%4\r\n").arg(day.month).arg(day.day).arg(field(piece.text), year);
        }
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}
