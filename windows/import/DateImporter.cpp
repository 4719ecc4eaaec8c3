#include "windows/import/DateImporter.h"

#include "core/import/DateImport.h"
#include "core/import/ImportPlan.h"
#include "core/import/LocaleSlashOrder.h"
#include "core/shell/UserMessages.h"
#include "windows/widgets/CommonDialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace {

// Asks how a file writes dates such as 04/05/1990, showing the file's own example; Enter
// takes the order of the person's locale.
SlashOrder askOrder(const QString &path, const QString &example)
{
    const int usual = LocaleSlashOrder::of(QLocale::system()) == SlashOrder::DayFirst ? 1 : 0;
    const int answer = UserMessages::choice(
        QCoreApplication::translate("DateImporter", "In %1 %2.\n\nIs 04/05/1990 April 5 or May 4?").arg(QFileInfo(path).fileName(), example),
        {QCoreApplication::translate("DateImporter", "April 5 (Month First)"),
         QCoreApplication::translate("DateImporter", "May 4 (Day First)"), QCoreApplication::translate("DateImporter", "Cancel")},
        usual);
    return answer == 0 ? SlashOrder::MonthFirst
        : answer == 1  ? SlashOrder::DayFirst
                       : SlashOrder::Ask;
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
        &m_window, QCoreApplication::translate("DateImporter", "Import Dates"),
        {QCoreApplication::translate("DateImporter", "Contacts and Calendars (*.vcf *.vcard *.csv *.tsv *.txt *.ics *.ical)"), QCoreApplication::translate("DateImporter", "All Files (*)")});
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
    if (UserMessages::question(text + QCoreApplication::translate("DateImporter", "\n\nAdd them to the calendar?")) == UserMessages::Answer::Yes)
        m_wholeChange(QCoreApplication::translate("DateImporter", "Dates imported"), [&] { plan.apply(m_entries); });
}
