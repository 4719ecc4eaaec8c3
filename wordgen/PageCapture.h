#pragma once

#include <QString>

class ErrorReport;
class MousePointer;
class OfficeSession;
class PreviewPages;
class WordEngine;

// SaveDocAsJPG: pictures every page of a saved document for the preview window. A
// second office instance opens the document; the picture of its current first page goes
// over the clipboard and the snapshot file into the preview's page pictures, and the
// page is deleted from the office's copy until the last one is done. Each page adds
// "Page n" to the page list. The office's copy is closed unsaved, so the file on disk
// keeps its content and timestamp.
class PageCapture
{
public:
    PageCapture(WordEngine &engine, PreviewPages &preview, MousePointer &pointer);

    void run(const QString &documentPath);

private:
    void capturePages(const ErrorReport &report, OfficeSession &office, int pageCount);

    WordEngine &m_engine;
    PreviewPages &m_preview;
    MousePointer &m_pointer;
};
