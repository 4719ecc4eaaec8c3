#include "office/OfficeDocument.h"

#include "core/wordgen/OfficeError.h"
#include "office/UnoCall.h"
#include "office/UnoStrings.h"

#include <QFileInfo>

#include <com/sun/star/awt/Size.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/beans/XPropertyState.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/graphic/GraphicProvider.hpp>
#include <com/sun/star/graphic/XGraphic.hpp>
#include <com/sun/star/lang/IllegalArgumentException.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/text/XBookmarksSupplier.hpp>
#include <com/sun/star/text/XTextCursor.hpp>
#include <com/sun/star/text/XTextGraphicObjectsSupplier.hpp>
#include <com/sun/star/text/XTextRangeCompare.hpp>
#include <com/sun/star/document/XUndoManagerSupplier.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/document/MacroExecMode.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/table/XCellRange.hpp>
#include <com/sun/star/text/XTextTablesSupplier.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <rtl/character.hxx>

#include <algorithm>
#include <initializer_list>
#include <optional>

using namespace css;
using UnoStrings::fileUrl;
using UnoStrings::toOUString;

namespace {

template<typename Value>
beans::PropertyValue property(const OUString &name, const Value &value)
{
    beans::PropertyValue result;
    result.Name = name;
    result.Value <<= value;
    return result;
}

uno::Sequence<beans::PropertyValue> properties(std::initializer_list<beans::PropertyValue> list)
{
    return uno::Sequence<beans::PropertyValue>(list.begin(), sal_Int32(list.size()));
}

// The office's export filter of the format, from the table of formats.
OUString filterOf(DocumentFormat format, const QString &path)
{
    const char *filter = DocumentFormats::row(format).officeFilter;
    if (!filter)
        throw OfficeError(QStringLiteral("Cannot write %1: the office does not write .%2 files.").arg(path, DocumentFormats::suffix(format)));
    return OUString::createFromAscii(filter);
}

// A PDF written for the person keeps photos at print quality: 300 pixels an inch at the
// most, JPEG at quality 95. (Fonts are embedded as the office does by default.)
uno::Sequence<beans::PropertyValue> printQualityPdf()
{
    return properties({property("ReduceImageResolution", true), property("MaxImageResolution", sal_Int32(300)),
                       property("Quality", sal_Int32(95)), property("UseLosslessCompression", false)});
}

// What a word processor answers when a table, row or cell number is out of range.
const QString noSuchMember = QStringLiteral("The requested member of the collection does not exist.");

// A cell name such as "B12": the column letters and the row number. Cells made by
// splitting another ("A1.1.2") are not cells of the table's own rows.
struct CellName
{
    OUString name;
    OUString column;
    int row = 0;

    static std::optional<CellName> parse(const OUString &name)
    {
        sal_Int32 digits = 0;
        while (digits < name.getLength() && rtl::isAsciiAlpha(name[digits]))
            ++digits;
        if (digits == 0 || digits == name.getLength() || name.indexOf('.') >= 0)
            return std::nullopt;
        const int row = name.copy(digits).toInt32();
        if (row <= 0)
            return std::nullopt;
        return CellName{name, name.copy(0, digits), row};
    }

    // Columns are named A…Z, then a…z, then with more letters: shorter names come first.
    bool operator<(const CellName &other) const
    {
        if (column.getLength() != other.column.getLength())
            return column.getLength() < other.column.getLength();
        const auto rank = [](sal_Unicode letter) { return rtl::isAsciiUpperCase(letter) ? letter - 'A' : 26 + letter - 'a'; };
        for (sal_Int32 i = 0; i < column.getLength(); ++i)
            if (column[i] != other.column[i])
                return rank(column[i]) < rank(other.column[i]);
        return false;
    }
};

} // namespace

// The cells of one table, row by row, each row's cells in column order.
struct OfficeDocument::Table
{
    uno::Reference<text::XTextTable> table;
    std::vector<std::vector<OUString>> rows;
};

