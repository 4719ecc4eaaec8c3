#include "core/shell/FileReplacement.h"
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
    QTemporaryDir m_dir;

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
    }

    void targets()
    {
        QFETCH(QString, target);
        QFETCH(QString, written);
        QFETCH(QString, refusal);
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
        const QFileInfo before(path(target));

        QString reason;
        {
            AsNobody person(m_dir.path(), 0777);
            try {
                FileReplacement::replace(path(target), QByteArray("new"));
            } catch (const FileReplacement::Failure &failure) {
                reason = failure.reason();
                QVERIFY(QString::fromUtf8(failure.what()).startsWith(QStringLiteral("Cannot write ") + path(target) + QStringLiteral(": ")));
            }
        }
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
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, FileReplacement::replace(path(QStringLiteral("old.pdf")), [](const QString &newFile) {
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
