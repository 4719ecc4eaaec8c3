#include "app/CommandLine.h"
#include "app/TerminationSignals.h"
#include "core/preview/CalendarExport.h"
#include "core/import/DateImport.h"
#include "core/import/DatesExport.h"
#include "core/import/ImportPlan.h"
#include "core/entry/StoredDayEntries.h"
#include "core/shell/CalendarEntryStore.h"
#include "core/shell/DamagedSettingsRescue.h"
#include "core/shell/LanguagePreference.h"
#include "core/shell/PaperPreference.h"
#include "core/shell/ProgramTranslation.h"
#include "core/shell/SettingsBackup.h"
#include "core/shell/TempFolder.h"
#include "core/shell/UserMessages.h"
#include "office/LibreOfficeEngine.h"
#include "office/OfficeSocketLeftovers.h"
#include "windows/shell/Form1.h"
#include "windows/shell/MessageBoxPresenter.h"
#include "windows/widgets/SystemCommonDialog.h"

#include <QApplication>
#include <QDateTime>
#include <QLockFile>
#include <QScopeGuard>

#include <cstdio>
#include <exception>
#include <functional>

#include <malloc.h>

namespace {

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// The settings file's lock left by a program killed while it wrote: taking the lock
// removes a lock whose program no longer runs; a lock a running program holds stays.
void removeStaleSettingsLock()
{
    QLockFile lock(CalendarEntryStore::fileName() + QStringLiteral(".lock"));
    if (lock.tryLock(0))
        lock.unlock();
}

// What killed runs of the program left behind goes; this run's temporary files go when
// it ends, after its offices have, and so do the sockets its offices could not remove
// (an office killed at the end leaves some).
auto cleanTemporaryFiles()
{
    TempFolder::removeOrphans();
    OfficeSocketLeftovers::removeStale();
    removeStaleSettingsLock();
    return qScopeGuard([] {
        TempFolder::removeOwn();
        OfficeSocketLeftovers::removeStale();
    });
}

// 0 when the work succeeds, 1 with its cause on one line when it throws.
int exitStatusOf(const std::function<void()> &work)
{
    try {
        work();
        return 0;
    } catch (const std::exception &error) {
        const QString cause = QString::fromUtf8(error.what()).simplified();
        std::fprintf(stderr, "daybloom: %s\n", qUtf8Printable(cause));
        return 1;
    }
}

int exportCalendar(const QString &target, std::optional<PaperSize> paper)
{
    const auto temporaryFiles = cleanTemporaryFiles();
    return exitStatusOf([&] {
        LibreOfficeEngine engine;
        CalendarExport::write(engine, StoredDayEntries(), paper.value_or(PaperPreference::current()), target);
    });
}

int exportDates(const QString &target)
{
    return exitStatusOf([&] { DatesExport::write(StoredDayEntries(), target); });
}

int importDates(const QStringList &files, SlashOrder order)
{
    const auto complain = [](const QString &line) { std::fprintf(stderr, "daybloom: %s\n", qUtf8Printable(line)); };
    // A script cannot be asked how a file writes its dates: such a file is refused unless
    // --date-order says.
    const DateImport::Collected collected =
        DateImport::readAll(files, [order](const QString &, const QString &) { return order; });
    for (const QString &line : collected.unreadable)
        complain(line);
    const int status = collected.unreadable.isEmpty() ? 0 : 1;

    // A settings file the next write would spoil is rescued first, as at the window's start.
    if (!CalendarEntryStore().readsCleanly()) {
        const DamagedSettingsRescue::Outcome rescue =
            DamagedSettingsRescue::rescue(CalendarEntryStore::fileName(), QDateTime::currentDateTime());
        complain(QString(rescue.message).replace(QStringLiteral("\r\n\r\n"), QStringLiteral(" ")));
        if (!rescue.saved)
            return 1;
    }
    StoredDayEntries entries(StoredDayEntries::Access::ReadWrite);
    const ImportPlan plan = ImportPlan::make(entries, collected.dates);
    std::printf("%s\n", qUtf8Printable(plan.summary(collected.unreadable)));
    if (plan.isEmpty())
        return status;
    if (const QString problem = SettingsBackup::keep(); !problem.isEmpty())
        complain(QCoreApplication::translate("main", "the safety copy %1 could not be written: %2").arg(SettingsBackup::fileName(), problem));
    try {
        plan.apply(entries);
    } catch (const std::exception &error) {
        complain(QString::fromUtf8(error.what()));
        return 1;
    }
    return status;
}

// The version and the language, set up before anything is said.
void setUpApplication()
{
    QCoreApplication::setApplicationVersion(QStringLiteral(DAYBLOOM_VERSION));
    ProgramTranslation::install(LanguagePreference::current());
}

// The office the start-up check asks for starts first, since it takes longer to start than
// the windows take to be built: the windows are built while it starts.
int openWindow(int &argc, char **argv)
{
    const auto temporaryFiles = cleanTemporaryFiles();
    LibreOfficeEngine engine;
    engine.startInstanceAhead();

    QApplication app(argc, argv);
    setUpApplication();
    // The launcher's name, so that a desktop ties the window to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.daybloom.Daybloom"));
    MessageBoxPresenter messageBoxes;
    UserMessages::setPresenter(&messageBoxes);

    SystemCommonDialog commonDialog;
    Form1 form(engine, commonDialog);
    const TerminationSignals endWithoutAsking([&form] { form.closeWithoutAsking(); });
    form.Form_Load();
    if (form.programEnded())
        return 0;
    form.show();
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    // Page pictures are large and short-lived, and are made on several threads: with a
    // fixed threshold each is mapped on its own and goes back to the system when freed,
    // instead of staying in the heap of whichever thread made it.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);

    if (CommandLine::parse(argumentsOf(argc, argv)).mode() == CommandLine::Mode::Window)
        return openWindow(argc, argv);

    // The command line is read again once the language is set up, so that what it says
    // about a mistake is in that language too.
    QCoreApplication app(argc, argv);
    setUpApplication();

    const CommandLine command = CommandLine::parse(argumentsOf(argc, argv));
    switch (command.mode()) {
    case CommandLine::Mode::Help:
        std::fputs(qUtf8Printable(CommandLine::usage()), stdout);
        return 0;
    case CommandLine::Mode::Version:
        std::printf("daybloom %s\n", DAYBLOOM_VERSION);
        return 0;
    case CommandLine::Mode::Mistake:
        std::fprintf(stderr, "daybloom: %s\n%s\n", qUtf8Printable(command.value()),
                     qUtf8Printable(QCoreApplication::translate("main", "Try 'daybloom --help' for more information.")));
        return 2;
    case CommandLine::Mode::Export:
        return exportCalendar(command.value(), command.paper());
    case CommandLine::Mode::ExportDates:
        return exportDates(command.value());
    case CommandLine::Mode::Import:
        return importDates(command.files(), command.dateOrder());
    case CommandLine::Mode::Window:
        break;
    }
    return 0;
}
