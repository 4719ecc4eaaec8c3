#include "windows/preview/DocumentSaving.h"

#include "core/preview/DocumentCopy.h"
#include "core/preview/DocumentExport.h"
#include "core/shell/ErrorReport.h"
#include "core/shell/FileReplacement.h"
#include "core/shell/UserMessages.h"
#include "windows/widgets/CommonDialog.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <stdexcept>

DocumentSaving::DocumentSaving(QWidget &window, WordEngine *engine, CommonDialog &commonDialog)
    : m_window(window)
    , m_engine(engine)
    , CommonDialog1(commonDialog)
{
}

DocumentSaving::Target DocumentSaving::target(const QString &chosenName, int filter)
{
    if (const std::optional<DocumentFormat> typed = DocumentFormats::fromFileName(chosenName))
        return {chosenName, *typed};
    const auto formats = DocumentFormats::all();
    const DocumentFormat format = formats[size_t(std::clamp<int>(filter, 0, int(formats.size()) - 1))].format;
    return {chosenName + QLatin1Char('.') + DocumentFormats::suffix(format), format};
}

void DocumentSaving::save(const QString &wordFile)
{
    const ErrorReport report(QStringLiteral("Form2"), QStringLiteral("PushButton6_Click"));
    CommonDialog::SaveAnswer answer;
    report.step(112, [&] {
        answer = CommonDialog1.showSave(&m_window, {QCoreApplication::translate("Form2", "Save File"), DocumentFormats::dialogFilters(), QString()});
    });
    // A cancelled dialog returns no name: nothing is written and nothing is said.
    if (answer.fileName.isEmpty())
        return;
    Target chosen{};
    report.step(114, [&] { chosen = target(answer.fileName, answer.filter); });
    // A file that may not be written is said in plain words before anything is asked.
    FileReplacement::Target file;
    report.step(116, [&] { file = FileReplacement::resolve(chosen.fileName); });
    bool agreed = false;
    report.step(120, [&] { agreed = FileReplacement::writeAgreed(file); });
    if (!agreed)
        return;
    if (report.step(130, [&] { write(wordFile, chosen); }))
        report.step(132, [&] { UserMessages::information(QCoreApplication::translate("Form2", "Done.")); });
}

// The generated document itself, or a file an office writes from it.
void DocumentSaving::write(const QString &wordFile, const Target &target) const
{
    if (target.format == DocumentFormat::Word97)
        DocumentCopy::copy(wordFile, target.fileName);
    else if (m_engine)
        DocumentExport::fromDocument(*m_engine, wordFile, target.fileName, target.format, FileReplacement::Kind::Persons);
    else
        throw std::runtime_error(QCoreApplication::translate("Form2", "No office is available to write the document.").toStdString());
}
