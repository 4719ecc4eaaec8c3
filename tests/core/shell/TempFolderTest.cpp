#include "core/shell/TempFolder.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct ProbeResult {
    QString folder;
    QString mode;
    QString problem; // what the program says about TEMP on standard error
    qint64 pid = 0;
};

// Runs the probe with TEMP set to temp (unset when null), as the user given (root only),
// with TMPDIR set to tmpdir when given.
ProbeResult probe(const QString &temp, std::optional<uid_t> asUser = std::nullopt, const QString &tmpdir = QString())
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (temp.isNull())
        environment.remove(QStringLiteral("TEMP"));
    else
        environment.insert(QStringLiteral("TEMP"), temp);
    if (!tmpdir.isNull())
        environment.insert(QStringLiteral("TMPDIR"), tmpdir);
    QProcess process;
    process.setProcessEnvironment(environment);
    if (asUser) {
        const QString id = QString::number(*asUser);
        process.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=") + id, QStringLiteral("--regid=") + id,
                                                  QStringLiteral("--clear-groups"), QStringLiteral(TEMP_FOLDER_PROBE)});
    } else {
        process.start(QStringLiteral(TEMP_FOLDER_PROBE));
    }
    const qint64 pid = process.processId();
    process.waitForFinished();
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    return {lines.value(0), lines.value(1), QString::fromUtf8(process.readAllStandardError()).trimmed(), pid};
}

QString userFolderName(uid_t uid = ::getuid())
{
    return QStringLiteral("daybloom-%1").arg(uid);
}

} // namespace

class TempFolderTest : public QObject
{
    Q_OBJECT

private slots:
    // With TEMP set, the files go to a private folder inside it; files others left in TEMP
    // itself are not touched.
    void privateFolderInsideTemp()
    {
        QTemporaryDir temp;
        QFile planted(temp.filePath(QStringLiteral("template.dot")));
        QVERIFY(planted.open(QIODevice::WriteOnly));
        planted.write("someone else's template");
        planted.close();

        const ProbeResult result = probe(temp.path());
        QVERIFY2(result.folder.startsWith(temp.filePath(userFolderName()) + QLatin1Char('/')), qPrintable(result.folder));
        QCOMPARE(result.mode, QStringLiteral("700"));
        QCOMPARE(result.problem, QString());
        // The probe's own folder went with it; what was in TEMP stays.
        QCOMPARE(QDir(temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{QStringLiteral("template.dot")});
    }

    // A TEMP that cannot be used is named, and the private folder in the system's
    // temporary folder is used instead, so the program still starts.
    void unusableTempFallsBackToTheSystemFolder_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing folder") << QStringLiteral("missing");
        QTest::newRow("a file") << QStringLiteral("file");
        QTest::newRow("a planted link") << QStringLiteral("link");
    }

    void unusableTempFallsBackToTheSystemFolder()
    {
        QFETCH(QString, kind);
        QTemporaryDir work;
        QString temp = work.filePath(QStringLiteral("temp"));
        const QString target = work.filePath(QStringLiteral("elsewhere"));
        if (kind == QStringLiteral("file")) {
            QFile file(temp);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (kind == QStringLiteral("link")) {
            QVERIFY(QDir().mkpath(temp));
            QVERIFY(QDir().mkpath(target));
            QVERIFY(QFile::link(target, QDir(temp).filePath(userFolderName())));
        }

        const ProbeResult result = probe(temp);
        const QString fallback = QDir::tempPath() + QLatin1Char('/') + userFolderName() + QLatin1Char('/');
        QVERIFY2(result.folder.startsWith(fallback), qPrintable(result.folder));
        QVERIFY2(result.problem.contains(temp), qPrintable(result.problem));
        QCOMPARE(result.mode, QStringLiteral("700"));
        if (kind == QStringLiteral("link"))
            QVERIFY(QDir(target).isEmpty());
    }

    void unwritableTempFallsBackToTheSystemFolder()
    {
        if (::getuid() != 0)
            QSKIP("needs root to run the probe as another user");
        const uid_t nobody = 65534;
        QTemporaryDir temp; // root's, mode 0700: nobody may not write there
        const ProbeResult result = probe(temp.path(), nobody);
        QVERIFY2(result.folder.startsWith(QDir::tempPath() + QLatin1Char('/') + userFolderName(nobody) + QLatin1Char('/')),
                 qPrintable(result.folder));
        QVERIFY2(result.problem.contains(QStringLiteral("cannot be used")), qPrintable(result.problem));
        QDir(QDir::tempPath() + QLatin1Char('/') + userFolderName(nobody)).removeRecursively();
    }

    // The private folder's usual name in the system's temporary folder taken by someone
    // else, or TMPDIR naming no folder: the program gets a private folder of its own
    // instead, says so, and touches nothing of what it found.
    void aTakenUsualFolderGivesAPrivateOneOfItsOwn_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("cause");
        QTest::newRow("another user's folder") << QStringLiteral("other user") << QStringLiteral("it belongs to another user");
        QTest::newRow("a file") << QStringLiteral("file") << QStringLiteral("it is not a folder");
        QTest::newRow("a link to a folder") << QStringLiteral("link") << QStringLiteral("it is not a folder");
        QTest::newRow("TMPDIR missing") << QStringLiteral("missing") << QStringLiteral("No such file or directory");
    }

