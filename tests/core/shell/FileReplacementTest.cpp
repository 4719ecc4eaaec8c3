#include "core/shell/CalendarEntryStore.h"
#include "core/shell/FileReplacement.h"
#include "core/shell/ProgramFiles.h"
#include "tests/support/FileReaders.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

#include <sys/stat.h>

// Every file the program writes for the person takes the place of what was there in one
// step, under one rule for links, read-only files and things that are not files. Run with
// permissions as a person's program meets them.
class FileReplacementTest : public QObject
{
    Q_OBJECT

private:
    // Inside the test's home, on the way to its settings file, so that the person can see it.
    QTemporaryDir m_dir{QDir::homePath() + QStringLiteral("/replace-XXXXXX")};

    QString path(const QString &name) const { return m_dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes, QFile::Permissions permissions = {})
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        if (permissions)
            QVERIFY(file.setPermissions(permissions));
    }
    // Writes "new" in the target's place as a person does; the reason it was refused, empty
    // when it was not.
    QString replaceAsPerson(const QString &target, FileReplacement::Kind kind)
    {
        AsNobody person(m_dir.path(), 0777);
        try {
            FileReplacement::replace(path(target), kind, QByteArray("new"));
        } catch (const FileReplacement::Failure &failure) {
            if (!QString::fromUtf8(failure.what()).startsWith(QStringLiteral("Cannot write ") + path(target) + QStringLiteral(": ")))
                return QStringLiteral("badly worded: ") + QString::fromUtf8(failure.what());
            return failure.reason();
        }
        return QString();
    }
    QStringList leftBeside() const { return QDir(m_dir.path()).entryList({QStringLiteral(".*.*")}, QDir::Files | QDir::Hidden); }

