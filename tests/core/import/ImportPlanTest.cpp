#include "core/shell/CalendarMonths.h"
#include "core/entry/DayEntries.h"
#include "core/import/ImportPlan.h"
#include "tests/support/MemoryDayEntries.h"
#include "tests/support/TestMain.h"

#include <QHash>
#include <QTest>

namespace {

using Entries = MemoryDayEntries;

ImportedDate date(int month, int day, ImportedDate::Kind kind, const QString &name, std::optional<int> year = std::nullopt)
{
    return {month, day, kind, name, year};
}

// A day's text, dates of April 15 imported into it, and the day's text afterwards.
struct YearCase {
    const char *row;
    QString before;
    QList<ImportedDate> dates;
    QString after;
};

ImportedDate on15April(ImportedDate::Kind kind, const QString &name, std::optional<int> year = std::nullopt)
{
    return date(4, 15, kind, name, year);
}

} // namespace

// How imported dates go into the calendar: appended to what a day holds, never twice.
class ImportPlanTest : public QObject
{
    Q_OBJECT

private slots:
    void mergesWithoutLosingOrRepeating()
    {
        Entries entries;
        entries.texts.insert(QStringLiteral("txtApr12"), QStringLiteral("Mary Birthday"));
        entries.texts.insert(QStringLiteral("txtMay0"), QStringLiteral("Picnic"));
        ImportedDates imported;
        imported.dates = {
            date(4, 13, ImportedDate::Kind::Birthday, QStringLiteral("Mary")),          // there already
            date(5, 1, ImportedDate::Kind::Anniversary, QStringLiteral("Ann\tand\nBob")), // appended, cleaned
            date(2, 29, ImportedDate::Kind::Birthday, QStringLiteral("Leap")),           // stays Feb 29
            date(7, 4, ImportedDate::Kind::Event, QStringLiteral("Family Reunion")),
            date(7, 4, ImportedDate::Kind::Birthday, QStringLiteral("Uncle Sam")),        // same day, same import
            date(2, 30, ImportedDate::Kind::Birthday, QStringLiteral("Nobody")),          // no such day
        };
        imported.skipped = {QStringLiteral("card 7 (Zed): no birthday or anniversary")};

        const ImportPlan plan = ImportPlan::make(entries, imported);
        QCOMPARE(plan.changes().size(), 3);
        QCOMPARE(plan.daysWithText(), 1);
        QVERIFY2(plan.summary().startsWith(QStringLiteral("4 new entries on 3 days, 1 of which already")), qPrintable(plan.summary()));
        QVERIFY(plan.summary().contains(QStringLiteral("card 7 (Zed)")));
        QVERIFY(plan.summary().contains(QStringLiteral("Nobody Birthday: no such day")));
        QCOMPARE(entries.writes, 0); // nothing is written before it is applied

        plan.apply(entries);
        QCOMPARE(entries.texts.value(QStringLiteral("txtApr12")), QStringLiteral("Mary Birthday"));
        QCOMPARE(entries.texts.value(QStringLiteral("txtMay0")), QStringLiteral("Picnic; Ann and Bob Anniversary"));
        QCOMPARE(entries.texts.value(QStringLiteral("txtFeb28")), QStringLiteral("Leap Birthday"));
        QCOMPARE(entries.texts.value(QStringLiteral("txtJuly3")), QStringLiteral("Family Reunion; Uncle Sam Birthday"));
        QCOMPARE(entries.writes, 3);

        // The same file again changes nothing.
        const ImportPlan again = ImportPlan::make(entries, imported);
        QVERIFY(again.isEmpty());
        QVERIFY(again.summary().startsWith(QStringLiteral("Nothing new to add")));
    }

