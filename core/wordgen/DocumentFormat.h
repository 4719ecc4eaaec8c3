#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

// The kinds of file the calendar can be written as, each known by its file name's suffix.
enum class DocumentFormat {
    Word97,       // .doc, the generated document itself
    Word2007,     // .docx
    OpenDocument, // .odt
    Pdf,          // .pdf
};

// Everything the program knows of one output format. A format the office writes names the
// office's export filter; one it does not (pictures of the pages, say) has no filter and is
// made by the program from the PDF the office writes (makeFromPdf).
struct DocumentFormatRow {
    DocumentFormat format;
    const char *suffix;       // "doc", without the point
    const char *officeFilter; // "MS Word 97"; null for a format the office does not write
    const char *dialogLabel;  // the save dialog's filter, translated in context "DocumentFormats"
    const char *description;  // the usage text's name of the format, translated likewise
    // Writes target from the office's PDF of the document; null for a format the office writes.
    void (*makeFromPdf)(const QString &pdf, const QString &target) = nullptr;
};

// The output formats, one row each: adding a format is adding its row (and its test row).
namespace DocumentFormats {

// Every format, the document's own first: the order of the save dialog's filters.
std::span<const DocumentFormatRow> all();
const DocumentFormatRow &row(DocumentFormat format);

// "doc", "pdf", "docx", "odt".
QString suffix(DocumentFormat format);
// The format a file name's suffix names (letter case aside); none for any other suffix.
std::optional<DocumentFormat> fromFileName(const QString &fileName);
// "doc, pdf, docx or odt", for messages.
QString knownSuffixes();
// The save dialog's filters, translated, in the order of all().
QStringList dialogFilters();
// The usage text's list: one line a format, its suffix and its name, each line indented.
QString usageList(const QString &indent);

} // namespace DocumentFormats
