#include "windows/preview/SaveFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>

namespace {

// The suffix of a dialog filter's first pattern: "PDF Files (*.pdf)" -> "pdf".
QString suffixOf(const QString &dialogFilter)
{
    static const QRegularExpression firstPattern(QStringLiteral("\\(\\*\\.(\\w+)"));
    return firstPattern.match(dialogFilter).captured(1);
}

struct TestHooks {
    std::optional<QString> nextFileName;
    int nextFilter = 0;
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
    const QStringList filters = request.filter.split(QStringLiteral(";;"));
    if (hooks.nextFileName) {
        // As the dialog does: the chosen filter's suffix for a name without one.
        m_selectedFilter = hooks.nextFilter;
        m_fileName = *hooks.nextFileName;
        const QString suffix = m_selectedFilter > 0 ? suffixOf(filters.value(m_selectedFilter)) : m_defaultSuffix;
        if (!m_fileName.isEmpty() && QFileInfo(m_fileName).suffix().isEmpty() && !suffix.isEmpty())
            m_fileName += QLatin1Char('.') + suffix;
        hooks.nextFileName.reset();
        hooks.nextFilter = 0;
        return;
    }

    QFileDialog dialog(parent, request.title, request.directory, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(m_defaultSuffix);
    // Another filter chosen: its suffix for a name typed without one.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [this, &dialog, &filters](const QString &filter) {
        const int index = int(filters.indexOf(filter));
        const QString suffix = suffixOf(filter);
        dialog.setDefaultSuffix(index > 0 && !suffix.isEmpty() ? suffix : m_defaultSuffix);
    });
    if (!m_fileName.isEmpty())
        dialog.selectFile(m_fileName);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_fileName = accepted ? dialog.selectedFiles().value(0) : QString();
    m_selectedFilter = accepted ? std::max(0, int(filters.indexOf(dialog.selectedNameFilter()))) : 0;
}

void SaveFileDialog::setNextFileName(const QString &fileName, int filterIndex)
{
    testHooks().nextFileName = fileName;
    testHooks().nextFilter = filterIndex;
}

std::optional<SaveFileDialog::Request> SaveFileDialog::lastShown()
{
    return testHooks().lastShown;
}
