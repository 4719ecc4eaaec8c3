#include "office/LibreOfficeApplication.h"

#include "core/OfficeError.h"
#include "office/OfficeDocument.h"
#include "office/OfficeProcess.h"
#include "office/PageSelection.h"
#include "office/RenderedPages.h"
#include "office/UnoConnection.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScopeGuard>

#include <optional>

namespace {

struct CellAddress
{
    int table = 0;
    int row = 0;
    int cell = 0;
};

// The running office: its process and the connection to it. Ending the session asks the
// office to end, kills it when it does not, and removes its private folder.
struct Session
{
    Session(const QString &program, std::chrono::milliseconds startTimeout, std::shared_ptr<ProfileSeed> seed)
        : process(program, std::move(seed))
        , connection(process, startTimeout)
    {
    }

    OfficeProcess process;
    UnoConnection connection;
};

} // namespace

class LibreOfficeApplication::Private
{
public:
    Private(const QString &program, std::chrono::milliseconds startTimeout, std::shared_ptr<ProfileSeed> seed)
        : session(std::make_unique<Session>(program, startTimeout, std::move(seed)))
    {
    }

    Session &liveSession()
    {
        if (!session)
            throw OfficeError(QStringLiteral("The office instance has already quit."));
        if (!session->process.isRunning())
            throw OfficeError(QStringLiteral("The office is no longer running (%1).").arg(session->process.exitDescription()));
        return *session;
    }

    OfficeDocument &activeDocument()
    {
        liveSession();
        if (!document)
            throw OfficeError(QStringLiteral("No document is open."));
        return *document;
    }

    // The pictures of the current layout, made on first need. The office exports the laid
    // out document once; the file lives in the instance's private folder only while it is read.
    RenderedPages &renderedPages()
    {
        OfficeDocument &current = activeDocument();
        if (!pages) {
            const QString pdfPath = session->process.scratchFolder() + QStringLiteral("/pages.pdf");
            const auto removePdf = qScopeGuard([&] { QFile::remove(pdfPath); });
            current.exportPdf(pdfPath);
            QFile pdf(pdfPath);
            if (!pdf.open(QIODevice::ReadOnly))
                throw OfficeError(QStringLiteral("The office's pages could not be read: %1").arg(pdf.errorString()));
            pages = std::make_unique<RenderedPages>(pdf.readAll());
            pageSelection.reset(pages->count());
        }
        return *pages;
    }

    // Editing changes the layout: the pictures are made anew when next needed, and the
    // page selection starts over on the new pages.
    void layoutChanged() { pages.reset(); }

    void closeDocument()
    {
        selectedCell.reset();
        layoutChanged();
        if (!document)
            return;
        const std::unique_ptr<OfficeDocument> closing = std::move(document);
        liveSession();
        closing->close();
    }

    // Declared first: ends after the document reference is gone.
    std::unique_ptr<Session> session;
    std::unique_ptr<OfficeDocument> document;
    std::optional<CellAddress> selectedCell;
    std::unique_ptr<RenderedPages> pages;
    PageSelection pageSelection;
};

LibreOfficeApplication::LibreOfficeApplication(const QString &officeProgram, std::chrono::milliseconds startTimeout,
                                               std::shared_ptr<ProfileSeed> seed)
    : d(std::make_unique<Private>(officeProgram, startTimeout, std::move(seed)))
{
}

LibreOfficeApplication::~LibreOfficeApplication() = default;

void LibreOfficeApplication::openDocument(const QString &path, bool readOnly)
{
    d->closeDocument();
    d->document = std::make_unique<OfficeDocument>(d->liveSession().connection.desktop(), path, readOnly);
}

void LibreOfficeApplication::selectCell(int table, int row, int cell)
{
    d->activeDocument().checkCell(table, row, cell);
    d->selectedCell = CellAddress{table, row, cell};
}

void LibreOfficeApplication::typeText(const QString &text)
{
    OfficeDocument &document = d->activeDocument();
    if (!d->selectedCell)
        throw OfficeError(QStringLiteral("Cannot type the text: no table cell is selected."));
    const CellAddress &target = *d->selectedCell;
    document.setCellText(target.table, target.row, target.cell, text);
    d->layoutChanged();
}

void LibreOfficeApplication::saveAs(const QString &path)
{
    d->activeDocument().saveAs(path);
}

void LibreOfficeApplication::setDisplayAlerts(bool)
{
    // The headless office never shows an alert: without an interaction handler every
    // problem comes back as an error. Only a dead instance makes this fail.
    d->liveSession();
}

void LibreOfficeApplication::closeDocument()
{
    // Closing never saves here, so the plain close and the close without saving are one.
    d->closeDocument();
}

void LibreOfficeApplication::closeDocumentWithoutSaving()
{
    d->closeDocument();
}

void LibreOfficeApplication::quit()
{
    if (!d->session)
        return;
    try {
        if (d->session->process.isRunning())
            d->closeDocument();
    } catch (const OfficeError &) {
        // The office ends in any case.
    }
    d->document.reset();
    d->session.reset();
}

void LibreOfficeApplication::repaginate()
{
    d->activeDocument().reformat();
}

int LibreOfficeApplication::pageCount()
{
    OfficeDocument &document = d->activeDocument();
    // Once pages have been taken out, the count is what remains of them.
    return d->pages ? d->pageSelection.remainingPages() : document.pageCount();
}

void LibreOfficeApplication::copyAsPicture()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        throw OfficeError(QStringLiteral("Cannot copy the page: no clipboard is available."));
    const RenderedPages &pages = d->renderedPages();
    const int first = d->pageSelection.firstPage();
    QGuiApplication::clipboard()->setImage(first > 0 ? pages.picture(first) : pages.blankPicture());
}

// The page movements act on the rendered pages rather than on the office's text: the
// capture only ever removes whole pages from the front of a copy that is closed unsaved,
// and deleting text would make the office lay the remaining text out anew, which can move
// content across page boundaries. Removing rendered pages keeps every picture exactly a
// page of the document as it was laid out.
void LibreOfficeApplication::goToNextPage()
{
    d->renderedPages();
    d->selectedCell.reset();
    d->pageSelection.goToNextPage();
}

void LibreOfficeApplication::homeKeyExtend()
{
    d->renderedPages();
    d->selectedCell.reset();
    d->pageSelection.homeKeyExtend();
}

void LibreOfficeApplication::endKeyExtend()
{
    d->renderedPages();
    d->selectedCell.reset();
    d->pageSelection.endKeyExtend();
}

void LibreOfficeApplication::deleteSelection()
{
    if (d->selectedCell) {
        typeText(QString());
        return;
    }
    d->renderedPages();
    d->pageSelection.deleteSelection();
}
