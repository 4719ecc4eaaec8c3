#include "core/entry/EntryYears.h"
#include "core/entry/Milestones.h"
#include "core/wordgen/YearEdition.h"
#include "tests/support/MemoryDayEntries.h"
#include "tests/support/TestMain.h"

#include <QTest>

// The rules of a calendar for one year: which years count, what they count to, which
// counts are milestones, the weekdays, and February 29.
class YearEditionTest : public QObject
{
    Q_OBJECT

private slots:
    void countsYearsAtTheEndOfAPart_data();
    void countsYearsAtTheEndOfAPart();
    void anniversariesAreToldInEveryLanguage_data();
    void anniversariesAreToldInEveryLanguage();
    void milestonesAreNamed_data();
    void milestonesAreNamed();
    void daysCarryTheirWeekday_data();
    void daysCarryTheirWeekday();
    void leapDayGoesToTheTwentyEighthInACommonYear();
    void tooltipSaysWhatTheYearMakesOfIt();
};

namespace {

// The runs' text, with a milestone's words in [brackets].
QString shown(const TextRuns &runs)
{
    QString text;
    for (const TextRun &run : runs)
        text += run.characterStyle.isEmpty() ? run.text : QStringLiteral("[%1]").arg(run.text);
    return text;
}

} // namespace

void YearEditionTest::countsYearsAtTheEndOfAPart_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("printed");
    QTest::newRow("counted") << 2027 << "Mom Birthday (1956)" << "Mom Birthday (71)";
    QTest::newRow("no blank before the year") << 2027 << "Mom Birthday(1956)" << "Mom Birthday (71)";
    QTest::newRow("each part") << 2027 << "Mom Birthday (1956); Picnic; Tim Birthday (2020)"
                               << "Mom Birthday (71); Picnic; Tim Birthday (7)";
    QTest::newRow("a year after the edition's, as typed") << 2027 << "Baby Birthday (2028)" << "Baby Birthday (2028)";
    QTest::newRow("the edition's own year, as typed") << 2027 << "Baby Birthday (2027)" << "Baby Birthday (2027)";
    QTest::newRow("before 1800, as typed") << 2027 << "Founding (1776)" << "Founding (1776)";
    QTest::newRow("1800 counts") << 2027 << "Old Oak (1800)" << "Old Oak ([227th birthday])";
    QTest::newRow("a year inside a part, as typed") << 2027 << "Class of (1990) reunion" << "Class of (1990) reunion";
    QTest::newRow("five digits, as typed") << 2027 << "Odd (19560)" << "Odd (19560)";
    QTest::newRow("round birthday") << 2027 << "Mom Birthday (1957)" << "Mom Birthday ([70th birthday])";
    QTest::newRow("every birthday after 100") << 2027 << "Great-Gran Birthday (1926)"
                                              << "Great-Gran Birthday ([101st birthday])";
    QTest::newRow("silver wedding") << 2027 << "Ann & Tom Anniversary (2002)" << "Ann & Tom Anniversary ([25 · silver wedding])";
    QTest::newRow("an anniversary of no milestone") << 2027 << "Ann & Tom Anniversary (2003)" << "Ann & Tom Anniversary (24)";
    QTest::newRow("25 is no birthday milestone") << 2027 << "Sue Birthday (2002)" << "Sue Birthday (25)";
    QTest::newRow("control characters become blanks") << 2027 << "Mom\tBirthday (1956)" << "Mom Birthday (71)";
}

void YearEditionTest::countsYearsAtTheEndOfAPart()
{
    QFETCH(int, year);
    QFETCH(QString, entry);
    QFETCH(QString, printed);
    QCOMPARE(shown(YearEdition(year, QLocale(QLocale::English, QLocale::UnitedStates)).printed(entry)), printed);
}

void YearEditionTest::anniversariesAreToldInEveryLanguage_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<bool>("anniversary");
    for (const char *part : {"Ann & Tom Anniversary", "Wedding of Ann and Tom", "Hochzeitstag Anna und Tom",
                             "Silberhochzeit", "Hochzeitsjahrestag", "Anniversaire de mariage de Anne",
                             "Noces de Anne", "Aniversario de Ana", "Boda de Ana", "Bodas de Ana",
                             "Anniversario di Anna", "Matrimonio di Anna", "Nozze di Anna", "Trouwdag Anna",
                             "Huwelijk Anna", "Jubileum Anna"})
        QTest::newRow(part) << QString::fromUtf8(part) << true;
    for (const char *part : {"Mom Birthday", "Anniversaire de Maman", "Geburtstag Mama", "Cumpleaños de Ana",
                             "Compleanno di Anna", "Verjaardag Anna", "Anna Boda Birthday", "Bodaway Reunion",
                             "Mom"})
        QTest::newRow(part) << QString::fromUtf8(part) << false;
}

void YearEditionTest::anniversariesAreToldInEveryLanguage()
{
    QFETCH(QString, part);
    QFETCH(bool, anniversary);
    QCOMPARE(EntryYears::occasionOf(part) == EntryYears::Occasion::Anniversary, anniversary);
}

