#include "core/import/DateFileReader.h"
#include "core/import/DatesExport.h"
#include "core/import/ImportPlan.h"
#include "core/shell/CalendarEntryStore.h"
#include "tests/support/FileReaders.h"
#include "tests/support/MemoryDayEntries.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

namespace {

// Texts a calendar file or a spreadsheet row can easily get wrong, by settings key.
const QHash<QString, QString> awkwardEntries = {
    {QStringLiteral("txtJan0"), QStringLiteral("New Year; Brunch, at Oma's")},
    {QStringLiteral("txtFeb28"), QStringLiteral("Leap Day \"Zo\u00eb\" \U0001F438")},
    {QStringLiteral("txtMar0"), QStringLiteral("Line one\nline two")},
    {QStringLiteral("txtApr12"), QString(30, QChar(u'x')) + QStringLiteral("\U0001F382").repeated(30)},
    {QStringLiteral("txtMay4"), QStringLiteral("\u05D9\u05D5\u05DD \u05D4\u05D5\u05DC\u05D3\u05EA \u200F(Dad)")},
    {QStringLiteral("txtJune29"), QStringLiteral("C:\\Temp\\Photos, 2025; done")},
    {QStringLiteral("txtJuly3"), QStringLiteral("two  blanks,\tand a tab")},
    {QStringLiteral("txtDec30"), QStringLiteral("Silvester, \"Party\"; 23:59")},
};

// Entries that break a careless writer or reader, by settings key: blanks and line breaks
// at the ends, spreadsheet formulas, the apostrophe that guards them, more text than a day
// of another file may bring.
const QHash<QString, QString> hostileEntries = {
    {QStringLiteral("txtJan0"), QStringLiteral("  Oma  ")},
    {QStringLiteral("txtJan1"), QStringLiteral("\r\nstarts with CR LF")},
    {QStringLiteral("txtJan2"), QStringLiteral("line\r\nline\r\n")},
    {QStringLiteral("txtJan3"), QStringLiteral("\rlone CR\nlone LF\n")},
    {QStringLiteral("txtJan4"), QStringLiteral("\ttabs\tinside\t")},
    {QStringLiteral("txtJan5"), QStringLiteral("a, b; \"c\" C:\\x\\ \\n \\, \U0001F382")},
    {QStringLiteral("txtJan6"), QStringLiteral("=HYPERLINK(\"http://evil.example/?x\",\"click\")")},
    {QStringLiteral("txtJan7"), QStringLiteral("+1+cmd|' /C calc'!A0")},
    {QStringLiteral("txtJan8"), QStringLiteral("-2")},
    {QStringLiteral("txtJan9"), QStringLiteral("@SUM(1,2)")},
    {QStringLiteral("txtJan10"), QStringLiteral("\t=1")},
    {QStringLiteral("txtJan11"), QStringLiteral("\r=1")},
    {QStringLiteral("txtJan12"), QStringLiteral("'tis")},
    {QStringLiteral("txtJan13"), QStringLiteral("'=1")},
    {QStringLiteral("txtJan14"), QStringLiteral("''+2 ")},
    {QStringLiteral("txtJan15"), QStringLiteral("ab ").repeated(3399) + QStringLiteral("ab")},
    {QStringLiteral("txtJan16"), QStringLiteral(" \u00e9\U0001F438").repeated(3399) + QStringLiteral(" ")},
    {QStringLiteral("txtFeb28"), QStringLiteral("Leap day")},
};

// Entries with years, by settings key: two years and the text between them, February 29
// of a common year, a part repeated, blank parts around a year, a year too early to count.
const QHash<QString, QString> yearedEntries = {
    {QStringLiteral("txtApr14"), QStringLiteral("Mom Birthday (1956); Call Oma; Buy cake; Dad Birthday(1950) ")},
    {QStringLiteral("txtFeb28"), QStringLiteral("Leap Baby (1957)")},
    {QStringLiteral("txtJune17"), QStringLiteral("Ann & Tom Anniversary (2002); Ann & Tom Anniversary (2002)")},
    {QStringLiteral("txtJan0"), QStringLiteral("; Oma (1931); ")},
    {QStringLiteral("txtMar0"), QStringLiteral("Story (1799); Town (1800)")},
};

MemoryDayEntries awkwardCalendar()
{
    MemoryDayEntries entries;
    entries.texts = awkwardEntries;
    entries.texts.insert(QStringLiteral("txtNov10"), QStringLiteral("   ")); // blanks only: no date
    return entries;
}

QStringList matches(const QString &pattern, const QByteArray &text)
{
    QStringList found;
    for (const QRegularExpressionMatch &match : QRegularExpression(pattern).globalMatch(QString::fromUtf8(text)))
        found.append(match.captured(1));
    return found;
}

void setSettingsAge(const QDateTime &modified)
{
    const QString settings = CalendarEntryStore::fileName();
    QFile file(settings);
    QVERIFY(file.open(QIODevice::Append));
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

} // namespace

// The calendar's dates go out to calendar programs and spreadsheets and come back the same.
class DatesExportTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_folder.isValid()); }

    // Exported and imported into an empty calendar, every entry comes back exactly; imported
    // into the calendar it came from, it changes nothing.
    void roundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("iCalendar") << QStringLiteral("family.ics");
        QTest::newRow("CSV") << QStringLiteral("family.csv");
    }

    void roundTrip()
    {
        QFETCH(QString, name);
        const QString file = m_folder.filePath(name);
        MemoryDayEntries calendar = awkwardCalendar();
        QCOMPARE(DatesExport::write(calendar, file), int(awkwardEntries.size()));

        bool ambiguous = true;
        const ImportedDates read = DateFileReader::read(file, SlashOrder::Ask, &ambiguous);
        QCOMPARE(read.skipped, QStringList());
        QVERIFY(!ambiguous);
        MemoryDayEntries empty;
        ImportPlan::make(empty, read).apply(empty);
        QCOMPARE(empty.texts, awkwardEntries);
        QVERIFY(ImportPlan::make(calendar, read).isEmpty());
    }

    // A part with a year goes out as an event of its own starting in that year, or as a
    // row with the year in its Year column, and every day comes back exactly.
    void yearsGoOutWithTheirParts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("iCalendar") << QStringLiteral("years.ics")
                                   << QStringLiteral("import sys\n"
                                                     "from icalendar import Calendar\n"
                                                     "events = Calendar.from_ical(open(sys.argv[1], 'rb').read()).walk('VEVENT')\n"
                                                     "for event in events:\n"
                                                     "    print(event.decoded('DTSTART').isoformat() + '|' + str(event.get('SUMMARY')).strip())\n"
                                                     "print('UIDs unique:', len({str(event.get('UID')) for event in events}) == len(events))\n")
                                   << QStringList{"1931-01-01|; Oma (1931);", "1957-02-28|Leap Baby (1957)",
                                                  "2000-03-01|Story (1799)", "1800-03-01|Town (1800)",
                                                  "1956-04-15|Mom Birthday (1956)", "2000-04-15|Call Oma; Buy cake",
                                                  "1950-04-15|Dad Birthday(1950)", "2002-06-18|Ann & Tom Anniversary (2002)",
                                                  "2002-06-18|Ann & Tom Anniversary (2002)", "UIDs unique: True"};
        QTest::newRow("CSV") << QStringLiteral("years.csv")
                             << QStringLiteral("import csv, sys\n"
                                               "for row in csv.reader(open(sys.argv[1], encoding='utf-8-sig', newline='')):\n"
                                               "    print('|'.join(row))\n")
                             << QStringList{"Month|Day|Entry|Year", "1|1|; Oma (1931); |1931", "2|29|Leap Baby (1957)|1957",
                                            "3|1|Story (1799)|", "3|1|Town (1800)|1800", "4|15|Mom Birthday (1956)|1956",
                                            "4|15|Call Oma; Buy cake|", "4|15|Dad Birthday(1950) |1950",
                                            "6|18|Ann & Tom Anniversary (2002)|2002", "6|18|Ann & Tom Anniversary (2002)|2002"};
    }

    void yearsGoOutWithTheirParts()
    {
        QFETCH(QString, name);
        QFETCH(QString, script);
        QFETCH(QStringList, written);
        const QString file = m_folder.filePath(name);
        MemoryDayEntries calendar;
        calendar.texts = yearedEntries;
        QCOMPARE(DatesExport::write(calendar, file), int(yearedEntries.size()));
        QCOMPARE(readerOutput(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script, file}).split(u'\n', Qt::SkipEmptyParts),
                 written);

        const ImportedDates read = DateFileReader::read(file, SlashOrder::Ask, nullptr);
        QCOMPARE(read.skipped, QStringList());
        MemoryDayEntries empty;
        ImportPlan::make(empty, read).apply(empty);
        QCOMPARE(empty.texts, yearedEntries);
        QVERIFY(ImportPlan::make(calendar, read).isEmpty());
    }

    // Every hostile entry comes back exactly, but for the control characters, which no file
    // gets; a spreadsheet reading the file sees no formula.
    void hostileEntriesComeBackExactly_data() { roundTrip_data(); }

    void hostileEntriesComeBackExactly()
    {
        QFETCH(QString, name);
        const QString file = m_folder.filePath(name);
        MemoryDayEntries calendar;
        calendar.texts = hostileEntries;
        calendar.texts.insert(QStringLiteral("txtDec30"), QStringLiteral("bell\a, escape\x1b, delete\x7f, \x01"));
        QHash<QString, QString> expected = hostileEntries;
        expected.insert(QStringLiteral("txtDec30"), QStringLiteral("bell, escape, delete, "));
        DatesExport::write(calendar, file);
        const QByteArray bytes = fileContent(file);
        for (const char byte : bytes)
            QVERIFY2(byte == '\t' || byte == '\r' || byte == '\n' || (byte >= ' ' && byte != '\x7f') || byte < 0,
                     qPrintable(QStringLiteral("control byte %1 written").arg(int(byte))));

        const ImportedDates read = DateFileReader::read(file, SlashOrder::Ask, nullptr);
        MemoryDayEntries empty;
        ImportPlan::make(empty, read).apply(empty);
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QVERIFY2(empty.texts.value(it.key()) == it.value(), qPrintable(it.key()));
        QCOMPARE(empty.texts.size(), expected.size());

        if (name.endsWith(QLatin1String(".csv"))) {
            const QString script = QStringLiteral(
                "import csv, sys\n"
                "rows = list(csv.reader(open(sys.argv[1], encoding='utf-8-sig', newline='')))\n"
                "print(' '.join(row[2][:12] for row in rows[1:] if row[2][:1] in ('=', '+', '-', '@', '\\t', '\\r')) or 'ok')\n");
            QCOMPARE(readerOutput(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script, file}).trimmed(),
                     QStringLiteral("ok"));
        }
    }

    // A second reader of iCalendar files reads the same summaries, and February 29 comes
    // back on February 28 in a common year.
    void calendarProgramsReadEveryDay()
    {
        const QString file = m_folder.filePath(QStringLiteral("family.ics"));
        DatesExport::write(awkwardCalendar(), file);
        QJsonArray expected;
        for (auto it = awkwardEntries.cbegin(); it != awkwardEntries.cend(); ++it) {
            const QString key = it.key();
            // 2000 is a leap year: its days are the calendar's.
            const QDate day = QDate(2000, 1, 1).addDays(CalendarMonths::entryNames().indexOf(key));
            const QString in2027 = day == QDate(2000, 2, 29) ? QStringLiteral("02-28") : day.toString(QStringLiteral("MM-dd"));
            expected.append(QJsonArray{day.toString(QStringLiteral("MM-dd")), it.value(), in2027});
        }
        const QString expectedFile = m_folder.filePath(QStringLiteral("expected.json"));
        QFile json(expectedFile);
        QVERIFY(json.open(QIODevice::WriteOnly));
        json.write(QJsonDocument(expected).toJson());
        json.close();

        const QString script = QStringLiteral(R"(
import datetime, json, sys
from icalendar import Calendar
from dateutil.rrule import rrulestr
calendar = Calendar.from_ical(open(sys.argv[1], 'rb').read())
found = []
for event in calendar.walk('VEVENT'):
    start = event.decoded('DTSTART')
    rule = rrulestr(event.get('RRULE').to_ical().decode(), dtstart=datetime.datetime.combine(start, datetime.time()))
    in2027 = rule.between(datetime.datetime(2027, 1, 1), datetime.datetime(2027, 12, 31), inc=True)
    found.append([start.strftime('%m-%d'), str(event.get('SUMMARY')), ' '.join(d.strftime('%m-%d') for d in in2027)])
expected = json.load(open(sys.argv[2], encoding='utf-8'))
print('ok' if sorted(found) == sorted(expected) else
      json.dumps({'read': [e for e in found if e not in expected], 'expected': [e for e in expected if e not in found]}))
)");
        // The system's Python, which the Debian packages of both modules are for.
        QCOMPARE(readerOutput(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script, file, expectedFile}).trimmed(),
                 QStringLiteral("ok"));
    }

    // Exported again, the events keep their UIDs: an unchanged calendar gives the same
    // file, a changed one a higher sequence, so that a calendar program updates its events.
    void eventsKeepTheirIdentity()
    {
        const QString file = m_folder.filePath(QStringLiteral("family.ics"));
        const QDateTime lastWeek = QDateTime::currentDateTimeUtc().addDays(-7);
        setSettingsAge(lastWeek);
        DatesExport::write(awkwardCalendar(), file);
        const QByteArray first = fileContent(file);
        DatesExport::write(awkwardCalendar(), file);
        QCOMPARE(fileContent(file), first);

        setSettingsAge(lastWeek.addSecs(90));
        DatesExport::write(awkwardCalendar(), file);
        const QByteArray changed = fileContent(file);
        const QString uid = QStringLiteral("\r\nUID:([^\r]+)");
        QCOMPARE(matches(uid, changed), matches(uid, first));
        QCOMPARE(matches(uid, first).size(), awkwardEntries.size());
        const QString sequence = QStringLiteral("\r\nSEQUENCE:(\\d+)");
        QVERIFY(matches(sequence, changed).value(0).toLongLong() > matches(sequence, first).value(0).toLongLong());
    }

    // What cannot be written is refused with its cause, and a file that was there stays.
    void refusalsNameTheirCause_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("withEntries");
        QTest::addColumn<QString>("cause");
        QTest::newRow("unknown suffix") << QStringLiteral("family.txt") << true << QStringLiteral("known suffix");
        QTest::newRow("no entries") << QStringLiteral("family.ics") << false << QStringLiteral("no entries");
        QTest::newRow("folder in the way") << QStringLiteral("folder.csv") << true << QStringLiteral("folder of that name");
        QTest::newRow("missing folder") << QStringLiteral("missing/family.csv") << true << QStringLiteral("does not exist");
        QTest::newRow("read-only folder") << QStringLiteral("locked/family.csv") << true << QStringLiteral("it is read-only");
    }

    void refusalsNameTheirCause()
    {
        QFETCH(QString, target);
        QFETCH(bool, withEntries);
        QFETCH(QString, cause);
        QDir folder(m_folder.path());
        QVERIFY(folder.mkpath(QStringLiteral("folder.csv")) && folder.mkpath(QStringLiteral("locked")));
        const QString lockedFile = folder.filePath(QStringLiteral("locked/family.csv"));
        QFile old(lockedFile);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("last year") == 9);
        old.close();

        QString problem;
        {
            const ReadOnlyFolder locked(folder.filePath(QStringLiteral("locked")));
            try {
                DatesExport::write(withEntries ? awkwardCalendar() : MemoryDayEntries(), folder.filePath(target));
            } catch (const std::runtime_error &error) {
                problem = QString::fromUtf8(error.what());
            }
        }
        QVERIFY2(problem.contains(cause) && !problem.contains(u'\n'), qPrintable(problem));
        QCOMPARE(fileContent(lockedFile), QByteArray("last year"));
        QCOMPARE(QDir(folder.filePath(QStringLiteral("locked"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("family.csv")});
    }

private:
    QTemporaryDir m_folder;
};

DAYBLOOM_TEST_MAIN(DatesExportTest)
#include "DatesExportTest.moc"
