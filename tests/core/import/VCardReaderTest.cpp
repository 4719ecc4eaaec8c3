#include "core/import/VCardReader.h"
#include "tests/support/DescribedDates.h"
#include "tests/support/TestMain.h"

#include <QTest>

namespace {

// One vCard 3.0 card, its lines ended by CRLF.
QByteArray card30(const QByteArray &lines)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\n" + lines + "END:VCARD\r\n";
}

} // namespace

class VCardReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void readsDateForms_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("date");    // as described(), empty when skipped
        QTest::addColumn<QString>("skipped"); // the skipped line, empty when read

        const auto read = [](const char *row, const QByteArray &property, const QString &date) {
            QTest::newRow(row) << property << date << QString();
        };
        const auto skip = [](const char *row, const QByteArray &property, const QString &reason) {
            QTest::newRow(row) << property << QString() << QStringLiteral("card 1 (Anna Berg): ") + reason;
        };
        read("extended", "BDAY:1985-04-13", QStringLiteral("birthday 04-13 1985 Anna Berg"));
        read("basic", "BDAY:19850413", QStringLiteral("birthday 04-13 1985 Anna Berg"));
        read("no year basic", "BDAY:--0413", QStringLiteral("birthday 04-13 Anna Berg"));
        read("no year extended", "BDAY:--04-13", QStringLiteral("birthday 04-13 Anna Berg"));
        read("with UTC time", "BDAY:1985-04-13T00:00:00Z", QStringLiteral("birthday 04-13 1985 Anna Berg"));
        read("basic with time", "BDAY;VALUE=date-and-or-time:19850413T120000", QStringLiteral("birthday 04-13 1985 Anna Berg"));
        read("grouped and typed", "item1.BDAY;VALUE=date: 1985-04-13 ", QStringLiteral("birthday 04-13 1985 Anna Berg"));
        read("quoted parameter with a colon", "BDAY;X-LABEL=\"at 10:30\";VALUE=date:1985-04-13",
             QStringLiteral("birthday 04-13 1985 Anna Berg"));
        read("lower case name", "bday:1985-04-13", QStringLiteral("birthday 04-13 1985 Anna Berg"));
        read("Apple's no year", "BDAY;X-APPLE-OMIT-YEAR=1604:1604-02-29", QStringLiteral("birthday 02-29 Anna Berg"));
        read("year zero", "BDAY:0000-07-01", QStringLiteral("birthday 07-01 Anna Berg"));
        read("1900 is a year", "BDAY:1900-07-01", QStringLiteral("birthday 07-01 1900 Anna Berg"));
        read("1900 marked as no year", "BDAY;X-APPLE-OMIT-YEAR=1900:1900-07-01", QStringLiteral("birthday 07-01 Anna Berg"));
        read("another year than the marked one", "BDAY;X-APPLE-OMIT-YEAR=1900:1985-04-13",
             QStringLiteral("birthday 04-13 1985 Anna Berg"));
        read("grouped date marked as no year",
             "item2.X-ABDATE;X-APPLE-OMIT-YEAR=1900:1900-06-18\r\nitem2.X-ABLabel:_$!<Anniversary>!$_",
             QStringLiteral("anniversary 06-18 Anna Berg"));
        read("February 29 without year", "BDAY:--0229", QStringLiteral("birthday 02-29 Anna Berg"));
        read("February 29 of a leap year", "BDAY:2024-02-29", QStringLiteral("birthday 02-29 2024 Anna Berg"));
        read("anniversary", "ANNIVERSARY:--0601", QStringLiteral("anniversary 06-01 Anna Berg"));
        read("Apple's anniversary", "X-ANNIVERSARY:2001-06-01", QStringLiteral("anniversary 06-01 2001 Anna Berg"));
        read("Evolution's anniversary", "X-EVOLUTION-ANNIVERSARY:2001-06-01",
             QStringLiteral("anniversary 06-01 2001 Anna Berg"));
        skip("February 30", "BDAY:--0230", QStringLiteral("birthday \"--0230\" is not a calendar day"));
        skip("February 29 of a common year", "BDAY:2023-02-29", QStringLiteral("birthday \"2023-02-29\" is not a calendar day"));
        skip("month 13", "ANNIVERSARY:1985-13-01", QStringLiteral("anniversary \"1985-13-01\" is not a calendar day"));
        skip("day zero", "BDAY:19850400", QStringLiteral("birthday \"19850400\" is not a calendar day"));
        skip("text value", "BDAY;VALUE=text:circa 1800", QStringLiteral("birthday \"circa 1800\" is text, not a date"));
        skip("text without its type", "BDAY:circa 1800", QStringLiteral("unreadable birthday \"circa 1800\""));
        skip("year and month only", "BDAY:1985-04", QStringLiteral("unreadable birthday \"1985-04\""));
        skip("day only", "BDAY:---13", QStringLiteral("unreadable birthday \"---13\""));
        skip("signed digits", "BDAY:+985-04-13", QStringLiteral("unreadable birthday \"+985-04-13\""));
        skip("time only", "BDAY:T102200", QStringLiteral("unreadable birthday \"T102200\""));
    }

    void readsDateForms()
    {
        QFETCH(QByteArray, property);
        QFETCH(QString, date);
        QFETCH(QString, skipped);
        const ImportedDates result = VCardReader::read(card30("FN:Anna Berg\r\n" + property + "\r\n"));
        QCOMPARE(described(result.dates), date.isEmpty() ? QStringList() : QStringList{date});
        QCOMPARE(result.skipped, skipped.isEmpty() ? QStringList() : QStringList{skipped});
    }

    void readsNames_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("name");

        QTest::newRow("FN before N") << card30("N:Berg;Anna;;;\r\nFN:Anna M. Berg\r\nBDAY:--0413\r\n")
                                     << QStringLiteral("Anna M. Berg");
        QTest::newRow("N when FN is empty") << card30("FN:\r\nN:Berg;Anna;Maria;Dr.;PhD\r\nBDAY:--0413\r\n")
                                            << QStringLiteral("Anna Berg");
        QTest::newRow("N with escapes and several given names")
            << card30("N:O\\;Brien\\, Jr;Anna,Lena;;;\r\nBDAY:--0413\r\n") << QStringLiteral("Anna Lena O;Brien, Jr");
        QTest::newRow("N with family name only") << card30("N:Berg;;;;\r\nBDAY:--0413\r\n") << QStringLiteral("Berg");
        QTest::newRow("first nickname") << card30("N:;;;;\r\nNICKNAME:Annie,Nan\r\nBDAY:--0413\r\n")
                                        << QStringLiteral("Annie");
        QTest::newRow("escapes") << card30("FN:Berg\\, Anna \\\\ Lena\\;\r\nBDAY:--0413\r\n")
                                 << QStringLiteral("Berg, Anna \\ Lena;");
        QTest::newRow("line breaks and controls") << card30("FN: Anna\\nBerg\x01Lund\\N \r\nBDAY:--0413\r\n")
                                                  << QStringLiteral("Anna Berg Lund");
        QTest::newRow("unicode line separator") << card30("FN:Anna\xE2\x80\xA8" "Berg\r\nBDAY:--0413\r\n")
                                                << QStringLiteral("Anna Berg");
        QTest::newRow("UTF-8") << card30("FN:J\xC3\xB6rg M\xC3\xBCller\r\nBDAY:--0413\r\n")
                               << QStringLiteral("Jörg Müller");
        QTest::newRow("Latin-1 file") << card30("FN:J\xF6rg M\xFCller\r\nBDAY:--0413\r\n") << QStringLiteral("Jörg Müller");
        QTest::newRow("quoted-printable Latin-1 in a UTF-8 file")
            << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=F6rg\r\n"
                          "NOTE:\xC3\xA9t\xC3\xA9\r\nBDAY:19850413\r\nEND:VCARD\r\n")
            << QStringLiteral("Jörg Müller");
        QTest::newRow("quoted-printable windows-1251")
            << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=WINDOWS-1251;QUOTED-PRINTABLE:=C0=ED=ED=E0\r\n"
                          "BDAY:19850413\r\nEND:VCARD\r\n")
            << QStringLiteral("Анна");
        QTest::newRow("unknown charset") << card30("FN;CHARSET=X-UNHEARD-OF:J\xC3\xB6rg\r\nBDAY:--0413\r\n")
                                         << QStringLiteral("Jörg");
        QTest::newRow("UTF-8 byte-order mark") << "\xEF\xBB\xBF" + card30("FN:J\xC3\xB6rg\r\nBDAY:--0413\r\n")
                                               << QStringLiteral("Jörg");
        const QString utf16Card = QString::fromLatin1(card30("FN:J\xF6rg\r\nBDAY:--0413\r\n"));
        QTest::newRow("UTF-16 with byte-order mark")
            << QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char *>(utf16Card.utf16()), utf16Card.size() * 2)
            << QStringLiteral("Jörg");
        QTest::newRow("folded in 3.0 drops one blank") << card30("FN:Anna Be\r\n  rg\r\n\tLund\r\nBDAY:--0413\r\n")
                                                       << QStringLiteral("Anna Be rgLund");
        QTest::newRow("folded in 2.1 keeps the blank")
            << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Anna\r\n Berg\r\nBDAY:--0413\r\nEND:VCARD\r\n")
            << QStringLiteral("Anna Berg");
        QTest::newRow("quoted-printable soft line breaks")
            << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nFN;QUOTED-PRINTABLE;CHARSET=UTF-8:J=C3=B6rg =\r\nM=C3=\r\n=BCller=3D=4\r\n"
                          "BDAY:--0413\r\nEND:VCARD\r\n")
            << QStringLiteral("Jörg Müller==4");
    }

    void readsNames()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, name);
        const ImportedDates result = VCardReader::read(file);
        QCOMPARE(result.skipped, QStringList());
        QCOMPARE(result.dates.size(), 1);
        QCOMPARE(result.dates.front().name, name);
    }

    void readsFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QStringList>("skipped");

        QTest::newRow("phone export, vCard 2.1")
            << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\n"
                          "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C3=85berg;=C3=85sa;;;\r\n"
                          "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C3=85sa =C3=85berg\r\n"
                          "TEL;CELL;PREF:+46701234567\r\n"
                          "BDAY:1990-11-02\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Lund;Per;;;\r\nFN:Per Lund\r\nTEL;HOME:123\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nVERSION:2.1\r\nN:;;;;\r\nBDAY:1991-01-05\r\nEND:VCARD\r\n")
            << QStringList{QStringLiteral("birthday 11-02 1990 Åsa Åberg")}
            << QStringList{QStringLiteral("card 2 (Per Lund): no birthday or anniversary"), QStringLiteral("card 3: no name")};
        QTest::newRow("address book, vCard 3.0, LF line ends")
            << QByteArray("BEGIN:VCARD\nVERSION:3.0\nPRODID:-//Apple Inc.//macOS 14.0//EN\nN:Berg;Anna;;;\n"
                          "FN:Anna Berg\nitem1.BDAY;X-APPLE-OMIT-YEAR=1604:1604-04-13\nitem1.X-ABLabel:_$!<Birthday>!$_\n"
                          "NOTE:A long note that the program folded over two\n  lines\\, with an escape\nEND:VCARD\n"
                          "begin:vcard\nversion:3.0\nfn:Karl\n Lund\nbday;value=date:1958-09-\n 30\nend:vcard\n")
            << QStringList{QStringLiteral("birthday 04-13 Anna Berg"), QStringLiteral("birthday 09-30 1958 KarlLund")}
            << QStringList();
        QTest::newRow("vCard 4.0 with anniversaries")
            << QByteArray("BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Eva Holm\r\nBDAY:--0229\r\nANNIVERSARY:20050618\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Old Holm\r\nBDAY;VALUE=text:circa 1800\r\n"
                          "ANNIVERSARY:--1224\r\nEND:VCARD\r\n")
            << QStringList{QStringLiteral("birthday 02-29 Eva Holm"), QStringLiteral("anniversary 06-18 2005 Eva Holm"),
                           QStringLiteral("anniversary 12-24 Old Holm")}
            << QStringList{QStringLiteral("card 2 (Old Holm): birthday \"circa 1800\" is text, not a date")};
        QTest::newRow("an anniversary written under two names is one date")
            << card30("FN:Eva Holm\r\nX-EVOLUTION-ANNIVERSARY:2005-06-18\r\nX-ANNIVERSARY:2005-06-18\r\n"
                      "ANNIVERSARY:2006-06-18\r\n")
            << QStringList{QStringLiteral("anniversary 06-18 2005 Eva Holm"), QStringLiteral("anniversary 06-18 2006 Eva Holm")}
            << QStringList();
        QTest::newRow("bad cards do not stop the reading")
            << card30("FN:Anna Berg\r\nBDAY:--0230\r\nANNIVERSARY:2001-06-01\r\n") + card30("FN:Per Lund\r\n")
                   + card30("FN:Eva Holm\r\nBDAY:1970-01-31\r\nBDAY:\r\n")
            << QStringList{QStringLiteral("anniversary 06-01 2001 Anna Berg"), QStringLiteral("birthday 01-31 1970 Eva Holm")}
            << QStringList{QStringLiteral("card 1 (Anna Berg): birthday \"--0230\" is not a calendar day"),
                           QStringLiteral("card 2 (Per Lund): no birthday or anniversary")};
        QTest::newRow("truncated last card")
            << card30("FN:Anna Berg\r\nBDAY:--0413\r\n") + "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Per Lund\r\nBDAY:1960-0"
                   + "\r\nBEGIN:VCARD\r\nFN:Eva Holm\r\nBDAY:--1001"
            << QStringList{QStringLiteral("birthday 04-13 Anna Berg"), QStringLiteral("birthday 10-01 Eva Holm")}
            << QStringList{QStringLiteral("card 2 (Per Lund): unreadable birthday \"1960-0\"")};
        QTest::newRow("lines outside cards and CR line ends")
            << QByteArray("FN:Stray\rBDAY:--0101\r\rBEGIN:VCARD\rFN:Anna Berg\rBDAY:--0413\rEND:VCARD\rBDAY:--0202\r")
            << QStringList{QStringLiteral("birthday 04-13 Anna Berg")} << QStringList();
        const QStringList noCards{QStringLiteral("the file holds no contact cards")};
        QTest::newRow("empty file") << QByteArray() << QStringList() << noCards;
        QTest::newRow("only a byte-order mark") << QByteArray("\xEF\xBB\xBF\r\n") << QStringList() << noCards;
        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk += char((i * 7919 + 13) % 256);
        QTest::newRow("binary junk") << junk << QStringList() << noCards;
    }

    void readsFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, dates);
        QFETCH(QStringList, skipped);
        const ImportedDates result = VCardReader::read(file);
        QCOMPARE(described(result.dates), dates);
        QCOMPARE(result.skipped, skipped);
    }
};

DAYBLOOM_TEST_MAIN(VCardReaderTest)
#include "VCardReaderTest.moc"
