// Start-up figures: the time from the program's start to its main window shown (with the
// real office check), beside a bare office start-and-quit, and the time one keystroke
// takes to store its entry. Runs offscreen with its own settings and temporary folders.
//
//   startup_bench [runs]

#include "tests/support/WindowParts.h"
#include "bench/BareConversion.h"
#include "bench/BenchFigures.h"
#include "bench/BenchSandbox.h"
#include "windows/entry/EntryPanel.h"
#include "core/shell/CalendarEntryStore.h"
#include "core/shell/CalendarMonths.h"
#include "windows/shell/Form1.h"
#include "windows/widgets/SystemCommonDialog.h"
#include "tests/support/OfficeProcesses.h"
#include "tests/support/ScriptedMessages.h"
#include "core/wordgen/IsInstalled.h"
#include "office/LibreOfficeEngine.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

void print(const char *what, const QList<double> &milliseconds)
{
    const auto [low, high] = std::minmax_element(milliseconds.begin(), milliseconds.end());
    std::printf("%-46s median %8.2f ms   min %8.2f   max %8.2f   (%d runs)\n", what, median(milliseconds), *low,
                *high, int(milliseconds.size()));
}

// As the program starts its window: an engine whose first office starts ahead while the
// window is built, then the office check and the window shown.
double showMainWindow()
{
    double elapsed = -1;
    {
        QElapsedTimer timer;
        timer.start();
        LibreOfficeEngine engine;
        engine.startInstanceAhead();
        SystemCommonDialog dialogs;
        Form1 form(engine, dialogs);
        form.Form_Load();
        if (form.programEnded())
            return -1;
        form.show();
        while (!form.windowHandle() || !form.windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    }
    // The next run starts on a quiet machine, every office of this one gone.
    OfficeProcesses::waitUntilQuiet(0);
    return elapsed;
}

} // namespace

int main(int argc, char **argv)
{
    const double processStartToMain = sinceProcessStart();
    QElapsedTimer sinceMain;
    sinceMain.start();

    QTemporaryDir sandbox;
    if (!useBenchSandbox(sandbox, {"profile"}))
        return 1;
    QApplication app(argc, argv);
    ScriptedMessages::install();
    const int runs = std::max(1, QCoreApplication::arguments().value(1, QStringLiteral("5")).toInt());

    const double firstWindow = showMainWindow();
    if (firstWindow < 0) {
        std::fprintf(stderr, "The office could not be started; no figures.\n");
        return 1;
    }
    std::printf("Program start to main window shown, first run: %.2f ms (%.2f ms before main)\n",
                static_cast<double>(sinceMain.nsecsElapsed()) / 1e6 + std::max(0.0, processStartToMain),
                std::max(0.0, processStartToMain));

    QList<double> windowTimes, officeTimes, checkTimes;
    const QString profile = sandbox.filePath(QStringLiteral("profile"));
    bareOfficeStart(profile); // makes the profile once, as the engine's first start does
    for (int run = 0; run < runs; ++run) {
        windowTimes.append(showMainWindow());
        officeTimes.append(bareOfficeStart(profile));
        // The check alone, on an office that was not started ahead.
        LibreOfficeEngine engine;
        QElapsedTimer timer;
        timer.start();
        CheckWordAvailable(engine);
        checkTimes.append(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    print("Main window constructed, checked and shown", windowTimes);
    print("Office check with no office started ahead", checkTimes);
    print("Bare soffice.bin --terminate_after_init", officeTimes);
    std::printf("Ratio window shown / bare office start: %.2f\n", median(windowTimes) / median(officeTimes));

    // One keystroke in a full calendar: the change handler writes and syncs the file.
    LibreOfficeEngine engine;
    SystemCommonDialog dialogs;
    Form1 form(engine, dialogs);
    form.Form_Load();
    EntryPanel &panel = WindowParts::entryPanel(form);
    for (int month = 0; month < CalendarMonths::count; ++month) {
        for (int index = 0; index < CalendarMonths::month(month).days; ++index)
            WindowParts::calendar(form).setEntryText(month, index, QStringLiteral("Entry for %1").arg(CalendarMonths::entryName(month, index)));
    }
    QList<double> keystrokes;
    QLineEdit *box = panel.box(6, 21);
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer timer;
        timer.start();
        box->insert(QStringLiteral("x"));
        keystrokes.append(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    print("One keystroke stored (366 entries in the file)", keystrokes);
    if (ScriptedMessages::recordCount() > 0)
        std::printf("Warning: %d message boxes were shown during the runs\n", ScriptedMessages::recordCount());
    return 0;
}
