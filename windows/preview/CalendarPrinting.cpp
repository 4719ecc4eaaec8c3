#include "windows/preview/CalendarPrinting.h"

#include "core/preview/DocumentExport.h"
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
        DocumentExport::fromDocument(*m_engine, wordFile, pdf, DocumentFormat::Pdf);
        busy(false);
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(QCoreApplication::translate("Form2", "Daybloom calendar"));
        // The printer's paper is the calendar's own.
        printer.setPageSize(DocumentPrinter::pageSize(pdf));
        if (!m_commonDialog.showPrinter(&m_window, printer, DocumentPrinter::pageCount(pdf)))
            return;
        busy(true);
        DocumentPrinter::print(pdf, printer);
        busy(false);
    } catch (const std::exception &error) {
        busy(false);
        UserMessages::information(QCoreApplication::translate("Form2", "The calendar could not be printed: %1.").arg(QString::fromUtf8(error.what())));
    }
}
