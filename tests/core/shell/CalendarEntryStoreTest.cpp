#include "core/shell/CalendarEntryStore.h"
#include "core/shell/LenientIniReader.h"
#include "tests/support/SettingsFile.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QStringDecoder>
#include <QTest>

namespace {


// written: "--write", a key and a text, for an entry the other process writes first.
QStringList readInOtherProcess(const QStringList &keys, const QStringList &written = {})
{
    QProcess probe;
    probe.start(QStringLiteral(ENTRY_STORE_PROBE), written + keys);
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        return {};
    QStringList values;
    for (const QByteArray &line : probe.readAllStandardOutput().split('\n').mid(0, keys.size())) {
        // A byte-order mark that starts a value is part of it.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        values << utf8.decode(QByteArray::fromHex(line));
    }
    return values;
}

} // namespace

class CalendarEntryStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void valuesReachTheFileVerbatim()
    {
        const QStringList values{
            QStringLiteral("  leading and trailing  "), QStringLiteral("   "), QString(),
            QStringLiteral("\"quoted\" and 'single'"), QStringLiteral("a;b=c#d ; e = f # g"),
            QStringLiteral("back\\slash \\n \\\\ end\\"), QStringLiteral("comma, list, like"),
            QStringLiteral("@Variant(x) @@ [Section] %20"), QStringLiteral("Zoë Ünal – 生日 🎂"),
            QStringLiteral("@at"), QStringLiteral("\t\n\r\a\x01") + QStringLiteral("2b \x7f\u00a0 end "),
            QStringLiteral("\ufeffbyte-order mark first"), QStringLiteral("\"\ufeff after a quote"),
        };
        CalendarEntryStore store;
        QStringList keys;
        for (int i = 0; i < values.size(); ++i) {
            keys << QStringLiteral("txtMar%1").arg(i);
            QVERIFY(store.write(keys.last(), values[i]).saved);
        }
        QCOMPARE(readInOtherProcess(keys), values);
        // ... and stay so when another run writes another day.
        QCOMPARE(readInOtherProcess(keys, {QStringLiteral("--write"), QStringLiteral("txtApr0"), QStringLiteral("x")}), values);
        // The lenient reader decodes the file's lines as QSettings wrote them.
        const QMap<QString, QString> lines = LenientIniReader::entries(settingsFileBytes(), settingsSection);
        QStringList decoded;
        for (const QString &key : keys)
            decoded << lines.value(key, QStringLiteral("absent"));
        QCOMPARE(decoded, values);
        // So the next start finds nothing to rescue, and keeps each value as it is.
        QVERIFY(store.readsCleanly());

        // The published layout: the file, the group, the key names.
        QCOMPARE(CalendarEntryStore::fileName(), qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Quillmoor.ini"));
        QSettings independent(CalendarEntryStore::fileName(), QSettings::IniFormat);
        QCOMPARE(independent.childGroups(),
                 QStringList{settingsSection});
        independent.beginGroup(independent.childGroups().value(0));
        QCOMPARE(independent.value(QStringLiteral("txtMar2"), QStringLiteral("absent")).toString(), QString());
    }

    // Values written by hand are the text of their lines; where the next write would put
    // back something else (a list QSettings makes of "a ,b", bytes that are not UTF-8), the
    // file does not read cleanly.
    void handEditedValuesAreTheTextOfTheirLines()
    {
        QFile::remove(CalendarEntryStore::fileName());
        QFile file(CalendarEntryStore::fileName());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(settingsSectionHeading) + "txtFeb1=Mom, Dad Birthday\n"
                   "txtFeb3=@Rect(1 2 3 4)\n"
                   "txtFeb4=\"quoted, one text\"\n");
        file.close();
        const CalendarEntryStore store;
        QCOMPARE(store.read(QStringLiteral("txtFeb1")), QStringLiteral("Mom, Dad Birthday"));
        QCOMPARE(store.read(QStringLiteral("txtFeb3")), QStringLiteral("@Rect(1 2 3 4)"));
        QCOMPARE(store.read(QStringLiteral("txtFeb4")), QStringLiteral("quoted, one text"));
        QVERIFY(store.readsCleanly());

        for (const auto &[line, meant] : {std::pair{"txtFeb2=  a ,b,  c  \n", "a ,b,  c"},
                                          std::pair{"txtFeb2=Tom,Ann Birthday\n", "Tom,Ann Birthday"},
                                          std::pair{"txtFeb2=Jos\xe9 caf\xe9 \x93Zo\x92s\x94\n",
                                                    "Jos\u00e9 caf\u00e9 \u201cZo\u2019s\u201d"}}) {
            QVERIFY(file.open(QIODevice::Append));
            file.write(line);
            file.close();
            QCOMPARE(store.read(QStringLiteral("txtFeb2")), QString::fromUtf8(meant));
            QVERIFY2(!store.readsCleanly(), line);
        }
    }

    // QSettings reads only the last line of a day written twice: the next write would drop
    // the others, so such a file does not read cleanly. A key of another section does not
    // count.
    void repeatedLinesDoNotReadCleanly_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<bool>("clean");
        const QByteArray heading(settingsSectionHeading);
        QTest::newRow("the section twice") << heading + "txtJan0=First\n[Options]\nPaperSize=A4\n" + heading + "txtJan0=Second\n" << false;
        QTest::newRow("a key twice") << heading + "txtJan0=First\ntxtJan1=x\ntxtJan0=Second\n" << false;
        QTest::newRow("the section twice, other days") << heading + "txtJan1=x\n" + heading + "txtJan0=Second\n" << false;
        QTest::newRow("the key in another section") << "[Other]\ntxtJan0=First\n" + heading + "txtJan0=Second\n" << true;
    }

    void repeatedLinesDoNotReadCleanly()
    {
        QFETCH(QByteArray, lines);
        QFETCH(bool, clean);
        QFile file(CalendarEntryStore::fileName());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lines);
        file.close();
        const CalendarEntryStore store;
        QCOMPARE(store.readsCleanly(), clean);
        QCOMPARE(store.read(QStringLiteral("txtJan0")), QStringLiteral("Second"));
    }

    void refusedWriteIsReportedAndALaterWriteSucceeds()
    {
        CalendarEntryStore store;
        QFile::remove(CalendarEntryStore::fileName());
        QVERIFY(QDir().mkpath(CalendarEntryStore::fileName()));
        const CalendarEntryStore::WriteResult refused = store.write(QStringLiteral("txtJan0"), QStringLiteral("A"));
        QVERIFY(!refused.saved);
        QVERIFY2(refused.problem.contains(CalendarEntryStore::fileName()), qPrintable(refused.problem));

        QVERIFY(QDir(CalendarEntryStore::fileName()).removeRecursively());
        QVERIFY(store.write(QStringLiteral("txtJan0"), QStringLiteral("AB")).saved);
        QCOMPARE(readInOtherProcess({QStringLiteral("txtJan0")}), QStringList{QStringLiteral("AB")});
    }
};

DAYBLOOM_TEST_MAIN(CalendarEntryStoreTest)
#include "CalendarEntryStoreTest.moc"
