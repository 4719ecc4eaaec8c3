#include "office/DocumentSelection.h"

#include "core/wordgen/OfficeError.h"
#include "office/OfficeDocument.h"
#include "core/wordgen/PageSelection.h"
#include "office/RenderedPages.h"

DocumentSelection::DocumentSelection(QString scratchFolder)
    : m_pages(std::move(scratchFolder))
{
}

void DocumentSelection::selectCell(OfficeDocument &document, int table, int row, int cell)
{
    document.checkCell(table, row, cell);
    m_cell = CellAddress{table, row, cell};
}

void DocumentSelection::typeText(OfficeDocument &document, const QString &text)
{
    if (!m_cell)
        throw OfficeError(QStringLiteral("Cannot type the text: no table cell is selected."));
    document.setCellText(m_cell->table, m_cell->row, m_cell->cell, text);
    textChanged();
}

// The page movements act on the rendered pages rather than on the office's text: the
// capture only ever removes whole pages from the front of a copy that is closed unsaved,
// and deleting text would make the office lay the remaining text out anew, which can move
// content across page boundaries. Removing rendered pages keeps every picture exactly a
// page of the document as it was laid out.
void DocumentSelection::movePages(OfficeDocument &document, double pixelRatio,
                                  const std::function<void(PageSelection &)> &movement)
{
    m_pages.of(document, pixelRatio);
    m_cell.reset();
    movement(m_pages.selection());
}

void DocumentSelection::deleteSelection(OfficeDocument &document, double pixelRatio)
{
    if (m_cell)
        typeText(document, QString());
    else
        movePages(document, pixelRatio, [](PageSelection &selection) { selection.deleteSelection(); });
}

int DocumentSelection::pageCount(OfficeDocument &document)
{
    return m_pages.isMade() ? m_pages.selection().remainingPages() : document.pageCount();
}

QImage DocumentSelection::firstPagePicture(OfficeDocument &document, double pixelRatio)
{
    const RenderedPages &pages = m_pages.of(document, pixelRatio);
    const int first = m_pages.selection().firstPage();
    return first > 0 ? pages.picture(first) : pages.blankPicture();
}

void DocumentSelection::textChanged()
{
    m_pages.forget();
}

void DocumentSelection::documentGone()
{
    m_cell.reset();
    m_pages.forget();
}
