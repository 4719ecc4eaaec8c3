// Times "Start Creating Template" with the real office, from the click until the preview's
// page is painted, with all 366 days filled, and splits it into its phases; beside it, a
// bare office converting the generated document to PDF, one for each build, in alternating
// order (build, conversion, conversion, build, …): a build starts with its offices ready
// and idle, a conversion only once every office of the program has ended, and each only
// once the processors are as idle as at rest. The
// same program run goes on building to 50 builds and compares what it holds after build 3
// and after the last: memory, office processes, open files. Usage: build_bench [runs]
// [design] (timed runs, 20 by default; at least 50 builds are made whatever the number; the
// design chosen as a person chooses it, classic by default, and for a design with pictures
// a 24-megapixel photo chosen for each of its places, so that the conversion it is timed
// against converts the same document, pictures included)

#include "tests/support/WindowParts.h"
#include "bench/BenchFigures.h"
#include "bench/BenchSandbox.h"
#include "bench/CameraPhoto.h"
#include "bench/FilledWindow.h"
#include "TimingWordEngine.h"
#include "bench/BareConversion.h"
#include "bench/QuietMachine.h"
#include "core/entry/CalendarOptions.h"
#include "core/entry/PictureLibrary.h"
#include "core/entry/PicturePlaces.h"
#include "core/shell/CalendarEntryStore.h"
#include "core/shell/PaperPreference.h"
#include "core/wordgen/CalendarDesigns.h"
#include "core/wordgen/CalendarLook.h"
#include "core/wordgen/CalendarTemplate.h"

#include "windows/preview/Form2.h"
#include "windows/shell/Form1.h"
#include "windows/widgets/SystemCommonDialog.h"
#include "tests/support/OfficeProcesses.h"
#include "tests/support/ScriptedMessages.h"
#include "windows/shell/BuildController.h"
#include "core/preview/DocumentExport.h"
#include "office/LibreOfficeEngine.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

constexpr double nsPerMs = 1e6;
constexpr double ratioTarget = 0.8;
constexpr double slowestRatioTarget = 1.2;
constexpr int growthBuilds = 50;
constexpr int growthFirstBuild = 3;
constexpr double growthMemoryLimitMb = 10;

// Entries such as a family calendar holds: a person and an occasion, one for every day.
QString realisticEntry(int dayOfYear)
{
    static const char *const people[] = {"Mom", "Dad", "Grandma Rose", "Uncle Pete", "Aunt Lucy", "Emma",
                                         "Noah", "Olivia & Liam", "Sophia", "Cousin Ben", "Mia", "Grandpa Joe"};
    static const char *const occasions[] = {"Birthday", "Anniversary", "Wedding Day", "Graduation", "Name Day",
                                            "Recital"};
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(people[dayOfYear % std::size(people)]),
                                       QString::fromLatin1(occasions[(dayOfYear / 3) % std::size(occasions)]));
}

double ms(qint64 ns)
{
    return static_cast<double>(ns) / nsPerMs;
}

// The phases of one build, from the office calls it made.
struct BuildPhases {
    std::map<QString, double> build;   // the filling instance
    std::map<QString, double> capture; // the picturing instance
    QList<double> pages;               // per page, from its copy to the next
    double officeTotal = 0;
    double captureGap = 0; // between the filling instance's end and the picturing one's start
    qint64 officeEndNs = 0;
};

