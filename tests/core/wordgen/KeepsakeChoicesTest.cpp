#include "core/entry/CalendarOptions.h"
#include "core/entry/PictureLibrary.h"
#include "core/entry/PicturePlaces.h"
#include "core/shell/CalendarEntryStore.h"
#include "core/wordgen/BuildPreflight.h"
#include "core/wordgen/CalendarDesigns.h"
#include "core/wordgen/CalendarLook.h"
#include "tests/support/MemoryDayEntries.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestPictures.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// The perpetual calendar of the design on A4, with the pictures kept in the library.
CalendarLook perpetualA4(const QString &design, const PictureLibrary &pictures)
{
    return {*CalendarDesigns::named(design), PaperSize::A4, std::nullopt, QString(),
            [&pictures](int place, const QSizeF &printed) { return pictures.path(place, printed); }};
}

} // namespace

// What the person chose for the printed calendar, read back with its defaults, and what is
// said before a build: pictures that would print blurry, months pushed past their page.
class KeepsakeChoicesTest : public QObject
{
    Q_OBJECT

private slots:
    void storedOptionsReadWithTheirDefaults_data();
    void storedOptionsReadWithTheirDefaults();
    void offeredYears_data();
    void offeredYears();
    void listsBlurryPictures();
    void listsCrowdedMonths_data();
    void listsCrowdedMonths();
};

void KeepsakeChoicesTest::storedOptionsReadWithTheirDefaults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("read"); // design, year ("" for every year) or cover title

    QTest::newRow("no design") << "Design" << "" << "classic";
    QTest::newRow("a design") << "Design" << "wall" << "wall";
    QTest::newRow("unknown design") << "Design" << "glitter" << "classic";
    QTest::newRow("design in other case") << "Design" << "Wall" << "classic";
    QTest::newRow("no year") << "Year" << "" << "";
    QTest::newRow("a year") << "Year" << "2027" << "2027";
    QTest::newRow("earliest year") << "Year" << "1800" << "1800";
    QTest::newRow("latest year") << "Year" << "9999" << "9999";
    QTest::newRow("year too early") << "Year" << "1799" << "";
    QTest::newRow("year too late") << "Year" << "10000" << "";
    QTest::newRow("year as words") << "Year" << "next" << "";
    QTest::newRow("no title") << "CoverTitle" << "" << "Our family's birthdays";
    QTest::newRow("blank title") << "CoverTitle" << "   " << "Our family's birthdays";
    QTest::newRow("own title") << "CoverTitle" << " The Millers " << "The Millers";
}

void KeepsakeChoicesTest::storedOptionsReadWithTheirDefaults()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, read);
    CalendarEntryStore store;
    QVERIFY(store.setOption(key, stored).saved);
    const CalendarOptions options(store, CalendarDesigns::names());
    if (key == QLatin1String("Design"))
        QCOMPARE(options.design(), read);
    else if (key == QLatin1String("Year"))
        QCOMPARE(options.year() ? QString::number(*options.year()) : QString(), read);
    else
        QCOMPARE(options.coverTitle(), read);
}

void KeepsakeChoicesTest::offeredYears_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QList<int>>("offered");

    QTest::newRow("new year's day") << QDate(2026, 1, 1) << QList<int>{2026, 2027, 2028, 2029};
    QTest::newRow("last of October") << QDate(2026, 10, 31) << QList<int>{2026, 2027, 2028, 2029};
    QTest::newRow("first of November") << QDate(2026, 11, 1) << QList<int>{2027, 2026, 2028, 2029};
    QTest::newRow("new year's eve") << QDate(2026, 12, 31) << QList<int>{2027, 2026, 2028, 2029};
}

void KeepsakeChoicesTest::offeredYears()
{
    QFETCH(QDate, today);
    QFETCH(QList<int>, offered);
    QCOMPARE(CalendarOptions::offeredYears(today), offered);
}

// A small picture prints soft in a design that shows it; a large one, or a design without
// pictures, says nothing.
void KeepsakeChoicesTest::listsBlurryPictures()
{
    QTemporaryDir folder;
    const QString small = folder.filePath(QStringLiteral("small.jpg"));
    const QString large = folder.filePath(QStringLiteral("large.jpg"));
    TestPictures::write(small, TestPictures::encoded(TestPictures::marked(800, 450), "JPG"));
    TestPictures::write(large, TestPictures::encoded(TestPictures::marked(3000, 3000), "JPG"));
    CalendarEntryStore store;
    PictureLibrary pictures(store);
    pictures.choose(1, small, CalendarDesigns::pictureShapes(1));
    pictures.choose(PicturePlaces::cover, large, CalendarDesigns::pictureShapes(PicturePlaces::cover));
    const MemoryDayEntries entries;

    const BuildPreflight::Findings wall = BuildPreflight::check(perpetualA4(QStringLiteral("wall"), pictures), entries);
    QCOMPARE(wall.softPictures.size(), 1);
    QCOMPARE(wall.softPictures.first().place, 1);
    // 800 pixels across the month's place of the A4 page.
    const double expected = 800 / (CalendarDesigns::named(QStringLiteral("wall"))->picturePlace(1, PaperSize::A4).width() / 25.4);
    QVERIFY2(qAbs(wall.softPictures.first().pixelsPerInch - expected) < 1, qPrintable(QString::number(wall.softPictures.first().pixelsPerInch)));
    QVERIFY(BuildPreflight::message(wall).contains(QStringLiteral("January: %1 pixels per inch").arg(int(expected))));

    const BuildPreflight::Findings classic = BuildPreflight::check(perpetualA4(CalendarDesigns::classicName, pictures), entries);
    QVERIFY(classic.isEmpty());
    QVERIFY(BuildPreflight::message(classic).isEmpty());
}

void KeepsakeChoicesTest::listsCrowdedMonths_data()
{
    QTest::addColumn<QStringList>("marchEntries"); // March 1, 2, … (classic on A4 has one line to spare)
    QTest::addColumn<bool>("crowded");

    const QString twoLines = QStringLiteral("Grandma Elisabeth Birthday and Grandpa Joe");
    QTest::newRow("one line a day") << QStringList(31, QStringLiteral("Mom Birthday")) << false;
    QTest::newRow("one day on two lines") << QStringList{twoLines} << false;
    QTest::newRow("two days on two lines") << QStringList{twoLines, twoLines} << true;
    QTest::newRow("a line break and a long day") << QStringList{QStringLiteral("Mom\nDad"), twoLines} << true;
    QTest::newRow("a word wider than the line")
        << QStringList{QStringLiteral("Grandmother").repeated(8)} << true;
}

void KeepsakeChoicesTest::listsCrowdedMonths()
{
    QFETCH(QStringList, marchEntries);
    QFETCH(bool, crowded);
    MemoryDayEntries entries;
    constexpr int march = 2;
    for (int index = 0; index < marchEntries.size(); ++index)
        entries.setEntryText(march, index, marchEntries.at(index));
    CalendarEntryStore store;
    const BuildPreflight::Findings findings =
        BuildPreflight::check(perpetualA4(CalendarDesigns::classicName, PictureLibrary(store)), entries);
    QCOMPARE(findings.crowdedMonths, crowded ? QList<int>{march} : QList<int>{});
    QCOMPARE(BuildPreflight::message(findings).contains(QStringLiteral("• March")), crowded);
}

DAYBLOOM_TEST_MAIN(KeepsakeChoicesTest)
#include "KeepsakeChoicesTest.moc"
