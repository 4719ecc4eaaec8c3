// The document operations of the office engine against a real private LibreOffice and the
// embedded calendar template: the tables as the builder addresses them, filling and saving
// a Word document that an independent reader can read, the page count, and the page
// pictures of the capture's copy-and-delete walk.

#include "core/wordgen/CalendarLook.h"
#include "core/wordgen/CalendarTemplate.h"
#include "core/wordgen/ClipboardPicture.h"
#include "core/preview/DocumentExport.h"
#include "core/shell/TempFolder.h"
#include "core/shell/CalendarMonths.h"
#include "core/wordgen/PagePicture.h"
#include "tests/support/OfficeProcesses.h"
#include "tests/support/FileReaders.h"
#include "tests/support/TestMain.h"
#include "tests/office/LibreOfficeTestSupport.h"
#include "core/wordgen/OfficeError.h"
#include "office/LibreOfficeEngine.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QTest>
#include <QUrl>

#include <poppler-qt6.h>

#include <algorithm>
#include <memory>

#include <csignal>

using namespace LibreOfficeTestSupport;

namespace {

// The entry typed for a day: unique, with text beyond ASCII.
QString entryFor(int month, int day)
{
    return QStringLiteral("Entry %1 %2 Zoë–Ł").arg(QString::fromLatin1(CalendarMonths::month(month).arrayName).mid(3)).arg(day);
}

// Runs the error-raising operation and gives its message; empty when it did not fail.
template<typename Operation>
QString failureOf(Operation operation)
{
    try {
        operation();
    } catch (const OfficeError &error) {
        return QString::fromUtf8(error.what());
    }
    return QString();
}

} // namespace

class LibreOfficeDocumentTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_template = writeTemplate();
        QVERIFY2(!m_template.isEmpty(), "the embedded calendar template is missing");
    }

    void cleanup()
    {
        m_word.reset();
        // Instances end in the background: within moments, not at once.
        QTRY_VERIFY2_WITH_TIMEOUT(officeChildren().isEmpty(), "an office process outlived its instance", 10000);
        QTRY_VERIFY_WITH_TIMEOUT(officeFolders().isEmpty(), 10000);
        QVERIFY2(officePipes().isEmpty(), qPrintable(officePipes().join(QLatin1Char(' '))));
    }

    void templateHoldsTheMonthTablesInCalendarOrder()
    {
        start();
        m_word->openDocument(m_template, true);
        for (int month = 0; month < CalendarMonths::count; ++month) {
            const int table = month + 1;
            const int lastRow = CalendarMonths::month(month).days + 1;
            m_word->selectCell(table, 1, 1);
            m_word->selectCell(table, 2, 1);
            m_word->selectCell(table, lastRow, 2);
            const auto fails = [&](int row, int cell) { return !failureOf([&] { m_word->selectCell(table, row, cell); }).isEmpty(); };
            QVERIFY2(fails(1, 2), qPrintable(QStringLiteral("month %1 has a second cell in its header row").arg(table)));
            QVERIFY2(fails(2, 3), qPrintable(QStringLiteral("month %1 has a third cell in a day row").arg(table)));
            QVERIFY2(fails(lastRow + 1, 1), qPrintable(QStringLiteral("month %1 has more rows than days").arg(table)));
        }
        QVERIFY(!failureOf([&] { m_word->selectCell(13, 1, 1); }).isEmpty());
        m_word->repaginate();
        QCOMPARE(m_word->pageCount(), 6);
    }

    void aCellThatDoesNotExistFailsReadably()
    {
        start();
        m_word->openDocument(m_template, true);
        const QString message = failureOf([&] { m_word->selectCell(1, 33, 2); });
        QVERIFY2(message.contains(QStringLiteral("The requested member of the collection does not exist.")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("table 1, row 33, cell 2")), qPrintable(message));
        // Typing after a failed selection does not write into some other cell.
        QVERIFY(!failureOf([&] { m_word->typeText(QStringLiteral("nowhere")); }).isEmpty());
        // The instance is still usable.
        m_word->selectCell(1, 32, 2);
        m_word->typeText(QStringLiteral("still works"));
    }

    void aFileThatCannotBeOpenedFailsReadably()
    {
        start();
        const QString missing = QStringLiteral("/nonexistent/folder/calendar.doc");
        const QString message = failureOf([&] { m_word->openDocument(missing, false); });
        QVERIFY2(message.contains(missing) && message.contains(QStringLiteral("does not exist")), qPrintable(message));
        // The instance is still usable.
        m_word->openDocument(m_template, true);
        m_word->selectCell(2, 30, 2);
    }

    void aFilledCalendarSavesAsAWordDocument()
    {
        const QString saved = temp(QStringLiteral("kestrel11111111.doc"));
        fillAndSave(saved);
        m_word->quit();
        QTRY_VERIFY_WITH_TIMEOUT(officeChildren().isEmpty(), 10000);

        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(4), QByteArray("\xD0\xCF\x11\xE0", 4)); // a Word 97-2003 (OLE) file

        // An independent reader finds every entry once, in calendar order, beside its day.
        const QString text = readerOutput(QStringLiteral("antiword"), {QStringLiteral("-m"), QStringLiteral("UTF-8.txt"), saved});
        QVERIFY2(!text.isEmpty(), "antiword could not read the saved document");
        const QStringList lines = text.split(QLatin1Char('\n'));
        static const char *const monthNames[] = {"January", "February", "March", "April", "May", "June", "July",
                                                 "August", "September", "October", "November", "December"};
        qsizetype previousLine = -1;
        for (int month = 0; month < CalendarMonths::count; ++month) {
            // The month's own table: its header row comes before its days.
            const auto header = std::find_if(lines.cbegin() + previousLine + 1, lines.cend(), [&](const QString &l) {
                return l.section(QLatin1Char('|'), 1, 1).trimmed() == QLatin1String(monthNames[month]);
            });
            QVERIFY2(header != lines.cend(), monthNames[month]);
            previousLine = header - lines.cbegin();
            for (int day = 1; day <= CalendarMonths::month(month).days; ++day) {
                const QString entry = entryFor(month, day);
                QCOMPARE(text.count(entry + QLatin1Char(' ')) + text.count(entry + QLatin1Char('|')), 1);
                const auto line = std::find_if(lines.cbegin(), lines.cend(), [&](const QString &l) { return l.contains(entry); });
                const qsizetype lineNumber = line - lines.cbegin();
                QVERIFY2(lineNumber > previousLine, qPrintable(entry + QStringLiteral(" is out of calendar order")));
                previousLine = lineNumber;
                const QString dayCell = line->section(QLatin1Char('|'), 1, 1).trimmed();
                QCOMPARE(dayCell, QString::number(day));
            }
        }
    }

    // A month's column in one call, in an instance got ready ahead with the template open,
    // gives the same document as cell by cell in an instance started on demand; a column
    // longer than its table fails, so that the caller can go day by day.
    void readyInstancesAndColumnFillsGiveTheSameDocument()
    {
        const QString cellByCell = temp(QStringLiteral("kestrel22222222.doc"));
        fillAndSave(cellByCell);
        m_word->quit();
        QTRY_VERIFY_WITH_TIMEOUT(officeChildren().isEmpty(), 10000);

        LibreOfficeEngine engine;
        QFile templateFile(m_template);
        QVERIFY(templateFile.open(QIODevice::ReadOnly));
        engine.prepareAhead(templateFile.readAll());
        QVERIFY(OfficeProcesses::waitUntilQuiet(2));
        const QList<pid_t> ready = officeChildren();
        QCOMPARE(ready.size(), 2);
        std::unique_ptr<WordApplication> word = engine.createApplication();
        word->openDocument(m_template, true);
        for (int month = 0; month < CalendarMonths::count; ++month) {
            QStringList texts;
            for (int day = 1; day <= CalendarMonths::month(month).days; ++day)
                texts.append(entryFor(month, day));
            word->fillColumn(month + 1, 2, 2, texts);
        }
        QVERIFY_THROWS_EXCEPTION(OfficeError, word->fillColumn(2, 2, 2, QStringList(30, QStringLiteral("too many"))));
        const QString byColumns = temp(QStringLiteral("kestrel33333333.doc"));
        word->saveAs(byColumns);
        word->quit();
        // The instance used was one of those got ready; the other is still there.
        QTRY_COMPARE_WITH_TIMEOUT(officeChildren().size(), 1, 10000);
        QVERIFY(ready.contains(officeChildren().first()));

        const auto text = [](const QString &file) {
            return readerOutput(QStringLiteral("antiword"), {QStringLiteral("-m"), QStringLiteral("UTF-8.txt"), file});
        };
        QVERIFY(!text(cellByCell).isEmpty());
        QCOMPARE(text(byColumns), text(cellByCell));
    }

    // An instance got ready that has died meanwhile is not handed out: a new one starts,
    // and works.
    void aReadyInstanceThatDiedIsReplaced()
    {
        LibreOfficeEngine engine;
        engine.prepareAhead(QByteArray());
        QVERIFY(OfficeProcesses::waitUntilQuiet(2));
        const QList<pid_t> killed = officeChildren();
        QCOMPARE(killed.size(), 2);
        for (pid_t pid : killed)
            ::kill(pid, SIGKILL);
        for (pid_t pid : killed)
            QTRY_VERIFY(!processRuns(pid));
        std::unique_ptr<WordApplication> word = engine.createApplication();
        word->openDocument(m_template, true);
        word->selectCell(1, 2, 2);
        QVERIFY(!killed.contains(officeChildren().constLast()));
        word->quit();
    }

    // Offices got ready with one paper's template and then asked for another's (the paper
    // was changed): the one holding the old template makes room for one with the new, and
    // the calendar made next comes out on the new paper.
    void aReadyInstanceWithAnotherTemplateIsReplaced()
    {
        LibreOfficeEngine engine;
        engine.prepareAhead(CalendarTemplate::bytes(CalendarLook::classic(PaperSize::Letter)));
        QVERIFY(OfficeProcesses::waitUntilQuiet(2));
        const QList<pid_t> before = officeChildren();
        QCOMPARE(before.size(), 2);

        engine.prepareAhead(CalendarTemplate::bytes(CalendarLook::classic(PaperSize::A4)));
        QVERIFY(OfficeProcesses::waitUntilQuiet(2));
        QTRY_COMPARE_WITH_TIMEOUT(officeChildren().size(), 2, 10000);
        const QList<pid_t> after = officeChildren();
        QCOMPARE(std::count_if(after.cbegin(), after.cend(), [&](pid_t pid) { return before.contains(pid); }), 1);

        const QString a4Template = temp(CalendarTemplate::fileName(CalendarLook::classic(PaperSize::A4)));
        QFile file(a4Template);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(CalendarTemplate::bytes(CalendarLook::classic(PaperSize::A4))) > 0);
        file.close();
        const QString pdf = temp(QStringLiteral("a4.pdf"));
        std::unique_ptr<WordApplication> word = engine.createApplication();
        word->openDocument(a4Template, true);
        DocumentExport::fromOpenDocument(*word, pdf, DocumentFormat::Pdf, FileReplacement::Kind::Private);
        word->closeDocumentWithoutSaving();
        word->quit();
        const QString info = readerOutput(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    }

    // When the engine goes (the program ends), every office it got ready ends too, within
    // moments, leaving no folder or socket.
    void endingTheEngineEndsItsReadyInstances()
    {
        auto engine = std::make_unique<LibreOfficeEngine>();
        engine->prepareAhead(QByteArray());
        QTRY_COMPARE_WITH_TIMEOUT(officeChildren().size(), 2, 10000);
        QElapsedTimer clock;
        clock.start();
        engine.reset();
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(officeChildren().isEmpty());
        // cleanup() checks the folders and sockets.
    }

    // The filled calendar written as PDF, Word 2007-365 and OpenDocument: an independent
    // reader finds every entry in each, on six pages; the document itself is unchanged.
    void everyFormatHoldsEveryEntry_data()
    {
        QTest::addColumn<DocumentFormat>("format");
        QTest::newRow("pdf") << DocumentFormat::Pdf;
        QTest::newRow("docx") << DocumentFormat::Word2007;
        QTest::newRow("odt") << DocumentFormat::OpenDocument;
    }

    void everyFormatHoldsEveryEntry()
    {
        QFETCH(DocumentFormat, format);
        const QString document = temp(QStringLiteral("kestrel44444444.doc"));
        fillAndSave(document);
        m_word->quit();
        const QByteArray saved = fileContent(document);
        const QString target = temp(QStringLiteral("calendar.") + DocumentFormats::suffix(format));

        LibreOfficeEngine engine;
        DocumentExport::fromDocument(engine, document, target, format, FileReplacement::Kind::Private);

        QString text;
        int pages = 0;
        if (format == DocumentFormat::Pdf) {
            text = readerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), target, QStringLiteral("-")});
            pages = text.count(QLatin1Char('\f'));
        } else {
            text = zipMember(target, format == DocumentFormat::Word2007 ? QStringLiteral("word/document.xml")
                                                                         : QStringLiteral("content.xml"));
            // The office lays the written file out again, as a person opening it would.
            std::unique_ptr<WordApplication> reader = engine.createApplication();
            reader->openDocument(target, true);
            reader->repaginate();
            pages = reader->pageCount();
            reader->quit();
        }
        QVERIFY2(!text.isEmpty(), "no reader could read the written file");
        for (int month = 0; month < CalendarMonths::count; ++month)
            for (int day = 1; day <= CalendarMonths::month(month).days; ++day)
                QVERIFY2(text.contains(entryFor(month, day)), qPrintable(entryFor(month, day)));
        QCOMPARE(pages, 6);
        QCOMPARE(fileContent(document), saved);
        QCOMPARE(QDir(TempFolder::path()).entryList({QStringLiteral(".calendar*")}, QDir::Files | QDir::Hidden), QStringList());
    }

    void closingWithoutSavingLeavesTheFileAsItWas()
    {
        const QString saved = temp(QStringLiteral("kestrel22222222.doc"));
        fillAndSave(saved);
        const QByteArray before = fingerprint(saved);
        const QDateTime modified = QFileInfo(saved).lastModified();
        const QStringList folderBefore = QDir(QFileInfo(saved).path()).entryList(QDir::Files | QDir::Hidden);

        m_word->openDocument(saved, false);
        m_word->selectCell(3, 5, 2);
        m_word->typeText(QStringLiteral("changed in the copy"));
        walkThePages();
        m_word->closeDocumentWithoutSaving();
        m_word->quit();

        QCOMPARE(fingerprint(saved), before);
        QCOMPARE(QFileInfo(saved).lastModified(), modified);
        // No lock file or other leftover beside the document.
        QCOMPARE(QDir(QFileInfo(saved).path()).entryList(QDir::Files | QDir::Hidden), folderBefore);
    }

    void savingWhereNoFileCanBeFails()
    {
        start();
        m_word->openDocument(m_template, true);
        // Below a regular file no folder can exist, even for root; the office itself would
        // never return from such a save.
        const QString blocker = temp(QStringLiteral("plain-file"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString missingFolder = temp(QStringLiteral("no-such-folder"));
        for (const QString &target : {blocker + QStringLiteral("/calendar.doc"), missingFolder + QStringLiteral("/calendar.doc"),
                                      QFileInfo(blocker).path()}) {
            const QString message = failureOf([&] { m_word->saveAs(target); });
            QVERIFY2(message.contains(target), qPrintable(message));
        }
        // The office does not make the missing folder on its own.
        QVERIFY(!QFileInfo::exists(missingFolder));
        // A good path still works afterwards.
        m_word->saveAs(temp(QStringLiteral("after-failures.doc")));
        QVERIFY(QFileInfo(temp(QStringLiteral("after-failures.doc"))).size() > 0);
    }

    void pagePicturesShowEveryPageInOrder()
    {
        const QString saved = temp(QStringLiteral("kestrel33333333.doc"));
        fillAndSave(saved);
        m_word->openDocument(saved, false);
        const QList<QImage> pictures = walkThePages();
        m_word->closeDocumentWithoutSaving();
        m_word->quit();

        QCOMPARE(pictures.size(), 6);
        const QList<QImage> reference = independentPages(saved);
        QCOMPARE(reference.size(), 6);
        for (int page = 0; page < pictures.size(); ++page) {
            const QImage &picture = pictures.at(page);
            // Twice its natural size on a screen of one device pixel a pixel (offscreen).
            QCOMPARE(picture.size(), QSize(680, 880));
            QCOMPARE(PagePicture::naturalSize(picture), QSize(340, 440));
            QCOMPARE(picture.pixelColor(2, 2), QColor(Qt::white));
            for (int other = 0; other < pictures.size(); ++other) {
                const double difference = differingShare(picture, reference.at(other));
                if (other == page)
                    QVERIFY2(difference < 0.002, qPrintable(QStringLiteral("picture %1 is not page %1 (%2)").arg(page + 1).arg(difference)));
                else
                    QVERIFY2(difference > 0.002, qPrintable(QStringLiteral("picture %1 looks like page %2").arg(page + 1).arg(other + 1)));
            }
        }
    }

    void aOnePageDocumentGivesOnePicture()
    {
        start();
        // A document of one page: a line of plain text.
        const QString single = temp(QStringLiteral("single.txt"));
        QFile file(single);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("One page only.\n");
        file.close();
        m_word->openDocument(single, false);
        m_word->repaginate();
        QCOMPARE(m_word->pageCount(), 1);
        const QList<QImage> pictures = walkThePages();
        QCOMPARE(pictures.size(), 1);
        QVERIFY(!pictures.first().isNull());
    }

private:
    void start()
    {
        m_word = LibreOfficeEngine().createApplication();
    }

    static QString temp(const QString &name)
    {
        return TempFolder::path() + QLatin1Char('/') + name;
    }

    // Opens the template as the builder does, types every day's entry and saves.
    void fillAndSave(const QString &path)
    {
        start();
        m_word->openDocument(m_template, true);
        for (int month = 0; month < CalendarMonths::count; ++month) {
            for (int index = 0; index < CalendarMonths::month(month).days; ++index) {
                m_word->selectCell(month + 1, index + 2, 2);
                m_word->typeText(entryFor(month, index + 1));
            }
        }
        m_word->saveAs(path);
        m_word->setDisplayAlerts(false);
        m_word->closeDocument();
    }

    // The capture's walk: copy the first page, then take it out, until the last page.
    QList<QImage> walkThePages()
    {
        m_word->repaginate();
        const int pageCount = m_word->pageCount();
        QList<QImage> pictures;
        for (int done = 0;; ++done) {
            ClipboardPicture::clear();
            m_word->copyAsPicture();
            pictures.append(ClipboardPicture::GetClipboardPicture(0));
            if (pageCount - done <= 1) {
                m_word->endKeyExtend();
                break;
            }
            m_word->goToNextPage();
            m_word->homeKeyExtend();
            m_word->deleteSelection();
        }
        return pictures;
    }

    // The document's pages as a separate office converts them to PDF, drawn at the
    // pictures' resolution.
    static QList<QImage> independentPages(const QString &document)
    {
        QTemporaryDir work(temp(QStringLiteral("convert-XXXXXX")));
        // An office on a new profile ends once (exit code 81) before it does any work.
        for (int attempt = 0; attempt < 2; ++attempt) {
            QProcess office;
            office.start(LibreOfficeEngine::defaultOfficeProgram(),
                         {QStringLiteral("--headless"), QStringLiteral("--norestore"),
                          QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(work.filePath(QStringLiteral("profile"))).toString(),
                          QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"), work.path(), document});
            if (!office.waitForFinished(120000)) {
                office.kill();
                office.waitForFinished();
            }
            if (office.exitCode() != 81)
                break;
        }
        return renderPdf(work.filePath(QFileInfo(document).completeBaseName() + QStringLiteral(".pdf")));
    }

    static QList<QImage> renderPdf(const QString &pdf)
    {
        QList<QImage> pages;
        const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(pdf);
        if (!document)
            return pages;
        document->setRenderHint(Poppler::Document::Antialiasing);
        document->setRenderHint(Poppler::Document::TextAntialiasing);
        for (int page = 0; page < document->numPages(); ++page)
            pages.append(document->page(page)->renderToImage(80, 80)); // a Letter page 680 pixels wide
        return pages;
    }

    // The share of pixels that differ clearly between two pictures of the same size.
    static double differingShare(const QImage &a, const QImage &b)
    {
        if (a.size() != b.size())
            return 1.0;
        const QImage first = a.convertToFormat(QImage::Format_Grayscale8);
        const QImage second = b.convertToFormat(QImage::Format_Grayscale8);
        qint64 differing = 0;
        for (int y = 0; y < first.height(); ++y) {
            const uchar *left = first.constScanLine(y);
            const uchar *right = second.constScanLine(y);
            for (int x = 0; x < first.width(); ++x)
                differing += std::abs(int(left[x]) - int(right[x])) > 64;
        }
        return double(differing) / (qint64(first.width()) * first.height());
    }

    static QByteArray fingerprint(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray();
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }

    QString m_template;
    std::unique_ptr<WordApplication> m_word;
};

DAYBLOOM_TEST_MAIN(LibreOfficeDocumentTest)
#include "LibreOfficeDocumentTest.moc"
