#include "windows/SaveFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <QStringList>

namespace {

struct TestHooks {
    std::optional<QString> nextFileName;
    std::optional<SaveFileDialog::Request> lastShown;
};

TestHooks &testHooks()
{
    static TestHooks hooks;
    return hooks;
}

} // namespace

QString SaveFileDialog::toDialogFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        const QString patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        const QString shown = QStringLiteral("(%1)").arg(patterns);
        // The dialog reads the patterns from the parentheses at the end of the entry.
        entries.append(description.endsWith(shown) ? description : description + QLatin1Char(' ') + shown);
    }
    return entries.join(QStringLiteral(";;"));
}

QString SaveFileDialog::startDirectory()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists())
        return documents;
    return QDir::homePath();
}

void SaveFileDialog::showSave(QWidget *parent)
{
    const Request request{m_title, toDialogFilter(m_filter), startDirectory()};
    TestHooks &hooks = testHooks();
    hooks.lastShown = request;
    if (hooks.nextFileName) {
        m_fileName = *hooks.nextFileName;
        hooks.nextFileName.reset();
        return;
    }

    QFileDialog dialog(parent, request.title, request.directory, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(m_defaultSuffix);
    if (!m_fileName.isEmpty())
        dialog.selectFile(m_fileName);
    m_fileName = dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void SaveFileDialog::setNextFileName(const QString &fileName)
{
    testHooks().nextFileName = fileName;
}

std::optional<SaveFileDialog::Request> SaveFileDialog::lastShown()
{
    return testHooks().lastShown;
}
