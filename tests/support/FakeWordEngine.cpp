#include "tests/support/FakeWordEngine.h"

#include "core/wordgen/ClipboardPicture.h"

#include "core/shell/CalendarMonths.h"
#include "core/wordgen/PagePicture.h"
#include "core/wordgen/PageSelection.h"
#include "core/wordgen/OfficeError.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QMap>
#include <QPainter>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <optional>

namespace {

using Tables = QList<QList<QStringList>>; // [table][row][cell] → text

// What a document holds that its calls change, as saved and opened again.
struct Content {
    Tables tables;
    QHash<QString, QString> paragraphStyles; // by cellKey
    QHash<QString, TextRuns> runs;           // by cellKey, cells given a character style
    QMap<QString, QString> textBookmarks;    // name → text set (empty: the template's)
    QMap<QString, QString> pictureBookmarks; // name → image placed (empty: the template's)
};

QString cellKey(int table, int row, int cell)
{
    return QStringLiteral("%1 %2 %3").arg(table).arg(row).arg(cell);
}

Tables emptyTables(const QList<FakeWordEngine::TableLayout> &layouts)
{
    Tables tables;
    for (const FakeWordEngine::TableLayout &layout : layouts) {
        QList<QStringList> rows;
        for (int cells : layout)
            rows.append(QStringList(cells, QString()));
        tables.append(rows);
    }
    return tables;
}

QString absolute(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

struct FakeWordEngine::State {
    QList<TableLayout> layouts = FakeWordEngine::calendarLayout();
    int pageCount = 6;
    QSet<FakeOperation> failingAlways;
    QSet<QPair<FakeOperation, int>> failingCalls;
    QSet<int> copiesWithoutPicture;
    QSet<QPair<FakeOperation, int>> losingCalls;
    QSet<int> lostInstances;
    QHash<FakeOperation, int> callCounts;
    std::function<void(const FakeCall &)> beforeCall;
    QList<FakeCall> calls;
    QMap<QString, Content> savedDocuments;
    QStringList textBookmarks;
    QStringList pictureBookmarks;
    int created = 0;
    int live = 0;
    int endedWithoutQuit = 0;
    int readyAhead = 0; // instances got ready, none of them handed out yet
    double pixelRatio = 1.0;

    // Records the call and throws when it is to fail.
    void enter(int instance, FakeOperation operation, const QString &arguments = QString())
    {
        const int n = ++callCounts[operation];
        if (losingCalls.contains({operation, n}))
            lostInstances.insert(instance);
        // Quitting a lost instance has nothing left to end, as in the office engine.
        const bool lost = lostInstances.contains(instance) && operation != FakeOperation::Quit;
        const bool injected = failingAlways.contains(operation) || failingCalls.contains({operation, n});
        calls.append({instance, operation, arguments, lost || injected});
        if (beforeCall)
            beforeCall(calls.constLast());
        if (lost)
            throw OfficeInstanceLost(QStringLiteral("Simulated loss of the office at %1.").arg(FakeWordEngine::operationName(operation)));
        if (injected)
            throw OfficeError(QStringLiteral("Simulated failure of %1.").arg(FakeWordEngine::operationName(operation)));
    }
};

namespace {

// One open document of a fake instance, with the selected cell, or the selection over its
// laid-out pages, which moves as in the office engine: the pages are laid out when first
// needed (at least one, whatever page count the document reports) and anew after its text
// changed.
struct FakeDocument : Content {
    QString path;
    int reportedPages = 0;
    std::optional<PageSelection> pages;
    bool cellSelected = false;
    int table = 0, row = 0, cell = 0;

    PageSelection &laidOut()
    {
        if (!pages) {
            pages.emplace();
            pages->reset(std::max(reportedPages, 1));
        }
        return *pages;
    }
};

class FakeWordApplication : public WordApplication
{
public:
    FakeWordApplication(std::shared_ptr<FakeWordEngine::State> state, int instance)
        : m_state(std::move(state))
        , m_instance(instance)
    {
        ++m_state->live;
    }

    ~FakeWordApplication() override
    {
        --m_state->live;
        if (!m_quit)
            ++m_state->endedWithoutQuit;
    }

    void openDocument(const QString &path, bool readOnly) override
    {
        enter(FakeOperation::OpenDocument, path + (readOnly ? QStringLiteral(" read-only") : QString()));
        ensureRunning();
        if (!QFileInfo(path).isFile())
            throw OfficeError(QStringLiteral("Cannot open the document %1: the file does not exist.").arg(path));
        FakeDocument document;
        document.path = path;
        static_cast<Content &>(document) = m_state->savedDocuments.value(absolute(path), newContent());
        document.reportedPages = m_state->pageCount;
        m_document = document;
    }

    void selectCell(int table, int row, int cell) override
    {
        enter(FakeOperation::SelectCell, QStringLiteral("%1 %2 %3").arg(table).arg(row).arg(cell));
        FakeDocument &document = activeDocument();
        const bool exists = table >= 1 && table <= document.tables.size() && row >= 1
            && row <= document.tables[table - 1].size() && cell >= 1
            && cell <= document.tables[table - 1][row - 1].size();
        if (!exists)
            throw OfficeError(QStringLiteral("The requested member of the collection does not exist."));
        document.cellSelected = true;
        document.table = table;
        document.row = row;
        document.cell = cell;
    }

    void typeText(const QString &text) override
    {
        enter(FakeOperation::TypeText, text);
        FakeDocument &document = activeDocument();
        // As the office engine: text goes into a selected table cell or nowhere.
        if (!document.cellSelected)
            throw OfficeError(QStringLiteral("Cannot type the text: no table cell is selected."));
        document.tables[document.table - 1][document.row - 1][document.cell - 1] = text;
        document.runs.remove(cellKey(document.table, document.row, document.cell));
        document.pages.reset();
    }

    void fillColumn(int table, int firstRow, int cell, const QStringList &texts) override
    {
        enter(FakeOperation::FillColumn, QStringLiteral("%1 %2 %3: %4").arg(table).arg(firstRow).arg(cell).arg(texts.join(QLatin1Char('|'))));
        writeColumn(activeDocument(), table, firstRow, cell, texts);
    }

    void fillColumnRuns(int table, int firstRow, int cell, const QList<TextRuns> &cells) override
    {
        QStringList texts;
        QStringList described;
        for (const TextRuns &runs : cells) {
            QString text;
            QString description;
            for (const TextRun &run : runs) {
                text += run.text;
                description += run.characterStyle.isEmpty() ? run.text : QStringLiteral("[%1:%2]").arg(run.characterStyle, run.text);
            }
            texts.append(text);
            described.append(description);
        }
        enter(FakeOperation::FillColumnRuns, QStringLiteral("%1 %2 %3: %4").arg(table).arg(firstRow).arg(cell).arg(described.join(u'|')));
        FakeDocument &document = activeDocument();
        writeColumn(document, table, firstRow, cell, texts);
        for (qsizetype index = 0; index < cells.size(); ++index) {
            const bool styled = std::any_of(cells[index].cbegin(), cells[index].cend(), [](const TextRun &run) { return !run.characterStyle.isEmpty(); });
            const QString key = cellKey(table, firstRow + int(index), cell);
            if (styled)
                document.runs.insert(key, cells[index]);
            else
                document.runs.remove(key);
        }
    }

    void setColumnParagraphStyles(int table, int firstRow, int cell, const QStringList &styles) override
    {
        enter(FakeOperation::SetColumnParagraphStyles, QStringLiteral("%1 %2 %3: %4").arg(table).arg(firstRow).arg(cell).arg(styles.join(u'|')));
        FakeDocument &document = activeDocument();
        checkColumn(document, table, firstRow, cell, styles.size());
        for (const QString &style : styles)
            if (!style.isEmpty() && !FakeWordEngine::paragraphStyles().contains(style))
                throw OfficeError(QStringLiteral("Cannot set the paragraph style %1: the document has no such style.").arg(style));
        for (qsizetype index = 0; index < styles.size(); ++index)
            if (!styles[index].isEmpty())
                document.paragraphStyles.insert(cellKey(table, firstRow + int(index), cell), styles[index]);
    }

    void setBookmarkText(const QString &bookmark, const QString &text) override
    {
        enter(FakeOperation::SetBookmarkText, bookmark + QStringLiteral(": ") + text);
        FakeDocument &document = activeDocument();
        if (document.textBookmarks.contains(bookmark))
            document.textBookmarks.insert(bookmark, text);
        else if (document.pictureBookmarks.contains(bookmark))
            throw OfficeError(QStringLiteral("The bookmark %1 of %2 holds a picture, which text would replace.").arg(bookmark, document.path));
        else
            throw OfficeError(QStringLiteral("The document %1 has no bookmark named %2.").arg(document.path, bookmark));
    }

    void placePicture(const QString &bookmark, const QString &imagePath) override
    {
        enter(FakeOperation::PlacePicture, bookmark + QLatin1Char(' ') + imagePath);
        FakeDocument &document = activeDocument();
        if (!QFileInfo(imagePath).isFile() || QImageReader(imagePath).format().isEmpty())
            throw OfficeError(QStringLiteral("Cannot place the picture %1: it is no picture that can be read.").arg(imagePath));
        if (document.pictureBookmarks.contains(bookmark))
            document.pictureBookmarks.insert(bookmark, imagePath);
        else if (document.textBookmarks.contains(bookmark))
            throw OfficeError(QStringLiteral("The bookmark %1 of %2 holds no picture.").arg(bookmark, document.path));
        else
            throw OfficeError(QStringLiteral("The document %1 has no bookmark named %2.").arg(document.path, bookmark));
    }

    void saveAs(const QString &path) override
    {
        enter(FakeOperation::SaveAs, path);
        const FakeDocument &document = activeDocument();
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            throw OfficeError(QStringLiteral("Cannot save the document as %1: %2").arg(path, file.errorString()));
        QString content;
        for (int t = 0; t < document.tables.size(); ++t)
            for (int r = 0; r < document.tables[t].size(); ++r)
                content += QStringLiteral("%1 %2: %3\n").arg(t + 1).arg(r + 1).arg(document.tables[t][r].join(u'|'));
        file.write(content.toUtf8());
        if (!file.commit())
            throw OfficeError(QStringLiteral("Cannot save the document as %1: %2").arg(path, file.errorString()));
        m_state->savedDocuments.insert(absolute(path), document);
    }

    // Writes the document's texts, headed by the format's suffix, so that a test can tell
    // which format was asked for.
    void saveCopyAs(const QString &path, DocumentFormat format) override
    {
        // As an office does, the file is written as it goes: one that fails midway leaves
        // part of it behind.
        QFile partial(path);
        if (partial.open(QIODevice::WriteOnly))
            partial.write("part of a document");
        partial.close();
        enter(FakeOperation::SaveCopyAs, path + QLatin1Char(' ') + DocumentFormats::suffix(format));
        const FakeDocument &document = activeDocument();
        QSaveFile file(path);
        QByteArray content = DocumentFormats::suffix(format).toUtf8() + '\n';
        for (const QList<QStringList> &table : document.tables)
            for (const QStringList &row : table)
                content += row.join(QLatin1Char('|')).toUtf8() + '\n';
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
            throw OfficeError(QStringLiteral("Cannot write the document as %1.").arg(path));
    }

    void setDisplayAlerts(bool enabled) override
    {
        enter(FakeOperation::SetDisplayAlerts, enabled ? QStringLiteral("true") : QStringLiteral("false"));
        ensureRunning();
    }

    // Closing without a document open does nothing, as in the office engine.
    void closeDocument() override
    {
        enter(FakeOperation::CloseDocument);
        ensureRunning();
        m_document.reset();
    }

    void closeDocumentWithoutSaving() override
    {
        enter(FakeOperation::CloseDocumentWithoutSaving);
        ensureRunning();
        m_document.reset();
    }

    // A second quit has nothing left to do.
    void quit() override
    {
        enter(FakeOperation::Quit);
        m_document.reset();
        m_quit = true;
    }

    void repaginate() override
    {
        enter(FakeOperation::Repaginate);
        activeDocument();
    }

    int pageCount() override
    {
        enter(FakeOperation::PageCount);
        // Once pages have been taken out, the count is what remains of them.
        // Once pages have been taken out, the count is what remains of them.
        const FakeDocument &document = activeDocument();
        return document.pages ? document.pages->remainingPages() : document.reportedPages;
    }

    void copyAsPicture() override
    {
        enter(FakeOperation::CopyAsPicture);
        FakeDocument &document = activeDocument();
        if (m_state->copiesWithoutPicture.contains(m_state->callCounts.value(FakeOperation::CopyAsPicture)))
            ClipboardPicture::clear();
        else if (const int first = document.laidOut().firstPage(); first > 0)
            ClipboardPicture::put(FakeWordEngine::pagePicture(document.path, first, m_state->pixelRatio));
        else
            ClipboardPicture::put(blankPage());
    }

    void goToNextPage() override
    {
        enter(FakeOperation::GoToNextPage);
        movePages([](PageSelection &pages) { pages.goToNextPage(); });
    }

    void homeKeyExtend() override
    {
        enter(FakeOperation::HomeKeyExtend);
        movePages([](PageSelection &pages) { pages.homeKeyExtend(); });
    }

    void endKeyExtend() override
    {
        enter(FakeOperation::EndKeyExtend);
        movePages([](PageSelection &pages) { pages.endKeyExtend(); });
    }

    void deleteSelection() override
    {
        enter(FakeOperation::DeleteSelection);
        FakeDocument &document = activeDocument();
        // A selected table cell is emptied and stays selected, as the office engine does.
        if (document.cellSelected) {
            document.tables[document.table - 1][document.row - 1][document.cell - 1].clear();
            document.pages.reset();
        } else {
            document.laidOut().deleteSelection();
        }
    }

    int instance() const { return m_instance; }
    bool hasQuit() const { return m_quit; }

private:
    void enter(FakeOperation operation, const QString &arguments = QString())
    {
        m_state->enter(m_instance, operation, arguments);
    }

    void ensureRunning() const
    {
        if (m_quit)
            throw OfficeError(QStringLiteral("The office instance has ended."));
    }

    Content newContent() const
    {
        Content content;
        content.tables = emptyTables(m_state->layouts);
        for (const QString &bookmark : std::as_const(m_state->textBookmarks))
            content.textBookmarks.insert(bookmark, QString());
        for (const QString &bookmark : std::as_const(m_state->pictureBookmarks))
            content.pictureBookmarks.insert(bookmark, QString());
        return content;
    }

    static void checkColumn(const FakeDocument &document, int table, int firstRow, int cell, qsizetype rows)
    {
        const int lastRow = firstRow + int(rows) - 1;
        const bool exists = table >= 1 && table <= document.tables.size() && firstRow >= 1
            && lastRow <= document.tables[table - 1].size();
        for (int row = firstRow; exists && row <= lastRow; ++row)
            if (cell < 1 || cell > document.tables[table - 1][row - 1].size())
                throw OfficeError(QStringLiteral("The column does not exist."));
        if (!exists)
            throw OfficeError(QStringLiteral("The column does not exist."));
    }

    static void writeColumn(FakeDocument &document, int table, int firstRow, int cell, const QStringList &texts)
    {
        checkColumn(document, table, firstRow, cell, texts.size());
        for (int row = firstRow; row < firstRow + int(texts.size()); ++row) {
            document.tables[table - 1][row - 1][cell - 1] = texts.at(row - firstRow);
            document.runs.remove(cellKey(table, row, cell));
        }
        document.pages.reset();
    }

    // A page movement: a selected cell is no longer selected.
    void movePages(const std::function<void(PageSelection &)> &movement)
    {
        FakeDocument &document = activeDocument();
        document.cellSelected = false;
        movement(document.laidOut());
    }

    // A white page of a page picture's size, for a document whose pages are all gone.
    QImage blankPage() const
    {
        QImage blank(qRound(FakeWordEngine::pictureWidth * m_state->pixelRatio),
                     qRound(FakeWordEngine::pictureHeight * m_state->pixelRatio), QImage::Format_RGB32);
        blank.fill(Qt::white);
        PagePicture::setNaturalWidth(blank, FakeWordEngine::pictureNaturalWidth);
        return blank;
    }

    FakeDocument &activeDocument()
    {
        ensureRunning();
        if (!m_document)
            throw OfficeError(QStringLiteral("No document is open."));
        return *m_document;
    }

    std::shared_ptr<FakeWordEngine::State> m_state;
    int m_instance;
    bool m_quit = false;
    std::optional<FakeDocument> m_document;
};

} // namespace

FakeWordEngine::FakeWordEngine()
    : m_state(std::make_shared<State>())
{
}

FakeWordEngine::~FakeWordEngine()
{
    m_kept.clear();
}

std::unique_ptr<WordApplication> FakeWordEngine::createApplication()
{
    if (!m_kept.empty()) {
        m_state->enter(static_cast<FakeWordApplication &>(*m_kept.front()).instance(), FakeOperation::CreateApplication);
        std::unique_ptr<WordApplication> kept = std::move(m_kept.front());
        m_kept.pop_front();
        return kept;
    }
    m_state->enter(m_state->created + 1, FakeOperation::CreateApplication);
    m_state->readyAhead = std::max(m_state->readyAhead - 1, 0);
    return std::make_unique<FakeWordApplication>(m_state, ++m_state->created);
}

void FakeWordEngine::prepareAhead(const QByteArray &)
{
    m_state->readyAhead = std::max(m_state->readyAhead, 2 - int(m_kept.size()));
}

void FakeWordEngine::startInstanceAhead()
{
    ++m_state->readyAhead;
}

void FakeWordEngine::keepUnused(std::unique_ptr<WordApplication> application)
{
    auto *fake = dynamic_cast<FakeWordApplication *>(application.get());
    if (!fake || fake->hasQuit()) {
        WordEngine::keepUnused(std::move(application));
        return;
    }
    m_kept.push_front(std::move(application));
}

void FakeWordEngine::setPagePixelRatio(double ratio)
{
    m_state->pixelRatio = ratio > 0 ? ratio : 1.0;
}

void FakeWordEngine::setTableLayouts(const QList<TableLayout> &tables)
{
    m_state->layouts = tables;
}

void FakeWordEngine::setPageCount(int pages)
{
    m_state->pageCount = pages;
}

QList<FakeWordEngine::TableLayout> FakeWordEngine::calendarLayout()
{
    QList<TableLayout> tables;
    for (const CalendarMonth &month : CalendarMonths::table) {
        TableLayout rows{1};
        rows.append(TableLayout(month.days, 2));
        tables.append(rows);
    }
    return tables;
}

void FakeWordEngine::failAlways(FakeOperation operation)
{
    m_state->failingAlways.insert(operation);
}

void FakeWordEngine::failCall(FakeOperation operation, int n)
{
    m_state->failingCalls.insert({operation, n});
}

void FakeWordEngine::loseInstanceAt(FakeOperation operation, int n)
{
    m_state->losingCalls.insert({operation, n});
}

void FakeWordEngine::leaveNoPictureOnCopy(int n)
{
    m_state->copiesWithoutPicture.insert(n);
}

void FakeWordEngine::setBeforeCall(std::function<void(const FakeCall &)> hook)
{
    m_state->beforeCall = std::move(hook);
}

const QList<FakeCall> &FakeWordEngine::calls() const
{
    return m_state->calls;
}

QList<FakeCall> FakeWordEngine::calls(FakeOperation operation) const
{
    QList<FakeCall> matching;
    std::copy_if(m_state->calls.cbegin(), m_state->calls.cend(), std::back_inserter(matching),
                 [operation](const FakeCall &call) { return call.operation == operation; });
    return matching;
}

int FakeWordEngine::instancesCreated() const
{
    return m_state->created;
}

int FakeWordEngine::liveInstances() const
{
    return m_state->live + m_state->readyAhead;
}

int FakeWordEngine::instancesEndedWithoutQuit() const
{
    return m_state->endedWithoutQuit;
}

namespace {

const Content &savedAt(const QMap<QString, Content> &documents, const QString &path)
{
    const auto saved = documents.constFind(absolute(path));
    if (saved == documents.cend())
        throw OfficeError(QStringLiteral("No document was saved as %1.").arg(path));
    return *saved;
}

} // namespace

QString FakeWordEngine::savedCell(const QString &path, int table, int row, int cell) const
{
    return savedAt(m_state->savedDocuments, path).tables.at(table - 1).at(row - 1).at(cell - 1);
}

QString FakeWordEngine::savedParagraphStyle(const QString &path, int table, int row, int cell) const
{
    return savedAt(m_state->savedDocuments, path).paragraphStyles.value(cellKey(table, row, cell));
}

TextRuns FakeWordEngine::savedRuns(const QString &path, int table, int row, int cell) const
{
    return savedAt(m_state->savedDocuments, path).runs.value(cellKey(table, row, cell));
}

QString FakeWordEngine::savedBookmarkText(const QString &path, const QString &bookmark) const
{
    return savedAt(m_state->savedDocuments, path).textBookmarks.value(bookmark);
}

QString FakeWordEngine::savedPicture(const QString &path, const QString &bookmark) const
{
    return savedAt(m_state->savedDocuments, path).pictureBookmarks.value(bookmark);
}

void FakeWordEngine::setBookmarks(const QStringList &textBookmarks, const QStringList &pictureBookmarks)
{
    m_state->textBookmarks = textBookmarks;
    m_state->pictureBookmarks = pictureBookmarks;
}

QStringList FakeWordEngine::wallTextBookmarks()
{
    return {QStringLiteral("CoverTitle"), QStringLiteral("CoverYear")};
}

QStringList FakeWordEngine::wallPictureBookmarks()
{
    QStringList bookmarks{QStringLiteral("CoverPicture")};
    for (int month = 1; month <= 12; ++month)
        bookmarks.append(QStringLiteral("MonthPicture%1").arg(month));
    return bookmarks;
}

QStringList FakeWordEngine::paragraphStyles()
{
    return {QStringLiteral("Day Number"), QStringLiteral("Weekend Day Number")};
}

QImage FakeWordEngine::pagePicture(const QString &documentPath, int page, double pixelRatio)
{
    // A colour band and the document's name and page number: every page of every
    // document looks different.
    QImage picture(qRound(pictureWidth * pixelRatio), qRound(pictureHeight * pixelRatio), QImage::Format_RGB32);
    picture.fill(Qt::white);
    const size_t seed = qHash(QFileInfo(documentPath).fileName());
    QPainter painter(&picture);
    painter.scale(pixelRatio, pixelRatio);
    painter.fillRect(0, 0, pictureWidth, pictureHeight / 8,
                     QColor::fromHsv(static_cast<int>((seed + 47u * static_cast<size_t>(page)) % 360u), 160, 220));
    painter.setPen(Qt::black);
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 24));
    painter.drawText(QRect(0, pictureHeight / 4, pictureWidth, pictureHeight / 4), Qt::AlignCenter,
                     QStringLiteral("%1\npage %2").arg(QFileInfo(documentPath).fileName()).arg(page));
    painter.end();
    PagePicture::setNaturalWidth(picture, pictureNaturalWidth);
    return picture;
}