BuildPhases phasesOf(const QList<TimingWordEngine::Event> &events)
{
    BuildPhases phases;
    if (events.isEmpty())
        return phases;
    const int buildInstance = events.first().instance;
    QList<qint64> copies;
    qint64 captureClose = 0;
    for (const TimingWordEngine::Event &event : events) {
        const bool building = event.instance == buildInstance;
        auto &phase = building ? phases.build : phases.capture;
        QString name = event.operation;
        if (name == QLatin1String("selectCell") || name == QLatin1String("typeText") || name == QLatin1String("fillColumn"))
            name = QStringLiteral("fill (366 cells)");
        else if (name == QLatin1String("repaginate") || name == QLatin1String("pageCount"))
            name = QStringLiteral("page count");
        else if (name == QLatin1String("quit") || name == QLatin1String("release"))
            name = QStringLiteral("quit");
        else if (name == QLatin1String("setDisplayAlerts") || name.startsWith(QLatin1String("closeDocument")))
            name = QStringLiteral("close");
        else if (name == QLatin1String("create"))
            name = QStringLiteral("instance start");
        else if (name == QLatin1String("openDocument"))
            name = QStringLiteral("open");
        else if (name == QLatin1String("saveAs"))
            name = QStringLiteral("save");
        else
            name = QStringLiteral("pages (office part)");
        phase[name] += ms(event.durationNs);
        phases.officeTotal += ms(event.durationNs);
        if (!building && event.operation == QLatin1String("copyAsPicture"))
            copies.append(event.startNs);
        if (!building && event.operation == QLatin1String("closeDocumentWithoutSaving"))
            captureClose = event.startNs;
    }
    copies.append(captureClose);
    qint64 buildEnd = 0;
    qint64 captureStart = 0;
    for (const TimingWordEngine::Event &event : events) {
        if (event.instance == buildInstance)
            buildEnd = std::max(buildEnd, event.startNs + event.durationNs);
        else if (captureStart == 0)
            captureStart = event.startNs;
        phases.officeEndNs = std::max(phases.officeEndNs, event.startNs + event.durationNs);
    }
    phases.captureGap = ms(captureStart - buildEnd);
    for (int i = 0; i + 1 < copies.size(); ++i)
        phases.pages.append(ms(copies[i + 1] - copies[i]));
    return phases;
}

void printPhases(const char *title, const std::map<QString, double> &phases)
{
    std::printf("  %s:\n", title);
    for (const auto &[name, value] : phases)
        std::printf("    %-22s %8.1f ms\n", qPrintable(name), value);
}

// Where one build's time went: each instance's phases, the pages, and the time outside
// the office.
void printBreakdown(const BuildPhases &phases, double total, double beforeFirstInstance, double afterLastInstance)
{
    printPhases("filling instance", phases.build);
    printPhases("picturing instance", phases.capture);
    std::printf("    per page              ");
    for (double page : phases.pages)
        std::printf(" %6.1f", page);
    std::printf(" ms\n  outside the office       %8.1f ms (before the first instance %.1f, between the "
                "instances %.1f, after the last %.1f)\n",
                total - phases.officeTotal, beforeFirstInstance, phases.captureGap, afterLastInstance);
}

double phaseTime(const std::map<QString, double> &phases, const QString &name)
{
    const auto phase = phases.find(name);
    return phase == phases.end() ? 0.0 : phase->second;
}

// Each phase's median over one instance's phases in every build.
std::map<QString, double> medianPhases(const QList<BuildPhases> &builds, std::map<QString, double> BuildPhases::*instance)
{
    std::map<QString, QList<double>> values;
    for (const BuildPhases &phases : builds)
        for (const auto &[name, value] : phases.*instance)
            values[name].append(value);
    std::map<QString, double> medians;
    for (const auto &[name, phaseValues] : values)
        medians[name] = median(phaseValues);
    return medians;
}

// Each phase's median over the timed builds (totals: each build's time, in the same
// order): where a typical build's time goes, steadier than any one build's breakdown.
void printMedianBreakdown(const QList<BuildPhases> &builds, const QList<double> &totals)
{
    QList<double> firstPage;
    QList<double> laterPages;
    QList<double> outside;
    for (int build = 0; build < builds.size(); ++build) {
        const BuildPhases &phases = builds.at(build);
        for (int page = 0; page < phases.pages.size(); ++page)
            (page == 0 ? firstPage : laterPages).append(phases.pages.at(page));
        outside.append(totals.at(build) - phases.officeTotal);
    }
    std::printf("Medians of each phase over the %d timed builds:\n", int(builds.size()));
    printPhases("filling instance", medianPhases(builds, &BuildPhases::build));
    printPhases("picturing instance", medianPhases(builds, &BuildPhases::capture));
    std::printf("    first page             %8.1f ms, each later page %.1f ms\n", median(firstPage), median(laterPages));
    std::printf("  outside the office       %8.1f ms\n", median(outside));
}

