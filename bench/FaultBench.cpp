// Builds calendars again and again in one program run while offices are killed or stopped
// at random, and prints what a person would have seen and what is left behind: previews
// shown (and those without a page), reports shown, the longest wait for a build, the office
// processes alive and their memory after the run and after the program has closed, office
// sockets nobody listens on left in /tmp while the program still runs and after it, files
// left in TEMP, and whether the settings file is byte for byte what it was.
//
// Before each build, at random: nothing, one office child killed, or one stopped, at a
// random moment from the click to four seconds after it (so also between builds, hitting
// the offices got ready for the next one). Each build without a fault is paired with a bare
// office converting the calendar to PDF, in alternating order (build, conversion,
// conversion, build, …): the conversion is timed only once no office of the program is
// left and the processors are as idle as at rest, the build once its offices are ready
// and the processors idle. Usage: fault_bench [builds] [seed]

#include "tests/support/WindowParts.h"
#include "bench/BenchFigures.h"
#include "bench/BenchSandbox.h"
#include "bench/FilledWindow.h"
#include "bench/BareConversion.h"
#include "bench/QuietMachine.h"

#include "core/shell/CalendarEntryStore.h"
#include "core/shell/PaperPreference.h"
#include "core/wordgen/CalendarLook.h"
#include "core/wordgen/CalendarTemplate.h"
#include "core/shell/TempFolder.h"
#include "office/LibreOfficeEngine.h"
#include "office/OfficeSocketLeftovers.h"
#include "tests/support/OfficeProcesses.h"
#include "tests/support/ScriptedMessages.h"
#include "windows/preview/Form2.h"
#include "windows/shell/BuildController.h"
#include "windows/shell/Form1.h"
#include "windows/widgets/SystemCommonDialog.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <cstdio>

#include <unistd.h>

namespace {

enum class Fault { None, Kill, Stop };

void idle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The office processes of this program, how many of them are stopped, and their memory.
struct Offices {
    int alive = 0;
    int stopped = 0;
    double memory = 0; // MB resident
};

Offices officesNow()
{
    Offices offices;
    for (const QString &pid : officeProcesses()) {
        const QByteArray state = statFieldsOf(pid).value(0);
        if (state == "Z")
            continue;
        ++offices.alive;
        offices.stopped += state == "T" || state == "t";
        offices.memory += memoryOf(pid).now;
    }
    return offices;
}

// Files below a folder, sockets included.
QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    return files;
}

// The paths some socket is bound to, from the kernel's table of Unix sockets.
QSet<QString> boundSocketPaths()
{
    QSet<QString> paths;
    QFile table(QStringLiteral("/proc/net/unix"));
    if (table.open(QIODevice::ReadOnly))
        for (const QByteArray &line : table.readAll().split('\n'))
            if (const QList<QByteArray> fields = line.simplified().split(' '); fields.size() >= 8)
                paths.insert(QFile::decodeName(fields.at(7)));
    return paths;
}

// This user's office sockets in /tmp that nobody listens on (whoever left them: other
// programs' offices may run meanwhile) and that were not there before.
QStringList staleOfficeSockets(const QStringList &before = {})
{
    const QSet<QString> bound = boundSocketPaths();
    QStringList sockets = QDir(QStringLiteral("/tmp")).entryList({QStringLiteral("OSL_PIPE_%1_*").arg(::getuid())},
                                                                 QDir::System | QDir::Hidden);
    sockets.removeIf([&](const QString &socket) {
        return before.contains(socket) || bound.contains(QStringLiteral("/tmp/") + socket);
    });
    return sockets;
}

