// What the keepsake designs ask of the office, checked on what the office wrote: a wall
// calendar's template filled, saved as .doc, opened again and written as OpenDocument
// (whose XML says which style and text each place has), and a PDF read with Poppler's tools.

#include "core/shell/TempFolder.h"
#include "core/wordgen/OfficeError.h"
#include "core/wordgen/WordApplication.h"
#include "office/LibreOfficeEngine.h"
#include "tests/office/LibreOfficeTestSupport.h"
#include "tests/support/FileReaders.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestPictures.h"

#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace {

QString temp(const QString &name)
{
    return TempFolder::file(name);
}

// A photo as the program prepares one for the wall calendar's month place (527 x 229.6 pt)
// at 300 pixels an inch: busy enough that its JPEG does not shrink to nothing.
QString writePhoto(const QString &name)
{
    QImage photo = TestPictures::marked(2196, 957);
    QRandomGenerator noise(27);
    for (int y = 0; y < photo.height(); y += 3)
        for (int x = 0; x < photo.width(); x += 3)
            photo.setPixel(x, y, noise.generate() | 0xFF000000u);
    const QString path = temp(name);
    TestPictures::write(path, TestPictures::encoded(photo, "JPEG"));
    return path;
}

// The OpenDocument text of a document, as the office writes it once it has opened the .doc.
QString reopenedAsOpenDocument(WordEngine &engine, const QString &document)
{
    const QString odt = document + QStringLiteral(".odt");
    const std::unique_ptr<WordApplication> reader = engine.createApplication();
    reader->openDocument(document, true);
    reader->saveCopyAs(odt, DocumentFormat::OpenDocument);
    reader->quit();
    return zipMember(odt, QStringLiteral("content.xml"));
}

// How many paragraphs of content.xml are in the named paragraph style: in it, or in an
// automatic style made from it.
qsizetype paragraphsInStyle(const QString &xml, const QString &style)
{
    const QString name = QString(style).replace(QLatin1Char(' '), QStringLiteral("_20_"));
    QStringList names{name};
    const QRegularExpression automatic(QStringLiteral("<style:style style:name=\"([^\"]+)\" style:family=\"paragraph\" style:parent-style-name=\"%1\"").arg(name));
    for (auto match = automatic.globalMatch(xml); match.hasNext();)
        names.append(match.next().captured(1));
    qsizetype count = 0;
    for (const QString &each : std::as_const(names))
        count += xml.count(QStringLiteral("<text:p text:style-name=\"%1\"").arg(each));
    return count;
}

// The printed size of the picture a bookmark holds, as content.xml gives it.
QString pictureSize(const QString &xml, const QString &bookmark)
{
    const QRegularExpression frame(QStringLiteral("<text:bookmark-start text:name=\"%1\"/><draw:frame [^>]*svg:width=\"([^\"]+)\" svg:height=\"([^\"]+)\"").arg(bookmark));
    const QRegularExpressionMatch match = frame.match(xml);
    return match.hasMatch() ? match.captured(1) + QLatin1Char('x') + match.captured(2) : QString();
}

// Whether pdffonts says the font of one of its lines is embedded ("name type encoding emb
// sub uni object ID", the type may have blanks).
bool embedded(const QString &line)
{
    const QStringList fields = line.simplified().split(QLatin1Char(' '));
    return fields.size() >= 7 && fields.at(fields.size() - 5) == QLatin1String("yes");
}

} // namespace

class LibreOfficeKeepsakeTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_engine = std::make_unique<LibreOfficeEngine>();
        m_template = temp(QStringLiteral("template-wall.dot"));
        QFile::remove(m_template);
        QVERIFY(QFile::copy(QStringLiteral(":/template/calendar-wall.dot"), m_template));
        QFile::setPermissions(m_template, QFile::ReadOwner | QFile::WriteOwner);
    }

    void cleanup()
    {
        m_engine.reset();
        QTRY_VERIFY_WITH_TIMEOUT(LibreOfficeTestSupport::officeChildren().isEmpty(), 10000);
    }

    // Weekend day numbers, milestones, the cover's title and year and a month's photo, all
    // there after the .doc has been saved and opened again; the .doc carries the photo.
    void keepsakePartsSurviveTheWordDocument()
    {
        const QString photo = writePhoto(QStringLiteral("june.jpg"));
        const QString plain = temp(QStringLiteral("plain.doc"));
        const QString filled = temp(QStringLiteral("filled.doc"));
        const std::unique_ptr<WordApplication> word = m_engine->createApplication();
        word->openDocument(m_template, true);
        word->saveAs(plain);

        QStringList styles(31);
        styles[1] = styles[2] = styles[8] = QStringLiteral("Weekend Day Number");
        word->setColumnParagraphStyles(1, 2, 1, styles);
        QList<TextRuns> entries(31);
        entries[14] = {{QStringLiteral("Mom Birthday "), QString()}, {QStringLiteral("70th"), QStringLiteral("Milestone")},
                       {QStringLiteral(" party"), QString()}};
        entries[15] = {{QStringLiteral("Tom's name day"), QString()}};
        word->fillColumnRuns(1, 2, 2, entries);
        word->setBookmarkText(QStringLiteral("CoverTitle"), QStringLiteral("Die Geburtstage der Familie Müller"));
        word->setBookmarkText(QStringLiteral("CoverYear"), QStringLiteral("2027"));
        word->placePicture(QStringLiteral("MonthPicture6"), photo);
        word->saveAs(filled);
        word->quit();

        const QString xml = reopenedAsOpenDocument(*m_engine, filled);
        QVERIFY(!xml.isEmpty());
        // Three weekend days in January's day column, the other cells in their own style.
        QCOMPARE(paragraphsInStyle(xml, QStringLiteral("Weekend Day Number")), 3);
        QVERIFY2(xml.contains(QStringLiteral("Mom Birthday <text:span text:style-name=\"Milestone\">70th</text:span> party")),
                 qPrintable(xml.mid(xml.indexOf(QStringLiteral("Mom Birthday")) - 100, 300)));
        QVERIFY(xml.contains(QStringLiteral("Tom&apos;s name day")));
        for (const char *bookmark : {"CoverTitle", "CoverYear"}) {
            const QRegularExpression spanned(QStringLiteral("<text:bookmark-start text:name=\"%1\"/>([^<]*)<text:bookmark-end text:name=\"%1\"/>").arg(QLatin1String(bookmark)));
            const QRegularExpressionMatch match = spanned.match(xml);
            QVERIFY2(match.hasMatch(), bookmark);
            QCOMPARE(match.captured(1), QLatin1String(bookmark) == QLatin1String("CoverTitle") ? QStringLiteral("Die Geburtstage der Familie Müller")
                                                                                                 : QStringLiteral("2027"));
        }
        // The photo shows at its place's size, as May's ornament does.
        QCOMPARE(pictureSize(xml, QStringLiteral("MonthPicture6")), pictureSize(xml, QStringLiteral("MonthPicture5")));
        QVERIFY(!pictureSize(xml, QStringLiteral("MonthPicture5")).isEmpty());
        // The photo is in the .doc itself, not linked: it grew by about the photo's size.
        const qint64 growth = QFileInfo(filled).size() - QFileInfo(plain).size();
        QVERIFY2(growth > QFileInfo(photo).size() * 8 / 10, qPrintable(QStringLiteral("%1 bytes more for a photo of %2").arg(growth).arg(QFileInfo(photo).size())));
    }

    // The PDF keeps the photo at print quality over its place, and embeds every font.
    void thePdfKeepsThePhotoAtPrintQuality()
    {
        const QString photo = writePhoto(QStringLiteral("march.jpg"));
        const QString pdf = temp(QStringLiteral("wall.pdf"));
        const std::unique_ptr<WordApplication> word = m_engine->createApplication();
        word->openDocument(m_template, true);
        word->placePicture(QStringLiteral("MonthPicture3"), photo);
        word->saveCopyAs(pdf, DocumentFormat::Pdf);
        word->quit();

        // "page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio"
        bool found = false;
        for (const QString &line : readerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(QLatin1Char('\n'))) {
            const QStringList fields = line.simplified().split(QLatin1Char(' '));
            if (fields.size() < 14 || fields.at(3).toInt() < 2000)
                continue;
            found = true;
            QVERIFY2(fields.at(12).toInt() >= 295 && fields.at(13).toInt() >= 295, qPrintable(line));
            QCOMPARE(fields.at(8), QStringLiteral("jpeg"));
        }
        QVERIFY(found);
        const QStringList fonts = readerOutput(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n')).mid(2);
        QVERIFY(!fonts.join(QString()).trimmed().isEmpty());
        for (const QString &font : fonts)
            if (!font.trimmed().isEmpty())
                QVERIFY2(embedded(font), qPrintable(font));
    }

private:
    QString m_template;
    std::unique_ptr<LibreOfficeEngine> m_engine;
};

DAYBLOOM_TEST_MAIN(LibreOfficeKeepsakeTest)

#include "LibreOfficeKeepsakeTest.moc"
