#pragma once

// Internal to the office engine: included by its .cpp files only.

#include "office/LaidOutPages.h"

#include <QImage>
#include <QString>

#include <functional>
#include <optional>

class OfficeDocument;
class PageSelection;

// The word processor's selection in the active document, as the interface's operations
// move it: a selected table cell that typing replaces, or the insertion point and the
// selection over the laid-out pages that the page capture walks (PageSelection). Used on
// the office's thread only.
class DocumentSelection
{
public:
    explicit DocumentSelection(QString scratchFolder);

    // Throws OfficeError when the cell does not exist; the selection stays as it was.
    void selectCell(OfficeDocument &document, int table, int row, int cell);
    // Throws OfficeError when no table cell is selected.
    void typeText(OfficeDocument &document, const QString &text);
    // Moves over the pages of the current layout, made when need be at that pixel ratio
    // (RenderedPages); a selected cell is no longer selected.
    void movePages(OfficeDocument &document, double pixelRatio, const std::function<void(PageSelection &)> &movement);
    // A selected table cell is emptied; otherwise the selected pages go.
    void deleteSelection(OfficeDocument &document, double pixelRatio);
    // The pages that remain once pages have been taken out; the document's count before.
    int pageCount(OfficeDocument &document);
    // The picture of the page that is now first; a blank page once none remains.
    QImage firstPagePicture(OfficeDocument &document, double pixelRatio);

    // The document's text has changed: its layout is made anew when next needed.
    void textChanged();
    // The document has gone: nothing is selected and its layout goes.
    void documentGone();

private:
    struct CellAddress {
        int table = 0;
        int row = 0;
        int cell = 0;
    };

    std::optional<CellAddress> m_cell;
    LaidOutPages m_pages;
};
