#include "app/CommandLine.h"
#include "app/ExportLook.h"
#include "app/TerminationSignals.h"
#include "app/UnexpectedError.h"
#include "app/WindowApplication.h"
#include "core/preview/CalendarExport.h"
#include "core/import/DateImport.h"
#include "core/import/DatesExport.h"
#include "core/import/ImportPlan.h"
#include "core/entry/Calendar.h"
#include "core/entry/CalendarChanges.h"
#include "core/shell/CalendarEntryStore.h"
#include "core/shell/DamagedSettingsRescue.h"
#include "core/shell/HomeFolder.h"
#include "core/shell/LanguagePreference.h"
#include "core/shell/ProgramTranslation.h"
#include "core/shell/TempFolder.h"
#include "core/shell/UserMessages.h"
#include "office/LibreOfficeEngine.h"
#include "office/OfficeSocketLeftovers.h"
#include "windows/shell/Form1.h"
#include "windows/shell/MessageBoxPresenter.h"
#include "windows/widgets/SystemCommonDialog.h"

#include <QDateTime>
#include <QLockFile>
#include <QScopeGuard>
#include <QTimer>

#include <cstdio>
#include <exception>
#include <functional>
#include <memory>

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

enum class SocketsNow { Yes, No };

// What killed runs of the program left behind goes: their folders, their settings lock
// and, unless the caller removes them later (SocketsNow::No), their office sockets.
void removeLeftovers(SocketsNow sockets)
{
    TempFolder::removeOrphans();
    if (sockets == SocketsNow::Yes)
        OfficeSocketLeftovers::removeStale();
    removeStaleSettingsLock();
}

// This run's temporary files go when the guard does, which is made before the offices'
// engine so that it goes after them; so do the sockets its offices could not remove (an
// office killed at the end leaves some).
auto removeOwnFilesAtEnd()
{
    return qScopeGuard([] {
        TempFolder::removeOwn();
        OfficeSocketLeftovers::removeStale();
    });
}

auto cleanTemporaryFiles()
{
    removeLeftovers(SocketsNow::Yes);
    return removeOwnFilesAtEnd();
}

void complain(const QString &line)
{
    std::fprintf(stderr, "daybloom: %s\n", qUtf8Printable(line));
}

// What the person is told once at start about the folders the program had to choose
// itself, each notice that is not empty.
void tellNotices(const QStringList &notices, void (*tell)(const QString &))
{
    for (const QString &notice : notices) {
        if (!notice.isEmpty())
            tell(notice);
    }
}

// The entries as the settings file holds them, for a command without a window.
std::unique_ptr<Calendar> storedCalendar()
{
    auto calendar = std::make_unique<Calendar>();
    calendar->loadStored();
    return calendar;
}

// 0 when the work succeeds, 1 with its cause on one line when it throws; nothing is said
// when quiet() is true by then.
int exitStatusOf(const std::function<void()> &work, const std::function<bool()> &quiet = [] { return false; })
{
    try {
        work();
        return 0;
    } catch (const std::exception &error) {
        if (!quiet())
            complain(QString::fromUtf8(error.what()).simplified());
        return 1;
    }
}

// Told to end (Ctrl+C, a kill), the export stops at its next office call, which ends its
// office; its temporary files go, and the exit status says which signal it was (128 + its
// number), as a shell expects.
int exportCalendar(const CommandLine &command, const HomeFolder &home)
{
    TerminationSignals termination;
    int signalled = 0;
    termination.whenSignalled([&signalled](int signal) {
        signalled = signal;
        QCoreApplication::exit();
    });
    const auto temporaryFiles = cleanTemporaryFiles();
    tellNotices({home.notice(), TempFolder::notice()}, complain);
    const int status = exitStatusOf(
        [&] {
            const CalendarLook look = ExportLook::of(command);
            LibreOfficeEngine engine;
            CalendarExport::write(engine, *storedCalendar(), look, command.value());
        },
        [&signalled] { return signalled != 0; });
    return signalled != 0 ? 128 + signalled : status;
}

int exportDates(const QString &target, const HomeFolder &home)
{
    tellNotices({home.notice()}, complain);
    return exitStatusOf([&] { DatesExport::write(*storedCalendar(), target); });
}

