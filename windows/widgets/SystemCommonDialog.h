#pragma once

#include "windows/widgets/CommonDialog.h"

// The system's file and print dialogs, and Qt's progress dialog. The save dialog starts in
// the person's documents folder, adds no suffix and does not ask about overwriting: the
// caller decides both.
class SystemCommonDialog : public CommonDialog
{
public:
    SaveAnswer showSave(QWidget *parent, const SaveRequest &request) override;
    QStringList showOpen(QWidget *parent, const QString &title, const QStringList &filters) override;
    bool showPrinter(QWidget *parent, QPrinter &printer, int pageCount) override;
    std::unique_ptr<ProgressDialog> showProgress(QWidget *parent, const QString &title, const QString &text,
                                                 std::function<void()> cancel) override;
};
