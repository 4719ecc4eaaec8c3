#pragma once

#include "windows/widgets/CommonDialog.h"

#include <QList>
#include <QQueue>

#include <functional>
#include <memory>

// Answers the program's file and print dialogs in tests, as the person would, and records
// what each save dialog was asked to show and what each progress dialog showed. A dialog shown with no answer queued is a fault
// of the test (it would have waited for a person): it fails the test run at once.
class ScriptedCommonDialog : public CommonDialog
{
public:
    using PrinterAnswer = std::function<bool(QPrinter &printer)>;
    // A progress dialog as the person sees it: its texts, whether it is still open, and
    // its Cancel button.
    struct ShownProgress {
        QString title;
        QStringList texts;
        bool open = true;
        std::function<void()> cancel;
    };

    // The next save dialog returns this name, as typed with the filter of that index; an
    // empty name is a cancel.
    void queueSave(const QString &fileName, int filter = 0) { m_saves.enqueue({fileName, filter}); }
    void queueOpen(const QStringList &files) { m_opens.enqueue(files); }
    // Sets the printer up (a PDF file as printer, a page range) and accepts or cancels.
    void queuePrinter(PrinterAnswer answer) { m_printers.enqueue(std::move(answer)); }

    const QList<SaveRequest> &saveRequests() const { return m_saveRequests; }
    // Every progress dialog shown, the last one last.
    const QList<std::shared_ptr<ShownProgress>> &progress() const { return m_progress; }
    // True when every queued answer has been given to a dialog that showed.
    bool allAnswered() const { return m_saves.isEmpty() && m_opens.isEmpty() && m_printers.isEmpty(); }

    SaveAnswer showSave(QWidget *parent, const SaveRequest &request) override;
    QStringList showOpen(QWidget *parent, const QString &title, const QStringList &filters) override;
    bool showPrinter(QWidget *parent, QPrinter &printer, int pageCount) override;
    std::unique_ptr<ProgressDialog> showProgress(QWidget *parent, const QString &title, const QString &text,
                                                 std::function<void()> cancel) override;

private:
    QQueue<SaveAnswer> m_saves;
    QQueue<QStringList> m_opens;
    QQueue<PrinterAnswer> m_printers;
    QList<SaveRequest> m_saveRequests;
    QList<std::shared_ptr<ShownProgress>> m_progress;
};