    // A year comes in with its date, and never doubles a part: a part without the year
    // takes it, one with the same year is left, one without after one with adds nothing.
    void yearsComeInWithoutDoubling()
    {
        using Kind = ImportedDate::Kind;
        const QList<YearCase> cases = {
            {"the part without the year takes it", "Call Oma; Mom Birthday", {on15April(Kind::Birthday, "Mom", 1956)},
             "Call Oma; Mom Birthday (1956)"},
            {"the same year is left", "Mom Birthday (1956)", {on15April(Kind::Birthday, "Mom", 1956)}, "Mom Birthday (1956)"},
            {"the same year written closer", "Mom Birthday(1956)", {on15April(Kind::Birthday, "Mom", 1956)},
             "Mom Birthday(1956)"},
            {"no year after one with", "Mom Birthday (1956)", {on15April(Kind::Birthday, "Mom")}, "Mom Birthday (1956)"},
            {"another year is another part", "Mom Birthday (1956)", {on15April(Kind::Birthday, "Mom", 1957)},
             "Mom Birthday (1956); Mom Birthday (1957)"},
            {"an empty day", "", {on15April(Kind::Anniversary, "Ann & Tom", 2002)}, "Ann & Tom Anniversary (2002)"},
            {"a year the calendar does not count", "", {on15April(Kind::Birthday, "Old", 1750)}, "Old Birthday"},
            {"titles with and without their year", "",
             {on15April(Kind::Event, "Mom (1956)", 1956), on15April(Kind::Event, "Reunion", 2015)}, "Mom (1956); Reunion (2015)"},
            {"an exported entry part by part", "Call Oma; Mom", {on15April(Kind::Entry, "Mom (1956); Dad (1950)", 2000)},
             "Call Oma; Mom (1956); Dad (1950)"},
            {"an exported entry held whole", "Mom (1956); Mom (1956)", {on15April(Kind::Entry, "Mom (1956); Mom (1956)")},
             "Mom (1956); Mom (1956)"},
            {"an exported entry on blanks, exactly", "  ", {on15April(Kind::Entry, "Mom (1956); Mom (1956)")},
             "Mom (1956); Mom (1956)"},
        };
        for (const YearCase &yearCase : cases) {
            Entries entries;
            entries.texts.insert(QStringLiteral("txtApr14"), yearCase.before);
            ImportedDates imported;
            imported.dates = yearCase.dates;
            ImportPlan::make(entries, imported).apply(entries);
            QVERIFY2(entries.texts.value(QStringLiteral("txtApr14")) == yearCase.after,
                     qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(yearCase.row), entries.texts.value(QStringLiteral("txtApr14")))));
        }

        // The confirmation tells new entries from years given to entries already there.
        Entries entries;
        entries.texts.insert(QStringLiteral("txtApr14"), QStringLiteral("Mom Birthday; Dad Birthday"));
        ImportedDates imported;
        imported.dates = {on15April(Kind::Birthday, "Mom", 1956), on15April(Kind::Birthday, "Dad", 1950)};
        QCOMPARE(ImportPlan::make(entries, imported).summary(),
                 QStringLiteral("Entries already in the calendar that get their year: 2."));
        imported.dates.append(date(5, 1, Kind::Birthday, QStringLiteral("Eva"), 1990));
        QCOMPARE(ImportPlan::make(entries, imported).summary(),
                 QStringLiteral("1 new entries on 1 days, 0 of which already hold text (the new text goes after it). "
                                "Entries already in the calendar that get their year: 2."));
    }

    // No day's text grows past what a calendar day can show: what would, is left out and
    // named in the confirmation.
    void leavesOutWhatWouldMakeADayTooLong()
    {
        Entries entries;
        entries.texts.insert(QStringLiteral("txtMar2"), QString(ImportPlan::longestDayText - 20, u'x'));
        ImportedDates imported;
        imported.dates = {date(3, 3, ImportedDate::Kind::Birthday, QStringLiteral("Al")),        // 11 + 2 more: fits
                          date(3, 3, ImportedDate::Kind::Birthday, QStringLiteral("Bartholomew")), // would not
                          date(3, 4, ImportedDate::Kind::Birthday, QStringLiteral("Cy"))};
        const ImportPlan plan = ImportPlan::make(entries, imported);
        QVERIFY2(plan.summary().startsWith(QStringLiteral("2 new entries on 2 days, 1 of which already hold text")),
                 qPrintable(plan.summary()));
        QVERIFY2(plan.summary().contains(QStringLiteral("Left out, as the day's text would be over 4,000 characters (1):\n"
                                                        "March 3: Bartholomew Birthday")),
                 qPrintable(plan.summary()));
        plan.apply(entries);
        QCOMPARE(entries.texts.value(QStringLiteral("txtMar2")).size(), ImportPlan::longestDayText - 20 + 13);

        QCOMPARE(ImportPlan::make(entries, ImportedDates{}).summary(), QStringLiteral("No dates found."));
    }

    // An entry of the program's own export goes back whole, however long; a text from
    // another file over the day's limit is left out and quoted by its start only. Control
    // characters go into no day, and the summary says they were left out.
    void ownEntriesGoBackWholeAndControlsAreLeftOut()
    {
        Entries entries;
        entries.texts.insert(QStringLiteral("txtMay4"), QStringLiteral("Picnic"));
        const QString longEntry = QStringLiteral("Oma's story ") + QString(10199 - 12, u'x');
        const QString longName = QString(ImportPlan::longestDayText, u'N');
        ImportedDates imported;
        imported.dates = {date(1, 1, ImportedDate::Kind::Entry, longEntry),
                          date(5, 5, ImportedDate::Kind::Entry, QStringLiteral("Bell\a and \x1b escape\r\n\tnext")),
                          date(6, 1, ImportedDate::Kind::Birthday, longName),
                          date(6, 2, ImportedDate::Kind::Event, QStringLiteral("Ann")),
                          date(6, 3, ImportedDate::Kind::Event, QStringLiteral("Bob"))};
        imported.dates[3].controlsDropped = true; // the reader left them out of the name
        const ImportPlan plan = ImportPlan::make(entries, imported);
        const QString summary = plan.summary();
        QVERIFY2(summary.startsWith(QStringLiteral("4 new entries on 4 days, 1 of which already hold text (the new text "
                                                   "goes after it). Control characters (invisible codes) were left out "
                                                   "of 2 of them.")),
                 qPrintable(summary));
        QVERIFY2(summary.contains(QStringLiteral("(1):\nJune 1: ") + QString(200, u'N') + QChar(u'\u2026')),
                 qPrintable(summary));
        QVERIFY(summary.size() < 800);
        plan.apply(entries);
        QCOMPARE(entries.texts.value(QStringLiteral("txtJan0")), longEntry);
        QCOMPARE(entries.texts.value(QStringLiteral("txtMay4")), QStringLiteral("Picnic; Bell and  escape\r\n\tnext"));
        QCOMPARE(entries.texts.value(QStringLiteral("txtJune0")), QString());
    }
};

DAYBLOOM_TEST_MAIN(ImportPlanTest)
#include "ImportPlanTest.moc"
