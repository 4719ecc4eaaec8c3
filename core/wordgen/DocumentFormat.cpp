#include "core/wordgen/DocumentFormat.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

constexpr std::array<DocumentFormatRow, 4> rows{{
    {DocumentFormat::Word97, "doc", "MS Word 97", QT_TRANSLATE_NOOP("DocumentFormats", "Word Files (*.doc)"),
     QT_TRANSLATE_NOOP("DocumentFormats", "Word 97-2003")},
    {DocumentFormat::Pdf, "pdf", "writer_pdf_Export", QT_TRANSLATE_NOOP("DocumentFormats", "PDF Files (*.pdf)"),
     QT_TRANSLATE_NOOP("DocumentFormats", "PDF")},
    {DocumentFormat::Word2007, "docx", "MS Word 2007 XML", QT_TRANSLATE_NOOP("DocumentFormats", "Word 2007-365 Files (*.docx)"),
     QT_TRANSLATE_NOOP("DocumentFormats", "Word 2007-365")},
    {DocumentFormat::OpenDocument, "odt", "writer8", QT_TRANSLATE_NOOP("DocumentFormats", "OpenDocument Text Files (*.odt)"),
     QT_TRANSLATE_NOOP("DocumentFormats", "OpenDocument Text")},
}};

QString translated(const char *text)
{
    return QCoreApplication::translate("DocumentFormats", text);
}

} // namespace

std::span<const DocumentFormatRow> DocumentFormats::all()
{
    return rows;
}

const DocumentFormatRow &DocumentFormats::row(DocumentFormat format)
{
    const auto found = std::find_if(rows.cbegin(), rows.cend(), [format](const DocumentFormatRow &row) { return row.format == format; });
    if (found == rows.cend())
        throw std::logic_error("An output format without its row in the table of formats.");
    return *found;
}

QString DocumentFormats::suffix(DocumentFormat format)
{
    return QString::fromLatin1(row(format).suffix);
}

std::optional<DocumentFormat> DocumentFormats::fromFileName(const QString &fileName)
{
    const QString given = QFileInfo(fileName).suffix().toLower();
    for (const DocumentFormatRow &known : rows)
        if (given == QLatin1String(known.suffix))
            return known.format;
    return std::nullopt;
}

QString DocumentFormats::knownSuffixes()
{
    QStringList suffixes;
    for (const DocumentFormatRow &known : rows)
        suffixes.append(QString::fromLatin1(known.suffix));
    const QString last = suffixes.takeLast();
    return translated(QT_TRANSLATE_NOOP("DocumentFormats", "%1 or %2")).arg(suffixes.join(QStringLiteral(", ")), last);
}

QStringList DocumentFormats::dialogFilters()
{
    QStringList filters;
    for (const DocumentFormatRow &known : rows)
        filters.append(translated(known.dialogLabel));
    return filters;
}

QString DocumentFormats::usageList(const QString &indent)
{
    QString list;
    for (const DocumentFormatRow &known : rows)
        list += indent + QStringLiteral(".%1").arg(QString::fromLatin1(known.suffix), -6) + translated(known.description) + QLatin1Char('\n');
    return list;
}
