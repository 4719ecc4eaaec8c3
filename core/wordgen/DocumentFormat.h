#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The kinds of file the calendar can be written as, each known by its file name's suffix.
enum class DocumentFormat {
    Word97,       // .doc, the generated document itself
    Word2007,     // .docx
    OpenDocument, // .odt
    Pdf,          // .pdf
};

namespace DocumentFormats {

// "doc", "docx", "odt", "pdf".
QString suffix(DocumentFormat format);
// The format a file name's suffix names (letter case aside); none for any other suffix.
std::optional<DocumentFormat> fromFileName(const QString &fileName);
// "doc, docx, odt or pdf", for messages.
QString knownSuffixes();

} // namespace DocumentFormats
