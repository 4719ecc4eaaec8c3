#include "core/wordgen/PageCapture.h"

#include "core/shell/ErrorReport.h"
#include "core/shell/FileReplacement.h"
#include "core/shell/FileRoutines.h"
#include "core/shell/TempFolder.h"
#include "core/wordgen/ClipboardPicture.h"
#include "core/wordgen/OfficeSession.h"
#include "core/wordgen/PageSnapshot.h"
#include "core/wordgen/PreviewPages.h"
#include "core/wordgen/WordApplication.h"

#include <utility>

PageCapture::PageCapture(WordEngine &engine, PreviewPages &preview, std::function<void()> showBusy,
                         std::function<void()> firstPageListed)
    : m_engine(engine)
    , m_preview(preview)
    , m_showBusy(std::move(showBusy))
    , m_firstPageListed(std::move(firstPageListed))
{
}

void PageCapture::SaveDocAsJPG(const QString &inFile)
{
    const ErrorReport report(QStringLiteral("Form1"), QStringLiteral("SaveDocAsJPG"));
    QStringList firstTryFailures;
    ErrorReport firstTry = report.withholdingInto(firstTryFailures);
    {
        OfficeSession office(m_engine, firstTry);
        picture(firstTry, office, inFile);
        // Every page pictured: what fails while the office's copy is closed is reported.
        if (firstTryFailures.isEmpty())
            firstTry.stopWithholding();
        close(office);
    }
    if (firstTryFailures.isEmpty())
        return;
    // The second try pictures every page anew, into the rows the first one listed (the
    // person may be looking at them already) and rows of its own for the others.
    OfficeSession office(m_engine, report);
    picture(report, office, inFile);
    close(office);
}

void PageCapture::picture(const ErrorReport &report, OfficeSession &office, const QString &inFile)
{
    office.start(116);
    // Not read-only: the pages are deleted one by one from the office's copy.
    office.open(118, inFile, false);
    int pageCount = 0;
    office.step(120, [](WordApplication &word) { word.repaginate(); });
    office.step(122, [&](WordApplication &word) { pageCount = word.pageCount(); });
    // Without an instance or a document there is no page to picture; a picture left from
    // before is no page of this document.
    ClipboardPicture::clear();
    if (office.isUsable())
        capturePages(report, office, pageCount);
}

void PageCapture::close(OfficeSession &office)
{
    office.step(166, [](WordApplication &word) { word.closeDocumentWithoutSaving(); });
    office.quit(168);
    office.release();
}

void PageCapture::capturePages(const ErrorReport &report, OfficeSession &office, int pageCount)
{
    bool done = false;
    int pageNumber = 0;
    int pagesDone = 0;
    while (!done) {
        report.step(130, [&] { m_showBusy(); });
        // The picture is copied before its page is deleted, so pass n pictures page n.
        const bool copied = office.step(132, [](WordApplication &word) { word.copyAsPicture(); });
        // An instance lost on the way pictures no further page: what was captured stays.
        if (!office.isUsable())
            break;
        report.step(134, [&] { ++pageNumber; });
        const bool lastPage = pageCount - pagesDone <= 1; // or the only one
        if (lastPage) {
            report.step(138, [&] { done = true; });
            office.step(140, [](WordApplication &word) { word.endKeyExtend(); });
        } else {
            office.step(142, [](WordApplication &word) { word.goToNextPage(); });
            office.step(144, [](WordApplication &word) { word.homeKeyExtend(); });
            office.step(146, [](WordApplication &word) { word.deleteSelection(); });
        }
        handOver(report, office, pageNumber, copied);
        report.step(164, [&] { ++pagesDone; });
    }
}

void PageCapture::handOver(const ErrorReport &report, OfficeSession &office, int pageNumber, bool copied)
{
    QString snapshot;
    // A failed copy (reported) hands no picture of this page over.
    const bool captured = copied && report.step(148, [&] {
        snapshot = TempFolder::file(PageSnapshot::fileName());
        try {
            PageSnapshot::save(ClipboardPicture::GetClipboardPicture(0), snapshot);
        } catch (const FileReplacement::Failure &) {
            // The picture file cannot be made: no later page would fare better.
            office.abandon();
            throw;
        }
    });
    const int element = pageNumber - 1;
    if (element > 0)
        report.step(156, [&] { m_preview.ensurePageImage(element); });
    // A page without a picture shows none, never the picture an earlier build left
    // in its element (nor a stale snapshot file); why it has none is reported already.
    report.step(element == 0 ? 154 : 158, [&] {
        if (!captured) {
            m_preview.clearPageImage(element);
            return;
        }
        try {
            m_preview.loadPageImage(element, snapshot);
        } catch (...) {
            m_preview.clearPageImage(element);
            throw;
        }
    });
    // The row comes once its picture is in place (or known to be missing): a page the
    // person can choose always shows its own picture. A first try may have listed it.
    if (pageNumber > m_preview.pageListCount())
        report.step(150, [&] { m_preview.addPageListItem(QStringLiteral("Page ") + QString::number(pageNumber)); });
    report.step(162, [&] { DeleteFileRobust(snapshot); });
    if (pageNumber == 1 && m_firstPageListed && !m_preview.pageImage(0).isNull())
        std::exchange(m_firstPageListed, {})();
}