OfficeDocument::OfficeDocument(const uno::Reference<frame::XDesktop2> &desktop, const QString &path, bool readOnly)
    : m_path(path)
{
    const QString what = QStringLiteral("Cannot open the document %1").arg(path);
    if (!QFileInfo(path).isFile())
        throw OfficeError(QStringLiteral("%1: the file does not exist.").arg(what));
    const OUString url = fileUrl(path);
    m_component = unoCall(what, [&] {
        const uno::Sequence<beans::PropertyValue> arguments = properties({
            property("Hidden", true),
            property("ReadOnly", readOnly),
            // A document is data here: none of its macros ever runs.
            property("MacroExecutionMode", document::MacroExecMode::NEVER_EXECUTE),
        });
        return desktop->loadComponentFromURL(url, OUString("_blank"), 0, arguments);
    });
    // The office may refuse a file without raising anything.
    if (!m_component.is())
        throw OfficeError(QStringLiteral("%1: the office could not load it.").arg(what));
    if (!uno::Reference<text::XTextDocument>(m_component, uno::UNO_QUERY).is()) {
        close();
        throw OfficeError(QStringLiteral("%1: it is not a text document.").arg(what));
    }
    stopInteractiveBookkeeping();
}

void OfficeDocument::stopInteractiveBookkeeping()
{
    // Nobody undoes anything or watches the document: without undo records and without
    // views following every change, writing the cells takes half the time. Where the
    // office cannot do this, the document works as it is, only slower.
    try {
        uno::Reference<document::XUndoManagerSupplier>(m_component, uno::UNO_QUERY_THROW)->getUndoManager()->lock();
        uno::Reference<frame::XModel>(m_component, uno::UNO_QUERY_THROW)->lockControllers();
    } catch (const uno::Exception &) {
        // Only a matter of speed.
    }
}

OfficeDocument::~OfficeDocument() = default;

void OfficeDocument::checkOpen() const
{
    if (!m_component.is())
        throw OfficeError(QStringLiteral("The document %1 is closed.").arg(m_path));
}

const std::vector<OfficeDocument::Table> &OfficeDocument::tables()
{
    if (m_tablesRead)
        return m_tables;
    checkOpen();
    unoCall(QStringLiteral("Cannot read the tables of %1").arg(m_path), [&] {
        // The tables by index, in the order the office made them; a Word document's import
        // makes them as they stand in it, so that is the document's order (and five times
        // quicker than walking the body text).
        const uno::Reference<text::XTextTablesSupplier> supplier(m_component, uno::UNO_QUERY_THROW);
        const uno::Reference<container::XIndexAccess> all(supplier->getTextTables(), uno::UNO_QUERY_THROW);
        for (sal_Int32 index = 0; index < all->getCount(); ++index) {
            const uno::Reference<text::XTextTable> table(all->getByIndex(index), uno::UNO_QUERY_THROW);
            m_tables.push_back(readTable(table));
        }
    });
    m_tablesRead = true;
    return m_tables;
}

OfficeDocument::Table OfficeDocument::readTable(const uno::Reference<text::XTextTable> &table)
{
    std::vector<CellName> cells;
    for (const OUString &name : table->getCellNames())
        if (const auto cell = CellName::parse(name))
            cells.push_back(*cell);
    std::sort(cells.begin(), cells.end(), [](const CellName &a, const CellName &b) { return a.row != b.row ? a.row < b.row : a < b; });
    Table result{table, {}};
    for (const CellName &cell : cells) {
        result.rows.resize(std::max<size_t>(result.rows.size(), cell.row));
        result.rows[cell.row - 1].push_back(cell.name);
    }
    return result;
}

QString OfficeDocument::describeCell(int table, int row, int cell) const
{
    return QStringLiteral("table %1, row %2, cell %3").arg(table).arg(row).arg(cell);
}

const OUString &OfficeDocument::cellName(int table, int row, int cell)
{
    const auto &all = tables();
    const auto fail = [&] {
        return OfficeError(QStringLiteral("Cannot select %1 of %2: %3").arg(describeCell(table, row, cell), m_path, noSuchMember));
    };
    if (table < 1 || size_t(table) > all.size())
        throw fail();
    const auto &rows = all[table - 1].rows;
    if (row < 1 || size_t(row) > rows.size())
        throw fail();
    const auto &cells = rows[row - 1];
    if (cell < 1 || size_t(cell) > cells.size())
        throw fail();
    return cells[cell - 1];
}