    void aTakenUsualFolderGivesAPrivateOneOfItsOwn()
    {
        QFETCH(QString, kind);
        QFETCH(QString, cause);
        QTemporaryDir work;
        QString system = work.path();
        const QString usual = work.filePath(userFolderName());
        if (kind == QStringLiteral("other user")) {
            if (::getuid() != 0)
                QSKIP("needs root to give a folder to another user");
            QVERIFY(QDir().mkpath(usual));
            QCOMPARE(::chown(QFile::encodeName(usual).constData(), 65534, 65534), 0);
        } else if (kind == QStringLiteral("file")) {
            QFile file(usual);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (kind == QStringLiteral("link")) {
            QVERIFY(QDir().mkpath(work.filePath(QStringLiteral("elsewhere"))));
            QVERIFY(QFile::link(work.filePath(QStringLiteral("elsewhere")), usual));
        } else {
            system = work.filePath(QStringLiteral("missing/x"));
        }

        const ProbeResult result = probe(QString(), std::nullopt, system);

        // In /tmp's usual folder when TMPDIR is missing, else a folder of its own in TMPDIR
        // under a name nobody could take ahead.
        const bool missing = kind == QStringLiteral("missing");
        const QString used = missing ? QFileInfo(result.folder).path() : result.folder;
        QCOMPARE(used, missing ? QStringLiteral("/tmp/") + userFolderName() : result.folder);
        QVERIFY2(missing || result.folder.startsWith(usual + QStringLiteral("-%1-").arg(result.pid)), qPrintable(result.folder));
        QCOMPARE(result.mode, QStringLiteral("700"));
        const QString refused = system + QLatin1Char('/') + userFolderName();
        QCOMPARE(result.problem, QStringLiteral("The temporary folder %1 cannot be used: %2. A private folder of your own is used instead: %3.")
                                     .arg(refused, cause, used));
        // The probe's folder went with it; what was there stays as it was.
        QVERIFY(!QFileInfo::exists(result.folder));
        QStringList found{userFolderName()};
        if (missing)
            found.clear();
        else if (kind == QStringLiteral("link"))
            found.append(QStringLiteral("elsewhere"));
        QCOMPARE(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), found);
        if (kind == QStringLiteral("link"))
            QVERIFY(QDir(work.filePath(QStringLiteral("elsewhere"))).isEmpty());
    }

    // What a killed run left goes at the next start; the folder of a run that still goes
    // on stays.
    void orphansOfEndedRunsAreRemoved()
    {
        const QDir userFolder(QFileInfo(TempFolder::path()).path());
        const QString ended = userFolder.filePath(QStringLiteral("2147483646"));
        QVERIFY(QDir().mkpath(ended + QStringLiteral("/daybloom-office-x/profile")));
        QFile leftover(ended + QStringLiteral("/template.dot"));
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.close();

        QProcess running;
        running.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(running.waitForStarted());
        const QString alive = userFolder.filePath(QString::number(running.processId()));
        QVERIFY(QDir().mkpath(alive));
        // The folders of their own that runs made when the usual one was taken.
        const QString system = QDir::tempPath() + QLatin1Char('/') + userFolderName();
        const QString endedOwn = system + QStringLiteral("-2147483646-Ab12Cd");
        const QString aliveOwn = system + QStringLiteral("-%1-Ef34Gh").arg(running.processId());
        QVERIFY(QDir().mkpath(endedOwn + QStringLiteral("/daybloom-office-x")));
        QVERIFY(QDir().mkpath(aliveOwn));

        TempFolder::removeOrphans();

        QVERIFY(!QFileInfo::exists(ended));
        QVERIFY(!QFileInfo::exists(endedOwn));
        QVERIFY(QFileInfo::exists(alive));
        QVERIFY(QFileInfo::exists(aliveOwn));
        QVERIFY(QFileInfo::exists(TempFolder::path()));
        running.kill();
        running.waitForFinished();
        QDir(alive).removeRecursively();
        QDir(aliveOwn).removeRecursively();
    }
};

DAYBLOOM_TEST_MAIN(TempFolderTest)
#include "TempFolderTest.moc"
