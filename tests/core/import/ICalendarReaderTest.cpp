#include "core/import/ICalendarReader.h"
#include "tests/support/DescribedDates.h"
#include "tests/support/TestMain.h"

#include <QTest>

namespace {

QByteArray vevent(const QByteArray &lines)
{
    return "BEGIN:VEVENT\r\n" + lines + "END:VEVENT\r\n";
}

QByteArray calendar(const QByteArray &body)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Google Inc//Google Calendar 70.9054//EN\r\n" + body +
           "END:VCALENDAR\r\n";
}

QByteArray allDay(const QByteArray &summary, const QByteArray &date, const QByteArray &more = {})
{
    return vevent("SUMMARY:" + summary + "\r\nDTSTART;VALUE=DATE:" + date + "\r\n" + more);
}

} // namespace

class ICalendarReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QStringList>("skipped");

        const QByteArray yearly = "RRULE:FREQ=YEARLY\r\n";
        QTest::newRow("yearly birthdays, all-day") << calendar(
            allDay("Anna Berg", "19850413", "RRULE:FREQ=YEARLY;BYMONTH=4;BYMONTHDAY=13\r\n") +
            allDay("Leap Baby", "20000229", "RRULE:FREQ=YEARLY;INTERVAL=1\r\n") +
            allDay("Grandpa", "19400101", yearly + "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-P1D\r\nEND:VALARM\r\n"))
            << QStringList{"event 04-13 1985 Anna Berg", "event 02-29 2000 Leap Baby", "event 01-01 1940 Grandpa"} << QStringList{};

        // The date as written, never moved by its zone: 23:30 in New York is the next day in UTC.
        QTest::newRow("yearly with a date and time")
            << calendar(vevent("SUMMARY:Wedding day\r\nDTSTART;TZID=America/New_York:20100704T233000\r\n" + yearly) +
                        vevent("SUMMARY:New Year party\r\nDTSTART:19991231T233000Z\r\n" + yearly))
            << QStringList{"event 07-04 2010 Wedding day", "event 12-31 1999 New Year party"} << QStringList{};

        // The calendar holds yearly dates: one that happens once is listed, not added.
        QTest::newRow("one-off all-day, LF line ends")
            << QByteArray("BEGIN:VCALENDAR\nBEGIN:VEVENT\nSUMMARY:Graduation\nDTSTART;VALUE=DATE:20240512\n"
                          "DTEND;VALUE=DATE:20240513\nEND:VEVENT\nEND:VCALENDAR\n")
            << QStringList{} << QStringList{"Graduation: happens once"};

        QTest::newRow("not yearly") << calendar(
            vevent("SUMMARY:Team meeting\r\nDTSTART;TZID=Europe/Berlin:20230102T100000\r\nRRULE:FREQ=WEEKLY;BYDAY=MO\r\n") +
            allDay("Rent", "20230101", "RRULE:FREQ=MONTHLY\r\n") +
            vevent("SUMMARY:Dentist\r\nDTSTART:20230314T090000\r\n") +
            allDay("Mother's Day", "20230514", "RRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=2SU\r\n") +
            allDay("Moved", "20230514", "RRULE:FREQ=YEARLY;BYMONTH=5;BYMONTHDAY=15\r\n"))
            << QStringList{}
            << QStringList{"Team meeting: repeats weekly, not yearly", "Rent: repeats monthly, not yearly",
                           "Dentist: happens once",
                           "Mother's Day: repeats yearly on other days than its start",
                           "Moved: repeats yearly on other days than its start"};

        // Every bad event is reported and the good ones between them are still read.
        QTest::newRow("events the file does not describe well enough") << calendar(
            vevent("DTSTART;VALUE=DATE:19850413\r\n" + yearly) + allDay("Kept", "19900102", yearly) +
            vevent("SUMMARY: \\n \r\nDTSTART;VALUE=DATE:19850413\r\n") + vevent("SUMMARY:Undated\r\n" + yearly) +
            vevent("SUMMARY:Garbled\r\nDTSTART:soon\r\n") + allDay("February 30", "20230230") +
            allDay("Odd rule", "19850413", "RRULE:FREQ=SOMETIMES\r\n"))
            << QStringList{"event 01-02 1990 Kept"}
            << QStringList{"event 1: no summary", "event 3: no summary", "Undated: no start date",
                           "Garbled: unreadable start date", "February 30: unreadable start date",
                           "Odd rule: unreadable repeat rule"};

        QTest::newRow("folded summary with escapes")
            << calendar(vevent("SUMMARY:Mom\\, Dad\\; and the kids\\, all of them: our big family reunion at th\r\n"
                              " e lake\\nbring food\t\r\nDTSTART;VALUE=DATE:20150801\r\n" + yearly))
            << QStringList{"event 08-01 2015 Mom, Dad; and the kids, all of them: our big family reunion at the lake bring "
                           "food"}
            << QStringList{};

        // A contacts server's birthday calendar marks the start years that stand for none,
        // and names the real one where the start is moved; elsewhere only 1604 and 0 mean none.
        QTest::newRow("years marked as none or named")
            << calendar(allDay("Georg", "19000218", yearly + "X-NEXTCLOUD-BC-FIELD-TYPE:BDAY\r\nX-NEXTCLOUD-BC-UNKNOWN-YEAR:1\r\n") +
                        allDay("Mom (1956)", "19700415", yearly + "X-NEXTCLOUD-BC-UNKNOWN-YEAR:0\r\nX-NEXTCLOUD-BC-YEAR:1956\r\n") +
                        allDay("Club founded", "19000301", yearly) + allDay("Apple's none", "16040502", yearly))
            << QStringList{"event 02-18 Georg", "event 04-15 1956 Mom (1956)", "event 03-01 1900 Club founded",
                           "event 05-02 Apple's none"}
            << QStringList{};

        // The program's own events: a day's events are its entry again, February 29 comes
        // back from a common year's start, and the years are the entry's own.
        QTest::newRow("own export")
            << QByteArray("BEGIN:VCALENDAR\r\nPRODID:-//Daybloom//Day entries 1.0//EN\r\n") +
                   allDay("Leap (1957)", "19570228", "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1\r\n") +
                   allDay("Call Oma", "20000415", yearly) + allDay("Mom (1956)", "19560415", yearly) +
                   allDay("Dad", "20000415", yearly) + allDay("Dad", "20000416", yearly) + "END:VCALENDAR\r\n"
            << QStringList{"entry 02-29 Leap (1957)", "entry 04-15 Call Oma; Mom (1956); Dad", "entry 04-16 Dad"}
            << QStringList{};

        QTest::newRow("several calendars and bare events")
            << calendar(allDay("First", "19700101", yearly)) + calendar(allDay("Second", "19710202", yearly)) +
                   allDay("Bare", "19720303", yearly)
            << QStringList{"event 01-01 1970 First", "event 02-02 1971 Second", "event 03-03 1972 Bare"} << QStringList{};

        // A file cut off inside an event keeps the events before it, but not the half one.
        const QByteArray whole = calendar(allDay("Anna", "19850413", yearly) + allDay("Bo", "19900505", yearly));
        QTest::newRow("cut off in an event") << whole.left(whole.lastIndexOf("RRULE"))
                                             << QStringList{"event 04-13 1985 Anna"}
                                             << QStringList{"Bo: cut off at the end of the file"};
        QTest::newRow("cut off after an event")
            << whole.left(whole.lastIndexOf("END:VCALENDAR")) << QStringList{"event 04-13 1985 Anna", "event 05-05 1990 Bo"}
            << QStringList{};

        const QStringList nothing{QStringLiteral("the file holds no calendar events")};
        QTest::newRow("empty") << QByteArray() << QStringList{} << nothing;
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 20) << QStringList{}
                                << nothing;
        QTest::newRow("cut off at the start") << whole.left(12) << QStringList{} << nothing;
        QTest::newRow("tasks only") << calendar("BEGIN:VTODO\r\nSUMMARY:Buy cake\r\nEND:VTODO\r\n")
                                    << QStringList{} << nothing;
    }

    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, dates);
        QFETCH(QStringList, skipped);
        const ImportedDates imported = ICalendarReader::read(content);
        QCOMPARE(described(imported.dates), dates);
        QCOMPARE(imported.skipped, skipped);
    }
};

DAYBLOOM_TEST_MAIN(ICalendarReaderTest)
#include "ICalendarReaderTest.moc"