void OfficeDocument::setColumnTexts(int table, int firstRow, int cell, const QStringList &texts)
{
    if (texts.isEmpty())
        return;
    const int lastRow = firstRow + int(texts.size()) - 1;
    const OUString &first = cellName(table, firstRow, cell);
    const OUString &last = cellName(table, lastRow, cell);
    const auto &textTable = m_tables[table - 1].table;
    unoCall(QStringLiteral("Cannot write rows %1 to %2 of table %3 of %4").arg(firstRow).arg(lastRow).arg(table).arg(m_path), [&] {
        const uno::Reference<table::XCellRange> cells(textTable, uno::UNO_QUERY_THROW);
        const uno::Reference<sheet::XCellRangeData> column(cells->getCellRangeByName(first + ":" + last),
                                                           uno::UNO_QUERY_THROW);
        uno::Sequence<uno::Sequence<uno::Any>> rows(sal_Int32(texts.size()));
        uno::Sequence<uno::Any> *row = rows.getArray();
        for (const QString &text : texts) {
            const uno::Any cellText(toOUString(text));
            *row++ = uno::Sequence<uno::Any>(&cellText, 1);
        }
        column->setDataArray(rows);
    });
}

void OfficeDocument::checkColumn(int table, int firstRow, int cell, qsizetype rows)
{
    cellName(table, firstRow, cell);
    cellName(table, firstRow + int(rows) - 1, cell);
}

void OfficeDocument::setColumnRuns(int table, int firstRow, int cell, const QList<TextRuns> &cells)
{
    setColumnTexts(table, firstRow, cell, plainTexts(cells));
    const auto &textTable = m_tables[table - 1].table;
    for (qsizetype index = 0; index < cells.size(); ++index) {
        if (!hasStyledRun(cells[index]))
            continue;
        const int row = firstRow + int(index);
        const OUString &name = cellName(table, row, cell);
        unoCall(QStringLiteral("Cannot write the styled text of %1 of %2").arg(describeCell(table, row, cell), m_path), [&] {
            const uno::Reference<text::XText> cellText(textTable->getCellByName(name), uno::UNO_QUERY_THROW);
            cellText->setString(OUString());
            const uno::Reference<text::XTextCursor> cursor = cellText->createTextCursor();
            const uno::Reference<beans::XPropertySet> look(cursor, uno::UNO_QUERY_THROW);
            const uno::Reference<beans::XPropertyState> lookState(cursor, uno::UNO_QUERY_THROW);
            // Each run goes in at the end and stays selected while its style is set; a run
            // without one loses the style the run before it would lend it.
            for (const TextRun &run : cells[index]) {
                cursor->gotoEnd(false);
                cellText->insertString(uno::Reference<text::XTextRange>(cursor.get()), toOUString(run.text), true);
                if (run.characterStyle.isEmpty())
                    lookState->setPropertyToDefault(OUString("CharStyleName"));
                else
                    look->setPropertyValue(OUString("CharStyleName"), uno::Any(toOUString(run.characterStyle)));
            }
        });
    }
}

void OfficeDocument::setColumnParagraphStyles(int table, int firstRow, int cell, const QStringList &styles)
{
    if (styles.isEmpty())
        return;
    checkColumn(table, firstRow, cell, styles.size());
    const auto &textTable = m_tables[table - 1].table;
    for (qsizetype index = 0; index < styles.size(); ++index) {
        if (styles[index].isEmpty())
            continue;
        const int row = firstRow + int(index);
        const OUString &name = cellName(table, row, cell);
        unoCall(QStringLiteral("Cannot set the paragraph style %1 in %2 of %3").arg(styles[index], describeCell(table, row, cell), m_path), [&] {
            // Neither a range of cells nor a table cursor has paragraph properties: a text
            // cursor in each cell sets its paragraphs' style.
            const uno::Reference<text::XText> cellText(textTable->getCellByName(name), uno::UNO_QUERY_THROW);
            uno::Reference<beans::XPropertySet>(cellText->createTextCursor(), uno::UNO_QUERY_THROW)
                ->setPropertyValue(OUString("ParaStyleName"), uno::Any(toOUString(styles[index])));
        });
    }
}

uno::Reference<text::XTextContent> OfficeDocument::bookmarkNamed(const QString &bookmark)
{
    checkOpen();
    return unoCall(QStringLiteral("Cannot find the bookmark %1 in %2").arg(bookmark, m_path), [&] {
        const uno::Reference<text::XBookmarksSupplier> supplier(m_component, uno::UNO_QUERY_THROW);
        const uno::Reference<container::XNameAccess> bookmarks(supplier->getBookmarks(), uno::UNO_QUERY_THROW);
        const OUString name = toOUString(bookmark);
        if (!bookmarks->hasByName(name))
            throw OfficeError(QStringLiteral("The document %1 has no bookmark named %2.").arg(m_path, bookmark));
        return uno::Reference<text::XTextContent>(bookmarks->getByName(name), uno::UNO_QUERY_THROW);
    });
}

