#pragma once

#include "core/wordgen/DocumentFormat.h"
#include "core/wordgen/TextRun.h"

#include <QString>
#include <QStringList>

// One running instance of the office engine, shaped after the word-processor automation
// operations that the start-up check, the document builder and the page capture use.
// An instance starts with no document; openDocument makes one the active document, and
// the document operations act on it. Every failure throws OfficeError.
//
// The instance owns a private office process. quit() and the destructor (even when quit()
// was never reached) hand the process over to be ended in the background: the caller goes
// on at once, and the process is ended, killed if need be, without anyone waiting for it.
class WordApplication
{
public:
    virtual ~WordApplication() = default;

    // Documents.Open(path) / Documents.Open(path, , True): opens the file as the active
    // document. A template (.dot) opens as a new document based on it.
    virtual void openDocument(const QString &path, bool readOnly) = 0;

    // ActiveDocument.Tables(table).Rows(row).Cells(cell).Select, all numbers 1-based and in
    // document order: the cell's content becomes the selection.
    virtual void selectCell(int table, int row, int cell) = 0;
    // Selection.TypeText text: the text replaces the selection.
    virtual void typeText(const QString &text) = 0;
    // The column of cell number `cell` of the table, from row firstRow down, one text a row:
    // the texts replace the cells' contents in one call, as selecting and typing each would.
    virtual void fillColumn(int table, int firstRow, int cell, const QStringList &texts) = 0;
    // The same, each cell's text made of runs: a run with a character style is set in that
    // style, the others in the paragraph's own look.
    virtual void fillColumnRuns(int table, int firstRow, int cell, const QList<TextRuns> &cells) = 0;
    // The paragraph style, by name, of each cell of the column from firstRow down, one name
    // a row; a cell whose name is empty stays as it is. A style the document does not
    // have is refused.
    virtual void setColumnParagraphStyles(int table, int firstRow, int cell, const QStringList &styles) = 0;

    // The text the bookmark spans becomes text; the bookmark stays, spanning it. Refused,
    // naming the bookmark, when the document has none of that name or it holds a picture.
    virtual void setBookmarkText(const QString &bookmark, const QString &text) = 0;
    // The picture anchored in the bookmark (one as a character) shows the image file
    // instead, embedded in the document, at exactly the size the picture had. Refused,
    // naming the bookmark, when there is no such bookmark or no picture in it, and when the
    // file is no picture the office can read.
    virtual void placePicture(const QString &bookmark, const QString &imagePath) = 0;

    // Document.SaveAs path, no format: writes a Word 97-2003 document under that path.
    virtual void saveAs(const QString &path) = 0;
    // Writes a copy of the active document in the format under that path, replacing any
    // file there; the document itself keeps its name.
    virtual void saveCopyAs(const QString &path, DocumentFormat format) = 0;
    // Application.DisplayAlerts = enabled.
    virtual void setDisplayAlerts(bool enabled) = 0;
    // Document.Close: the just-saved document closes without a prompt.
    virtual void closeDocument() = 0;
    // ActiveDocument.Close SaveChanges:=0: closes, leaving the file unchanged.
    virtual void closeDocumentWithoutSaving() = 0;
    // Application.Quit: the instance ends.
    virtual void quit() = 0;

    // ActiveDocument.Repaginate: layout is complete before pageCount() is read.
    virtual void repaginate() = 0;
    // ActiveDocument.BuiltInDocumentProperties(14): the number of pages.
    virtual int pageCount() = 0;
    // ActiveDocument.Range.CopyAsPicture: the program's own clipboard (ClipboardPicture)
    // holds a picture of the document's current first page.
    virtual void copyAsPicture() = 0;
    // Selection.GoTo What:=1, Which:=2, Name:=2: the insertion point moves to the start of
    // the next page (page 2 when it stands on page 1).
    virtual void goToNextPage() = 0;
    // Selection.HomeKey Unit:=6, Extend:=1: selects from the document's start to the
    // insertion point.
    virtual void homeKeyExtend() = 0;
    // Selection.EndKey Unit:=6, Extend:=1: extends the selection to the document's end.
    virtual void endKeyExtend() = 0;
    // Selection.Delete Unit:=1, Count:=1: removes the selected content.
    virtual void deleteSelection() = 0;
};
