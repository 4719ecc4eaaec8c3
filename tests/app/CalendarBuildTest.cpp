#include "tests/support/WindowParts.h"
#include "tests/office/LibreOfficeTestSupport.h"
#include "tests/support/FileReaders.h"
#include "tests/support/ReportedErrors.h"
#include "tests/support/TestMain.h"

#include "windows/entry/EntryPanel.h"
#include "windows/preview/Form2.h"
#include "core/shell/CalendarMonths.h"
#include "core/shell/PaperPreference.h"
#include "windows/shell/Form1.h"
#include "core/wordgen/PagePicture.h"
#include "core/shell/TempFolder.h"
#include "core/preview/DocumentExport.h"
#include "core/wordgen/PageCapture.h"
#include "tests/support/ScriptedCommonDialog.h"
#include "tests/support/ClickButton.h"
#include "office/LibreOfficeEngine.h"

#include <QClipboard>
#include <QDateTime>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QRegularExpression>
#include <QTest>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <memory>

#include <csignal>

namespace {

struct Entry {
    int month;
    int index;
    QString text;
};

// What an independent reader finds in a saved calendar: for every month and day, the
// entry printed next to the day number.
QMap<QString, QString> entriesInDocument(const QString &document)
{
    QProcess antiword;
    antiword.start(QStringLiteral("antiword"), {QStringLiteral("-m"), QStringLiteral("UTF-8.txt"), document});
    if (!antiword.waitForFinished(30000) || antiword.exitCode() != 0)
        return {{QStringLiteral("error"), QString::fromUtf8(antiword.readAllStandardError())}};
    // Days 1 to 9 are printed after two no-break spaces.
    static const QRegularExpression dayRow(QStringLiteral("^\\|\\s*(\\d+)\\s*\\|(.*)\\|\\s*$"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression headerRow(QStringLiteral("^\\|\\s*(\\w+)\\s*\\|\\s*$"));
    QMap<QString, QString> entries;
    int month = -1;
    for (const QString &line : QString::fromUtf8(antiword.readAllStandardOutput()).split(u'\n')) {
        if (const QRegularExpressionMatch header = headerRow.match(line); header.hasMatch()) {
            for (int m = 0; m < CalendarMonths::count; ++m)
                if (QString::fromLatin1(CalendarMonths::month(m).caption).trimmed() == header.captured(1))
                    month = m;
        } else if (const QRegularExpressionMatch day = dayRow.match(line); day.hasMatch() && month >= 0) {
            const QString text = day.captured(2).trimmed();
            if (!text.isEmpty())
                entries.insert(CalendarMonths::entryName(month, day.captured(1).toInt() - 1), text);
        }
    }
    return entries;
}

// The boxes keep no control characters; a tab reaches the document as a space.
QMap<QString, QString> expectedEntries(const QList<Entry> &entries)
{
    QMap<QString, QString> expected;
    for (const Entry &entry : entries) {
        QString text = entry.text;
        text.remove(QRegularExpression(QStringLiteral("[\\x00-\\x08\\x0b\\x0c\\x0e-\\x1f\\x7f]")));
        text.replace(QRegularExpression(QStringLiteral("[\\t\\r\\n]")), QStringLiteral(" "));
        if (!text.isEmpty())
            expected.insert(CalendarMonths::entryName(entry.month, entry.index), text);
    }
    return expected;
}

// The pages of a PDF file as grey pictures at 50 dots per inch.
QList<QImage> pdfPages(const QString &pdf)
{
    QTemporaryDir folder;
    QProcess renderer;
    renderer.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-gray"), pdf,
                                                folder.filePath(QStringLiteral("page"))});
    renderer.waitForFinished(60000);
    QList<QImage> pages;
    for (const QString &name : QDir(folder.path()).entryList({QStringLiteral("page*")}, QDir::Files, QDir::Name))
        pages.append(QImage(folder.filePath(name)).convertToFormat(QImage::Format_Grayscale8));
    return pages;
}

// How far two grey pictures of one size differ, on average, in grey levels per pixel.
double meanDifference(const QImage &a, const QImage &b)
{
    double total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            total += std::abs(int(a.constScanLine(y)[x]) - int(b.constScanLine(y)[x]));
    return total / (double(a.width()) * a.height());
}

QStringList pageListTexts(const Form2 &preview)
{
    QStringList texts;
    const auto *list = preview.findChild<QTreeWidget *>(QStringLiteral("ListView1"));
    for (int row = 0; list && row < list->topLevelItemCount(); ++row)
        texts.append(list->topLevelItem(row)->text(0));
    return texts;
}

QStringList pageItems(int count)
{
    QStringList items;
    for (int n = 1; n <= count; ++n)
        items.append(QStringLiteral("Page ") + QString::number(n));
    return items;
}

} // namespace

