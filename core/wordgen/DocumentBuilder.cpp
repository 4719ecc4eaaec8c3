#include "core/wordgen/DocumentBuilder.h"

#include "core/wordgen/BuildSurface.h"
#include "core/wordgen/CalendarColumns.h"
#include "core/shell/CalendarMonths.h"
#include "core/wordgen/CalendarTemplate.h"
#include "core/wordgen/CoverAndPictures.h"
#include "core/wordgen/YearEdition.h"
#include "core/entry/DayEntries.h"
#include "core/wordgen/DocumentNameGenerator.h"
#include "core/shell/ErrorReport.h"
#include "core/shell/FileRoutines.h"
#include "core/shell/FreedMemory.h"
#include "core/wordgen/OfficeSession.h"
#include "core/wordgen/PageCapture.h"
#include "core/wordgen/PreviewPages.h"
#include "core/wordgen/SpaceCheckedSave.h"
#include "core/shell/TempFolder.h"
#include "core/wordgen/WordApplication.h"

#include <QFileInfo>

#include <stdexcept>

namespace {

// Labels of the day loop: each month has the labels of its loop, select and type
// statements, six apart from the previous month's.
constexpr int monthLoopLabel(int month) { return 116 + 6 * month; }

PreviewPages &available(PreviewPages *preview)
{
    if (!preview)
        throw std::runtime_error("The preview window could not be created.");
    return *preview;
}

// True when some page of the page list has its picture.
bool hasPicturedPage(const PreviewPages &preview)
{
    for (int page = 0; page < preview.pageListCount(); ++page)
        if (!preview.pageImage(page).isNull())
            return true;
    return false;
}

} // namespace

DocumentBuilder::DocumentBuilder(WordEngine &engine, BuildSurface &window, DocumentNameGenerator &names)
    : m_engine(engine)
    , m_window(window)
    , m_names(names)
{
}

void DocumentBuilder::PushButton22_Click()
{
    // A click that arrives while the office works (events are dispatched meanwhile)
    // finds the build already running and does nothing.
    if (mCreating)
        return;
    const ErrorReport report(QStringLiteral("Form1"), QStringLiteral("PushButton22_Click"));
    report.step(102, [&] { mCreating = true; });
    report.step(104, [&] { m_window.showBusy(true); });
    report.step(106, [&] { m_window.freezePainting(true); });

    QString templatePath;
    const QString documentPath = writeDocument(report, templatePath);
    presentDocument(report, documentPath);

    report.step(234, [&] { m_window.freezePainting(false); });
    report.step(236, [&] { DeleteFileRobust(templatePath); });
    report.step(238, [&] { mCreating = false; });
    // What the build's threads freed (the connections' type libraries, page pictures) goes
    // back to the system rather than staying in their heaps while the program sits idle.
    FreedMemory::giveBack();
}

QString DocumentBuilder::writeDocument(const ErrorReport &report, QString &templatePath)
{
    OfficeSession office(m_engine, report);
    office.start(108);
    const CalendarLook look = m_window.look();
    QByteArray templateBytes;
    report.step(110, [&] { templateBytes = CalendarTemplate::bytes(look); });
    // The template is written afresh for every build.
    bool templateWritten = false;
    report.step(112, [&] {
        templatePath = CalendarTemplate::writtenPath(look);
        if (!templateBytes.isEmpty()) {
            CalendarTemplate::write(look, templateBytes);
            templateWritten = true;
        }
    });
    // Without its template the office has nothing to open: the failure reported is all.
    if (!templateWritten)
        office.abandon();
    office.open(114, templatePath, true);
    fillCells(office, look);
    fillCoverAndPictures(report, office, look);

    const QString documentPath = drawDocumentPath(report);
    // What a failed save left under the new name is no calendar: it is not shown, and it goes.
    if (!office.step(206, [&](WordApplication &word) { SpaceCheckedSave::saveAs(word, documentPath); }))
        DeleteFileRobust(documentPath);
    office.step(208, [](WordApplication &word) { word.setDisplayAlerts(false); });
    office.step(210, [](WordApplication &word) { word.closeDocument(); });
    office.quit(212);
    // The document goes with its instance; releasing the instance hands its process over to
    // be ended in the background.
    report.step(216, [&] { office.release(); });
    return documentPath;
}

