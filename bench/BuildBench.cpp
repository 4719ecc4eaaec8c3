// Times "Start Creating Template" with the real office, from the click to the preview
// shown, with all 366 days filled, and splits it into its phases; beside it, a bare
// office converting the generated document to PDF. Usage: build_bench [runs]

#include "bench/BenchSandbox.h"
#include "TimingWordEngine.h"

#include "windows/EntryPanel.h"
#include "windows/Form2.h"
#include "core/CalendarMonths.h"
#include "windows/Form1.h"
#include "tests/support/ScriptedMessages.h"
#include "windows/BuildController.h"
#include "office/LibreOfficeEngine.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

constexpr double nsPerMs = 1e6;
constexpr double ratioTarget = 2.5;

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

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
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
        if (name == QLatin1String("selectCell") || name == QLatin1String("typeText"))
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

// soffice --headless --convert-to pdf with a private profile; -1 when it failed.
double bareConversion(const QString &document, const QString &profile, const QString &outFolder)
{
    QProcess office;
    office.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer timer;
    timer.start();
    office.start(QStringLiteral("soffice"),
                 {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile).toString(),
                  QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                  QStringLiteral("--outdir"), outFolder, document});
    if (!office.waitForFinished(180000)) {
        office.kill();
        office.waitForFinished();
        return -1;
    }
    const qint64 elapsed = timer.nsecsElapsed();
    const QString pdf = outFolder + QLatin1Char('/') + QFileInfo(document).completeBaseName() + QStringLiteral(".pdf");
    if (office.exitCode() != 0 || !QFile::exists(pdf))
        return -1;
    QFile::remove(pdf);
    return ms(elapsed);
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir sandbox;
    if (!useBenchSandbox(sandbox, {"bare"}))
        return 1;
    QApplication app(argc, argv);
    ScriptedMessages::install();
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 3;

    LibreOfficeEngine office;
    TimingWordEngine engine(office);
    Form1 form(engine);
    form.Form_Load();
    if (form.programEnded()) {
        std::fprintf(stderr, "No office could be started.\n");
        return 1;
    }
    for (int month = 0; month < CalendarMonths::count; ++month)
        for (int index = 0; index < CalendarMonths::month(month).days; ++index)
            form.entryPanel().setEntryText(month, index, realisticEntry(CalendarMonths::dayOfYear(month, index)));
    form.show();
    auto *startButton = form.findChild<QPushButton *>(QStringLiteral("PushButton22"));
    const QString bareDocument = sandbox.filePath(QStringLiteral("bare/calendar.doc"));

    std::printf("Build with all 366 days filled, click to preview shown (%d runs)\n", runs);
    QList<double> builds;
    for (int run = 1; run <= runs; ++run) {
        ScriptedMessages::takeRecords();
        engine.clear();
        const qint64 clickNs = engine.nowNs();
        startButton->click();
        const qint64 shownNs = engine.nowNs();
        const double total = ms(shownNs - clickNs);
        Form2 *preview = form.build().previewWindow();
        const int reports = ScriptedMessages::recordCount();
        if (!preview || !preview->isVisible() || preview->pageListCount() != 6 || reports != 0) {
            std::fprintf(stderr, "Run %d did not end in a preview of 6 pages (%d reports).\n", run, reports);
            return 1;
        }
        builds.append(total);
        const BuildPhases phases = phasesOf(engine.events());
        std::printf("run %d: %.1f ms\n", run, total);
        printPhases("filling instance", phases.build);
        printPhases("picturing instance", phases.capture);
        std::printf("    per page              ");
        for (double page : phases.pages)
            std::printf(" %6.1f", page);
        std::printf(" ms\n  outside the office       %8.1f ms (before the first instance %.1f, between the "
                    "instances %.1f, after the last %.1f)\n",
                    total - phases.officeTotal, ms(engine.events().first().startNs - clickNs), phases.captureGap,
                    ms(shownNs - phases.officeEndNs));
        if (run == 1)
            QFile::copy(preview->mWordFile, bareDocument);
        preview->PushButton8_Click();
    }

    std::printf("Bare soffice --headless --convert-to pdf of the generated document, private profile\n");
    const QString profile = sandbox.filePath(QStringLiteral("bare/profile"));
    const double cold = bareConversion(bareDocument, profile, sandbox.filePath(QStringLiteral("bare")));
    std::printf("  new profile:      %8.1f ms\n", cold);
    QList<double> warm;
    for (int run = 1; run <= runs; ++run)
        warm.append(bareConversion(bareDocument, profile, sandbox.filePath(QStringLiteral("bare"))));
    std::printf("  existing profile: ");
    for (double value : warm)
        std::printf(" %8.1f", value);
    std::printf(" ms\n");

    const double build = median(builds);
    const double bare = median(warm);
    std::printf("Median build %.1f ms, median bare conversion %.1f ms, ratio %.2f (target <= %.1f)\n", build, bare,
                bare > 0 ? build / bare : 0.0, ratioTarget);
    return 0;
}
