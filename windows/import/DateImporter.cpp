#include "windows/import/DateImporter.h"

#include "core/import/DateImport.h"
#include "core/import/ImportPlan.h"
#include "core/shell/UserMessages.h"
#include "windows/widgets/CommonDialog.h"

#include <QFileInfo>

namespace {

// Asks how a file writes dates such as 04/05/1990, showing the file's own example.
DateFileReader::SlashOrder askOrder(const QString &path, const QString &example)
{
    const int answer = UserMessages::choice(
        QStringLiteral("In %1 %2.\n\nIs 04/05/1990 April 5 or May 4?").arg(QFileInfo(path).fileName(), example),
        {QStringLiteral("April 5 (Month First)"), QStringLiteral("May 4 (Day First)"), QStringLiteral("Cancel")});
    return answer == 0 ? DateFileReader::SlashOrder::MonthFirst
        : answer == 1  ? DateFileReader::SlashOrder::DayFirst
                       : DateFileReader::SlashOrder::Ask;
}

} // namespace

DateImporter::DateImporter(QWidget &window, CommonDialog &commonDialog, DayEntries &entries, WholeChange wholeChange)
    : m_window(window)
    , m_commonDialog(commonDialog)
    , m_entries(entries)
    , m_wholeChange(std::move(wholeChange))
{
}

void DateImporter::chooseFiles()
{
    const QStringList paths = m_commonDialog.showOpen(
        &m_window, QStringLiteral("Import Dates"),
        {QStringLiteral("Contacts and Calendars (*.vcf *.vcard *.csv *.tsv *.txt *.ics *.ical)"), QStringLiteral("All Files (*)")});
    if (!paths.isEmpty())
        importFiles(paths);
}

void DateImporter::importFiles(const QStringList &paths)
{
    const DateImport::Collected collected = DateImport::readAll(paths, askOrder);
    const ImportPlan plan = ImportPlan::make(m_entries, collected.dates);
    const QString text = plan.summary(collected.unreadable);
    if (plan.isEmpty()) {
        UserMessages::information(text);
        return;
    }
    if (UserMessages::question(text + QStringLiteral("\n\nAdd them to the calendar?")) == UserMessages::Answer::Yes)
        m_wholeChange(QStringLiteral("Dates imported"), [&] { plan.apply(m_entries); });
}