int importDates(const QStringList &files, SlashOrder order, const HomeFolder &home)
{
    tellNotices({home.notice()}, complain);
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
    // Refused before anything changes when the settings file cannot be written now.
    if (const QString problem = CalendarEntryStore().writeProblem(); !problem.isEmpty()) {
        complain(problem);
        return 1;
    }
    const std::unique_ptr<Calendar> calendar = storedCalendar();
    const ImportPlan plan = ImportPlan::make(*calendar, collected.dates);
    std::printf("%s\n", qUtf8Printable(plan.summary(collected.unreadable)));
    if (plan.isEmpty())
        return status;
    CalendarChanges changes(*calendar, complain);
    changes.run(QCoreApplication::translate("DateImporter", "Dates imported"), [&] { plan.apply(*calendar); });
    // The settings file refused some of them meanwhile (its disk filled up, say).
    if (calendar->writer().unsavedCount() > 0) {
        complain(calendar->writer().problem());
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

// The work of the program with its window, once the window can say what goes wrong: an
// error nobody expected is shown in a message box and ends the program (status 1).
int withinWindow(const std::function<int()> &work)
{
    try {
        return work();
    } catch (...) {
        return UnexpectedError::report(UnexpectedError::causeOfCurrent());
    }
}

// The office the start-up check asks for starts first, since it takes longer to start than
// the windows take to be built: the windows are built while it starts, and nothing else
// stands between the program's start and the office's. Signals are caught from the first
// moment: one that comes while the window is built ends the program quietly, as a close, at
// the first event the window handles.
int openWindow(int &argc, char **argv, const HomeFolder &home)
{
    TerminationSignals termination;
    const auto temporaryFiles = removeOwnFilesAtEnd();
    LibreOfficeEngine engine;
    try {
        engine.startInstanceAhead();
    } catch (const std::exception &) {
        // No office could start (no temporary folder): the start-up says why.
    }
    // Sockets left by killed runs go once this run's first office listens on its own (see
    // below): a socket about to be bound is not yet in the kernel's table of bound ones.
    removeLeftovers(SocketsNow::No);

    WindowApplication app(argc, argv);
    setUpApplication();
    // The launcher's name, so that a desktop ties the window to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.daybloom.Daybloom"));
    MessageBoxPresenter messageBoxes;
    UserMessages::setPresenter(&messageBoxes);
    const auto noPresenter = qScopeGuard([] { UserMessages::setPresenter(nullptr); });

    return withinWindow([&] {
        SystemCommonDialog commonDialog;
        Form1 form(engine, commonDialog);
        termination.whenSignalled([&form](int) { form.closeWithoutAsking(); });
        const auto formGone = qScopeGuard([&termination] { termination.whenSignalled([](int) { QCoreApplication::exit(); }); });
        tellNotices({home.notice(), TempFolder::notice()}, UserMessages::information);
        if (!form.programEnded())
            form.Form_Load();
        if (form.programEnded())
            return 0;
        form.show();
        // The check has seen the office answer; the next offices start after the first paint.
        QTimer::singleShot(0, &form, [] { OfficeSocketLeftovers::removeStale(); });
        return app.exec();
    });
}

int run(int argc, char *argv[], const HomeFolder &home)
{
    if (CommandLine::parse(argumentsOf(argc, argv)).mode() == CommandLine::Mode::Window)
        return openWindow(argc, argv, home);

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
        return exportCalendar(command, home);
    case CommandLine::Mode::ExportDates:
        return exportDates(command.value(), home);
    case CommandLine::Mode::Import:
        return importDates(command.files(), command.dateOrder(), home);
    case CommandLine::Mode::Window:
        break;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Page pictures are large and short-lived, and are made on several threads: with a
    // fixed threshold each is mapped on its own and goes back to the system when freed,
    // instead of staying in the heap of whichever thread made it.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    // Before anything looks for the settings file or the cache by it.
    const HomeFolder home = HomeFolder::settle();

    // No error leaves main: what nobody expected is said (on standard error once the
    // window is gone) and ends the program with status 1, after its offices have ended.
    try {
        return run(argc, argv, home);
    } catch (...) {
        return UnexpectedError::report(UnexpectedError::causeOfCurrent());
    }
}