void YearEditionTest::milestonesAreNamed_data()
{
    QTest::addColumn<bool>("anniversary");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("name");
    const QList<std::pair<int, QString>> birthdays{{17, ""}, {18, "18th birthday"}, {30, "30th birthday"},
                                                   {75, "75th birthday"}, {99, ""}, {100, "100th birthday"},
                                                   {102, "102nd birthday"}, {103, "103rd birthday"},
                                                   {111, "111th birthday"}, {121, "121st birthday"}};
    for (const auto &[count, name] : birthdays)
        QTest::addRow("birthday %d", count) << false << count << name;
    const QList<std::pair<int, QString>> anniversaries{{1, "1st anniversary"}, {2, ""}, {5, "5th anniversary"},
                                                       {20, "20th anniversary"}, {30, "30 · pearl wedding"},
                                                       {40, "40 · ruby wedding"}, {50, "50 · golden wedding"},
                                                       {60, "60 · diamond wedding"}, {65, "65th anniversary"},
                                                       {70, "70th anniversary"}, {75, ""}, {101, ""}};
    for (const auto &[count, name] : anniversaries)
        QTest::addRow("anniversary %d", count) << true << count << name;
}

void YearEditionTest::milestonesAreNamed()
{
    QFETCH(bool, anniversary);
    QFETCH(int, count);
    QFETCH(QString, name);
    const auto occasion = anniversary ? EntryYears::Occasion::Anniversary : EntryYears::Occasion::Birthday;
    QCOMPARE(Milestones::name(occasion, count), name);
    QCOMPARE(Milestones::isMilestone(occasion, count), !name.isEmpty());
}

void YearEditionTest::daysCarryTheirWeekday_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("day");
    QTest::addColumn<bool>("weekend");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("January 15, 2027 is a Friday") << english << 2027 << 0 << 14 << "January 2027" << "15 Fri" << false;
    QTest::newRow("January 16, 2027 is a Saturday") << english << 2027 << 0 << 15 << "January 2027" << "16 Sat" << true;
    QTest::newRow("February 29, 2028 is a Tuesday") << english << 2028 << 1 << 28 << "February 2028" << "29 Tue" << false;
    QTest::newRow("no February 29 in 2027") << english << 2027 << 1 << 28 << "February 2027" << "" << false;
    QTest::newRow("no February 29 in 2100") << english << 2100 << 1 << 28 << "February 2100" << "" << false;
    QTest::newRow("February 29, 2000") << english << 2000 << 1 << 28 << "February 2000" << "29 Tue" << false;
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << 2027 << 2 << 6 << "März 2027" << "7 So." << true;
    QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << 2027 << 0 << 0 << "Janvier 2027" << "1 ven." << false;
}

void YearEditionTest::daysCarryTheirWeekday()
{
    QFETCH(QLocale, locale);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, index);
    const YearEdition edition(year, locale);
    QTEST(edition.heading(month), "heading");
    QTEST(edition.dayCell(month, index), "day");
    QTEST(edition.isWeekend(month, index), "weekend");
}

void YearEditionTest::leapDayGoesToTheTwentyEighthInACommonYear()
{
    MemoryDayEntries entries;
    entries.setEntryText(1, 27, QStringLiteral("Ann Birthday (1990)"));
    entries.setEntryText(1, 28, QStringLiteral("Tim Birthday (2008)"));
    const YearEdition common(2027, QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(shown(common.entryCell(entries, 1, 27)), QStringLiteral("Ann Birthday (37); Feb 29: Tim Birthday (19)"));
    QVERIFY(common.entryCell(entries, 1, 28).isEmpty());
    const YearEdition leap(2028, QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(shown(leap.entryCell(entries, 1, 27)), QStringLiteral("Ann Birthday (38)"));
    QCOMPARE(shown(leap.entryCell(entries, 1, 28)), QStringLiteral("Tim Birthday (20)"));
    entries.setEntryText(1, 27, QString());
    QCOMPARE(shown(common.entryCell(entries, 1, 27)), QStringLiteral("Feb 29: Tim Birthday (19)"));
}

void YearEditionTest::tooltipSaysWhatTheYearMakesOfIt()
{
    QCOMPARE(EntryYears::describedIn(QStringLiteral("Mom Birthday (1956)"), 2027), QStringLiteral("71 in 2027"));
    QCOMPARE(EntryYears::describedIn(QStringLiteral("Mom Birthday (1956); Ann & Tom Anniversary (2002)"), 2027),
             QStringLiteral("Mom Birthday: 71 in 2027\nAnn & Tom Anniversary: 25 in 2027"));
    QCOMPARE(EntryYears::describedIn(QStringLiteral("Picnic; Baby (2030)"), 2027), QString());
}

DAYBLOOM_TEST_MAIN(YearEditionTest)
#include "YearEditionTest.moc"