// The whole job with the real office: type entries, build, look at the pages, go back,
// change an entry, build again.
class CalendarBuildTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Letter pages, whatever the paper of the locale the tests run in.
        QVERIFY(PaperPreference::choose(PaperSize::Letter).saved);
        m_form = std::make_unique<Form1>(*m_engine, m_dialogs);
        m_form->Form_Load();
        QVERIFY(!m_form->programEnded());
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        takeReportedErrors();
    }

    void cleanupTestCase()
    {
        if (Form2 *preview = WindowParts::previewWindow()) {
            QFile::remove(preview->wordFile());
            preview->hide();
        }
        m_form.reset();
        // Ending the engine ends the offices it got ready for a next build.
        m_engine.reset();
        QCOMPARE(LibreOfficeTestSupport::officeChildren(), QList<pid_t>());
    }

    void firstBuildShowsEveryPage()
    {
        m_entries = {
            {0, 0, QStringLiteral("New Year party")},
            {0, 15, QStringLiteral("Elvis Anniversary")},
            {1, 28, QStringLiteral("Leap day")},
            {3, 12, QStringLiteral("Mary Birthday")},
            {6, 3, QStringLiteral("Zoë & Chloé's café")},
            {11, 30, QStringLiteral("Mom Birthday")},
        };
        for (const Entry &entry : m_entries)
            typeInto(entry);
        // Pasted text may hold tabs and control characters; the entry still lands.
        m_entries.append({2, 4, QStringLiteral("Tab\there")});
        m_entries.append({2, 5, QStringLiteral("Control\x01" "character")});
        for (int n = m_entries.size() - 2; n < m_entries.size(); ++n)
            WindowParts::entryPanel(*m_form).box(m_entries[n].month, m_entries[n].index)->setText(m_entries[n].text);
        // The person's clipboard is theirs: a build leaves it as it was.
        QGuiApplication::clipboard()->setText(QStringLiteral("the person's own text"));

        m_firstBuildOffices = build();

        checkBuild(m_firstBuildPages);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("the person's own text"));
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
        m_firstDocument = preview().wordFile();
    }

    // Ctrl+P prints the document as the office lays it out: every page with its entries, or
    // the range chosen; a printer that refuses the job gets a clear message.
    void printingGivesTheChosenPages_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("pages");
        QTest::newRow("all") << 0 << 0 << 6;
        QTest::newRow("pages 2 to 3") << 2 << 3 << 2;
    }

    void printingGivesTheChosenPages()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, pages);
        const QTemporaryDir out;
        const QString printed = out.filePath(QStringLiteral("printed.pdf"));
        m_dialogs.queuePrinter([&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            printer.setFromTo(from, to);
            return true;
        });
        preview().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&preview()));
        QTest::keyClick(&preview(), Qt::Key_P, Qt::ControlModifier);

        QCOMPARE(takeReportedErrors(), QStringList());
        // Each printed page looks as the document's own PDF page does.
        const QString own = TempFolder::file(QStringLiteral("own.pdf"));
        DocumentExport::fromDocument(*m_engine, preview().wordFile(), own, DocumentFormat::Pdf, FileReplacement::Kind::Private);
        const QList<QImage> printedPages = pdfPages(printed);
        const QList<QImage> ownPages = pdfPages(own);
        QFile::remove(printed);
        QFile::remove(own);
        QCOMPARE(printedPages.size(), pages);
        QCOMPARE(ownPages.size(), 6);
        for (int n = 0; n < pages; ++n) {
            const QImage &expected = ownPages.at((from > 0 ? from - 1 : 0) + n);
            QCOMPARE(printedPages.at(n).size(), expected.size());
            QVERIFY2(meanDifference(printedPages.at(n), expected) < 6.0,
                     qPrintable(QStringLiteral("page %1 differs by %2").arg(n + 1).arg(meanDifference(printedPages.at(n), expected))));
        }
        QCOMPARE(QDir(TempFolder::path()).entryList({QStringLiteral("print*")}), QStringList());
    }

    // A file printed to is one of the person's files: what cannot be written is said in the
    // words every write path uses, before anything is printed.
    void aPrintFileThatCannotBeWrittenIsNamed()
    {
        m_dialogs.queuePrinter([](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QStringLiteral("/nonexistent/folder/printed.pdf"));
            return true;
        });
        preview().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&preview()));
        QTest::keyClick(&preview(), Qt::Key_P, Qt::ControlModifier);
        const QStringList reports = takeReportedErrors();
        QCOMPARE(reports.size(), 1);
        QCOMPARE(reports.first(), QStringLiteral("Cannot write /nonexistent/folder/printed.pdf: the folder /nonexistent/folder does not exist."));
    }

    // Picturing the pages never changes the document: the office's copy is closed unsaved.
    void captureLeavesTheDocumentUnchanged()
    {
        const QString document = preview().wordFile();
        QFile file(document);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        const QDateTime modified = QFileInfo(document).lastModified();

        preview().clearPageList();
        PageCapture(*m_engine, preview(), [] {}).SaveDocAsJPG(document);

        QCOMPARE(takeReportedErrors(), QStringList());
        QCOMPARE(pageListTexts(preview()), pageItems(6));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(QFileInfo(document).lastModified(), modified);
        QTRY_VERIFY_WITH_TIMEOUT(LibreOfficeTestSupport::officeFoldersWithoutOffice().isEmpty(), 10000);
    }

    void backThenBuildAgain()
    {
        clickButton(preview(), QStringLiteral("PushButton8"));
        QVERIFY(!QFile::exists(m_firstDocument));
        QVERIFY(m_form->isVisible());
        QVERIFY(!preview().isVisible());

        m_entries[0].text = QStringLiteral("Changed entry");
        m_entries[2].text.clear();
        typeInto(m_entries[0]);
        typeInto(m_entries[2]);

        const QSet<pid_t> offices = build();

        QList<QImage> pages;
        checkBuild(pages);
        // Every build has offices of its own, never one an earlier build used.
        QVERIFY(!offices.isEmpty() && !m_firstBuildOffices.isEmpty());
        QVERIFY(!offices.intersects(m_firstBuildOffices));
        if (QTest::currentTestFailed() || m_firstBuildPages.size() != 6)
            return;
        QVERIFY(preview().wordFile() != m_firstDocument);
        // The new first page shows the changed January; the untouched months look as before.
        QVERIFY(pages[0] != m_firstBuildPages[0]);
        QCOMPARE(pages[2], m_firstBuildPages[2]);
    }

    // With A4 chosen, the next build lays the calendar out on A4, still six pages, and the
    // printer is given A4 paper for it.
    void anA4CalendarIsPrintedOnA4()
    {
        QVERIFY(PaperPreference::choose(PaperSize::A4).saved);
        const auto backToLetter = qScopeGuard([] { PaperPreference::choose(PaperSize::Letter); });
        clickButton(preview(), QStringLiteral("PushButton8"));
        build();
        QCOMPARE(takeReportedErrors(), QStringList());
        QCOMPARE(pageListTexts(preview()), pageItems(6));
        QCOMPARE(PagePicture::naturalSize(preview().pageImage(0)), QSize(340, 481));

        const QTemporaryDir out;
        const QString printed = out.filePath(QStringLiteral("printed-a4.pdf"));
        QPageSize offered;
        m_dialogs.queuePrinter([&](QPrinter &printer) {
            offered = printer.pageLayout().pageSize();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            return true;
        });
        preview().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&preview()));
        QTest::keyClick(&preview(), Qt::Key_P, Qt::ControlModifier);

        QCOMPARE(takeReportedErrors(), QStringList());
        QCOMPARE(offered.id(), QPageSize::A4);
        const QString info = readerOutput(QStringLiteral("pdfinfo"), {printed});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +6\\n"))) && info.contains(QStringLiteral("(A4)")), qPrintable(info));
    }

    // An office that stops answering in the middle of a build (stopped with SIGSTOP) is
    // noticed at once, long before its limit, and costs one report; the build ends idle and
    // unfrozen with no office left, and the next click builds.
    void aStoppedOfficeCostsOneReportAndTheNextBuildWorks()
    {
        const std::chrono::milliseconds limit = std::chrono::seconds(30);
        // Only this engine's offices are stopped, not those other tests got ready.
        const QList<pid_t> others = LibreOfficeTestSupport::officeChildren();
        LibreOfficeEngine engine(LibreOfficeEngine::defaultOfficeProgram(),
                                 OfficeTimeLimits{limit, limit, limit, limit, limit});
        Form1 form(engine, m_dialogs);
        form.Form_Load();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        takeReportedErrors();

        QElapsedTimer sinceStopped;
        QList<pid_t> stopped;
        // Once the build's office has opened the template, it stops answering.
        QTimer stopper;
        connect(&stopper, &QTimer::timeout, [&] {
            QList<pid_t> offices = LibreOfficeTestSupport::officeChildren();
            offices.removeIf([&others](pid_t pid) { return others.contains(pid); });
            if (offices.isEmpty() || !QFileInfo::exists(TempFolder::file(QStringLiteral("template.dot"))))
                return;
            for (pid_t pid : offices)
                ::kill(pid, SIGSTOP);
            stopped = offices;
            sinceStopped.start();
            stopper.stop();
        });
        stopper.start(5);
        clickButton(form, QStringLiteral("PushButton22"));
        stopper.stop();

        QVERIFY(!stopped.isEmpty());
        QVERIFY2(sinceStopped.elapsed() < 5000, qPrintable(QStringLiteral("noticed after %1 ms").arg(sinceStopped.elapsed())));
        const QStringList reports = takeReportedErrors();
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports.first().startsWith(QStringLiteral("PushButton22_Click:")), qPrintable(reports.first()));
        QCOMPARE(WindowParts::pointer(form).value(), MousePointer::Default); // the build is over
        QVERIFY(form.updatesEnabled());
        // The build's office was given up, and so was the office got ready for the next
        // build, stopped too: none is left stopped.
        for (pid_t pid : std::as_const(stopped))
            QTRY_VERIFY_WITH_TIMEOUT(!LibreOfficeTestSupport::processExists(pid), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(LibreOfficeTestSupport::officeFoldersWithoutOffice().isEmpty(), 10000);

        form.show();
        clickButton(form, QStringLiteral("PushButton22"));
        QCOMPARE(takeReportedErrors(), QStringList());
        Form2 *preview = WindowParts::previewWindow();
        QVERIFY(preview && preview->isVisible());
        QCOMPARE(pageListTexts(*preview), pageItems(6));
        QFile::remove(preview->wordFile());
        preview->hide();
    }