// Notes when the preview's page view is first painted: the preview may show while the
// build still pictures its later pages, so the watch is on from the click.
class PagePaintWatch : public QObject
{
public:
    explicit PagePaintWatch(const TimingWordEngine &clock)
        : m_clock(clock)
    {
        qApp->installEventFilter(this);
    }
    ~PagePaintWatch() override { qApp->removeEventFilter(this); }

    // Lets events flow until the page has been painted (or a second went by); the time of
    // the paint, or of giving up.
    qint64 paintedNs()
    {
        QElapsedTimer waited;
        waited.start();
        while (m_paintedNs == 0 && waited.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return m_paintedNs ? m_paintedNs : m_clock.nowNs();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_paintedNs == 0 && event->type() == QEvent::Paint && watched->objectName() == QLatin1String("Picture1")) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && qobject_cast<Form2 *>(widget->window()))
                m_paintedNs = m_clock.nowNs();
        }
        return false;
    }

private:
    const TimingWordEngine &m_clock;
    qint64 m_paintedNs = 0;
};

// Lets the program sit idle for the time given, its events flowing.
void idle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// What the program holds at a quiet point: the preview closed, the used offices ended,
// the next ones ready.
struct Holdings {
    double resident = 0;     // MB (VmRSS)
    double proportional = 0; // MB (PSS)
    HeapUse heap;
    int threads = 0;
    int offices = 0;
    int programFiles = 0;
    int officeFiles = 0;
    int temporaryFiles = 0; // below TEMP: the build's files and the offices' profiles

    // Resident memory less the freed heap the allocator keeps for reuse. The allocator
    // keeps a freed page picture or two at times and not at others, so resident
    // memory at rest swings by that much from one build to the next without anything
    // being held, and a leak can hide in what it kept: growth is judged on what is in use
    // and, exactly for the heap, on the heap in use.
    double inUse() const { return resident - heap.keptFree; }
};

Holdings holdingsNow(const QString &temporaryFolder)
{
    const QString self = QStringLiteral("self");
    Holdings holdings;
    holdings.resident = memoryOf(self).now;
    holdings.proportional = proportionalMemoryOf(self);
    holdings.heap = heapOfThisProcess();
    holdings.threads = threadsOf(self);
    holdings.programFiles = openFilesOf(self);
    for (const QString &pid : officeProcesses()) {
        ++holdings.offices;
        holdings.officeFiles += openFilesOf(pid);
    }
    QDirIterator files(temporaryFolder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    for (; files.hasNext(); files.next())
        ++holdings.temporaryFiles;
    return holdings;
}

const char *verdict(bool holds)
{
    return holds ? "OK" : "GROWS";
}

void printGrowth(int lastBuild, const Holdings &first, const Holdings &last)
{
    const double grown = last.inUse() - first.inUse();
    const double heapGrown = last.heap.inUse - first.heap.inUse;
    std::printf("\nNo growth over %d builds (after build %d and after build %d, at rest):\n", lastBuild,
                growthFirstBuild, lastBuild);
    std::printf("  memory in use %.1f MB and %.1f MB (%+.1f MB; heap in use %.1f and %.1f MB, %+.1f MB; limit %.0f MB): "
                "%s\n",
                first.inUse(), last.inUse(), grown, first.heap.inUse, last.heap.inUse, heapGrown, growthMemoryLimitMb,
                verdict(std::max(grown, heapGrown) <= growthMemoryLimitMb));
    std::printf("    resident %.1f and %.1f MB (%+.1f MB), of which freed and kept by the allocator %.1f and %.1f MB; "
                "PSS %.1f and %.1f MB\n",
                first.resident, last.resident, last.resident - first.resident, first.heap.keptFree, last.heap.keptFree,
                first.proportional, last.proportional);
    std::printf("  office processes %d and %d: %s\n", first.offices, last.offices,
                verdict(first.offices == last.offices));
    std::printf("  open files: program %d and %d, offices %d and %d: %s\n", first.programFiles, last.programFiles,
                first.officeFiles, last.officeFiles,
                verdict(first.programFiles == last.programFiles && first.officeFiles == last.officeFiles));
    std::printf("  threads of the program %d and %d, files in TEMP %d and %d: %s\n", first.threads, last.threads,
                first.temporaryFiles, last.temporaryFiles,
                verdict(first.threads == last.threads && first.temporaryFiles == last.temporaryFiles));
}

} // namespace

