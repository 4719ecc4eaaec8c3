#include "tests/support/DaybloomRun.h"
#include "tests/support/FileReaders.h"
#include "tests/support/SettingsFile.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestPictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

// The keepsake made from the command line with a real office: a calendar for one year with
// its weekdays, ages and milestones, every design, and the family's pictures printed sharp.
class KeepsakeExportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void aYearPrintsWeekdaysAgesAndMilestones_data();
    void aYearPrintsWeekdaysAgesAndMilestones();
    void everyDesignPrintsWithThePicturesSharp_data();
    void everyDesignPrintsWithThePicturesSharp();
    void refusedChoicesNameTheirCause_data();
    void refusedChoicesNameTheirCause();

private:
    DaybloomRun run(const QStringList &arguments) { return DaybloomRun::of(m_home.path(), arguments, {{QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8")}}); }

    QTemporaryDir m_home;
    QStringList m_photos; // cover, January, …
};

void KeepsakeExportTest::initTestCase()
{
    QVERIFY(m_home.isValid());
    for (const char *folder : {"config", "temp", "out"})
        QVERIFY(QDir(m_home.path()).mkpath(QString::fromLatin1(folder)));
    QFile settings(m_home.filePath(QStringLiteral("config/Quillmoor.ini")));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(QByteArray(settingsSectionHeading) + "txtJan14=Mom Birthday (1956)\ntxtMar9=Ann & Tom Anniversary (2002)\n"
                   "txtFeb28=Leap Baby (2004)\ntxtDec23=Christmas Eve\n");
    settings.close();

    // A photo for each place, as large as a phone camera's and each of its own (a document
    // keeps a picture used twice once): light and shade with the fine grain real photos
    // have, so that its size after preparation is a photo's.
    QRandomGenerator grain(7);
    for (int place = 0; place < 13; ++place) {
        QImage photo = TestPictures::marked(4000, 3000);
        for (int y = 0; y < photo.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x) {
                const int shade = int(grain.bounded(24)) + (x + y + 97 * place) / 64 % 40;
                line[x] = qRgb(qMin(255, qRed(line[x]) / 2 + shade), qMin(255, qGreen(line[x]) / 2 + shade + 5 * place),
                               qMin(255, qBlue(line[x]) / 2 + shade));
            }
        }
        m_photos.append(m_home.filePath(QStringLiteral("photo-%1.jpg").arg(place)));
        TestPictures::write(m_photos.constLast(), TestPictures::encoded(photo, "JPEG"));
    }
}

void KeepsakeExportTest::aYearPrintsWeekdaysAgesAndMilestones_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("lines");      // each printed on a line of its own (months stand side by side)
    QTest::addColumn<QStringList>("notPrinted"); // anywhere
    QTest::addColumn<QStringList>("cover");      // the first page's lines, where there is a cover

    QTest::newRow("2027") << QStringList{QStringLiteral("--year"), QStringLiteral("2027")}
                          << QStringList{"January 2027", "15 Fri Mom Birthday (71)", "February 2027", "28 Sun Feb 29: Leap Baby (23)",
                                         "10 Wed Ann & Tom", "silver wedding", "24 Fri Christmas Eve"}
                          << QStringList{"(1956)", "(2002)"} << QStringList();
    QTest::newRow("2028 keeps February 29") << QStringList{QStringLiteral("--year=2028")}
                                            << QStringList{"28 Mon", "29 Tue Leap Baby (24)"} << QStringList{"Feb 29:"} << QStringList();
    QTest::newRow("every year, as typed") << QStringList() << QStringList{"Mom Birthday (1956)", "Leap Baby (2004)", "(2002)"}
                                          << QStringList{"2027", "Fri", "(71)", "silver"} << QStringList();
    QTest::newRow("a year on the wall calendar's cover")
        << QStringList{QStringLiteral("--design"), QStringLiteral("wall"), QStringLiteral("--year"), QStringLiteral("2027")}
        << QStringList{"15 Fri Mom Birthday (71)"} << QStringList{"(1956)"} << QStringList{"Our family's birthdays", "2027"};
    QTest::newRow("the wall calendar's cover of every year")
        << QStringList{QStringLiteral("--design"), QStringLiteral("wall")} << QStringList{"Mom Birthday (1956)"} << QStringList{"(71)"}
        << QStringList{"Our family's birthdays"};
}

void KeepsakeExportTest::aYearPrintsWeekdaysAgesAndMilestones()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, notPrinted);
    QFETCH(QStringList, cover);
    const QString target = m_home.filePath(QStringLiteral("out/%1.pdf").arg(QTest::currentDataTag()));
    const DaybloomRun exported = run(QStringList{QStringLiteral("--export"), target} + options);
    QCOMPARE(exported.errorLines, QStringList());
    QCOMPARE(exported.exitCode, 0);
    const QString text = readerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), target,
                                                                    QStringLiteral("-")});
    QStringList printedLines;
    for (const QString &line : text.split(QLatin1Char('\n')))
        printedLines.append(line.simplified());
    for (const QString &expected : lines) {
        const bool found = std::any_of(printedLines.cbegin(), printedLines.cend(), [&](const QString &line) { return line.contains(expected); });
        QVERIFY2(found, qPrintable(QStringLiteral("no line holds \"%1\" in:\n%2").arg(expected, text.left(4000))));
    }
    for (const QString &unexpected : notPrinted)
        QVERIFY2(!text.contains(unexpected), qPrintable(unexpected));
    if (!cover.isEmpty()) {
        const QString firstPage = text.section(QLatin1Char('\f'), 0, 0);
        QStringList coverLines;
        for (const QString &line : firstPage.split(QLatin1Char('\n')))
            if (!line.simplified().isEmpty())
                coverLines.append(line.simplified());
        QCOMPARE(coverLines, cover);
    }
    // February 29's entry prints once: on its own day, or on the 28th when there is none.
    QCOMPARE(text.count(QStringLiteral("Leap Baby")), 1);
}