void DocumentBuilder::fillCells(OfficeSession &office, const CalendarLook &look)
{
    const std::optional<YearEdition> edition = look.year ? std::optional(YearEdition(*look.year)) : std::nullopt;
    for (int month = 0; month < CalendarMonths::count; ++month) {
        // The month's heading and columns, the texts read now as the calendar holds them
        // now; should that fail, day by day, so that a day that cannot be filled is
        // reported on its own and the others still land.
        const CalendarColumns::MonthCells cells =
            CalendarColumns::monthCells(m_window.dayEntries(), month, edition ? &*edition : nullptr);
        const bool filled = office.attempt(monthLoopLabel(month), [&](WordApplication &word) {
            CalendarColumns::fillMonth(word, cells, month);
        });
        if (!filled)
            fillCellsOneByOne(office, month, cells.entryTexts());
    }
}

void DocumentBuilder::fillCellsOneByOne(OfficeSession &office, int month, const QStringList &texts)
{
    const int loopLabel = monthLoopLabel(month);
    for (int index = 0; index < CalendarMonths::month(month).days; ++index) {
        const bool selected = office.step(loopLabel + 2, [&](WordApplication &word) {
            word.selectCell(month + 1, index + CalendarColumns::firstDayRow, CalendarColumns::entryCell);
        });
        // Neither the month's column nor its first day can be reached: the document does not
        // hold the month's table. That one report is all; the rest of the build is skipped,
        // as for a lost office, rather than a report for every day of the year.
        if (!selected && index == 0) {
            office.abandon();
            return;
        }
        // Typing without this day's cell selected would overwrite whatever was selected
        // before, the previous day's entry; the cell keeps the template's content instead.
        if (selected)
            office.step(loopLabel + 4, [&](WordApplication &word) { word.typeText(texts.value(index)); });
    }
}

void DocumentBuilder::fillCoverAndPictures(const ErrorReport &report, OfficeSession &office, const CalendarLook &look)
{
    office.step(187, [&](WordApplication &word) { CoverAndPictures::writeCover(word, look); });
    QList<CoverAndPictures::Picture> pictures;
    report.step(188, [&] { pictures = CoverAndPictures::pictures(look); });
    // A picture that cannot be placed is reported on its own; the design's ornament stays
    // there and the other pictures still go in.
    for (const CoverAndPictures::Picture &picture : std::as_const(pictures))
        office.step(189, [&](WordApplication &word) { CoverAndPictures::place(word, picture); });
}

QString DocumentBuilder::drawDocumentPath(const ErrorReport &report)
{
    // A whole new name is drawn while the name is taken: an existing file is never
    // overwritten, and a link under the name (dangling or not) is never written through.
    QString path;
    do {
        path.clear();
        QString baseName;
        report.step(190, [&] { baseName = DocumentNameGenerator::prefix(); });
        for (int i = 0; i < DocumentNameGenerator::digitCount; ++i) {
            int digit = 0;
            report.step(194, [&] { m_names.reseed(); });
            report.step(196, [&] { digit = m_names.drawDigit(); });
            report.step(198, [&] { baseName += QString::number(digit); });
        }
        report.step(202, [&] { path = TempFolder::file(baseName + DocumentNameGenerator::suffix()); });
    } while (FileExists(path) || QFileInfo(path).isSymLink());
    return path;
}

void DocumentBuilder::presentDocument(const ErrorReport &report, const QString &documentPath)
{
    // A build that wrote no document has reported why already: that one report is all, and
    // the main window stays (a preview would have no pages and nothing to save).
    if (!FileExists(documentPath)) {
        report.step(222, [&] { m_window.showBusy(false); });
        return;
    }
    PreviewPages *preview = nullptr;
    report.step(218, [&] {
        preview = &m_window.previewPages();
        preview->clearPageList();
    });
    // The preview shows as soon as page 1 is listed with its picture; the other pages join
    // its list as they are pictured.
    bool shown = false;
    const auto showPreview = [&] {
        shown = true;
        showPreviewWindow(report, available(preview), documentPath);
    };
    report.step(220, [&] {
        PageCapture(m_engine, available(preview), [this] { m_window.showBusy(true); }, showPreview)
            .SaveDocAsJPG(documentPath);
    });
    report.step(222, [&] { m_window.showBusy(false); });
    if (shown)
        return;
    // A preview without a single picture would show a blank page: the capture has reported
    // why, that one report is all, the main window stays and the document goes.
    bool pictured = false;
    report.step(224, [&] { pictured = hasPicturedPage(available(preview)); });
    if (!pictured) {
        DeleteFileRobust(documentPath);
        return;
    }
    showPreviewWindow(report, available(preview), documentPath);
}

void DocumentBuilder::showPreviewWindow(const ErrorReport &report, PreviewPages &preview, const QString &documentPath)
{
    report.step(226, [&] { preview.showFirstPage(); });
    report.step(228, [&] { preview.setWordFile(documentPath); });
    report.step(230, [&] { preview.showPreview(); });
    report.step(232, [&] { m_window.hideWindow(); });
}
