#pragma once

// Internal to the office engine: included by its .cpp files only.

#include "core/wordgen/PageSelection.h"

#include <QString>

#include <memory>

class OfficeDocument;
class RenderedPages;

// The pictures of an open document's current layout and the selection over them, made on
// first need: the office exports the laid-out document once, and the PDF lives in the
// instance's scratch folder only while it is read. Used on the office's thread only.
class LaidOutPages
{
public:
    explicit LaidOutPages(QString scratchFolder);
    ~LaidOutPages();

    // pixelRatio: as RenderedPages takes it. Throws OfficeError when the office cannot lay
    // the pages out or they cannot be read.
    RenderedPages &of(OfficeDocument &document, double pixelRatio);
    bool isMade() const { return m_pages != nullptr; }
    // The selection over the pages made last.
    PageSelection &selection() { return m_selection; }
    // The layout has changed, or the document has gone.
    void forget();

private:
    QString m_scratchFolder;
    std::unique_ptr<RenderedPages> m_pages;
    PageSelection m_selection;
};