private slots:
    void init()
    {
        QVERIFY(QDir(m_dir.path()).removeRecursively() && QDir().mkpath(m_dir.path()));
    }

    void targets_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("written"); // where the new content lands; empty when refused
        QTest::addColumn<QString>("refusal");
        QTest::newRow("new file") << "new.pdf" << "new.pdf" << "";
        QTest::newRow("existing file") << "old.pdf" << "old.pdf" << "";
        QTest::newRow("link to a file") << "link.pdf" << "old.pdf" << "";
        QTest::newRow("link to a link") << "chain.pdf" << "old.pdf" << "";
        QTest::newRow("dangling link") << "dangling.pdf" << "later.pdf" << "";
        QTest::newRow("read-only file") << "locked.pdf" << "" << "it is read-only";
        QTest::newRow("link to a read-only file") << "lockedlink.pdf" << "" << "it is read-only (it links to ";
        QTest::newRow("folder") << "folder.pdf" << "" << "a folder of that name is in the way";
        QTest::newRow("device") << "device.pdf" << "" << "it is a device, not a file";
        QTest::newRow("pipe") << "pipe.pdf" << "" << "it is a pipe, not a file";
        QTest::newRow("links in a circle") << "circle.pdf" << "" << "its links lead round in a circle";
        QTest::newRow("missing folder") << "missing/new.pdf" << "" << "the folder ";
        // The person's own link in a shared folder is followed; another user's file there
        // is never replaced.
        QTest::newRow("own link in a shared folder") << "shared/own.pdf" << "old.pdf" << "";
        QTest::newRow("another user's file in a shared folder") << "shared/theirs.pdf" << "" << "it belongs to another user";
        QTest::newRow("through another user's link in a shared folder") << "shared/theirs/old.pdf" << "" << m_dir.path() + "/shared/theirs is a link another user made";
        // The program's own files, by any name: beside the settings file, in its folders.
        QTest::newRow("the settings file's lock") << "config/Quillmoor.ini.lock" << "" << "it is one of this program's own files";
        QTest::newRow("through a link to the cache") << "cache/daybloom/seed.pdf" << "" << "it is one of this program's own files";
    }

    void targets()
    {
        QFETCH(QString, target);
        QFETCH(QString, written);
        QFETCH(QString, refusal);
        if (::geteuid() != 0 && target.startsWith(QLatin1String("shared/")))
            QSKIP("needs root to act as two users");
        write(QStringLiteral("old.pdf"), "old", QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteOther);
        write(QStringLiteral("locked.pdf"), "old", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        QVERIFY(QFile::link(QStringLiteral("old.pdf"), path(QStringLiteral("link.pdf"))));
        QVERIFY(QFile::link(QStringLiteral("link.pdf"), path(QStringLiteral("chain.pdf"))));
        QVERIFY(QFile::link(QStringLiteral("later.pdf"), path(QStringLiteral("dangling.pdf"))));
        QVERIFY(QFile::link(QStringLiteral("locked.pdf"), path(QStringLiteral("lockedlink.pdf"))));
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), path(QStringLiteral("device.pdf"))));
        QVERIFY(QFile::link(QStringLiteral("circle.pdf"), path(QStringLiteral("circle.pdf"))));
        QVERIFY(QDir().mkpath(path(QStringLiteral("folder.pdf"))));
        QCOMPARE(::mkfifo(QFile::encodeName(path(QStringLiteral("pipe.pdf"))).constData(), 0666), 0);
        QVERIFY(QDir().mkpath(path(QStringLiteral("shared"))));
        QCOMPARE(::chmod(QFile::encodeName(path(QStringLiteral("shared"))).constData(), 01777), 0);
        write(QStringLiteral("shared/theirs.pdf"), "old", QFile::ReadOwner | QFile::WriteOwner | QFile::WriteOther);
        QVERIFY(QFile::link(path(QStringLiteral("old.pdf")), path(QStringLiteral("shared/own.pdf"))));
        if (::geteuid() == 0) {
            QCOMPARE(::lchown(QFile::encodeName(path(QStringLiteral("shared/own.pdf"))).constData(), 65534, 65534), 0);
            QCOMPARE(::chown(QFile::encodeName(path(QStringLiteral("shared/theirs.pdf"))).constData(), 12345, 12345), 0);
            QVERIFY(QFile::link(m_dir.path(), path(QStringLiteral("shared/theirs"))));
            QCOMPARE(::lchown(QFile::encodeName(path(QStringLiteral("shared/theirs"))).constData(), 12345, 12345), 0);
        }
        QVERIFY(QFile::link(QFileInfo(CalendarEntryStore::fileName()).path(), path(QStringLiteral("config"))));
        QVERIFY(QDir().mkpath(ProgramFiles::cacheFolder()));
        QVERIFY(QFile::link(QFileInfo(ProgramFiles::cacheFolder()).path(), path(QStringLiteral("cache"))));
        const QFileInfo before(path(target));

        const QString reason = replaceAsPerson(target, FileReplacement::Kind::Persons);
        QVERIFY2(refusal.isEmpty() ? reason.isEmpty() : reason.startsWith(refusal), qPrintable(reason));
        if (!written.isEmpty())
            QCOMPARE(fileContent(path(written)), QByteArray("new"));
        // What was there stays what it was: the links links, the old file's permissions.
        QCOMPARE(QFileInfo(path(target)).isSymLink(), before.isSymLink());
        QCOMPARE(fileContent(path(QStringLiteral("old.pdf"))), QByteArray(written == QLatin1String("old.pdf") ? "new" : "old"));
        struct stat old {};
        QCOMPARE(::stat(QFile::encodeName(path(QStringLiteral("old.pdf"))).constData(), &old), 0);
        QCOMPARE(old.st_mode & 0777, mode_t(0642));
        QCOMPARE(fileContent(path(QStringLiteral("locked.pdf"))), QByteArray("old"));
        QCOMPARE(leftBeside(), QStringList());
    }

    // The new content fails half-way: the old file stays whole and nothing is left beside it.
    void aFailedWriteLeavesTheOldFile()
    {
        write(QStringLiteral("old.pdf"), "old");
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, FileReplacement::replace(path(QStringLiteral("old.pdf")), FileReplacement::Kind::Persons, [](const QString &newFile) {
            QFile file(newFile);
            file.open(QIODevice::WriteOnly);
            file.write("half");
            throw std::runtime_error("the office stopped");
        }));
        QCOMPARE(fileContent(path(QStringLiteral("old.pdf"))), QByteArray("old"));
        QCOMPARE(leftBeside(), QStringList());
    }
};

DAYBLOOM_TEST_MAIN(FileReplacementTest)
#include "FileReplacementTest.moc"