QString listed(const QStringList &names)
{
    return QString::number(names.size()) + (names.isEmpty() ? QString() : QLatin1Char(' ') + names.join(QLatin1Char(' ')));
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir sandbox;
    if (!useBenchSandbox(sandbox, {"bare"}))
        return 1;
    QApplication app(argc, argv);
    ScriptedMessages::install();
    const int builds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 100;
    const quint32 seed = argc > 2 ? QByteArray(argv[2]).toUInt() : QRandomGenerator::system()->generate();
    QRandomGenerator random(seed);
    const QStringList socketsBefore = staleOfficeSockets();

    int previews = 0;
    int emptyPreviews = 0;
    int reports = 0;
    int buildsWithMoreThanOneReport = 0;
    int buildsWithoutPreviewOrReport = 0;
    int kills = 0;
    int stops = 0;
    double longestWait = 0;
    Offices afterRun;
    QStringList socketsDuringRun;
    QByteArray settingsBefore;
    AlternatingRuns quietBuilds; // the builds without a fault, each paired with a conversion
    QuietMachine machine([] { return int(officeProcesses().size()); });
    const QString bareFolder = sandbox.filePath(QStringLiteral("bare"));
    const QString bareDocument = bareFolder + QStringLiteral("/calendar.doc");
    const QString bareProfile = bareFolder + QStringLiteral("/profile");
    {
        LibreOfficeEngine engine;
        SystemCommonDialog dialogs;
        Form1 form(engine, dialogs);
        if (!loadFilledWindow(form, [](int day) { return QStringLiteral("Entry of day %1").arg(day); }))
            return 1;
        form.show();
        settingsBefore = fileBytes(CalendarEntryStore::fileName());
        auto *startButton = form.findChild<QPushButton *>(QStringLiteral("PushButton22"));
        idle(1000);
        OfficeProcesses::waitUntilQuiet(-1);
        machine.learnRest();
        printLoad("before", machine);
        constexpr int readyOffices = 2;
        const auto oneConversion = [&]() -> double {
            engine.discardReadyInstances();
            OfficeProcesses::waitUntilQuiet(0);
            machine.settle();
            const double conversion = bareConversion(bareDocument, bareProfile, bareFolder);
            engine.prepareAhead(CalendarTemplate::bytes(CalendarLook::classic(PaperPreference::current())));
            return conversion;
        };

        std::printf("%d builds, seed %u\n", builds, seed);
        for (int run = 1; run <= builds; ++run) {
            ScriptedMessages::takeRecords();
            const auto fault = Fault(random.bounded(3));
            QTimer injector;
            injector.setSingleShot(true);
            QObject::connect(&injector, &QTimer::timeout, [&] {
                const QStringList offices = officeProcesses();
                if (offices.isEmpty())
                    return;
                const pid_t victim = offices.at(int(random.bounded(quint32(offices.size())))).toInt();
                ::kill(victim, fault == Fault::Kill ? SIGKILL : SIGSTOP);
                ++(fault == Fault::Kill ? kills : stops);
            });
            if (fault != Fault::None)
                injector.start(int(random.bounded(4000u)));
            const bool paired = fault == Fault::None && QFile::exists(bareDocument);
            const auto click = [&] {
                if (paired) {
                    OfficeProcesses::waitUntilQuiet(-1);
                    machine.settle(readyOffices);
                }
                QElapsedTimer wait;
                wait.start();
                startButton->click();
                const double waited = double(wait.elapsed()) / 1000.0;
                longestWait = std::max(longestWait, waited);
                return waited * 1000.0;
            };
            if (paired)
                quietBuilds.runPair(click, oneConversion);
            else
                click();
            // A fault meant for after the build hits the offices got ready for the next one.
            while (injector.isActive())
                idle(50);
            Form2 *preview = WindowParts::previewWindow();
            const bool shown = preview && preview->isVisible();
            const int reported = ScriptedMessages::recordCount();
            previews += shown;
            emptyPreviews += shown && preview->pageListCount() == 0;
            reports += reported;
            buildsWithMoreThanOneReport += reported > 1;
            buildsWithoutPreviewOrReport += !shown && reported == 0;
            // The first calendar shown is the one the conversions convert, on a profile
            // made by converting it once, as a person's is after the office's first use.
            if (shown && !QFile::exists(bareDocument) &&
                (!QFile::copy(preview->wordFile(), bareDocument) || !makeEverydayProfile(bareDocument, bareProfile, bareFolder)))
                QFile::remove(bareDocument);
            if (shown)
                preview->PushButton8_Click();
            idle(200);
        }
        OfficeProcesses::waitUntilEndingsFinish();
        // The offices got ready for a next build finish starting meanwhile (waiting for them
        // would wait for ever for one the last fault stopped).
        idle(3000);
        afterRun = officesNow();
        socketsDuringRun = staleOfficeSockets(socketsBefore);
    }
    // As the program ends: its temporary folder and the sockets its offices left go.
    TempFolder::removeOwn();
    OfficeSocketLeftovers::removeStale();
    idle(500);
    const Offices afterClose = officesNow();
    const QStringList socketsLeft = staleOfficeSockets(socketsBefore);
    const QStringList tempLeft = filesBelow(sandbox.filePath(QStringLiteral("temp")));

    std::printf("Faults injected: %d kills, %d stops\n", kills, stops);
    std::printf("Previews shown: %d of %d builds (%d without a page); reports shown: %d; builds with more than one "
                "report: %d; builds with neither: %d\n",
                previews, builds, emptyPreviews, reports, buildsWithMoreThanOneReport, buildsWithoutPreviewOrReport);
    std::printf("Longest wait for a build: %.1f s\n", longestWait);
    if (!quietBuilds.program.isEmpty())
        quietBuilds.print("Builds without a fault, click to preview", "Bare soffice --convert-to pdf (everyday profile)",
                          1.2);
    printLoad("after", machine);
    std::printf("After the run: %d office processes (%d stopped), %.0f MB\n", afterRun.alive, afterRun.stopped,
                afterRun.memory);
    std::printf("After the program closed: %d office processes, %.0f MB\n", afterClose.alive, afterClose.memory);
    std::printf("Files left in TEMP: %s\n", qPrintable(listed(tempLeft)));
    std::printf("Stale office sockets in /tmp after the run, the program still running: %s\n",
                qPrintable(listed(socketsDuringRun)));
    std::printf("Stale office sockets left in /tmp: %s\n", qPrintable(listed(socketsLeft)));
    std::printf("Settings file byte-identical: %s\n",
                fileBytes(CalendarEntryStore::fileName()) == settingsBefore ? "yes" : "NO");
    return 0;
}
