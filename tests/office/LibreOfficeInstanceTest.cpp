// The life of an office instance against a real private LibreOffice: starting, quitting,
// failing to start, and an office that dies in the middle of the work. After each, no
// office process and no private office folder may be left.

#include "core/shell/TempFolder.h"
#include "tests/support/OfficeProcesses.h"
#include "tests/support/TestMain.h"
#include "tests/office/LibreOfficeTestSupport.h"
#include "core/shell/ProcessState.h"
#include "core/wordgen/OfficeError.h"
#include "office/LibreOfficeApplication.h"
#include "office/LibreOfficeEngine.h"
#include "office/OfficeSocketLeftovers.h"
#include "office/ProfileSeed.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <memory>
#include <thread>

#include <csignal>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/time.h>

using namespace LibreOfficeTestSupport;
using namespace std::chrono_literals;

class LibreOfficeInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        // Instances end in the background: within moments, not at once.
        QTRY_VERIFY2_WITH_TIMEOUT(officeChildren().isEmpty(), "an office process outlived its instance", 10000);
        QTRY_VERIFY2_WITH_TIMEOUT(officeFolders().isEmpty(), qPrintable(officeFolders().join(QLatin1Char(' '))), 10000);
        QVERIFY2(officePipes().isEmpty(), qPrintable(officePipes().join(QLatin1Char(' '))));
    }

    void quitEndsTheOfficeAndRemovesItsFolder()
    {
        std::unique_ptr<WordApplication> word = LibreOfficeEngine().createApplication();
        const QList<pid_t> offices = officeChildren();
        QCOMPARE(offices.size(), 1);
        QCOMPARE(officeFolders().size(), 1);

        word->quit();
        QTRY_VERIFY_WITH_TIMEOUT(!processExists(offices.first()), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(officeFolders().isEmpty(), 10000);
        QVERIFY2(officePipes().isEmpty(), qPrintable(officePipes().join(QLatin1Char(' '))));
        word->quit(); // a second quit has nothing left to do

        // A quit instance refuses work with a readable error instead of crashing.
        try {
            word->openDocument(writeTemplate(), true);
            QFAIL("a quit instance opened a document");
        } catch (const OfficeError &error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(QStringLiteral("quit")), error.what());
        }
    }

    // An office that takes its profile for one of an older version runs graphics
    // self-tests for a second before it answers, and logs them in the profile.
    void officesStartWithoutFirstStartSelfTests()
    {
        auto engine = std::make_unique<LibreOfficeEngine>();
        for (int instance = 1; instance <= 2; ++instance) { // a new profile, then the seed's copy
            std::unique_ptr<WordApplication> word = engine->createApplication();
            const QStringList folders = officeFolders();
            QCOMPARE(folders.size(), 1);
            const QString user = QDir(TempFolder::path()).filePath(folders.first() + QStringLiteral("/profile/user"));
            QVERIFY2(QFileInfo(user).isDir(), qPrintable(user));
            QVERIFY2(!QFileInfo::exists(user + QStringLiteral("/GraphicsRenderTests.log")),
                     qPrintable(QStringLiteral("instance %1 ran the self-tests").arg(instance)));
            // The office keeps its scratch files in the instance's folder, never in /tmp.
            const QList<pid_t> offices = officeChildren();
            QCOMPARE(offices.size(), 1);
            QFile environment(QStringLiteral("/proc/%1/environ").arg(offices.first()));
            QVERIFY(environment.open(QIODevice::ReadOnly));
            const QList<QByteArray> variables = environment.readAll().split('\0');
            const QString instanceFolder = QDir(TempFolder::path()).filePath(folders.first());
            QVERIFY2(variables.contains("TMPDIR=" + QFile::encodeName(instanceFolder + QStringLiteral("/tmp"))),
                     qPrintable(instanceFolder));
            // A dead office's socket must not end the program: SIGPIPE is ignored.
            QVERIFY(::signal(SIGPIPE, SIG_IGN) == SIG_IGN);
            word->quit();
            QVERIFY(OfficeProcesses::waitUntilQuiet(0));
        }
        // The set-up profile is kept in the user's cache for later runs, and when the engine
        // goes it leaves a spare copy for the next run's first office to take.
        const QString kept = ProfileSeed::keptFolder();
        QFile settings(kept + QStringLiteral("/profile/user/registrymodifications.xcu"));
        QVERIFY2(settings.open(QIODevice::ReadOnly), qPrintable(kept));
        // The office it was taken from was restarting; its copies are not.
        QVERIFY(!settings.readAll().contains("OfficeRestartInProgress"));
        engine.reset();
        QVERIFY(QFileInfo(kept + QStringLiteral("/spare/user")).isDir());
        LibreOfficeEngine nextRun;
        std::unique_ptr<WordApplication> word = nextRun.createApplication();
        QVERIFY(!QFileInfo::exists(kept + QStringLiteral("/spare")));
        word->quit();
    }

    // Copies of the kept profile that a killed program left half made go an hour later;
    // one another program is making now stays.
    void abandonedCopiesOfTheKeptProfileGo()
    {
        const QString kept = ProfileSeed::keptFolder();
        const QString abandoned[] = {kept + QStringLiteral("/spare-new-AbCd12"), kept + QStringLiteral("-new-AbCd12"),
                                     kept + QStringLiteral("-old-AbCd12")};
        const QString beingMade = kept + QStringLiteral("/spare-new-XyZw34");
        for (const QString &folder : abandoned) {
            QVERIFY(QDir().mkpath(folder));
            const timeval twoHoursAgo{::time(nullptr) - 7200, 0};
            const timeval times[2] = {twoHoursAgo, twoHoursAgo};
            QCOMPARE(::utimes(QFile::encodeName(folder).constData(), times), 0);
        }
        QVERIFY(QDir().mkpath(beingMade));
        ProfileSeed(kept, LibreOfficeEngine::defaultOfficeProgram()).makeSpare();
        for (const QString &folder : abandoned)
            QVERIFY2(!QFileInfo::exists(folder), qPrintable(folder));
        QVERIFY(QFileInfo::exists(beingMade));
        QDir(beingMade).removeRecursively();
    }

    // A kept profile damaged on disk (here its user folder is a file, which stops an office
    // from starting) costs one start: the office starts on a new profile, which is kept in
    // its place.
    void aDamagedKeptProfileIsReplaced()
    {
        const QString kept = ProfileSeed::keptFolder();
        LibreOfficeEngine().createApplication()->quit(); // makes sure there is a kept profile
        QDir(kept + QStringLiteral("/spare")).removeRecursively();
        const QString user = kept + QStringLiteral("/profile/user");
        QVERIFY(QDir(user).removeRecursively());
        QFile damaged(user);
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("x") == 1);
        damaged.close();

        std::unique_ptr<WordApplication> word = LibreOfficeEngine().createApplication();
        word->openDocument(writeTemplate(), true);
        QVERIFY2(QFileInfo(user).isDir(), "the damaged kept profile was not replaced");
        word->quit();
    }

    void droppingAnInstanceEndsItsOffice()
    {
        {
            std::unique_ptr<WordApplication> word = LibreOfficeEngine().createApplication();
            word->openDocument(writeTemplate(), true);
            word->selectCell(1, 2, 2);
            word->typeText(QStringLiteral("left behind"));
            QCOMPARE(officeChildren().size(), 1);
        }
        // cleanup() checks that nothing is left.
    }

    void instancesAreIndependent()
    {
        std::unique_ptr<WordApplication> first = LibreOfficeEngine().createApplication();
        std::unique_ptr<WordApplication> second = LibreOfficeEngine().createApplication();
        QCOMPARE(officeChildren().size(), 2);
        first->quit();
        QTRY_COMPARE_WITH_TIMEOUT(officeChildren().size(), 1, 10000);
        // The second office still works after the first has gone.
        second->openDocument(writeTemplate(), true);
        second->selectCell(12, 32, 2);
        second->quit();
    }

    void aMissingProgramFailsAtOnce()
    {
        const QString program = QStringLiteral("/nonexistent/soffice.bin");
        try {
            LibreOfficeEngine(program).createApplication();
            QFAIL("an instance was made without an office program");
        } catch (const OfficeError &error) {
            const QString message = QString::fromUtf8(error.what());
            QVERIFY2(message.contains(program) && message.contains(QStringLiteral("missing")), error.what());
        }
    }

    void aProgramThatEndsAtOnceFails()
    {
        const QString program = writeScript(QStringLiteral("ends"), QStringLiteral("exit 3"));
        try {
            LibreOfficeApplication word({.officeProgram = program, .limits = {.start = 30s}});
            QFAIL("an instance was made from a program that ended");
        } catch (const OfficeError &error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(QStringLiteral("exit code 3")), error.what());
        }
    }

    void aProgramThatNeverAnswersIsEndedAfterTheTimeout()
    {
        const QString program = writeScript(QStringLiteral("silent"), QStringLiteral("exec sleep 600"));
        try {
            LibreOfficeApplication word({.officeProgram = program, .limits = {.start = 1s}});
            QFAIL("an instance was made from a program that never answered");
        } catch (const OfficeError &error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(QStringLiteral("did not answer")), error.what());
        }
        QVERIFY(childProcesses("sleep").isEmpty());
    }

    void anOfficeKilledDuringTheWorkGivesAnError()
    {
        std::unique_ptr<WordApplication> word = LibreOfficeEngine().createApplication();
        word->openDocument(writeTemplate(), true);
        const QList<pid_t> offices = officeChildren();
        QCOMPARE(offices.size(), 1);
        // A killed office cannot remove its sockets; they must not be left behind.
        const QStringList sockets = socketPaths(offices.first());
        QVERIFY(!sockets.isEmpty());

        std::thread killer([pid = offices.first()] {
            std::this_thread::sleep_for(200ms);
            ::kill(pid, SIGKILL);
        });
        QString message;
        try {
            // Far more work than fits in the time before the kill.
            for (int round = 0; round < 200; ++round) {
                for (int day = 2; day <= 32; ++day) {
                    word->selectCell(1, day, 2);
                    word->typeText(QStringLiteral("round %1").arg(round));
                }
            }
        } catch (const OfficeError &error) {
            message = QString::fromUtf8(error.what());
        }
        killer.join();
        QVERIFY2(message.contains(QStringLiteral("no longer running")), qPrintable(message));

        // Every later call fails the same way, as a lost instance, and quitting still works.
        QVERIFY_THROWS_EXCEPTION(OfficeInstanceLost, word->pageCount());
        word->quit();
        QTRY_VERIFY_WITH_TIMEOUT(!processExists(offices.first()), 10000);
        for (const QString &socket : sockets)
            QTRY_VERIFY2_WITH_TIMEOUT(!QFileInfo::exists(socket), qPrintable(socket), 10000);
    }

    // An office stopped (SIGSTOP) in the middle of the work is noticed within moments, not
    // when the call's limit passes: it is killed and reaped at once, its sockets go, the
    // call fails as a lost instance, and a new instance works afterwards.
    void aStoppedOfficeIsGivenUpAtOnce()
    {
        LibreOfficeEngine engine(LibreOfficeEngine::defaultOfficeProgram(), OfficeTimeLimits{.other = 30s});
        std::unique_ptr<WordApplication> word = engine.createApplication();
        word->openDocument(writeTemplate(), true);
        const QList<pid_t> offices = officeChildren();
        QCOMPARE(offices.size(), 1);
        const QStringList sockets = socketPaths(offices.first());
        QVERIFY(!sockets.isEmpty());

        ::kill(offices.first(), SIGSTOP);
        QTRY_VERIFY(ProcessState::stopped(offices.first()));
        QElapsedTimer clock;
        clock.start();
        QString message;
        try {
            word->selectCell(1, 2, 2);
        } catch (const OfficeInstanceLost &error) {
            message = QString::fromUtf8(error.what());
        }
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QStringLiteral("noticed after %1 ms").arg(clock.elapsed())));
        QVERIFY2(message.contains(QStringLiteral("was stopped while selecting a table cell")), qPrintable(message));
        // Gone before the instance is even quit: not left stopped, nor unreaped.
        QTRY_VERIFY_WITH_TIMEOUT(!processExists(offices.first()), 2000);
        for (const QString &socket : sockets)
            QVERIFY2(!QFileInfo::exists(socket), qPrintable(socket));
        QVERIFY_THROWS_EXCEPTION(OfficeInstanceLost, word->typeText(QStringLiteral("after")));
        word->quit();

        std::unique_ptr<WordApplication> next = engine.createApplication();
        next->openDocument(writeTemplate(), true);
        next->selectCell(1, 2, 2);
        next->quit();
    }

    // An office that cannot end when asked (stopped here) is killed at once, long before
    // its ending limit, and holds up nobody else's ending.
    void aStoppedOfficeIsKilledWhenItEnds()
    {
        LibreOfficeEngine engine(LibreOfficeEngine::defaultOfficeProgram(), OfficeTimeLimits{.end = 30s});
        std::unique_ptr<WordApplication> stopped = engine.createApplication();
        stopped->openDocument(writeTemplate(), true);
        const pid_t stoppedOffice = officeChildren().first();
        std::unique_ptr<WordApplication> healthy = engine.createApplication();
        const pid_t healthyOffice = officeChildren().at(officeChildren().first() == stoppedOffice ? 1 : 0);

        ::kill(stoppedOffice, SIGSTOP);
        QTRY_VERIFY(ProcessState::stopped(stoppedOffice));
        stopped->quit();
        healthy->quit();
        QTRY_VERIFY_WITH_TIMEOUT(!processExists(healthyOffice), 7000);
        QTRY_VERIFY_WITH_TIMEOUT(!processExists(stoppedOffice), 5000);
        QVERIFY(OfficeProcesses::waitUntilQuiet(0));
    }

    // An office killed while it starts, before anything connected to it, leaves none of
    // its sockets behind once its instance is gone.
    void anOfficeKilledWhileStartingLeavesNoSocket()
    {
        QStringList sockets;
        {
            LibreOfficeEngine engine;
            engine.startInstanceAhead();
            QList<pid_t> offices;
            QTRY_VERIFY_WITH_TIMEOUT((offices = officeChildren()).size() == 1 && !(sockets = socketPaths(offices.first())).isEmpty(),
                                     20000);
            ::kill(offices.first(), SIGKILL);
        }
        // An office killed once its start is over is only found ended when its instance
        // goes (nobody asks a ready office anything until a build takes it).
        QTRY_VERIFY_WITH_TIMEOUT(officeChildren().isEmpty(), 20000);
        for (const QString &socket : std::as_const(sockets))
            QVERIFY2(!QFileInfo::exists(socket), qPrintable(socket));
    }

    // What killed offices left is removed; a socket some process has bound (listening, or
    // about to listen) stays, and so does one that is not this user's.
    void staleSocketsGoLiveOnesStay()
    {
        struct Case {
            const char *what;
            bool bound;
            bool listening;
            bool otherUser;
        };
        const Case cases[] = {
            {"left by a killed office", false, false, false},
            {"listened on", true, true, false},
            {"bound, about to be listened on", true, false, false},
            {"another user's", false, false, true},
        };
        QList<int> descriptors;
        QStringList paths;
        const auto cleanUp = qScopeGuard([&] {
            for (const int descriptor : std::as_const(descriptors))
                ::close(descriptor);
            for (const QString &path : std::as_const(paths))
                QFile::remove(path);
        });
        for (const Case &socketCase : cases) {
            const QString path = QStringLiteral("/tmp/OSL_PIPE_%1_SingleOfficeIPC_test%2x%3").arg(::getuid()).arg(::getpid()).arg(paths.size());
            paths.append(path);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
            const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            QVERIFY(::bind(descriptor, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0);
            if (socketCase.listening)
                QVERIFY(::listen(descriptor, 1) == 0);
            if (socketCase.bound)
                descriptors.append(descriptor);
            else
                ::close(descriptor);
            if (socketCase.otherUser)
                QVERIFY(::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0 || ::getuid() != 0);
        }

        OfficeSocketLeftovers::removeStale();

        for (qsizetype i = 0; i < paths.size(); ++i) {
            const Case &socketCase = cases[i];
            const bool stays = socketCase.bound || (socketCase.otherUser && ::getuid() == 0);
            struct stat info {};
            QVERIFY2((::lstat(QFile::encodeName(paths[i]).constData(), &info) == 0) == stays, socketCase.what);
        }
    }

    // A loaded machine takes a moment to stop a process: each test waits until the kernel
    // says it is stopped before the office is asked anything.

    // Ready offices that were stopped are not handed out: the build gets one that
    // answers, and the stopped ones are ended.
    void stoppedReadyOfficesAreReplaced()
    {
        // A busy machine may take long to start the replacement on a new profile.
        LibreOfficeEngine engine(LibreOfficeEngine::defaultOfficeProgram(), OfficeTimeLimits{.start = 60s});
        engine.prepareAhead(QByteArray());
        QVERIFY(OfficeProcesses::waitUntilQuiet(2));
        const QList<pid_t> ready = officeChildren();
        QCOMPARE(ready.size(), 2);
        for (const pid_t office : ready)
            ::kill(office, SIGSTOP);
        for (const pid_t office : ready)
            QTRY_VERIFY(ProcessState::stopped(office));

        try {
            std::unique_ptr<WordApplication> word = engine.createApplication();
            word->openDocument(writeTemplate(), true);
            word->selectCell(1, 2, 2);
            word->quit();
        } catch (const OfficeError &error) {
            QFAIL(error.what());
        }
        QVERIFY(OfficeProcesses::waitUntilQuiet(0));
        for (const pid_t office : ready)
            QVERIFY(!processExists(office));
    }

    // Whatever the person's umask, the office's pipe socket is its owner's only: another
    // user cannot connect to it and have the office work as this user.
    void anotherUserCannotReachTheOffice()
    {
        if (::getuid() != 0)
            QSKIP("needs root to connect as another user");
        const mode_t personsUmask = ::umask(0);
        const auto restoreUmask = qScopeGuard([personsUmask] { ::umask(personsUmask); });
        std::unique_ptr<WordApplication> word = LibreOfficeEngine().createApplication();
        const QStringList sockets = socketPaths(officeChildren().first());
        QVERIFY(!sockets.isEmpty());
        for (const QString &socket : sockets) {
            QProcess other;
            other.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                                    QStringLiteral("--clear-groups"), QStringLiteral("/usr/bin/python3"),
                                                    QStringLiteral("-c"),
                                                    QStringLiteral("import socket, sys\n"
                                                                   "s = socket.socket(socket.AF_UNIX)\n"
                                                                   "try:\n    s.connect(sys.argv[1])\n"
                                                                   "except PermissionError:\n    sys.exit(3)\n"),
                                                    socket});
            QVERIFY(other.waitForFinished(10000));
            QVERIFY2(other.exitCode() == 3, qPrintable(socket + QLatin1Char(' ') + other.readAllStandardError()));
        }
        word->openDocument(writeTemplate(), true);
        word->quit();
    }

    // An office that runs and accepts the connection but never answers is given up at the
    // start limit, like one that never listens; the caller's events flow meanwhile.
    void anOfficeThatNeverAnswersTheConnectionIsGivenUp()
    {
        const QString program = writeScript(QStringLiteral("mute"), QStringLiteral(
            "exec python3 -c 'import os, socket, sys, time\n"
            "name = [a for a in sys.argv[1:] if a.startswith(\"--accept=pipe,name=\")][0].split(\"=\", 2)[2].split(\";\")[0]\n"
            "s = socket.socket(socket.AF_UNIX)\n"
            "s.bind(\"/tmp/OSL_PIPE_%d_%s\" % (os.getuid(), name))\n"
            "s.listen(5)\n"
            "c = [s.accept() for _ in range(100)]\n"
            "time.sleep(600)' \"$@\""));
        QElapsedTimer clock;
        clock.start();
        // The caller's events flow while it waits.
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(50);
        try {
            LibreOfficeApplication word({.officeProgram = program, .limits = {.start = 2s}});
            QFAIL("an instance was made from a program that never answered");
        } catch (const OfficeInstanceLost &error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(QStringLiteral("did not answer within 2 seconds while starting")),
                     error.what());
        }
        QVERIFY2(clock.elapsed() < 15000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(ticks >= 20, qPrintable(QStringLiteral("only %1 timer events while waiting").arg(ticks)));
        QVERIFY(childProcesses("python3").isEmpty());
    }

private:
    // A stand-in program that is not an office: a shell script in the temporary folder.
    static QString writeScript(const QString &name, const QString &body)
    {
        const QString path = TempFolder::path() + QLatin1Char('/') + name;
        QFile script(path);
        if (!script.open(QIODevice::WriteOnly))
            return QString();
        script.write(QStringLiteral("#!/bin/sh\n%1\n").arg(body).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
};

DAYBLOOM_TEST_MAIN(LibreOfficeInstanceTest)
#include "LibreOfficeInstanceTest.moc"
