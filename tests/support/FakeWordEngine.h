#pragma once

#include "core/wordgen/TextRun.h"
#include "core/wordgen/WordEngine.h"

#include <QHashFunctions>
#include <QImage>
#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <memory>

// The operations of an office instance, as the fake records them.
enum class FakeOperation {
    CreateApplication,
    OpenDocument,
    SelectCell,
    TypeText,
    FillColumn,
    FillColumnRuns,
    SetColumnParagraphStyles,
    SetBookmarkText,
    PlacePicture,
    SaveAs,
    SaveCopyAs,
    SetDisplayAlerts,
    CloseDocument,
    CloseDocumentWithoutSaving,
    Quit,
    Repaginate,
    PageCount,
    CopyAsPicture,
    GoToNextPage,
    HomeKeyExtend,
    EndKeyExtend,
    DeleteSelection,
};

inline size_t qHash(FakeOperation operation, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(operation), seed);
}

// One call made on the fake: which instance (1 for the first one created), which
// operation, its arguments as text ("2 30 2" for a cell, the text typed, a path), and
// whether the fake made it fail.
struct FakeCall {
    int instance = 0;
    FakeOperation operation = FakeOperation::CreateApplication;
    QString arguments;
    bool failed = false;
};

// An office engine for testing the engine's callers. Documents live in memory: each has
// tables of rows and cells (the calendar template's shape unless told otherwise), a page
// count, and page pictures drawn on demand. Every call is recorded in order, any
// operation can be made to fail, saveAs writes a real file, and copyAsPicture puts the
// picture of the current first page on the program's clipboard at the resolution of real
// rendered pages. It answers as the LibreOffice engine does (the engine contract test runs
// the same calls on both): instances got ready ahead or kept unused are handed out by the
// next createApplication, closing without a document and quitting twice do nothing.
class FakeWordEngine : public WordEngine
{
public:
    // Cells per row of one table, row 1 first.
    using TableLayout = QList<int>;

    // Pixel size of a page picture at one device pixel a pixel and its natural on-screen
    // width, as the office engine renders a Letter page: twice as wide as it shows.
    static constexpr int pictureWidth = 680;
    static constexpr int pictureHeight = 880;
    static constexpr int pictureNaturalWidth = 340;

    FakeWordEngine();
    ~FakeWordEngine() override;

    std::unique_ptr<WordApplication> createApplication() override;
    // Two instances ready, as the office engine gets them: the next createApplication()
    // calls hand them out.
    void prepareAhead(const QByteArray &documentToOpen) override;
    void startInstanceAhead() override;
    // The instance is handed out again by the next createApplication().
    void keepUnused(std::unique_ptr<WordApplication> application) override;
    // Page pictures are made with that many pixels a device pixel more.
    void setPagePixelRatio(double ratio) override;

    // What a newly opened document looks like. Documents this fake saved reopen with the
    // texts they were saved with.
    void setTableLayouts(const QList<TableLayout> &tables);
    // The bookmarks of a newly opened document: those spanning text, and those holding a
    // picture (none unless told; a template of a design with pictures has both).
    void setBookmarks(const QStringList &textBookmarks, const QStringList &pictureBookmarks);
    // The bookmarks of the wall calendar's templates.
    static QStringList wallTextBookmarks();
    static QStringList wallPictureBookmarks();
    // The paragraph styles every template has, which setColumnParagraphStyles takes.
    static QStringList paragraphStyles();
    void setPageCount(int pages);
    // Twelve tables: a header row of one cell, then one row of two cells per day.
    static QList<TableLayout> calendarLayout();

    // Failure injection. A failing call throws OfficeError and changes nothing.
    void failAlways(FakeOperation operation);
    // Fails only the n-th call (1-based) of the operation, counted over all instances.
    void failCall(FakeOperation operation, int n);
    // The n-th call of the operation finds the office gone (died, or stopped and given up):
    // it and every later call on that instance throw OfficeInstanceLost.
    void loseInstanceAt(FakeOperation operation, int n);
    // The n-th copyAsPicture succeeds but hands no picture over.
    void leaveNoPictureOnCopy(int n);
    // Runs before every call is carried out (after it is recorded): lets a test act in
    // the middle of a procedure, as user events dispatched during a slow office call would.
    void setBeforeCall(std::function<void(const FakeCall &)> hook);

    const QList<FakeCall> &calls() const;
    QList<FakeCall> calls(FakeOperation operation) const;
    // Instances handed out for the first time.
    int instancesCreated() const;
    // Instances that run: handed out and not yet gone, kept unused, or got ready ahead.
    int liveInstances() const;
    // Instances handed out and then destroyed without quit() having succeeded on them.
    int instancesEndedWithoutQuit() const;

    // The text of a cell of the document last saved at path; throws when none was.
    QString savedCell(const QString &path, int table, int row, int cell) const;
    // The same document's paragraph style set on a cell (empty: the template's), the runs
    // of its text where they were given with a character style (empty otherwise), the text
    // of a bookmark and the image file placed in a bookmark (empty: the template's).
    QString savedParagraphStyle(const QString &path, int table, int row, int cell) const;
    TextRuns savedRuns(const QString &path, int table, int row, int cell) const;
    QString savedBookmarkText(const QString &path, const QString &bookmark) const;
    QString savedPicture(const QString &path, const QString &bookmark) const;

    // The picture the fake renders for a page (1-based) of the document opened from path.
    static QImage pagePicture(const QString &documentPath, int page, double pixelRatio = 1.0);

    static QString operationName(FakeOperation operation);

    struct State;

private:
    std::shared_ptr<State> m_state;
    // Instances kept unused, handed out first; gone before the state.
    std::deque<std::unique_ptr<WordApplication>> m_kept;
};
