#include "windows/widgets/SystemCommonDialog.h"

#include "windows/widgets/SystemProgressDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <algorithm>

namespace {

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

CommonDialog::SaveAnswer SystemCommonDialog::showSave(QWidget *parent, const SaveRequest &request)
{
    QFileDialog dialog(parent, request.title, documentsFolder());
    dialog.setNameFilters(request.filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return {dialog.selectedFiles().value(0), std::max(0, int(request.filters.indexOf(dialog.selectedNameFilter())))};
}

QStringList SystemCommonDialog::showOpen(QWidget *parent, const QString &title, const QStringList &filters)
{
    return QFileDialog::getOpenFileNames(parent, title, QString(), filters.join(QStringLiteral(";;")));
}

bool SystemCommonDialog::showPrinter(QWidget *parent, QPrinter &printer, int pageCount)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setOption(QAbstractPrintDialog::PrintToFile);
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<ProgressDialog> SystemCommonDialog::showProgress(QWidget *parent, const QString &title, const QString &text,
                                                                 std::function<void()> cancel)
{
    return std::make_unique<SystemProgressDialog>(parent, title, text, std::move(cancel));
}
