#include "core/shell/FileRoutines.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <stdexcept>

class FileRoutinesTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString &name) const { return m_dir->filePath(name); }

    void createFiles(const QStringList &names, const QByteArray &content = "x")
    {
        for (const QString &name : names) {
            QFile file(path(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
    }

    QByteArray content(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void fileExistsOnlyForExistingEntries()
    {
        createFiles({QStringLiteral("present.txt")});
        QVERIFY(FileExists(path(QStringLiteral("present.txt"))));
        QVERIFY(!FileExists(QString()));
        QVERIFY(!FileExists(path(QStringLiteral("missing.txt"))));
    }

    void deleteRemovesReadOnlyFilesAndNeverFolders()
    {
        createFiles({QStringLiteral("locked.doc"), QStringLiteral("kestrel11111111.doc"), QStringLiteral("other.doc")});
        QFile::setPermissions(path(QStringLiteral("locked.doc")), QFile::ReadOwner);
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("kestrel-folder.doc/inside")));

        DeleteFileRobust(path(QStringLiteral("locked.doc")));
        DeleteFileRobust(path(QStringLiteral("kestrel11111111.doc")));
        DeleteFileRobust(path(QStringLiteral("kestrel-folder.doc")));
        DeleteFileRobust(path(QStringLiteral("never-there.doc")));
        DeleteFileRobust(QString());

        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{QStringLiteral("kestrel-folder.doc"), QStringLiteral("other.doc")}));
        QVERIFY(QFileInfo(path(QStringLiteral("kestrel-folder.doc/inside"))).isDir());
        QCOMPARE(ScriptedMessages::recordCount(), 0);
    }

    void writeBytesWritesAtTheStartWithoutTruncating()
    {
        const QByteArray data("\xD0\xCF\x11\xE0\x00\x01template", 14);
        WriteBytesToFile(data, path(QStringLiteral("new.dot")));
        QCOMPARE(content(QStringLiteral("new.dot")), data);

        createFiles({QStringLiteral("long.dot")}, "0123456789");
        WriteBytesToFile("abc", path(QStringLiteral("long.dot")));
        QCOMPARE(content(QStringLiteral("long.dot")), QByteArray("abc3456789"));

        QVERIFY_THROWS_EXCEPTION(std::runtime_error, WriteBytesToFile("x", m_dir->path()));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, WriteBytesToFile("x", path(QStringLiteral("no-folder/file.dot"))));
    }
};

DAYBLOOM_TEST_MAIN(FileRoutinesTest)
#include "FileRoutinesTest.moc"
