#pragma once

// Internal to the office engine: included by its .cpp files only.

#include "core/wordgen/DocumentFormat.h"
#include "core/wordgen/TextRun.h"
#include "office/UnoStrings.h"

#include <QString>
#include <QStringList>

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <com/sun/star/text/XTextTable.hpp>

#include <vector>

// One text document loaded in the office, hidden. Tables are addressed as a word processor
// numbers them: in document order, rows and cells from 1. Every failure throws OfficeError
// naming the document or the cell.
//
// Dropping the object only releases the reference: closing is an explicit call, so that
// tearing down after a failure never waits for an office that no longer answers.
class OfficeDocument
{
public:
    // Loads the file. A template opens as a new, untitled document based on it.
    OfficeDocument(const css::uno::Reference<css::frame::XDesktop2> &desktop, const QString &path, bool readOnly);
    ~OfficeDocument();

    OfficeDocument(const OfficeDocument &) = delete;
    OfficeDocument &operator=(const OfficeDocument &) = delete;

    // Throws OfficeError when the table, row or cell does not exist.
    void checkCell(int table, int row, int cell);
    // Replaces the cell's text; the cell's paragraph keeps its style.
    void setCellText(int table, int row, int cell, const QString &text);
    // Replaces the texts of one column's cells from firstRow down, one remote call for all.
    void setColumnTexts(int table, int firstRow, int cell, const QStringList &texts);
    // The same with texts made of runs: the column's plain texts in one call, then each
    // cell that has a run in a character style written run by run.
    void setColumnRuns(int table, int firstRow, int cell, const QList<TextRuns> &cells);
    // The paragraph style of each cell from firstRow down, by name; an empty name leaves the
    // cell as it is.
    void setColumnParagraphStyles(int table, int firstRow, int cell, const QStringList &styles);
    // The bookmark's text becomes text, the bookmark spanning it.
    void setBookmarkText(const QString &bookmark, const QString &text);
    // The picture inside the bookmark shows the image file, embedded, at the size it had;
    // context: the office's, which reads the file.
    void placePicture(const QString &bookmark, const QString &imagePath,
                      const css::uno::Reference<css::uno::XComponentContext> &context);

    // Writes the document as a Word 97-2003 document, replacing any file of that name.
    void saveAs(const QString &path);
    // Writes the laid-out pages as PDF, leaving the document's own location unchanged.
    void exportPdf(const QString &path);
    // Writes a copy in the format with the office's export filter its row names, replacing
    // any file of that name; the document keeps its own location. Throws OfficeError for a
    // format the office does not write.
    void saveCopyAs(const QString &path, DocumentFormat format);
    // Completes the layout of every page.
    void reformat();
    int pageCount();
    // Closes the document without saving it.
    void close();

private:
    struct Table;

    void stopInteractiveBookkeeping();
    // Throws OfficeError when the column from firstRow does not have that many rows.
    void checkColumn(int table, int firstRow, int cell, qsizetype rows);
    css::uno::Reference<css::text::XTextContent> bookmarkNamed(const QString &bookmark);
    css::uno::Reference<css::beans::XPropertySet> pictureIn(const css::uno::Reference<css::text::XTextRange> &place);

    // Read once: filling cells never changes the tables' structure.
    const std::vector<Table> &tables();
    static Table readTable(const css::uno::Reference<css::text::XTextTable> &table);
    const OUString &cellName(int table, int row, int cell);
    QString describeCell(int table, int row, int cell) const;
    void checkOpen() const;
    void checkTarget(const QString &path, const QString &what) const;

    QString m_path;
    css::uno::Reference<css::lang::XComponent> m_component;
    std::vector<Table> m_tables;
    bool m_tablesRead = false;
};