QString FakeWordEngine::operationName(FakeOperation operation)
{
    static const QHash<FakeOperation, QString> names{
        {FakeOperation::CreateApplication, QStringLiteral("createApplication")},
        {FakeOperation::OpenDocument, QStringLiteral("openDocument")},
        {FakeOperation::SelectCell, QStringLiteral("selectCell")},
        {FakeOperation::TypeText, QStringLiteral("typeText")},
        {FakeOperation::FillColumn, QStringLiteral("fillColumn")},
        {FakeOperation::FillColumnRuns, QStringLiteral("fillColumnRuns")},
        {FakeOperation::SetColumnParagraphStyles, QStringLiteral("setColumnParagraphStyles")},
        {FakeOperation::SetBookmarkText, QStringLiteral("setBookmarkText")},
        {FakeOperation::PlacePicture, QStringLiteral("placePicture")},
        {FakeOperation::SaveAs, QStringLiteral("saveAs")},
        {FakeOperation::SaveCopyAs, QStringLiteral("saveCopyAs")},
        {FakeOperation::SetDisplayAlerts, QStringLiteral("setDisplayAlerts")},
        {FakeOperation::CloseDocument, QStringLiteral("closeDocument")},
        {FakeOperation::CloseDocumentWithoutSaving, QStringLiteral("closeDocumentWithoutSaving")},
        {FakeOperation::Quit, QStringLiteral("quit")},
        {FakeOperation::Repaginate, QStringLiteral("repaginate")},
        {FakeOperation::PageCount, QStringLiteral("pageCount")},
        {FakeOperation::CopyAsPicture, QStringLiteral("copyAsPicture")},
        {FakeOperation::GoToNextPage, QStringLiteral("goToNextPage")},
        {FakeOperation::HomeKeyExtend, QStringLiteral("homeKeyExtend")},
        {FakeOperation::EndKeyExtend, QStringLiteral("endKeyExtend")},
        {FakeOperation::DeleteSelection, QStringLiteral("deleteSelection")},
    };
    return names.value(operation);
}