// The graphic object anchored inside the range; none when there is none.
uno::Reference<beans::XPropertySet> OfficeDocument::pictureIn(const uno::Reference<text::XTextRange> &place)
{
    const uno::Reference<text::XTextRangeCompare> order(place->getText(), uno::UNO_QUERY_THROW);
    const uno::Reference<text::XTextGraphicObjectsSupplier> supplier(m_component, uno::UNO_QUERY_THROW);
    const uno::Reference<container::XIndexAccess> pictures(supplier->getGraphicObjects(), uno::UNO_QUERY_THROW);
    for (sal_Int32 index = 0; index < pictures->getCount(); ++index) {
        const uno::Reference<text::XTextContent> candidate(pictures->getByIndex(index), uno::UNO_QUERY_THROW);
        const uno::Reference<text::XTextRange> at = candidate->getAnchor();
        try {
            if (order->compareRegionStarts(place, at) >= 0 && order->compareRegionEnds(at, place) >= 0)
                return uno::Reference<beans::XPropertySet>(candidate, uno::UNO_QUERY_THROW);
        } catch (const lang::IllegalArgumentException &) {
            // A picture in another text (a header, a table cell) is not in this place.
        }
    }
    return nullptr;
}

void OfficeDocument::setBookmarkText(const QString &bookmark, const QString &text)
{
    const uno::Reference<text::XTextContent> mark = bookmarkNamed(bookmark);
    unoCall(QStringLiteral("Cannot write the text of the bookmark %1 in %2").arg(bookmark, m_path), [&] {
        // Text written over a picture place would take its picture away.
        if (pictureIn(mark->getAnchor()).is())
            throw OfficeError(QStringLiteral("The bookmark %1 of %2 holds a picture, which text would replace.").arg(bookmark, m_path));
        // Replacing the text a bookmark spans collapses it: the bookmark is made anew over
        // the new text, under its name.
        const uno::Reference<text::XTextRange> place = mark->getAnchor();
        const uno::Reference<text::XText> body = place->getText();
        const uno::Reference<text::XTextCursor> cursor = body->createTextCursorByRange(place);
        body->removeTextContent(mark);
        body->insertString(uno::Reference<text::XTextRange>(cursor.get()), toOUString(text), true);
        const uno::Reference<lang::XMultiServiceFactory> factory(m_component, uno::UNO_QUERY_THROW);
        const uno::Reference<text::XTextContent> renewed(factory->createInstance(OUString("com.sun.star.text.Bookmark")), uno::UNO_QUERY_THROW);
        uno::Reference<container::XNamed>(renewed, uno::UNO_QUERY_THROW)->setName(toOUString(bookmark));
        body->insertTextContent(uno::Reference<text::XTextRange>(cursor.get()), renewed, true);
    });
}

void OfficeDocument::placePicture(const QString &bookmark, const QString &imagePath,
                                  const uno::Reference<uno::XComponentContext> &context)
{
    const QString what = QStringLiteral("Cannot place the picture %1 in the bookmark %2 of %3").arg(imagePath, bookmark, m_path);
    if (!QFileInfo(imagePath).isFile())
        throw OfficeError(QStringLiteral("%1: the file does not exist.").arg(what));
    const uno::Reference<text::XTextContent> mark = bookmarkNamed(bookmark);
    unoCall(what, [&] {
        const uno::Reference<beans::XPropertySet> picture = pictureIn(mark->getAnchor());
        if (!picture.is())
            throw OfficeError(QStringLiteral("The bookmark %1 of %2 holds no picture.").arg(bookmark, m_path));
        const uno::Any size = picture->getPropertyValue(OUString("Size"));
        const uno::Reference<graphic::XGraphicProvider> provider = graphic::GraphicProvider::create(context);
        const uno::Reference<graphic::XGraphic> image = provider->queryGraphic(properties({property("URL", fileUrl(imagePath))}));
        if (!image.is())
            throw OfficeError(QStringLiteral("%1: it is no picture the office can read.").arg(what));
        // The image itself goes into the document, at the place's size (it was made to that
        // shape), never its own pixel size.
        picture->setPropertyValue(OUString("Graphic"), uno::Any(image));
        picture->setPropertyValue(OUString("Size"), size);
    });
}

