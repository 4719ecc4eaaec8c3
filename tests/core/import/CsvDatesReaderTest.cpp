#include "core/import/CsvDatesReader.h"
#include "tests/support/DescribedDates.h"
#include "tests/support/TestMain.h"

#include <QTest>

namespace {

const QString noRows = QStringLiteral("the file holds no rows of names and dates");

} // namespace

class CsvDatesReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void readsFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QStringList>("skipped");

        QTest::newRow("contacts export")
            << QByteArray("\"First Name\",\"Last Name\",\"Company\",\"Birthday\",\"Anniversary\"\r\n"
                          "\"Anna\",\"Berg\",\"Berg, Lund & Co\",\"1985-04-13\",\"2010-06-20\"\r\n"
                          "\"Carl\",\"\"\"Charlie\"\" Dahl\",\"\",\"--02-29\",\"\"\r\n"
                          "\"Eva\",\"Ek\",\"\",\"\",\"2001-9-1\"\r\n")
            << QStringList{"birthday 04-13 1985 Anna Berg", "anniversary 06-20 2010 Anna Berg",
                           "birthday 02-29 Carl \"Charlie\" Dahl", "anniversary 09-01 2001 Eva Ek"}
            << QStringList{};
        QTest::newRow("given and family name, name column first")
            << QByteArray("Name,Given Name,Family Name,Birthday\n,Anna,Berg,1985-04-13\nPer Lund,Per,Lund,--12-01\n")
            << QStringList{"birthday 04-13 1985 Anna Berg", "birthday 12-01 Per Lund"} << QStringList{};
        QTest::newRow("spreadsheet with semicolons and a byte-order mark")
            << QByteArray("\xEF\xBB\xBF"
                          "1985-04-13;\"Berg, Anna, Dr.\";\"says \"\"hi\"\", often\"\n1970-12-01;Lund Per;\n")
            << QStringList{"birthday 04-13 1985 Berg, Anna, Dr.", "birthday 12-01 1970 Lund Per"} << QStringList{};
        QTest::newRow("no header: first date and first text column")
            << QByteArray("1,Anna Berg,555-1234,1985-04-13\n2,Per Lund,555-9876,1970-12-01\n")
            << QStringList{"birthday 04-13 1985 Anna Berg", "birthday 12-01 1970 Per Lund"} << QStringList{};
        QTest::newRow("header of other names")
            << QByteArray("Person,Born\nAnna Berg,1985-04-13\n") << QStringList{"birthday 04-13 1985 Anna Berg"}
            << QStringList{};
        QTest::newRow("month first, told by a day above 12")
            << QByteArray("Name,Birthday\nAnna,4/13/1985\nPer,12/1/1970\n")
            << QStringList{"birthday 04-13 1985 Anna", "birthday 12-01 1970 Per"} << QStringList{};
        QTest::newRow("day first, told by a day above 12")
            << QByteArray("Name,Birthday\nAnna,13/04/1985\nPer,01/12/1970\n")
            << QStringList{"birthday 04-13 1985 Anna", "birthday 12-01 1970 Per"} << QStringList{};
        QTest::newRow("dotted day first") << QByteArray("Name;Birthday\nAnna;13.04.1985\nPer;1.2.1970\n")
                                          << QStringList{"birthday 04-13 1985 Anna", "birthday 02-01 1970 Per"}
                                          << QStringList{};
        QTest::newRow("bad dates")
            << QByteArray("Name,Birthday\nA,2023-02-29\nB,1990-13-01\nC,31.04.1985\nD,2024-02-29\nE,--02-29\n"
                          "F,13/4/85\nG,soon\nH,1604-05-06\n")
            << QStringList{"birthday 02-29 2024 D", "birthday 02-29 E", "birthday 05-06 H"}
            << QStringList{"row 2: A: \"2023-02-29\" is not a real calendar day",
                           "row 3: B: \"1990-13-01\" is not a real calendar day",
                           "row 4: C: \"31.04.1985\" is not a real calendar day",
                           "row 7: F: \"13/4/85\" has no four-digit year", "row 8: G: \"soon\" is not a date"};
        QTest::newRow("rows without name or date")
            << QByteArray("First Name,Last Name,Birthday\n,,1985-04-13\nAnna,Berg,\n\n,,\nPer,,1970-12-01\n")
            << QStringList{"birthday 12-01 1970 Per"} << QStringList{"row 2: no name", "row 3: Anna Berg: no date"};
        QTest::newRow("quoted line break counts as one row")
            << QByteArray("Name,Birthday\r\n\"Anna\r\nBerg\",1985-04-13\r\n\"Per\x01\tLund\",1970-12-0x\r\n")
            << QStringList{"birthday 04-13 1985 Anna Berg"}
            << QStringList{"row 3: Per Lund: \"1970-12-0x\" is not a date"};
        QTest::newRow("Latin-1") << QByteArray("Name;Birthday\nJ\xfcrgen M\xfcller;1.2.1970\n")
                                 << QStringList{"birthday 02-01 1970 J\u00fcrgen M\u00fcller"} << QStringList{};
        QTest::newRow("UTF-8") << QByteArray("Name;Birthday\nJ\xc3\xbcrgen;1.2.1970\n")
                               << QStringList{"birthday 02-01 1970 J\u00fcrgen"} << QStringList{};
        QTest::newRow("cut short inside quotes")
            << QByteArray("Name,Birthday\nAnna,1985-04-13\n\"Per,1970-12-01\n")
            << QStringList{"birthday 04-13 1985 Anna"}
            << QStringList{"row 3: the file ends inside quotes, so the row is cut short"};
        // The program's own export: a day's rows are its entry again, a year written into
        // the Year column of an entry without one goes to its end; older files have no Year.
        QTest::newRow("own export")
            << QByteArray("\xEF\xBB\xBFMonth,Day,Entry,Year\r\n2,29,Leap (1957),1957\r\n4,15,Call Oma,\r\n"
                          "4,15,Mom (1956),1956\r\n4,15,Dad,1950\r\n4,16,Ann,x\r\n4,17,Bo,1799\r\n4,18,Cy\r\n")
            << QStringList{"entry 02-29 Leap (1957)", "entry 04-15 Call Oma; Mom (1956); Dad (1950)"}
            << QStringList{"row 6: \"x\" is not a year", "row 7: \"1799\" is not a year",
                           "row 8: not a month, a day and an entry"};
        QTest::newRow("own export without years")
            << QByteArray("Month,Day,Entry\r\n4,15,Mom (1956)\r\n4,15,Dad\r\n4,16,Ann,1950\r\n")
            << QStringList{"entry 04-15 Mom (1956); Dad"} << QStringList{"row 4: not a month, a day and an entry"};
        QTest::newRow("empty") << QByteArray() << QStringList{} << QStringList{noRows};
        // An uncompressed archive of a .csv file.
        QTest::newRow("binary") << QByteArray("PK\x03\x04\n\0\0\0\0\0dates.csv\n", 20) + "Anna,1985-04-13\n"
                                << QStringList{} << QStringList{noRows};
        QTest::newRow("header only") << QByteArray("Name,Birthday\r\n") << QStringList{} << QStringList{noRows};
        QTest::newRow("no dates anywhere") << QByteArray("Name,Email\nAnna,anna@example.org\n") << QStringList{}
                                           << QStringList{noRows};
    }

    void readsFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, dates);
        QFETCH(QStringList, skipped);
        bool ambiguous = true;
        const ImportedDates result = CsvDatesReader::read(content, SlashOrder::Ask, &ambiguous);
        QCOMPARE(described(result.dates), dates);
        QCOMPARE(result.skipped, skipped);
        QVERIFY(!ambiguous);
    }

    void ambiguousSlashesFollowTheAnswer_data()
    {
        QTest::addColumn<SlashOrder>("order");
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QStringList>("skipped");
        QTest::addColumn<bool>("ambiguous");

        QTest::newRow("ask") << SlashOrder::Ask << QStringList{}
                             << QStringList{"the dates could be read as month/day or as day/month, such as "
                                            "row 2: \"Anna\", \"04/05/1990\""}
                             << true;
        QTest::newRow("month first") << SlashOrder::MonthFirst
                                     << QStringList{"birthday 04-05 1990 Anna", "birthday 12-01 1970 Per"}
                                     << QStringList{} << false;
        QTest::newRow("day first") << SlashOrder::DayFirst
                                   << QStringList{"birthday 05-04 1990 Anna", "birthday 01-12 1970 Per"}
                                   << QStringList{} << false;
    }

    void ambiguousSlashesFollowTheAnswer()
    {
        QFETCH(SlashOrder, order);
        QFETCH(QStringList, dates);
        QFETCH(QStringList, skipped);
        QFETCH(bool, ambiguous);
        bool saidAmbiguous = !ambiguous;
        const ImportedDates result =
            CsvDatesReader::read("Name,Birthday\nAnna,04/05/1990\nPer,12/01/1970\n", order, &saidAmbiguous);
        QCOMPARE(described(result.dates), dates);
        QCOMPARE(result.skipped, skipped);
        QCOMPARE(saidAmbiguous, ambiguous);
    }

    // Not a timed assertion: prints the time of a file of 10,000 rows.
    void tenThousandRows()
    {
        QByteArray content("Name,Birthday\r\n");
        for (int i = 0; i < 10000; ++i)
            content += "\"Person " + QByteArray::number(i) + "\"," + QByteArray::number(1900 + i % 100) + "-04-13\r\n";
        ImportedDates result;
        QBENCHMARK {
            result = CsvDatesReader::read(content);
        }
        QCOMPARE(result.dates.size(), 10000);
        QVERIFY(result.skipped.isEmpty());
    }
};

DAYBLOOM_TEST_MAIN(CsvDatesReaderTest)
#include "CsvDatesReaderTest.moc"