// Chooses the design as the Design dialog does and, for a design with pictures, a camera
// photo for each of its places as the Pictures dialog does; false, said, for a name that is
// no design.
bool chooseDesign(const QString &name, const QTemporaryDir &sandbox)
{
    const std::optional<CalendarDesign> design = CalendarDesigns::named(name);
    if (!design) {
        std::fprintf(stderr, "No design is called %s: use %s\n", qPrintable(name), qPrintable(CalendarDesigns::knownNames()));
        return false;
    }
    CalendarEntryStore store;
    CalendarOptions(store, CalendarDesigns::names()).setDesign(name);
    if (!design->hasPictures)
        return true;
    PictureLibrary library(store);
    for (int place = 0; place < PicturePlaces::count; ++place)
        library.choose(place, cameraPhoto(sandbox, place), CalendarDesigns::pictureShapes(place));
    std::printf("design %s, a 24-megapixel photo chosen for each of its %d places\n", qPrintable(name), PicturePlaces::count);
    return true;
}

int main(int argc, char **argv)
{
    QTemporaryDir sandbox;
    if (!useBenchSandbox(sandbox, {"bare"}))
        return 1;
    QApplication app(argc, argv);
    ScriptedMessages::install();
    const int runs = argc > 1 ? std::max(3, QByteArray(argv[1]).toInt()) : 20;
    const QString designName = argc > 2 ? QString::fromLocal8Bit(argv[2]) : CalendarDesigns::classicName;
    if (!chooseDesign(designName, sandbox))
        return 1;
    const int pages = CalendarLook::chosen(PaperPreference::current()).layout().pages;

    LibreOfficeEngine office;
    TimingWordEngine engine(office);
    SystemCommonDialog dialogs;
    Form1 form(engine, dialogs);
    if (!loadFilledWindow(form, realisticEntry))
        return 1;
    form.show();
    auto *startButton = form.findChild<QPushButton *>(QStringLiteral("PushButton22"));
    const QString temporaryFolder = sandbox.filePath(QStringLiteral("temp"));
    const QString bareDocument = sandbox.filePath(QStringLiteral("bare/calendar.doc"));

    // The offices of the first build get ready after the window shows, as for a person,
    // who clicks a moment later.
    idle(1000);
    OfficeProcesses::waitUntilQuiet(-1);
    // What "at rest" is on this machine, with the program's offices ready and idle.
    QuietMachine machine([] { return int(officeProcesses().size()); });
    machine.learnRest();
    printLoad("before", machine);
    constexpr int readyOffices = 2;

    std::printf("Build with all 366 days filled, click to preview painted (%d runs, offices got ready between runs)\n", runs);
    QList<BuildPhases> buildPhases;
    QList<double> listComplete; // click to the build's end, its page list complete
    QList<double> untimedBuilds;
    AlternatingRuns pairs;
    const QString bareProfile = sandbox.filePath(QStringLiteral("bare/profile"));
    QList<double> pdfSaves;
    double officePeak = 0;
    Holdings afterFirstBuilds;
    // The timed runs, then the same builds, untimed, up to the growth check's count.
    const int lastBuild = std::max(runs, growthBuilds);
    // One build; returns its time in milliseconds (or -1, said, when it went wrong).
    const auto oneBuild = [&](int run) -> double {
        // As a person clicks: the window up, its offices ready (got ready again after a
        // conversion that had them ended), the machine quiet.
        office.prepareAhead(CalendarTemplate::bytes(CalendarLook::chosen(PaperPreference::current())));
        OfficeProcesses::waitUntilQuiet(-1);
        if (run <= runs)
            machine.settle(readyOffices);
        ScriptedMessages::takeRecords();
        engine.clear();
        QTimer sampler;
        QObject::connect(&sampler, &QTimer::timeout, [&officePeak] {
            for (const QString &pid : officeProcesses())
                officePeak = std::max(officePeak, memoryOf(pid).peak);
        });
        sampler.start(20);
        PagePaintWatch paint(engine);
        const qint64 clickNs = engine.nowNs();
        startButton->click();
        const qint64 completeNs = engine.nowNs();
        Form2 *preview = WindowParts::previewWindow();
        // The preview is there for a person once its page is drawn: while the later pages
        // are pictured, or when events flow again after the click.
        const qint64 shownNs = paint.paintedNs();
        if (run <= runs)
            listComplete.append(ms(completeNs - clickNs));
        sampler.stop();
        const double total = ms(shownNs - clickNs);
        const int reports = ScriptedMessages::recordCount();
        if (!preview || !preview->isVisible() || preview->pageListCount() != pages || reports != 0) {
            std::fprintf(stderr, "Run %d did not end in a preview of %d pages (%d reports).\n", run, pages, reports);
            return -1;
        }
        if (run > runs) {
            untimedBuilds.append(total);
        } else {
            const BuildPhases phases = phasesOf(engine.events());
            buildPhases.append(phases);
            std::printf("run %d: %.1f ms\n", run, total);
            if (run <= 3)
                printBreakdown(phases, total, ms(engine.events().first().startNs - clickNs),
                               ms(shownNs - phases.officeEndNs));
            if (run <= 5) {
                // Saving as PDF from the preview, a moment after it shows, as a person does:
                // the office writes it from the document.
                idle(1000);
                OfficeProcesses::waitUntilQuiet(-1);
                QElapsedTimer save;
                save.start();
                DocumentExport::fromDocument(office, preview->wordFile(), sandbox.filePath(QStringLiteral("saved.pdf")),
                                             DocumentFormat::Pdf, FileReplacement::Kind::Persons);
                pdfSaves.append(double(save.nsecsElapsed()) / 1e6);
            }
        }
        if (!QFile::exists(bareDocument) &&
            (!QFile::copy(preview->wordFile(), bareDocument) ||
             !makeEverydayProfile(bareDocument, bareProfile, sandbox.filePath(QStringLiteral("bare"))))) {
            std::fprintf(stderr, "The everyday profile could not be made.\n");
            return -1;
        }
        preview->PushButton8_Click();
        // A person looks at the preview and goes back before the next build; meanwhile
        // the used offices end and the next ones get ready.
        idle(300);
        OfficeProcesses::waitUntilQuiet(-1);
        if (run == growthFirstBuild)
            afterFirstBuilds = holdingsNow(temporaryFolder);
        return total;
    };
    // The bare conversion, on a machine where no office of the program is left.
    const auto oneConversion = [&]() -> double {
        office.discardReadyInstances();
        OfficeProcesses::waitUntilQuiet(0);
        machine.settle();
        return bareConversion(bareDocument, bareProfile, sandbox.filePath(QStringLiteral("bare")));
    };
    // The first build makes the document the conversions convert: it goes first.
    int run = 1;
    for (; run <= runs; ++run) {
        if (!pairs.runPair([&] { return oneBuild(run); }, oneConversion))
            return 1;
    }
    for (; run <= lastBuild; ++run)
        if (oneBuild(run) < 0)
            return 1;
    const QList<double> &builds = pairs.program;
    const QList<double> &bare = pairs.floor;
    const Holdings afterLastBuild = holdingsNow(temporaryFolder);
    const ProcessMemory program = memoryOf(QStringLiteral("self"));

    // Idle with the offices ready: no CPU time may go by.
    const double programCpuBefore = cpuOf(QStringLiteral("self"));
    double officeCpuBefore = 0;
    for (const QString &pid : officeProcesses())
        officeCpuBefore += cpuOf(pid);
    idle(10000);
    double officeCpuAfter = 0;
    for (const QString &pid : officeProcesses())
        officeCpuAfter += cpuOf(pid);
    const double programCpu = cpuOf(QStringLiteral("self")) - programCpuBefore;
    const ProcessMemory programIdle = memoryOf(QStringLiteral("self"));

    printMedianBreakdown(buildPhases, builds);
    pairs.print("Build, click to preview painted", "Bare soffice --convert-to pdf (everyday profile)", ratioTarget);
    std::printf("Build, click to its page list complete (the build's end): median %.1f ms, ratio %.2f\n",
                median(listComplete), median(listComplete) / median(pairs.floor));
    printLoad("after the timed builds", machine);
    const bool selfTests = QFile::exists(bareProfile + QStringLiteral("/user/GraphicsRenderTests.log"));

    // The command line, from start to exit, as a script runs it.
    QList<double> exports;
    for (int run = 1; run <= 5; ++run) {
        QProcess program;
        QElapsedTimer timer;
        timer.start();
        program.start(QStringLiteral(DAYBLOOM_PROGRAM), {QStringLiteral("--export"), sandbox.filePath(QStringLiteral("exported.pdf"))});
        if (!program.waitForFinished(120000) || program.exitCode() != 0) {
            std::fprintf(stderr, "daybloom --export failed: %s\n", program.readAllStandardError().constData());
            return 1;
        }
        exports.append(double(timer.nsecsElapsed()) / 1e6);
    }

    const double build = median(builds);
    const double slowest = *std::max_element(builds.cbegin(), builds.cend());
    const double floor = median(bare);
    std::printf("\nMedian build %.1f ms (slowest %.1f, fastest %.1f of %d)\n", build, slowest,
                *std::min_element(builds.cbegin(), builds.cend()), int(builds.size()));
    if (!untimedBuilds.isEmpty())
        std::printf("Builds %d to %d, made for the growth check, not in the median: median %.1f ms, slowest %.1f\n", runs + 1,
                    lastBuild, median(untimedBuilds), *std::max_element(untimedBuilds.cbegin(), untimedBuilds.cend()));
    std::printf("Median bare conversion %.1f ms%s\n", floor, selfTests ? " (WARNING: the office ran its self-tests)" : "");
    std::printf("Ratio build / bare conversion: %.2f (target <= %.1f)\n", floor > 0 ? build / floor : 0.0, ratioTarget);
    std::printf("Slowest build / bare conversion: %.2f (target <= %.1f)\n", floor > 0 ? slowest / floor : 0.0,
                slowestRatioTarget);
    QList<double> pairRatios;
    for (int i = 0; i < std::min(builds.size(), bare.size()); ++i)
        if (bare.at(i) > 0)
            pairRatios.append(builds.at(i) / bare.at(i));
    std::printf("Each build against the conversion of its pair: median ratio %.2f\n", median(pairRatios));
    std::printf("Saving as PDF from the preview: median %.1f ms, ratio %.2f (target <= 1.5)\n", median(pdfSaves),
                floor > 0 ? median(pdfSaves) / floor : 0.0);
    // The office's work that a build waits for in turn: no build is faster than this plus
    // the drawing of its pages.
    QList<double> fillAndSave;
    for (const BuildPhases &phases : buildPhases)
        fillAndSave.append(phaseTime(phases.build, QStringLiteral("fill (366 cells)")) +
                           phaseTime(phases.build, QStringLiteral("save")));
    const double officeChain = median(fillAndSave) + median(pdfSaves);
    std::printf("The office's work in a build's order, fill and save (median %.1f ms) then open and PDF export of the "
                "saved document (as saving as PDF times it): %.1f ms, ratio %.2f\n",
                median(fillAndSave), officeChain, floor > 0 ? officeChain / floor : 0.0);
    std::printf("daybloom --export calendar.pdf, start to exit: median %.1f ms, ratio %.2f (target <= 2.0)\n",
                median(exports), floor > 0 ? median(exports) / floor : 0.0);
    std::printf("Memory: program peak %.1f MB, now %.1f MB after the builds, %.1f MB idle; office process peak %.1f MB\n",
                program.peak, program.now, programIdle.now, officePeak);
    std::printf("CPU while idle for 10 s with the offices ready: program %.0f ms, offices %.0f ms\n", programCpu,
                officeCpuAfter - officeCpuBefore);
    printGrowth(lastBuild, afterFirstBuilds, afterLastBuild);
    return 0;
}
