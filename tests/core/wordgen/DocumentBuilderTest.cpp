#include "tests/support/RecordingPreviewPages.h"
#include "tests/support/ReportedErrors.h"
#include "tests/support/FakeWordEngine.h"
#include "tests/support/FileReaders.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/SmallTempDisk.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestPictures.h"

#include "core/shell/CalendarMonths.h"
#include "core/entry/DayEntries.h"
#include "core/shell/TempFolder.h"
#include "core/wordgen/BuildSurface.h"
#include "core/wordgen/CalendarDesigns.h"
#include "core/wordgen/CalendarLook.h"
#include "core/wordgen/CalendarTemplate.h"
#include "core/wordgen/DocumentBuilder.h"
#include "core/wordgen/DocumentNameGenerator.h"
#include "core/wordgen/PageCapture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTest>

#include <memory>
#include <optional>

namespace {

// The main window's side of a build, kept as plain state; the pages are captured with the
// real capture into a recording preview.
class TestBuildSurface : public BuildSurface, public DayEntries
{
public:
    explicit TestBuildSurface(FakeWordEngine &engine)
    {
        engine.setBeforeCall([this](const FakeCall &call) { noteCall(call); });
    }

    // The capture's instance is the second one: the window must still be frozen then.
    // Tests that hook the engine themselves pass their calls on here.
    void noteCall(const FakeCall &call)
    {
        if (call.instance == 2 && call.operation == FakeOperation::CreateApplication)
            frozenDuringCapture = frozen;
    }

    const DayEntries &dayEntries() const override { return *this; }
    CalendarLook look() const override { return chosenLook; }
    QString entryText(int month, int index) const override { return entries.value(CalendarMonths::entryName(month, index)); }
    void setEntryText(int month, int index, const QString &text) override { entries.insert(CalendarMonths::entryName(month, index), text); }
    void showBusy(bool value) override { busy = value; }
    void freezePainting(bool value) override { frozen = value; }
    void hideWindow() override { hidden = true; }

    PreviewPages &previewPages() override
    {
        if (!preview)
            preview = std::make_unique<RecordingPreviewPages>();
        return *preview;
    }

    CalendarLook chosenLook = CalendarLook::classic(PaperSize::Letter);
    bool busy = false;
    bool frozen = false;
    bool hidden = false;
    QHash<QString, QString> entries;
    std::unique_ptr<RecordingPreviewPages> preview;
    bool frozenDuringCapture = false;
};

QString writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// The names a generator with this clock draws, in order.
QStringList drawnNames(const DocumentNameGenerator::Clock &clock, int count)
{
    DocumentNameGenerator generator(clock);
    QStringList names;
    for (int n = 0; n < count; ++n) {
        QString name = DocumentNameGenerator::prefix();
        for (int i = 0; i < DocumentNameGenerator::digitCount; ++i) {
            generator.reseed();
            name += QString::number(generator.drawDigit());
        }
        names.append(name + DocumentNameGenerator::suffix());
    }
    return names;
}

constexpr qint64 megabyte = 1024 * 1024;

QString templatePath()
{
    return TempFolder::file(QStringLiteral("template.dot"));
}

// The generated documents in the temporary folder.
QStringList documentsLeft()
{
    return QDir(TempFolder::path()).entryList({QStringLiteral("kestrel*")}, QDir::Files);
}

} // namespace

class DocumentBuilderTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        takeReportedErrors();
        QDir temp(TempFolder::path());
        for (const QString &name : temp.entryList(QDir::Files))
            temp.remove(name);
    }

    void fillsEveryDayAndShowsThePreview()
    {
        FakeWordEngine engine;
        TestBuildSurface window(engine);
        // Every day gets its own entry, except every fifth day, which stays empty.
        for (int month = 0; month < CalendarMonths::count; ++month)
            for (int index = 0; index < CalendarMonths::month(month).days; ++index)
                if (CalendarMonths::dayOfYear(month, index) % 5 != 0)
                    window.entries.insert(CalendarMonths::entryName(month, index),
                                          QStringLiteral(" entry %1 ").arg(CalendarMonths::entryName(month, index)));
        QByteArray templateAtOpen;
        engine.setBeforeCall([&](const FakeCall &call) {
            window.noteCall(call);
            if (call.operation == FakeOperation::OpenDocument && call.instance == 1)
                templateAtOpen = fileContent(templatePath());
            // A box changed while the build runs goes in as it is when its month is filled.
            if (call.operation == FakeOperation::FillColumn && call.arguments.startsWith(QStringLiteral("1 2 2:")))
                window.entries.insert(QStringLiteral("txtDec30"), QStringLiteral("changed meanwhile"));
        });

        DocumentBuilder builder(engine, window, DocumentNameGenerator::shared());
        builder.PushButton22_Click();

        QCOMPARE(takeReportedErrors(), QStringList());
        QCOMPARE(engine.calls(FakeOperation::OpenDocument).at(0).arguments, templatePath() + QStringLiteral(" read-only"));
        QCOMPARE(templateAtOpen, CalendarTemplate::bytes(CalendarLook::classic(PaperSize::Letter)));
        QVERIFY(!QFile::exists(templatePath()));

        // One call a month fills its day column, cell 2 from row 2 down, day by day.
        const QList<FakeCall> columns = engine.calls(FakeOperation::FillColumn);
        QCOMPARE(columns.size(), CalendarMonths::count);
        QCOMPARE(engine.calls(FakeOperation::SelectCell).size(), 0);
        QCOMPARE(engine.calls(FakeOperation::TypeText).size(), 0);
        for (int month = 0; month < CalendarMonths::count; ++month) {
            QStringList texts;
            for (int index = 0; index < CalendarMonths::month(month).days; ++index)
                texts.append(window.entries.value(CalendarMonths::entryName(month, index)));
            QCOMPARE(columns[month].arguments, QStringLiteral("%1 2 2: %2").arg(month + 1).arg(texts.join(QLatin1Char('|'))));
        }
        QVERIFY(columns.constLast().arguments.endsWith(QStringLiteral("|changed meanwhile")));

        const QString document = engine.calls(FakeOperation::SaveAs).at(0).arguments;
        QVERIFY2(QRegularExpression(QStringLiteral("^kestrel[1-9]{8}\\.doc$")).match(QFileInfo(document).fileName()).hasMatch(),
                 qPrintable(document));
        QCOMPARE(QFileInfo(document).absolutePath(), QFileInfo(TempFolder::path()).absoluteFilePath());
        QCOMPARE(engine.savedCell(document, 2, 30, 2), QStringLiteral(" entry txtFeb28 "));
        QCOMPARE(engine.savedCell(document, 1, 2, 2), QString());

        // The first instance has quit before the capture's instance opens the document.
        QStringList sequence;
        for (const FakeCall &call : engine.calls())
            if (call.operation != FakeOperation::FillColumn)
                sequence.append(QString::number(call.instance) + FakeWordEngine::operationName(call.operation));
        QCOMPARE(sequence.mid(0, 7), QStringList({"1createApplication", "1openDocument", "1saveAs", "1setDisplayAlerts",
                                                  "1closeDocument", "1quit", "2createApplication"}));
        QCOMPARE(engine.calls(FakeOperation::SetDisplayAlerts).at(0).arguments, QStringLiteral("false"));
        QCOMPARE(engine.liveInstances(), 0);
        QCOMPARE(engine.instancesEndedWithoutQuit(), 0);

        QVERIFY(window.preview);
        QCOMPARE(window.preview->items.size(), 6);
        QCOMPARE(window.preview->firstPageShown, window.preview->images[0]);
        QVERIFY(!window.preview->firstPageShown.isNull());
        QCOMPARE(window.preview->wordFile, document);
        QCOMPARE(window.preview->showCount, 1);
        QVERIFY(window.frozenDuringCapture);
        QVERIFY(!window.frozen);
        QVERIFY(window.hidden);
        QVERIFY(!window.busy);
    }

    // A file left under the template's name (longer than the template, so that a write
    // over it without truncating would show) is replaced by the program's own template.
    void leftoverTemplateFileIsReplacedAndDeleted()
    {
        FakeWordEngine engine;
        TestBuildSurface window(engine);
        writeFile(templatePath(), CalendarTemplate::bytes(CalendarLook::classic(PaperSize::Letter)) + "left behind by an earlier build");
        QByteArray templateAtOpen;
        engine.setBeforeCall([&](const FakeCall &call) {
            if (call.operation == FakeOperation::OpenDocument && call.instance == 1)
                templateAtOpen = fileContent(templatePath());
        });

        DocumentBuilder builder(engine, window, DocumentNameGenerator::shared());
        builder.PushButton22_Click();

        QCOMPARE(takeReportedErrors(), QStringList());
        QCOMPARE(templateAtOpen, CalendarTemplate::bytes(CalendarLook::classic(PaperSize::Letter)));
        QVERIFY(!QFile::exists(templatePath()));
    }

    // The build opens the chosen paper's template, never a template of another paper left
    // in the temporary folder.
    void eachPaperBuildsFromItsOwnTemplate_data()
    {
        QTest::addColumn<PaperSize>("paper");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("A4") << PaperSize::A4 << QStringLiteral("template-a4.dot");
        QTest::newRow("A5") << PaperSize::A5 << QStringLiteral("template-a5.dot");
    }

    void eachPaperBuildsFromItsOwnTemplate()
    {
        QFETCH(PaperSize, paper);
        QFETCH(QString, fileName);
        FakeWordEngine engine;
        TestBuildSurface window(engine);
        window.chosenLook = CalendarLook::classic(paper);
        writeFile(templatePath(), "a Letter template left behind");
        QByteArray templateAtOpen;
        engine.setBeforeCall([&](const FakeCall &call) {
            if (call.operation == FakeOperation::OpenDocument && call.instance == 1)
                templateAtOpen = fileContent(TempFolder::file(fileName));
        });

        DocumentBuilder builder(engine, window, DocumentNameGenerator::shared());
        builder.PushButton22_Click();

        QCOMPARE(takeReportedErrors(), QStringList());
        QCOMPARE(engine.calls(FakeOperation::OpenDocument).at(0).arguments, TempFolder::file(fileName) + QStringLiteral(" read-only"));
        QCOMPARE(templateAtOpen, CalendarTemplate::bytes(CalendarLook::classic(paper)));
        QVERIFY(templateAtOpen != CalendarTemplate::bytes(CalendarLook::classic(PaperSize::Letter)));
        QVERIFY(!QFile::exists(TempFolder::file(fileName)));
    }

    // A calendar for one year in a design with a cover and pictures: the design's template,
    // the weekdays and the weekend, the counted years, the cover's title and year, and the
    // family's picture where they chose one (the design's ornament elsewhere).
    void aYearOfTheWallCalendarWithAPicture()
    {
        FakeWordEngine engine;
        engine.setBookmarks(FakeWordEngine::wallTextBookmarks(), FakeWordEngine::wallPictureBookmarks());
        TestBuildSurface window(engine);
        const QString january = TempFolder::file(QStringLiteral("january.jpg"));
        TestPictures::write(january, TestPictures::encoded(TestPictures::marked(60, 40), "JPEG"));
        const auto removePicture = qScopeGuard([&] { QFile::remove(january); });
        window.chosenLook = CalendarLook{*CalendarDesigns::named(QStringLiteral("wall")), PaperSize::Letter, 2027,
                                         QStringLiteral("The Smiths"), [january](int place, const QSizeF &) {
                                             return place == 1 ? january : QString();
                                         }};
        window.entries.insert(QStringLiteral("txtMar9"), QStringLiteral("Ann & Tom Anniversary (2002)"));
        QByteArray templateAtOpen;
        engine.setBeforeCall([&](const FakeCall &call) {
            if (call.operation == FakeOperation::OpenDocument && call.instance == 1)
                templateAtOpen = fileContent(CalendarTemplate::writtenPath(window.chosenLook));
        });

        DocumentBuilder builder(engine, window, DocumentNameGenerator::shared());
        builder.PushButton22_Click();

        const QStringList errors = takeReportedErrors();
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
        QCOMPARE(templateAtOpen, CalendarTemplate::bytes(window.chosenLook));
        const QString document = window.preview->wordFile;
        QCOMPARE(engine.savedCell(document, 1, 1, 1), QStringLiteral("January 2027"));
        QCOMPARE(engine.savedCell(document, 1, 16, 1), QStringLiteral("15 Fri"));
        QCOMPARE(engine.savedParagraphStyle(document, 1, 3, 1), QStringLiteral("Weekend Day Number")); // Saturday the 2nd
        QCOMPARE(engine.savedRuns(document, 3, 11, 2),
                 (TextRuns{{QStringLiteral("Ann & Tom Anniversary ("), QString()},
                           {QStringLiteral("25 · silver wedding"), QStringLiteral("Milestone")},
                           {QStringLiteral(")"), QString()}}));
        QCOMPARE(engine.savedBookmarkText(document, QStringLiteral("CoverTitle")), QStringLiteral("The Smiths"));
        QCOMPARE(engine.savedBookmarkText(document, QStringLiteral("CoverYear")), QStringLiteral("2027"));
        QCOMPARE(engine.savedPicture(document, QStringLiteral("MonthPicture1")), january);
        QCOMPARE(engine.savedPicture(document, QStringLiteral("MonthPicture2")), QString());
    }

    // A document without the month tables costs one report, not one per day; no document
    // is written, no preview opens and the main window stays.
    void missingMonthTableReportsOnceAndShowsNoPreview()
    {
        FakeWordEngine engine;
        engine.setTableLayouts({FakeWordEngine::calendarLayout().first()});
        TestBuildSurface window(engine);

        DocumentBuilder builder(engine, window, DocumentNameGenerator::shared());
        builder.PushButton22_Click();

        QCOMPARE(takeReportedErrors(), QStringList{QStringLiteral("PushButton22_Click:124")});
        QCOMPARE(engine.calls(FakeOperation::SaveAs).size(), 0);
        QCOMPARE(engine.liveInstances(), 0);
        QVERIFY(!window.preview || window.preview->showCount == 0);
        QVERIFY(!window.hidden);
        QVERIFY(!window.busy);
        QVERIFY(!window.frozen);
    }

    void takenNamesAreSkipped()
    {
        const DocumentNameGenerator::Clock clock = [] { return 4242; };
        const QStringList names = drawnNames(clock, 3);
        QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), 3);
        writeFile(TempFolder::file(names[0]), "first");
        writeFile(TempFolder::file(names[1]), "second");
        FakeWordEngine engine;
        TestBuildSurface window(engine);
        DocumentNameGenerator generator(clock);

        DocumentBuilder(engine, window, generator).PushButton22_Click();

        QCOMPARE(takeReportedErrors(), QStringList());
        QCOMPARE(engine.calls(FakeOperation::SaveAs).at(0).arguments, TempFolder::file(names[2]));
        QCOMPARE(fileContent(TempFolder::file(names[0])), QByteArray("first"));
        QCOMPARE(fileContent(TempFolder::file(names[1])), QByteArray("second"));
    }

    // A click that arrives while the office works does nothing; a click after the build
    // starts a new one with a new document.
    void clickDuringBuildIsIgnored()
    {
        FakeWordEngine engine;
        TestBuildSurface window(engine);
        DocumentBuilder builder(engine, window, DocumentNameGenerator::shared());
        bool clicked = false;
        bool busyWhenClicked = false;
        engine.setBeforeCall([&](const FakeCall &call) {
            if (call.operation == FakeOperation::FillColumn && !clicked) {
                clicked = true;
                busyWhenClicked = builder.isCreating();
                builder.PushButton22_Click();
            }
        });

        builder.PushButton22_Click();
        QVERIFY(busyWhenClicked);
        QVERIFY(clicked);
        QCOMPARE(engine.instancesCreated(), 2);
        QCOMPARE(engine.calls(FakeOperation::SaveAs).size(), 1);
        QCOMPARE(window.preview->showCount, 1);

        window.hidden = false;
        builder.PushButton22_Click();
        QCOMPARE(takeReportedErrors(), QStringList());
        QCOMPARE(engine.instancesCreated(), 4);
        const QList<FakeCall> saves = engine.calls(FakeOperation::SaveAs);
        QCOMPARE(saves.size(), 2);
        QVERIFY(saves[0].arguments != saves[1].arguments);
        QCOMPARE(window.preview->wordFile, saves[1].arguments);
    }

    // A month whose column cannot be filled in one call is filled day by day; a day that
    // fails then is reported with its own statement, and the other days still land.
    void failingStatementReportsItsLabel_data()
    {
        QTest::addColumn<FakeOperation>("failing");
        QTest::addColumn<int>("call");
        QTest::addColumn<QStringList>("reports");
        QTest::addColumn<int>("failingMonth"); // 1-based; its column call fails first
        // February 29 is the 29th day filled one by one: its cell is selected in statement 124.
        QTest::newRow("select February 29") << FakeOperation::SelectCell << 29 << QStringList{"PushButton22_Click:124"} << 2;
        QTest::newRow("type December 31") << FakeOperation::TypeText << 31 << QStringList{"PushButton22_Click:186"} << 12;
        QTest::newRow("type January 1") << FakeOperation::TypeText << 1 << QStringList{"PushButton22_Click:120"} << 1;
        QTest::newRow("display alerts") << FakeOperation::SetDisplayAlerts << 1 << QStringList{"PushButton22_Click:208"} << 0;
        QTest::newRow("close") << FakeOperation::CloseDocument << 1 << QStringList{"PushButton22_Click:210"} << 0;
        QTest::newRow("quit") << FakeOperation::Quit << 1 << QStringList{"PushButton22_Click:212"} << 0;
        // Nothing was saved: no preview opens, the main window stays.
        QTest::newRow("save") << FakeOperation::SaveAs << 1 << QStringList{"PushButton22_Click:206"} << 0;
    }

    void failingStatementReportsItsLabel()
    {
        QFETCH(FakeOperation, failing);
        QFETCH(int, call);
        QFETCH(QStringList, reports);
        QFETCH(int, failingMonth);
        FakeWordEngine engine;
        engine.failCall(failing, call);
        if (failingMonth > 0)
            engine.failCall(FakeOperation::FillColumn, failingMonth);
        TestBuildSurface window(engine);
        window.entries.insert(QStringLiteral("txtFeb27"), QStringLiteral("Feb 28 entry"));
        window.entries.insert(QStringLiteral("txtFeb28"), QStringLiteral("Feb 29 entry"));

        DocumentBuilder builder(engine, window, DocumentNameGenerator::shared());
        builder.PushButton22_Click();

        QCOMPARE(takeReportedErrors(), reports);
        QCOMPARE(engine.liveInstances(), 0);
        QVERIFY(!builder.isCreating());
        QVERIFY(!window.frozen);
        const bool saved = failing != FakeOperation::SaveAs;
        QCOMPARE(window.preview ? window.preview->showCount : 0, saved ? 1 : 0);
        QCOMPARE(window.hidden, saved);
        QVERIFY(!QFile::exists(templatePath()));
        if (failing == FakeOperation::SelectCell) {
            // The day whose cell could not be selected is not typed anywhere else.
            const QString document = engine.calls(FakeOperation::SaveAs).at(0).arguments;
            QCOMPARE(engine.calls(FakeOperation::TypeText).size(), 28);
            QCOMPARE(engine.savedCell(document, 2, 29, 2), QStringLiteral("Feb 28 entry"));
            QCOMPARE(engine.savedCell(document, 2, 30, 2), QString());
        }
    }

    // An office that cannot be started, or a template that cannot be opened, costs one
    // report per phase, not one per statement; the build still ends idle and unfrozen.
    void officeFailureReportsOncePerPhase_data()
    {
        QTest::addColumn<FakeOperation>("failing");
        QTest::addColumn<QStringList>("reports");
        QTest::newRow("cannot start") << FakeOperation::CreateApplication << QStringList{"PushButton22_Click:108"};
        QTest::newRow("cannot open") << FakeOperation::OpenDocument << QStringList{"PushButton22_Click:114"};
    }

    // An office that is lost in the middle of a phase (it died, or stopped answering and
    // was stopped) costs one report; the phase skips its other office statements and the
    // build ends idle, unfrozen, with nothing left running, ready for the next click. The
    // pages are pictured once more by a fresh office before that: only when no page could
    // be pictured does the build report, and then no preview opens, the main window stays
    // and the document goes.
    void lostOfficeReportsOnce_data()
    {
        QTest::addColumn<FakeOperation>("losing");
        QTest::addColumn<QList<int>>("calls");
        QTest::addColumn<QStringList>("reports");
        QTest::addColumn<int>("pages");
        // April's column is filled in the call of April's loop, statement 134.
        QTest::newRow("while filling") << FakeOperation::FillColumn << QList<int>{4} << QStringList{"PushButton22_Click:134"} << 0;
        QTest::newRow("while saving") << FakeOperation::SaveAs << QList<int>{1} << QStringList{"PushButton22_Click:206"} << 0;
        QTest::newRow("while picturing page 3") << FakeOperation::CopyAsPicture << QList<int>{3} << QStringList() << 6;
        QTest::newRow("while picturing, in both tries")
            << FakeOperation::CopyAsPicture << QList<int>{1, 2} << QStringList{"SaveDocAsJPG:132"} << 0;
        QTest::newRow("while opening, in both tries")
            << FakeOperation::OpenDocument << QList<int>{2, 3} << QStringList{"SaveDocAsJPG:118"} << 0;
    }

    void lostOfficeReportsOnce()
    {
        QFETCH(FakeOperation, losing);
        QFETCH(QList<int>, calls);
        QFETCH(QStringList, reports);
        QFETCH(int, pages);
        FakeWordEngine engine;
        for (const int call : calls)
            engine.loseInstanceAt(losing, call);
        TestBuildSurface window(engine);
        DocumentBuilder builder(engine, window, DocumentNameGenerator::shared());

        builder.PushButton22_Click();

        QCOMPARE(takeReportedErrors(), reports);
        QCOMPARE(window.preview ? window.preview->items.size() : 0, pages);
        QCOMPARE(window.preview ? window.preview->showCount : 0, pages > 0 ? 1 : 0);
        QCOMPARE(window.hidden, pages > 0);
        QCOMPARE(documentsLeft().size(), pages > 0 ? 1 : 0);
        QVERIFY(!builder.isCreating());
        QVERIFY(!window.frozen);
        QVERIFY(!window.busy);
        QCOMPARE(engine.liveInstances(), 0);
        QVERIFY(!QFile::exists(templatePath()));

        // The next click builds a whole calendar with a new instance.
        FakeWordEngine healthy;
        TestBuildSurface again(healthy);
        DocumentBuilder(healthy, again, DocumentNameGenerator::shared()).PushButton22_Click();
        QCOMPARE(takeReportedErrors(), QStringList());
        QCOMPARE(again.preview->items.size(), 6);
    }

    // A full disk is named as the cause of a failed save (the folder, and its disk), not
    // left to look like a failing office: before the office is asked, and when the space
    // runs out while it saves. What the failed save left goes, and no preview opens.
    void aFullDiskIsNamed_data()
    {
        QTest::addColumn<bool>("fullBeforeTheSave");
        QTest::newRow("full before the save") << true;
        QTest::newRow("full while saving") << false;
    }

    void aFullDiskIsNamed()
    {
        QFETCH(bool, fullBeforeTheSave);
        if (!SmallTempDisk::isMounted())
            QSKIP("TEMP cannot be put on a small disk of its own here (mounting needs root)");
        FakeWordEngine engine;
        TestBuildSurface window(engine);
        std::optional<SmallTempDisk::Filled> full;
        if (fullBeforeTheSave) {
            full.emplace(megabyte);
        } else {
            engine.failCall(FakeOperation::SaveAs, 1);
            engine.setBeforeCall([&](const FakeCall &call) {
                window.noteCall(call);
                if (call.operation == FakeOperation::SaveAs) {
                    writeFile(call.arguments, "the start of a document");
                    full.emplace(megabyte);
                }
            });
        }
        DocumentBuilder builder(engine, window, DocumentNameGenerator::shared());

        builder.PushButton22_Click();

        const QList<ScriptedMessages::Record> shown = ScriptedMessages::takeRecords();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().text.contains(QStringLiteral("PushButton22_Click at line 206")), qPrintable(shown.first().text));
        QVERIFY2(shown.first().text.contains(QStringLiteral("not enough space left on its disk"))
                     && shown.first().text.contains(TempFolder::path()),
                 qPrintable(shown.first().text));
        QCOMPARE(engine.calls(FakeOperation::SaveAs).size(), fullBeforeTheSave ? 0 : 1);
        QCOMPARE(documentsLeft(), QStringList());
        QVERIFY(!window.preview || window.preview->showCount == 0);
        QVERIFY(!window.hidden);
        QCOMPARE(engine.liveInstances(), 0);
    }

    // What lies under the names of the private folder's files (a link, a read-only file, a
    // folder) is never written through: the build replaces it, or reports once that it
    // cannot. Built as the person, for whom a read-only file is one.
    void obstaclesInThePrivateFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QStringList>("reports");
        QTest::addColumn<int>("pages");
        for (const char *name : {"template.dot", "temp.bmp"}) {
            QTest::addRow("%s: a link", name) << name << "link" << QStringList() << 6;
            QTest::addRow("%s: read-only", name) << name << "read-only" << QStringList() << 6;
        }
        QTest::newRow("template.dot: a folder") << "template.dot" << "folder" << QStringList{"PushButton22_Click:112"} << 0;
        QTest::newRow("temp.bmp: a folder") << "temp.bmp" << "folder" << QStringList{"SaveDocAsJPG:148"} << 1;
    }

    void obstaclesInThePrivateFolder()
    {
        QFETCH(QString, name);
        QFETCH(QString, obstacle);
        QFETCH(QStringList, reports);
        QFETCH(int, pages);
        const QString victim = writeFile(TempFolder::file(QStringLiteral("victim.txt")), "the person's own file");
        QFile::setPermissions(victim, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther | QFileDevice::WriteOther);
        const QString path = TempFolder::file(name);
        if (obstacle == QLatin1String("link"))
            QVERIFY(QFile::link(victim, path));
        else if (obstacle == QLatin1String("read-only"))
            QVERIFY(QFile::setPermissions(writeFile(path, "left behind"), QFileDevice::ReadOwner | QFileDevice::ReadOther));
        else
            QVERIFY(QDir().mkpath(path));
        const auto removeObstacle = qScopeGuard([&] { QDir(path).removeRecursively() || QFile::remove(path); });
        FakeWordEngine engine;
        TestBuildSurface window(engine);
        {
            AsNobody person(TempFolder::path(), 0777);
            DocumentBuilder(engine, window, DocumentNameGenerator::shared()).PushButton22_Click();
        }
        QCOMPARE(takeReportedErrors(), reports);
        QCOMPARE(window.preview ? window.preview->items.size() : 0, pages);
        QCOMPARE(fileContent(victim), QByteArray("the person's own file"));
        QCOMPARE(engine.liveInstances(), 0);
    }

    void officeFailureReportsOncePerPhase()
    {
        QFETCH(FakeOperation, failing);
        QFETCH(QStringList, reports);
        FakeWordEngine engine;
        engine.failAlways(failing);
        TestBuildSurface window(engine);

        DocumentBuilder builder(engine, window, DocumentNameGenerator::shared());
        builder.PushButton22_Click();

        QCOMPARE(takeReportedErrors(), reports);
        QCOMPARE(engine.calls(FakeOperation::SelectCell).size(), 0);
        QCOMPARE(engine.calls(FakeOperation::SaveAs).size(), 0);
        QCOMPARE(engine.liveInstances(), 0);
        QVERIFY(!builder.isCreating());
        QVERIFY(!window.frozen);
        QVERIFY(!window.busy);
        QVERIFY(!QFile::exists(templatePath()));
        // No document: no preview opens and the main window stays.
        QVERIFY(!window.preview || window.preview->showCount == 0);
        QVERIFY(!window.hidden);
    }
};

DAYBLOOM_TEST_MAIN_WITH(DocumentBuilderTest, SmallTempDisk)
#include "DocumentBuilderTest.moc"
