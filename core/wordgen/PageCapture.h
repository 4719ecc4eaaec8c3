#pragma once

#include <QString>

#include <functional>

class ErrorReport;
class OfficeSession;
class PreviewPages;
class WordEngine;

// SaveDocAsJPG: pictures every page of a saved document for the preview window. A
// second office instance opens the document; the picture of its current first page goes
// over the clipboard and the snapshot file into the preview's page pictures, and the
// page is deleted from the office's copy until the last one is done. Each page adds
// "Page n" to the page list once its picture is in place, so a page is listed only when it
// can be shown: the preview may show as soon as page 1 is, and the others join the list as
// they come. The office's copy is closed unsaved, so the file on disk
// keeps its content and timestamp. Each failure is reported once: a page whose picture
// was not copied or could not be put in the snapshot file shows none, and a snapshot file
// that cannot be written ends the capture there.
class PageCapture
{
public:
    // showBusy: shows the hourglass while the pages are pictured. firstPageListed: called
    // once, as soon as page 1 is listed with its picture, while the other pages are still
    // to come.
    PageCapture(WordEngine &engine, PreviewPages &preview, std::function<void()> showBusy,
                std::function<void()> firstPageListed = {});

    // A try that fails (its office killed, stopped or not starting, say) is made once more
    // by a fresh office before anything is reported: only the second try's failures are.
    // The second try pictures every page again; a row the first one listed stays.
    void SaveDocAsJPG(const QString &inFile);

private:
    // Steps 116 to 164: opens the document in the session's new instance and pictures its
    // pages.
    void picture(const ErrorReport &report, OfficeSession &office, const QString &inFile);
    // Steps 166 and 168: closes the office's copy unsaved and ends the instance.
    void close(OfficeSession &office);
    void capturePages(const ErrorReport &report, OfficeSession &office, int pageCount);
    // Steps 148 to 162 for one page: its picture into its element, then its row.
    void handOver(const ErrorReport &report, OfficeSession &office, int pageNumber, bool copied);

    WordEngine &m_engine;
    PreviewPages &m_preview;
    std::function<void()> m_showBusy;
    std::function<void()> m_firstPageListed;
};
