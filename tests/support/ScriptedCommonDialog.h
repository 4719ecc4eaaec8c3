#pragma once

#include "windows/widgets/CommonDialog.h"

#include <QList>
#include <QQueue>

#include <functional>

// Answers the program's file and print dialogs in tests, as the person would, and records
// what each save dialog was asked to show. A dialog shown with no answer queued is a fault
// of the test (it would have waited for a person): it fails the test run at once.
class ScriptedCommonDialog : public CommonDialog
{
public:
    using PrinterAnswer = std::function<bool(QPrinter &printer)>;

    // The next save dialog returns this name, as typed with the filter of that index; an
    // empty name is a cancel.
    void queueSave(const QString &fileName, int filter = 0) { m_saves.enqueue({fileName, filter}); }
    void queueOpen(const QStringList &files) { m_opens.enqueue(files); }
    // Sets the printer up (a PDF file as printer, a page range) and accepts or cancels.
    void queuePrinter(PrinterAnswer answer) { m_printers.enqueue(std::move(answer)); }

    const QList<SaveRequest> &saveRequests() const { return m_saveRequests; }
    // True when every queued answer has been given to a dialog that showed.
    bool allAnswered() const { return m_saves.isEmpty() && m_opens.isEmpty() && m_printers.isEmpty(); }

    SaveAnswer showSave(QWidget *parent, const SaveRequest &request) override;
    QStringList showOpen(QWidget *parent, const QString &title, const QStringList &filters) override;
    bool showPrinter(QWidget *parent, QPrinter &printer, int pageCount) override;

private:
    QQueue<SaveAnswer> m_saves;
    QQueue<QStringList> m_opens;
    QQueue<PrinterAnswer> m_printers;
    QList<SaveRequest> m_saveRequests;
};