void KeepsakeExportTest::everyDesignPrintsWithThePicturesSharp_data()
{
    QTest::addColumn<QString>("design");
    QTest::addColumn<int>("pictures"); // places the design holds a picture in
    QTest::newRow("classic") << QStringLiteral("classic") << 0;
    QTest::newRow("wall") << QStringLiteral("wall") << 13;
    QTest::newRow("warm") << QStringLiteral("warm") << 0;
    QTest::newRow("quiet") << QStringLiteral("quiet") << 0;
}

void KeepsakeExportTest::everyDesignPrintsWithThePicturesSharp()
{
    QFETCH(QString, design);
    QFETCH(int, pictures);
    QStringList options{QStringLiteral("--design"), design};
    for (int place = 0; place < pictures; ++place)
        options << QStringLiteral("--picture")
                << QStringLiteral("%1=%2").arg(place == 0 ? QStringLiteral("cover") : QString::number(place), m_photos.at(place));
    const QString pdf = m_home.filePath(QStringLiteral("out/%1.pdf").arg(design));
    const DaybloomRun exported = run(QStringList{QStringLiteral("--export"), pdf} + options);
    QCOMPARE(exported.errorLines, QStringList());
    QCOMPARE(exported.exitCode, 0);

    // Every font is in the file, so the calendar prints as it was laid out anywhere.
    const QStringList fonts = readerOutput(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString &font : fonts)
        QVERIFY2(font.contains(QRegularExpression(QStringLiteral("\\s+yes\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+$"))), qPrintable(font));

    // Each family picture at 300 pixels per inch or more where it is printed.
    int sharp = 0;
    for (const QString &line : readerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(QLatin1Char('\n')).mid(2)) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        if (fields.size() >= 14 && fields.at(2) == QLatin1String("image") && fields.at(12).toInt() >= 299 && fields.at(3).toInt() > 1000)
            ++sharp;
    }
    QCOMPARE(sharp, pictures);
    QVERIFY2(QFileInfo(pdf).size() <= 25 * 1024 * 1024, qPrintable(QString::number(QFileInfo(pdf).size())));
    if (!pictures)
        return;

    // The pictures are carried in the document itself.
    const QString docx = m_home.filePath(QStringLiteral("out/%1.docx").arg(design));
    QCOMPARE(run(QStringList{QStringLiteral("--export"), docx} + options).exitCode, 0);
    const QString media = readerOutput(QStringLiteral("python3"),
                                       {QStringLiteral("-c"),
                                        QStringLiteral("import sys, zipfile; print(sum(1 for n in zipfile.ZipFile(sys.argv[1]).namelist() "
                                                       "if n.startswith('word/media/') and n.endswith(('.jpeg', '.jpg'))))"),
                                        docx});
    QCOMPARE(media.trimmed().toInt(), pictures);
    QVERIFY2(QFileInfo(docx).size() <= 25 * 1024 * 1024, qPrintable(QString::number(QFileInfo(docx).size())));
}

void KeepsakeExportTest::refusedChoicesNameTheirCause_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("named"); // in the one line that says why

    QTest::newRow("unknown design") << QStringList{QStringLiteral("--design"), QStringLiteral("gothic")} << 2 << QStringLiteral("gothic");
    QTest::newRow("no year") << QStringList{QStringLiteral("--year"), QStringLiteral("1799")} << 2 << QStringLiteral("--year");
    QTest::newRow("unknown place") << QStringList{QStringLiteral("--picture"), QStringLiteral("13=x.jpg")} << 2 << QStringLiteral("--picture");
    QTest::newRow("no picture") << QStringList{QStringLiteral("--design"), QStringLiteral("wall"), QStringLiteral("--picture"),
                                               QStringLiteral("cover=/dev/zero")}
                                << 1 << QStringLiteral("/dev/zero");
    QTest::newRow("a design without pictures")
        << QStringList{QStringLiteral("--design"), QStringLiteral("quiet"), QStringLiteral("--picture"), QStringLiteral("1=/dev/zero")} << 1
        << QStringLiteral("quiet");
}

void KeepsakeExportTest::refusedChoicesNameTheirCause()
{
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, named);
    const QString target = m_home.filePath(QStringLiteral("out/refused.pdf"));
    const DaybloomRun refused = run(QStringList{QStringLiteral("--export"), target} + options);
    QCOMPARE(refused.exitCode, exitCode);
    QVERIFY2(refused.errorLines.value(0).contains(named), qPrintable(refused.errorLines.join(QLatin1Char('\n'))));
    QVERIFY(!QFile::exists(target));
}

DAYBLOOM_TEST_MAIN(KeepsakeExportTest)
#include "KeepsakeExportTest.moc"
