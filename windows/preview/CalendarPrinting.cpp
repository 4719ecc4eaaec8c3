#include "windows/preview/CalendarPrinting.h"

#include "core/preview/DocumentExport.h"
#include "core/shell/FileReplacement.h"
#include "core/shell/FileRoutines.h"
#include "core/shell/TempFolder.h"
#include "core/shell/UserMessages.h"
#include "windows/preview/DocumentPrinter.h"
#include "windows/widgets/CommonDialog.h"
#include "windows/widgets/MousePointer.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QScopeGuard>

#include <stdexcept>

CalendarPrinting::CalendarPrinting(QWidget &window, WordEngine *engine, CommonDialog &commonDialog,
                                   MousePointer &pointer)
    : m_window(window)
    , m_engine(engine)
    , m_commonDialog(commonDialog)
    , m_pointer(pointer)
{
}

void CalendarPrinting::print(const QString &wordFile)
{
    if (wordFile.isEmpty() || !FileExists(wordFile)) {
        UserMessages::information(QCoreApplication::translate("Form2", "There is no calendar to print."));
        return;
    }
    const QString pdf = TempFolder::file(QStringLiteral("print.pdf"));
    const auto removePdf = qScopeGuard([&] { DeleteFileRobust(pdf); });
    const auto busy = [this](bool on) { m_pointer.set(on ? MousePointer::Hourglass : MousePointer::Default); };
    try {
        if (!m_engine)
            throw std::runtime_error(QCoreApplication::translate("Form2", "no office is available to lay the pages out").toStdString());
        busy(true);
        DocumentExport::fromDocument(*m_engine, wordFile, pdf, DocumentFormat::Pdf, FileReplacement::Kind::Private);
        busy(false);
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(QCoreApplication::translate("Form2", "Daybloom calendar"));
        // The printer's paper is the calendar's own.
        printer.setPageSize(DocumentPrinter::pageSize(pdf));
        if (!m_commonDialog.showPrinter(&m_window, printer, DocumentPrinter::pageCount(pdf)))
            return;
        const QString file = printer.outputFileName();
        if (!file.isEmpty() && !fileAgreed(file))
            return;
        busy(true);
        if (file.isEmpty())
            DocumentPrinter::print(pdf, printer);
        else
            FileReplacement::replace(file, FileReplacement::Kind::Persons, [&](const QString &newFile) {
                printer.setOutputFileName(newFile);
                DocumentPrinter::print(pdf, printer);
            });
        busy(false);
    } catch (const FileReplacement::Failure &failure) {
        busy(false);
        UserMessages::information(QString::fromUtf8(failure.what()));
    } catch (const std::exception &error) {
        busy(false);
        UserMessages::information(QCoreApplication::translate("Form2", "The calendar could not be printed: %1.").arg(QString::fromUtf8(error.what())));
    }
}

// Printed to a file, the file goes under the rule for every file written for the person:
// checked before anything else is asked, then written beside and put in place whole. The
// print dialog asked about the name it was given; a link's file, which is what is
// replaced, is asked about here.
bool CalendarPrinting::fileAgreed(const QString &fileName)
{
    const FileReplacement::Target file = FileReplacement::resolve(fileName);
    if (!file.refusal.isEmpty())
        throw FileReplacement::Failure(file.named, file.refusal);
    return !file.isLink || !file.exists || UserMessages::question(FileReplacement::overwriteQuestion(file)) == UserMessages::Answer::Yes;
}
