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
};

// Runs the probe with TEMP set to temp (unset when null), as the user given (root only).
ProbeResult probe(const QString &temp, std::optional<uid_t> asUser = std::nullopt)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (temp.isNull())
        environment.remove(QStringLiteral("TEMP"));
    else
        environment.insert(QStringLiteral("TEMP"), temp);
    QProcess process;
    process.setProcessEnvironment(environment);
    if (asUser) {
        const QString id = QString::number(*asUser);
        process.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=") + id, QStringLiteral("--regid=") + id,
                                                  QStringLiteral("--clear-groups"), QStringLiteral(TEMP_FOLDER_PROBE)});
    } else {
        process.start(QStringLiteral(TEMP_FOLDER_PROBE));
    }
    process.waitForFinished();
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    return {lines.value(0), lines.value(1), QString::fromUtf8(process.readAllStandardError()).trimmed()};
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

        TempFolder::removeOrphans();

        QVERIFY(!QFileInfo::exists(ended));
        QVERIFY(QFileInfo::exists(alive));
        QVERIFY(QFileInfo::exists(TempFolder::path()));
        running.kill();
        running.waitForFinished();
        QDir(alive).removeRecursively();
    }
};

DAYBLOOM_TEST_MAIN(TempFolderTest)
#include "TempFolderTest.moc"
