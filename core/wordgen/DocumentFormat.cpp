#include "core/wordgen/DocumentFormat.h"

#include <QFileInfo>

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<DocumentFormat, const char *>, 4> suffixes{{
    {DocumentFormat::Word97, "doc"},
    {DocumentFormat::Word2007, "docx"},
    {DocumentFormat::OpenDocument, "odt"},
    {DocumentFormat::Pdf, "pdf"},
}};

} // namespace

QString DocumentFormats::suffix(DocumentFormat format)
{
    for (const auto &[known, text] : suffixes)
        if (known == format)
            return QString::fromLatin1(text);
    return QString();
}

std::optional<DocumentFormat> DocumentFormats::fromFileName(const QString &fileName)
{
    const QString given = QFileInfo(fileName).suffix().toLower();
    for (const auto &[format, text] : suffixes)
        if (given == QLatin1String(text))
            return format;
    return std::nullopt;
}

QString DocumentFormats::knownSuffixes()
{
    return QStringLiteral("doc, docx, odt or pdf");
}
