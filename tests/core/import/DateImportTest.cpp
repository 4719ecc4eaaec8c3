#include "core/import/BackgroundImport.h"
#include "core/import/DateImport.h"
#include "core/import/LocaleSlashOrder.h"
#include "tests/support/DescribedDates.h"
#include "tests/support/HostileFiles.h"
#include "tests/support/MemoryDayEntries.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// What an import made of the files: the dates (as described()), then "skipped: …" and
// "refused: …" lines.
QStringList outcome(const DateImport::Collected &collected)
{
    QStringList lines = described(collected.dates.dates);
    for (const QString &line : collected.dates.skipped)
        lines << QStringLiteral("skipped: ") + line;
    for (const QString &line : collected.unreadable)
        lines << QStringLiteral("refused: ") + line;
    return lines;
}

QByteArray utf16(const QString &text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder(text);
}

} // namespace

// Files shaped as phones, web mail, desktop contacts programs and spreadsheets write
// them, read together as the window and the command line read them.
class DateImportTest : public QObject
{
    Q_OBJECT

private slots:
    void readsFilesAsExportersWriteThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("grouped dates with labels")
            << "apple.vcf"
            << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna Berg\r\nBDAY;VALUE=date:1604-04-13\r\n"
                          "item2.X-ABLabel:_$!<Other>!$_\r\nitem2.X-ABDATE;type=pref:2019-09-01\r\n"
                          "item1.X-ABDATE:2005-06-18\r\nitem1.X-ABLabel:_$!<Anniversary>!$_\r\n"
                          "item3.X-ABDATE:2001-02-03\r\nEND:VCARD\r\n")
            << QStringList{"birthday 04-13 Anna Berg", "anniversary 06-18 2005 Anna Berg",
                           "skipped: apple.vcf, card 1 (Anna Berg): date \"2019-09-01\" labelled \"Other\" is not a "
                           "birthday or anniversary",
                           "skipped: apple.vcf, card 1 (Anna Berg): date \"2001-02-03\" has no label"};
        QTest::newRow("phone's own events")
            << "phone.vcf"
            << QByteArray("BEGIN:VCARD\nVERSION:2.1\nN:Lund;Per;;;\nBDAY:1970-12-01\n"
                          "X-ANDROID-CUSTOM:vnd.android.cursor.item/contact_event;1970-12-01;3;;;;;;;;;;;;;\n"
                          "X-ANDROID-CUSTOM:vnd.android.cursor.item/contact_event;1998-05-30;1;;;;;;;;;;;;;\n"
                          "X-ANDROID-CUSTOM:vnd.android.cursor.item/contact_event;2010-01-02;0;Hochzeitstag;;;;;;;;;;;;\n"
                          "X-ANDROID-CUSTOM:vnd.android.cursor.item/contact_event;2015-03-04;2;;;;;;;;;;;;;\n"
                          "X-ANDROID-CUSTOM:vnd.android.cursor.item/nickname;Pelle;1;;;;;;;;;;;;;\n"
                          "END:VCARD\n")
            << QStringList{"birthday 12-01 1970 Per Lund", "anniversary 05-30 1998 Per Lund",
                           "anniversary 01-02 2010 Per Lund",
                           "skipped: phone.vcf, card 1 (Per Lund): date \"2015-03-04\" of type 2 is not a birthday or "
                           "anniversary"};
        QTest::newRow("web contacts export")
            << "contacts.csv"
            << QByteArray("Name,Given Name,Family Name,Birthday,Event 1 - Type,Event 1 - Value,Event 2 - Type,"
                          "Event 2 - Value\n"
                          "Eva Ek,Eva,Ek,1980-07-07,Anniversary,2004-08-14,Name day,--10-11\n"
                          "Bo Ek,Bo,Ek,,Other,2010-01-01,,\n")
            << QStringList{"birthday 07-07 1980 Eva Ek", "anniversary 08-14 2004 Eva Ek",
                           "skipped: contacts.csv, row 2: Eva Ek: \"--10-11\" is \"Name day\", not a birthday or "
                           "anniversary",
                           "skipped: contacts.csv, row 3: Bo Ek: \"2010-01-01\" is \"Other\", not a birthday or "
                           "anniversary"};
        QTest::newRow("Windows-1252 names")
            << "outlook.csv"
            << QByteArray("Name,Birthday\r\nZo\xeb O\x92" "Brien,1990-04-13\r\nBoris \x8e" "agar,1985-01-02\r\n")
            << QStringList{"birthday 04-13 1990 Zo\u00eb O\u2019Brien", "birthday 01-02 1985 Boris \u017dagar"};
        QTest::newRow("Mac Roman names")
            << "mac.vcf"
            << QByteArray("BEGIN:VCARD\rVERSION:3.0\rFN:H\x8el\x8fne Dubois\rBDAY:1975-03-21\rEND:VCARD\r"
                          "BEGIN:VCARD\rVERSION:3.0\rFN:Fran\x8dois M\x9fller\rBDAY:--11-30\rEND:VCARD\r")
            << QStringList{"birthday 03-21 1975 H\u00e9l\u00e8ne Dubois", "birthday 11-30 Fran\u00e7ois M\u00fcller"};
        QTest::newRow("spreadsheet's Unicode text")
            << "Unicode Text.txt"
            << utf16(QStringLiteral("Name\tBirthday\r\nJos\u00e9 P\u00e9rez\t13.04.1985\r\n"), QStringConverter::Utf16LE)
            << QStringList{"birthday 04-13 1985 Jos\u00e9 P\u00e9rez"};
        QTest::newRow("tab-separated big-endian")
            << "dates.tsv" << utf16(QStringLiteral("Name\tAnniversary\nAnn and Bob\t2001-06-09\n"), QStringConverter::Utf16BE)
            << QStringList{"anniversary 06-09 2001 Ann and Bob"};
        QTest::newRow("headers in the family's language")
            << "familie.csv"
            << QByteArray("Name;Geburtstag;Hochzeitstag;Jahrestag;Anniversaire;Date de naissance;Cumplea\xc3\xb1os;"
                          "Aniversario;Compleanno;Anniversario;Verjaardag;Trouwdag\n"
                          "Mia;1.1.2000;2.1.2000;3.1.2000;4.1.2000;5.1.2000;6.1.2000;7.1.2000;8.1.2000;9.1.2000;"
                          "10.1.2000;11.1.2000\n")
            << QStringList{"birthday 01-01 2000 Mia",    "anniversary 01-02 2000 Mia", "anniversary 01-03 2000 Mia",
                           "birthday 01-04 2000 Mia",    "birthday 01-05 2000 Mia",    "birthday 01-06 2000 Mia",
                           "anniversary 01-07 2000 Mia", "birthday 01-08 2000 Mia",    "anniversary 01-09 2000 Mia",
                           "birthday 01-10 2000 Mia",    "anniversary 01-11 2000 Mia"};
        QTest::newRow("mail program's empty date cells")
            << "mail.csv"
            << QByteArray("First Name,Last Name,Birthday,Anniversary\r\nAnna,Berg,0/0/00,0/0/00\r\n"
                          "Per,Lund,4/13/1985,0/0/00\r\n")
            << QStringList{"birthday 04-13 1985 Per Lund", "skipped: mail.csv, row 2: Anna Berg: no date"};
        QTest::newRow("calendar with a byte-order mark and a one-off day")
            << "school.ics"
            << QByteArray("\xEF\xBB\xBF" "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nSUMMARY:Einschulung Mia\r\n"
                          "DTSTART;VALUE=DATE:20240812\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nSUMMARY:Oma\r\n"
                          "DTSTART;VALUE=DATE:19500303\r\nRRULE:FREQ=YEARLY\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
            << QStringList{"event 03-03 1950 Oma", "skipped: school.ics, Einschulung Mia: happens once"};
        QTest::newRow("text that is no table")
            << "notes.txt" << QByteArray("Remember to call Anna.\nBuy a present.\n")
            << QStringList{"skipped: no dates found in notes.txt",
                           "skipped: notes.txt, the file holds no rows of names and dates"};
        QTest::newRow("dates that could be read two ways")
            << "either.csv" << QByteArray("Name,Birthday\nAnna,04/05/1990\n")
            << QStringList{"refused: either.csv: the dates could be read as month/day or as day/month, such as row 2: "
                           "\"Anna\", \"04/05/1990\"; no order was chosen"};
    }

    void readsFilesAsExportersWriteThem()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expected);
        QTemporaryDir folder;
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const DateImport::Collected collected =
            DateImport::readAll({file.fileName()}, [](const QString &, const QString &) { return SlashOrder::Ask; });
        QCOMPARE(outcome(collected), expected);
    }

    // Only plain files are read, and never more than the limit: a pipe without a writer, a
    // device that never ends, a folder, a sparse file that claims to be huge. Each is
    // refused with its reason, at once, and the other files are still read.
    // The order offered first when a file could be read either way: the person's own.
    void theLocaleSaysWhichComesFirst_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<SlashOrder>("order");
        QTest::newRow("American") << QStringLiteral("en_US") << SlashOrder::MonthFirst;
        QTest::newRow("Canadian English") << QStringLiteral("en_CA") << SlashOrder::MonthFirst;
        QTest::newRow("British") << QStringLiteral("en_GB") << SlashOrder::DayFirst;
        QTest::newRow("German") << QStringLiteral("de_DE") << SlashOrder::DayFirst;
        QTest::newRow("Dutch") << QStringLiteral("nl_NL") << SlashOrder::DayFirst;
        QTest::newRow("Japanese, year first") << QStringLiteral("ja_JP") << SlashOrder::MonthFirst;
        QTest::newRow("C") << QStringLiteral("C") << SlashOrder::MonthFirst;
    }

    void theLocaleSaysWhichComesFirst()
    {
        QFETCH(QString, locale);
        QFETCH(SlashOrder, order);
        QCOMPARE(LocaleSlashOrder::of(QLocale(locale)), order);
    }

    void refusesWhatIsNoPlainFile()
    {
        QTemporaryDir folder;
        const auto path = [&](const char *name) { return folder.filePath(QString::fromLatin1(name)); };
        QVERIFY(::mkfifo(QFile::encodeName(path("pipe.vcf")).constData(), 0600) == 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path("zero.csv")));
        QVERIFY(QDir().mkpath(path("folder.ics")));
        QFile large(path("large.vcf"));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(60 * 1024 * 1024));
        large.close();
        QFile good(path("good.vcf"));
        QVERIFY(good.open(QIODevice::WriteOnly));
        good.write("BEGIN:VCARD\nVERSION:4.0\nFN:Anna\nBDAY:--0413\nEND:VCARD\n");
        good.close();

        const DateImport::Collected collected =
            DateImport::readAll({path("pipe.vcf"), path("zero.csv"), path("folder.ics"), path("large.vcf"),
                                 path("good.vcf"), path("dates.doc")},
                                [](const QString &, const QString &) { return SlashOrder::Ask; });

        QCOMPARE(described(collected.dates.dates), QStringList{"birthday 04-13 Anna"});
        const QStringList reasons{"it is a pipe, not a file", "it is a device, not a file", "it is a folder",
                                  "at over 50 MB it is too large", "it is none of"};
        QCOMPARE(collected.unreadable.size(), reasons.size());
        for (qsizetype i = 0; i < reasons.size(); ++i)
            QVERIFY2(collected.unreadable.at(i).contains(reasons.at(i)), qPrintable(collected.unreadable.at(i)));
    }

    // What is said about a record quotes a long name, cell or title by its start only.
    void messagesQuoteLongTextsShortly_data()
    {
        const QByteArray huge(3 * 1024 * 1024, 'A');
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<SlashOrder>("order");
        QTest::newRow("card without a date") << "card.vcf" << "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + huge + "\r\nEND:VCARD\r\n"
                                             << SlashOrder::Ask;
        QTest::newRow("card's unreadable date") << "date.vcf" << "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\nBDAY:" + huge + "\r\nEND:VCARD\r\n"
                                                << SlashOrder::Ask;
        QTest::newRow("row's unreadable date") << "row.csv" << "Name,Birthday\n" + huge + ",1985-13-45\n" << SlashOrder::Ask;
        QTest::newRow("row's huge date") << "cell.csv" << "Name,Birthday\nAnna," + huge + "\n" << SlashOrder::Ask;
        QTest::newRow("dates either way") << "either.csv" << "Name,Birthday,Note\nAnna,04/05/1990," + huge + "\n"
                                          << SlashOrder::Ask;
        QTest::newRow("event that happens once") << "once.ics"
                                                 << "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:" + huge
                                                        + "\r\nDTSTART;VALUE=DATE:20240812\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n"
                                                 << SlashOrder::Ask;
    }

    void messagesQuoteLongTextsShortly()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(SlashOrder, order);
        QTemporaryDir folder;
        const QString file = writtenFile(folder.filePath(name), content);
        QString asked;
        const DateImport::Collected collected = DateImport::readAll({file}, [&](const QString &, const QString &example) {
            asked = example;
            return order;
        });
        QStringList lines = collected.dates.skipped + collected.unreadable;
        lines.append(asked);
        for (const QString &line : std::as_const(lines)) {
            QVERIFY2(line.size() < 400, qPrintable(line.left(400)));
            QVERIFY2(!line.contains(QString(201, u'A')), qPrintable(line.left(400)));
        }
        QVERIFY(lines.join(QString()).contains(QString(200, u'A') + QChar(u'\u2026')));
    }

    // Cancelled while it waits for the answer about a file's dates, the background work
    // ends at once and says nothing more.
    void backgroundWorkEndsWhileItWaitsForAnAnswer()
    {
        QTemporaryDir folder;
        const QString file = writtenFile(folder.filePath(QStringLiteral("either.csv")), "Name,Birthday\nAnna,04/05/1990\n");
        MemoryDayEntries entries;
        auto work = std::make_unique<BackgroundImport>(QStringList{file}, entries);
        QObject heard;
        bool asked = false;
        bool finished = false;
        bool ended = false;
        QObject::connect(work.get(), &BackgroundImport::orderAsked, &heard, [&] { asked = true; });
        QObject::connect(work.get(), &BackgroundImport::finished, &heard, [&] { finished = true; });
        QObject::connect(work.get(), &BackgroundImport::ended, &heard, [&] { ended = true; });
        work->start();
        QTRY_VERIFY(asked);
        QTest::qWait(50); // it would have ended by now had it not waited
        QVERIFY(!ended);
        work->cancel();
        QTRY_VERIFY(ended);
        QVERIFY(!finished);
    }

    // Nothing libical would say about a file reaches the person's terminal.
    void libicalPrintsNothing()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("odd.ics")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBF" "BEGIN:VCALENDAR\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nSUMMARY:X\r\nDTSTART:2024-99\r\n"
                   "RRULE:FREQ=SOMETIMES\r\nEND:VEVENT\r\nEND:VCALENDAR\r\nEND:VCALENDAR\r\n");
        file.close();
        QFile captured(folder.filePath(QStringLiteral("stderr")));
        QVERIFY(captured.open(QIODevice::ReadWrite));
        std::fflush(stderr);
        const int savedError = ::dup(STDERR_FILENO);
        ::dup2(captured.handle(), STDERR_FILENO);
        const DateImport::Collected collected =
            DateImport::readAll({file.fileName()}, [](const QString &, const QString &) { return SlashOrder::Ask; });
        std::fflush(stderr);
        ::dup2(savedError, STDERR_FILENO);
        ::close(savedError);
        QCOMPARE(captured.readAll(), QByteArray());
        QVERIFY(collected.dates.dates.isEmpty());
    }
};

DAYBLOOM_TEST_MAIN(DateImportTest)
#include "DateImportTest.moc"