private:
    Form2 &preview() { return *WindowParts::previewWindow(); }

    void typeInto(const Entry &entry)
    {
        QLineEdit *box = WindowParts::entryPanel(*m_form).box(entry.month, entry.index);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        // Qt Test's keyClicks accepts only Latin-1 text; anything else goes as one event.
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, entry.text, Qt::NoModifier);
        QCOMPARE(box->text(), entry.text);
    }

    // Builds, and notes every office that ran while the build went on.
    QSet<pid_t> build()
    {
        QSet<pid_t> seen;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, [&seen] {
            for (pid_t pid : LibreOfficeTestSupport::officeChildren())
                seen.insert(pid);
        });
        sampler.start(10);
        clickButton(*m_form, QStringLiteral("PushButton22"));
        return seen;
    }

    // Checks what the user gets from a build; pages receives the page pictures.
    void checkBuild(QList<QImage> &pages)
    {
        QCOMPARE(takeReportedErrors(), QStringList());
        QCOMPARE(WindowParts::pointer(*m_form).value(), MousePointer::Default); // the build is over
        QVERIFY(!m_form->isVisible());
        QVERIFY(m_form->updatesEnabled());
        QVERIFY(preview().isVisible());
        QCOMPARE(pageListTexts(preview()), pageItems(6));
        for (int n = 0; n < 6; ++n) {
            const QImage page = preview().pageImage(n);
            QVERIFY(!page.isNull());
            QCOMPARE(PagePicture::naturalSize(page), QSize(340, 440));
            for (const QImage &earlier : std::as_const(pages))
                QVERIFY2(page != earlier, qPrintable(QStringLiteral("page %1 repeats an earlier page").arg(n + 1)));
            pages.append(page);
        }

        const QString document = preview().wordFile();
        QVERIFY2(QRegularExpression(QStringLiteral("^kestrel[1-9]{8}\\.doc$")).match(QFileInfo(document).fileName()).hasMatch(),
                 qPrintable(document));
        QCOMPARE(entriesInDocument(document), expectedEntries(m_entries));
        // The build's offices end in the background; what runs then are at most the two
        // got ready for the next build. Only the document is left in the temporary folder,
        // beside the engine's set-up profile and the folders of the offices that run.
        // (Several times the limit after which an office that does not end is killed: on a
        // busy machine the build's two offices can each take that long to end, one after the
        // other; a folder left behind for good stays past any wait.)
        QTRY_VERIFY_WITH_TIMEOUT(LibreOfficeTestSupport::officeFoldersWithoutOffice().isEmpty(), 45000);
        QTRY_VERIFY_WITH_TIMEOUT(LibreOfficeTestSupport::officeChildren().size() <= 2, 20000);
        QStringList left = QDir(TempFolder::path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        left.removeIf([](const QString &name) {
            return name.startsWith(QLatin1String("daybloom-profile-")) || name.startsWith(QLatin1String("daybloom-office-"));
        });
        QCOMPARE(left, QStringList{QFileInfo(document).fileName()});
    }

    std::unique_ptr<LibreOfficeEngine> m_engine = std::make_unique<LibreOfficeEngine>();
    ScriptedCommonDialog m_dialogs;
    std::unique_ptr<Form1> m_form;
    QList<Entry> m_entries;
    QList<QImage> m_firstBuildPages;
    QSet<pid_t> m_firstBuildOffices;
    QString m_firstDocument;
};

DAYBLOOM_TEST_MAIN(CalendarBuildTest)
#include "CalendarBuildTest.moc"
