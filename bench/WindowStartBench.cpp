// Start-up as a person waits for it: from the exec of daybloom until its main window is
// mapped on an X server, with fresh settings, a session bus and the program's cache kept
// from run to run, beside a bare office start (soffice.bin --headless
// --terminate_after_init) on an everyday profile, in the same run. Each is timed on a
// settled machine (the program and its offices gone, the processors idle as at rest), in
// alternating order (program, office, office, program, …).
// The X server is a private Xvfb; the map is seen as an X event, not by polling.
//
//   window_start_bench [runs]

#include "bench/BareConversion.h"
#include "bench/BenchFigures.h"
#include "bench/BenchSandbox.h"
#include "bench/QuietMachine.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <memory>
#include <optional>

#include <poll.h>
#include <signal.h>

namespace {

const QByteArray windowTitle = "Daybloom Family Dates and Keepsake Planner Layout Builder";

// A helper process (the X server, the session bus) that ends with the benchmark.
struct Helper {
    QProcess process;
    ~Helper()
    {
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished();
        }
    }
};

// Starts the program and reads the first line it prints (a display number, a bus address).
std::optional<QByteArray> startHelper(Helper &helper, const QString &program, const QStringList &arguments)
{
    helper.process.start(program, arguments);
    if (!helper.process.waitForStarted(10000))
        return std::nullopt;
    QDeadlineTimer deadline(10000);
    while (!helper.process.canReadLine() && !deadline.hasExpired())
        helper.process.waitForReadyRead(100);
    const QByteArray line = helper.process.readLine().trimmed();
    return line.isEmpty() ? std::nullopt : std::optional(line);
}

struct DisplayCloser {
    void operator()(Display *display) const { XCloseDisplay(display); }
};

// The window's title as the program set it, in whatever encoding.
QByteArray titleOf(Display *display, Window window)
{
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long left = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, window, XA_WM_NAME, 0, 1024, False, AnyPropertyType, &type, &format, &items, &left,
                           &data) != Success)
        return {};
    const QByteArray title = data && format == 8 ? QByteArray(reinterpret_cast<const char *>(data), qsizetype(items)) : QByteArray();
    XFree(data);
    return title;
}

// The top-level window mapped next whose title is the program's, within the time given;
// 0 when none is.
Window nextMappedMainWindow(Display *display, int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify)
                continue;
            if (titleOf(display, event.xmap.window) == windowTitle)
                return event.xmap.window;
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        ::poll(&connection, 1, int(std::max<qint64>(1, deadline.remainingTime())));
    }
    return 0;
}

// Closes the window as a window manager's close button does.
void closeWindow(Display *display, Window window)
{
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
}

// The processes carrying the marker in their environment: the program and its offices.
QList<int> markedProcesses(const QByteArray &marker)
{
    QList<int> marked;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile environment(QStringLiteral("/proc/%1/environ").arg(entry));
        if (environment.open(QIODevice::ReadOnly) && environment.readAll().split('\0').contains(marker))
            marked.append(entry.toInt());
    }
    return marked;
}

// Kills what is left of them (the program's offices, should the program have had to be
// killed).
void killMarked(const QByteArray &marker)
{
    for (int pid : markedProcesses(marker))
        ::kill(pid, SIGKILL);
}

// One start of the program with fresh settings: exec until the main window is mapped, in
// milliseconds; -1 when it did not show within a minute. The program is then closed.
double windowStart(Display *display, const QProcessEnvironment &base, const QString &settings, const QByteArray &marker)
{
    QDir(settings).removeRecursively();
    QDir().mkpath(settings);
    QProcessEnvironment environment = base;
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings);
    QProcess program;
    program.setProcessEnvironment(environment);
    XSync(display, True); // events of earlier runs go
    QElapsedTimer timer;
    timer.start();
    program.start(QStringLiteral(DAYBLOOM_PROGRAM), {});
    const Window window = nextMappedMainWindow(display, 60000);
    const double elapsed = window ? double(timer.nsecsElapsed()) / 1e6 : -1;
    if (window)
        closeWindow(display, window);
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
    }
    killMarked(marker);
    return elapsed;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir sandbox;
    if (!useBenchSandbox(sandbox, {"bare", "settings", "cache"}))
        return 1;
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, QByteArray(argv[1]).toInt()) : 10;

    Helper xServer;
    const auto display = startHelper(xServer, QStringLiteral("Xvfb"),
                                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"),
                                      QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-screen"),
                                      QStringLiteral("0"), QStringLiteral("1280x1024x24")});
    Helper sessionBus;
    const auto bus = startHelper(sessionBus, QStringLiteral("dbus-daemon"),
                                 {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!display || !bus) {
        std::fprintf(stderr, "The X server or the session bus could not be started.\n");
        return 1;
    }
    const QByteArray displayName = ":" + *display;
    const std::unique_ptr<Display, DisplayCloser> x(XOpenDisplay(displayName.constData()));
    if (!x) {
        std::fprintf(stderr, "The X server %s cannot be reached.\n", displayName.constData());
        return 1;
    }
    XSelectInput(x.get(), DefaultRootWindow(x.get()), SubstructureNotifyMask);

    // As a person's desktop session has it: a display, a session bus, no test settings.
    const QByteArray marker = "DAYBLOOM_WINDOW_START_BENCH=" + QByteArray::number(QCoreApplication::applicationPid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(displayName));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromLatin1(*bus));
    environment.insert(QString::fromLatin1(marker.split('=').first()), QString::fromLatin1(marker.split('=').last()));
    // The program's cache stays from run to run, as a person's does.
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), sandbox.filePath(QStringLiteral("cache")));

    // The bare office's everyday profile, made by one conversion of a small document.
    const QString bare = sandbox.filePath(QStringLiteral("bare"));
    const QString document = bare + QStringLiteral("/note.txt");
    QFile note(document);
    if (!note.open(QIODevice::WriteOnly) || note.write("A note.\n") != 8)
        return 1;
    note.close();
    const QString profile = bare + QStringLiteral("/profile");
    if (!makeEverydayProfile(document, profile, bare)) {
        std::fprintf(stderr, "The everyday profile could not be made.\n");
        return 1;
    }

    // What "at rest" is on this machine, learnt before anything of the comparison runs.
    QuietMachine machine([&marker] { return int(markedProcesses(marker).size()); });
    machine.learnRest();
    printLoad("before", machine);

    // One start of each first, so that both find their files in the page cache, and the
    // program the office profile it keeps after its first run on a machine.
    const QString settings = sandbox.filePath(QStringLiteral("settings"));
    windowStart(x.get(), environment, settings, marker);
    bareOfficeStart(profile, environment);

    AlternatingRuns starts;
    for (int run = 0; run < runs; ++run) {
        if (!starts.runPair(
                [&] {
                    machine.settle();
                    return windowStart(x.get(), environment, settings, marker);
                },
                [&] {
                    machine.settle();
                    return bareOfficeStart(profile, environment);
                })) {
            std::fprintf(stderr, "Run %d: the main window or the bare office did not start.\n", run + 1);
            return 1;
        }
    }
    std::printf("Start-up as a person waits for it, on Xvfb with a session bus and fresh settings (%d runs)\n", runs);
    starts.print("daybloom: exec to main window mapped", "Bare soffice.bin --terminate_after_init (everyday)", 1.5);
    printLoad("after", machine);
    return 0;
}