void OfficeDocument::checkCell(int table, int row, int cell)
{
    cellName(table, row, cell);
}

void OfficeDocument::setCellText(int table, int row, int cell, const QString &text)
{
    const OUString &name = cellName(table, row, cell);
    const auto &textTable = m_tables[table - 1].table;
    unoCall(QStringLiteral("Cannot write into %1 of %2").arg(describeCell(table, row, cell), m_path), [&] {
        const uno::Reference<text::XText> cellText(textTable->getCellByName(name), uno::UNO_QUERY_THROW);
        cellText->setString(toOUString(text));
    });
}

// Checked before the office is asked, because it would create missing folders, and on a
// target it cannot create (a folder below a plain file) it never returns.
void OfficeDocument::checkTarget(const QString &path, const QString &what) const
{
    checkOpen();
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        throw OfficeError(QStringLiteral("%1: the folder %2 does not exist.").arg(what, folder.filePath()));
    if (!folder.isWritable())
        throw OfficeError(QStringLiteral("%1: the folder %2 cannot be written to.").arg(what, folder.filePath()));
    if (target.isDir())
        throw OfficeError(QStringLiteral("%1: a folder of that name exists.").arg(what));
}

void OfficeDocument::saveAs(const QString &path)
{
    const QString what = QStringLiteral("Cannot save the document as %1").arg(path);
    checkTarget(path, what);
    const OUString filter = filterOf(DocumentFormat::Word97, path);
    const OUString url = fileUrl(path);
    unoCall(what, [&] {
        const uno::Reference<frame::XStorable> storable(m_component, uno::UNO_QUERY_THROW);
        storable->storeAsURL(url, properties({property("FilterName", filter), property("Overwrite", true)}));
    });
    m_path = path;
}

void OfficeDocument::saveCopyAs(const QString &path, DocumentFormat format)
{
    const QString what = QStringLiteral("Cannot write the document as %1").arg(path);
    checkTarget(path, what);
    const OUString filter = filterOf(format, path);
    const OUString url = fileUrl(path);
    unoCall(what, [&] {
        const uno::Reference<frame::XStorable> storable(m_component, uno::UNO_QUERY_THROW);
        uno::Sequence<beans::PropertyValue> arguments = properties({property("FilterName", filter), property("Overwrite", true)});
        if (format == DocumentFormat::Pdf) {
            arguments.realloc(3);
            arguments.getArray()[2] = property("FilterData", printQualityPdf());
        }
        storable->storeToURL(url, arguments);
    });
}

void OfficeDocument::exportPdf(const QString &path)
{
    checkOpen();
    const OUString url = fileUrl(path);
    unoCall(QStringLiteral("Cannot lay out the pages of %1").arg(m_path), [&] {
        const uno::Reference<frame::XStorable> storable(m_component, uno::UNO_QUERY_THROW);
        storable->storeToURL(url, properties({property("FilterName", filterOf(DocumentFormat::Pdf, path))}));
    });
}

void OfficeDocument::reformat()
{
    checkOpen();
    unoCall(QStringLiteral("Cannot repaginate %1").arg(m_path), [&] {
        uno::Reference<text::XTextDocument>(m_component, uno::UNO_QUERY_THROW)->reformat();
    });
}

int OfficeDocument::pageCount()
{
    checkOpen();
    return unoCall(QStringLiteral("Cannot count the pages of %1").arg(m_path), [&] {
        // The view's own count, after its layout; the document statistics may be empty.
        const uno::Reference<frame::XModel> model(m_component, uno::UNO_QUERY_THROW);
        const uno::Reference<beans::XPropertySet> view(model->getCurrentController(), uno::UNO_QUERY_THROW);
        sal_Int32 count = 0;
        if (!(view->getPropertyValue(OUString("PageCount")) >>= count))
            throw OfficeError(QStringLiteral("Cannot count the pages of %1: the office gave no page count.").arg(m_path));
        return int(count);
    });
}

void OfficeDocument::close()
{
    if (!m_component.is())
        return;
    const uno::Reference<lang::XComponent> component = std::move(m_component);
    m_component.clear();
    m_tables.clear();
    m_tablesRead = false;
    unoCall(QStringLiteral("Cannot close the document %1").arg(m_path), [&] {
        const uno::Reference<util::XCloseable> closeable(component, uno::UNO_QUERY);
        if (closeable.is())
            closeable->close(true);
        else
            component->dispose();
    });
}
