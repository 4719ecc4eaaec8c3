#pragma once

#include "windows/widgets/ProgressDialog.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

// What the program asks the person through the system's dialogs: a file to save to, files
// to open, a printer; and the dialog that shows long work and lets it be cancelled. The windows are given one: the program the system's own dialogs
// (SystemCommonDialog), a test a scripted one, so that everything around the dialog runs
// in the test as it runs for a person.
class CommonDialog
{
public:
    struct SaveRequest {
        QString title;
        QStringList filters; // in the dialog's own form: "PDF Files (*.pdf)"
        QString fileName;    // suggested; may be empty
    };
    struct SaveAnswer {
        QString fileName; // as the person typed or chose it; empty when they cancelled
        int filter = 0;   // the index of the filter chosen with it
    };

    virtual ~CommonDialog() = default;

    virtual SaveAnswer showSave(QWidget *parent, const SaveRequest &request) = 0;
    // Shows the save dialog and gives the name chosen, with the chosen filter's suffix when
    // it was typed without one ("family" -> "family.ics"); empty when cancelled.
    QString chooseSaveName(QWidget *parent, const SaveRequest &request);
    // The files chosen; none when the person cancelled.
    virtual QStringList showOpen(QWidget *parent, const QString &title, const QStringList &filters) = 0;
    // True when the person chose to print; the printer then holds their choices (printer,
    // page range within 1 … pageCount, copies).
    virtual bool showPrinter(QWidget *parent, QPrinter &printer, int pageCount) = 0;
    // Shows, over the window but leaving it free, that work runs for it, until the dialog
    // returned goes; only when the work lasts more than a moment, so that quick work shows
    // nothing. `cancel` is called, once the dialog has closed, when the person cancels.
    virtual std::unique_ptr<ProgressDialog> showProgress(QWidget *parent, const QString &title, const QString &text,
                                                         std::function<void()> cancel) = 0;
};
