#include "windows/import/DateImporter.h"

#include "core/import/BackgroundImport.h"
#include "core/import/DateFileReader.h"
#include "core/import/ImportPlan.h"
#include "core/import/LocaleSlashOrder.h"
#include "core/shell/FreedMemory.h"
#include "core/shell/UserMessages.h"
#include "windows/widgets/CommonDialog.h"
#include "windows/widgets/PausedControls.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <algorithm>

namespace {

// Asks how a file writes dates such as 04/05/1990, showing the file's own example; Enter
// takes the order of the person's locale.
SlashOrder orderOf(const QString &path, const QString &example)
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

// The local files among what is dragged, that are of a kind the import reads.
QStringList importableFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile() && DateFileReader::isKnown(url.toLocalFile()))
            files.append(url.toLocalFile());
    return files;
}

} // namespace

DateImporter::DateImporter(QWidget &window, CommonDialog &commonDialog, DayEntries &entries, WholeChange wholeChange)
    : m_window(window)
    , m_commonDialog(commonDialog)
    , m_entries(entries)
    , m_wholeChange(std::move(wholeChange))
{
}

DateImporter::~DateImporter()
{
    end();
    m_endingWork.clear();
}

void DateImporter::chooseFiles()
{
    const QStringList paths = m_commonDialog.showOpen(
        &m_window, tr("Import Dates"),
        {tr("Contacts and Calendars (*.vcf *.vcard *.csv *.tsv *.txt *.ics *.ical)"), tr("All Files (*)")});
    if (!paths.isEmpty())
        importFiles(paths);
}

bool DateImporter::takesDropped(const QMimeData *dragged)
{
    return !importableFiles(dragged).isEmpty();
}

bool DateImporter::importDropped(const QMimeData *dropped)
{
    const QStringList files = importableFiles(dropped);
    if (files.isEmpty())
        return false;
    QTimer::singleShot(0, &m_window, [this, files] { importFiles(files); });
    return true;
}

void DateImporter::importFiles(const QStringList &paths)
{
    if (isImporting() || paths.isEmpty())
        return;
    m_paths = paths;
    m_paused = std::make_unique<PausedControls>(m_window);
    m_work = std::make_unique<BackgroundImport>(paths, m_entries);
    QObject::connect(m_work.get(), &BackgroundImport::readingFile, &m_heard, [this](qsizetype index) {
        // In one go: a file's name may hold "%2".
        showStep(tr("Reading %1 (file %2 of %3)…")
                     .arg(QFileInfo(m_paths.at(index)).fileName(), QString::number(index + 1), QString::number(m_paths.size())));
    });
    QObject::connect(m_work.get(), &BackgroundImport::planning, &m_heard,
                     [this] { showStep(tr("Working out what the dates change…")); });
    QObject::connect(m_work.get(), &BackgroundImport::orderAsked, &m_heard,
                     [this](const QString &path, const QString &example) { askOrder(path, example); });
    QObject::connect(m_work.get(), &BackgroundImport::finished, &m_heard, [this] { confirm(); });
    QObject::connect(m_work.get(), &BackgroundImport::ended, &m_endings, [this, work = m_work.get()] { forget(work); });
    m_progress = m_commonDialog.showProgress(&m_window, tr("Import Dates"), tr("Reading the files…"), [this] { cancel(); });
    m_work->start();
}

void DateImporter::cancel()
{
    end();
}

void DateImporter::showStep(const QString &text)
{
    if (m_progress)
        m_progress->setText(text);
}

void DateImporter::askOrder(const QString &path, const QString &example)
{
    const SlashOrder order = orderOf(path, example);
    // The person may have cancelled the import, or closed the window, while asked.
    if (m_work)
        m_work->answerOrder(order);
}

// The files are read: the person sees what would change and decides.
void DateImporter::confirm()
{
    const QString text = m_work->outcome().plan.summary(m_work->outcome().unreadable);
    const ImportPlan plan = m_work->outcome().plan;
    end();
    if (plan.isEmpty()) {
        UserMessages::information(text);
        return;
    }
    if (UserMessages::question(text + tr("\n\nAdd them to the calendar?")) == UserMessages::Answer::Yes)
        m_wholeChange(tr("Dates imported"), [&] { plan.apply(m_entries); });
}

// Stops the work, if it still runs, and gives the window back at once; the work's thread
// winds down in the background. Nothing more it says is heard.
void DateImporter::end()
{
    if (!m_work)
        return;
    m_work->cancel();
    QObject::disconnect(m_work.get(), nullptr, &m_heard, nullptr);
    QCoreApplication::removePostedEvents(&m_heard);
    m_endingWork.push_back(std::move(m_work));
    m_progress.reset();
    m_paused.reset();
    FreedMemory::giveBack();
}

void DateImporter::forget(const BackgroundImport *work)
{
    const auto ended = std::find_if(m_endingWork.begin(), m_endingWork.end(),
                                    [work](const std::unique_ptr<BackgroundImport> &ending) { return ending.get() == work; });
    if (ended == m_endingWork.end())
        return;
    m_endingWork.erase(ended);
    FreedMemory::giveBack();
}
