#include "windows/import/DateExporter.h"
#include "core/shell/CalendarEntryStore.h"
#include "tests/support/FileReaders.h"
#include "tests/support/MemoryDayEntries.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/RefusedTargets.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Ctrl+E writes the file the person chose, replaces one only with their word, and says
// what came of it.
class DateExporterTest : public QObject
{
    Q_OBJECT

private slots:
    void replacesAFileOnlyWhenTheyAgree_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<bool>("agree");
        QTest::addColumn<QString>("told");
        QTest::addColumn<bool>("written");
        QTest::newRow("cancelled") << QString() << false << false << QString() << false;
        QTest::newRow("new file") << QStringLiteral("family.csv") << false << false << QStringLiteral("1 day") << true;
        QTest::newRow("kept") << QStringLiteral("family.csv") << true << false << QString() << false;
        QTest::newRow("replaced") << QStringLiteral("family.csv") << true << true << QStringLiteral("1 day") << true;
        QTest::newRow("refused") << QStringLiteral("family.txt") << false << false << QStringLiteral("known suffix") << false;
    }

    void replacesAFileOnlyWhenTheyAgree()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, existing);
        QFETCH(bool, agree);
        QFETCH(QString, told);
        QFETCH(bool, written);
        QTemporaryDir folder;
        const QString target = chosen.isEmpty() ? QString() : folder.filePath(chosen);
        if (existing) {
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("mine") == 4);
            ScriptedMessages::queueAnswer(agree ? MessagePresenter::Answer::Yes : MessagePresenter::Answer::No);
        }
        const MemoryDayEntries entries = leapDay();

        DateExporter(entries, [&] { return target; }).exportDates();

        const QList<ScriptedMessages::Record> shown = ScriptedMessages::takeRecords();
        QCOMPARE(shown.size(), int(existing) + int(!told.isEmpty()));
        if (!told.isEmpty())
            QVERIFY2(shown.last().text.contains(told), qPrintable(shown.last().text));
        QCOMPARE(fileContent(target).contains("2,29,Leap Day"), written);
    }

    // Ctrl+E refuses each special target with one plain message before asking anything.
    void refusedBeforeAnything_data()
    {
        QTest::addColumn<QString>("special");
        for (const QString &special : RefusedTargets::names())
            QTest::newRow(qPrintable(special)) << special;
    }

    void refusedBeforeAnything()
    {
        QFETCH(QString, special);
        const QTemporaryDir folder(QDir::homePath() + QStringLiteral("/targets-XXXXXX"));
        const RefusedTargets targets(folder.path(), CalendarEntryStore::fileName(), QStringLiteral("csv"));
        {
            AsNobody person(folder.path(), 0777);
            DateExporter(leapDay(), [&] { return targets.target(special); }).exportDates();
        }
        const QList<ScriptedMessages::Record> shown = ScriptedMessages::takeRecords();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(targets.isRefusal(special, shown.at(0).text), qPrintable(shown.at(0).text));
        QCOMPARE(targets.changes(), QStringList());
    }

private:
    static MemoryDayEntries leapDay()
    {
        MemoryDayEntries entries;
        entries.texts.insert(QStringLiteral("txtFeb28"), QStringLiteral("Leap Day"));
        return entries;
    }
};

DAYBLOOM_TEST_MAIN(DateExporterTest)
#include "DateExporterTest.moc"
