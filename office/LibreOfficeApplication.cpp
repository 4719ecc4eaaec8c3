#include "office/LibreOfficeApplication.h"

#include "core/ClipboardPicture.h"
#include "core/OfficeError.h"
#include "office/OfficeCallRunner.h"
#include "office/OfficeDocument.h"
#include "office/OfficeProcess.h"
#include "office/PageSelection.h"
#include "office/RenderedPages.h"
#include "office/UnoConnection.h"

#include <QFile>
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
    Session(const QString &program, OfficeCallRunner &runner, std::chrono::milliseconds startTimeout,
            std::shared_ptr<ProfileSeed> seed)
        : process(program, std::move(seed))
        , connection(process, runner, startTimeout)
    {
    }

    OfficeProcess process;
    UnoConnection connection;
};

} // namespace

class LibreOfficeApplication::Private
{
public:
    Private(const QString &program, const OfficeTimeLimits &limits, std::shared_ptr<ProfileSeed> seed)
        : limits(limits)
        , session(std::make_unique<Session>(program, runner, limits.start, std::move(seed)))
    {
    }

    Session &liveSession()
    {
        if (lost)
            throw OfficeInstanceLost(*lost);
        if (!session)
            throw OfficeError(QStringLiteral("The office instance has already quit."));
        if (!session->process.isRunning())
            loseInstance(QStringLiteral("The office is no longer running (%1).").arg(session->process.exitDescription()));
        return *session;
    }

    // Runs the work on the office's thread within the limit. An office that does not answer
    // in time is killed; an office that is found dead after a failed call is named as lost,
    // so that the caller stops using this instance.
    void call(const QString &what, std::chrono::milliseconds limit, const std::function<void()> &work)
    {
        Session &live = liveSession();
        try {
            runner.run(what, limit, work, [&live] { live.process.kill(); });
        } catch (const OfficeInstanceLost &error) {
            loseInstance(QString::fromUtf8(error.what()));
        } catch (const OfficeError &error) {
            if (!live.process.isRunning())
                loseInstance(QString::fromUtf8(error.what()));
            throw;
        }
    }

    [[noreturn]] void loseInstance(const QString &reason)
    {
        lost = reason;
        throw OfficeInstanceLost(reason);
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
            call(QStringLiteral("laying out the pages"), limits.render, [&] {
                const auto removePdf = qScopeGuard([&] { QFile::remove(pdfPath); });
                current.exportPdf(pdfPath);
                QFile pdf(pdfPath);
                if (!pdf.open(QIODevice::ReadOnly))
                    throw OfficeError(QStringLiteral("The office's pages could not be read: %1").arg(pdf.errorString()));
                pages = std::make_unique<RenderedPages>(pdf.readAll());
            });
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
        call(QStringLiteral("closing the document"), limits.other, [&] { closing->close(); });
    }

    const OfficeTimeLimits limits;
    std::optional<QString> lost; // why the instance is gone, once it is
    // Declared before the session: the office thread outlives every call to the office.
    OfficeCallRunner runner;
    // Declared before the document: ends after the document reference is gone.
    std::unique_ptr<Session> session;
    std::unique_ptr<OfficeDocument> document;
    std::optional<CellAddress> selectedCell;
    std::unique_ptr<RenderedPages> pages;
    PageSelection pageSelection;
};

LibreOfficeApplication::LibreOfficeApplication(const QString &officeProgram, const OfficeTimeLimits &limits,
                                               std::shared_ptr<ProfileSeed> seed)
    : d(std::make_unique<Private>(officeProgram, limits, std::move(seed)))
{
}

LibreOfficeApplication::~LibreOfficeApplication() = default;

void LibreOfficeApplication::openDocument(const QString &path, bool readOnly)
{
    d->closeDocument();
    const auto &desktop = d->liveSession().connection.desktop();
    d->call(QStringLiteral("opening %1").arg(path), d->limits.load,
            [&] { d->document = std::make_unique<OfficeDocument>(desktop, path, readOnly); });
}

void LibreOfficeApplication::selectCell(int table, int row, int cell)
{
    OfficeDocument &document = d->activeDocument();
    d->call(QStringLiteral("selecting a table cell"), d->limits.other, [&] { document.checkCell(table, row, cell); });
    d->selectedCell = CellAddress{table, row, cell};
}

void LibreOfficeApplication::typeText(const QString &text)
{
    OfficeDocument &document = d->activeDocument();
    if (!d->selectedCell)
        throw OfficeError(QStringLiteral("Cannot type the text: no table cell is selected."));
    const CellAddress &target = *d->selectedCell;
    d->call(QStringLiteral("typing into a table cell"), d->limits.other,
            [&] { document.setCellText(target.table, target.row, target.cell, text); });
    d->layoutChanged();
}

void LibreOfficeApplication::saveAs(const QString &path)
{
    OfficeDocument &document = d->activeDocument();
    d->call(QStringLiteral("saving %1").arg(path), d->limits.save, [&] { document.saveAs(path); });
}

void LibreOfficeApplication::setDisplayAlerts(bool)
{
    // The headless office never shows an alert: without an interaction handler every
    // problem comes back as an error. Only a lost instance makes this fail.
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
        if (!d->lost && d->session->process.isRunning())
            d->closeDocument();
    } catch (const OfficeError &) {
        // The office ends in any case.
    }
    d->document.reset();
    d->session.reset();
}

void LibreOfficeApplication::repaginate()
{
    OfficeDocument &document = d->activeDocument();
    d->call(QStringLiteral("laying out the document"), d->limits.render, [&] { document.reformat(); });
}

int LibreOfficeApplication::pageCount()
{
    OfficeDocument &document = d->activeDocument();
    // Once pages have been taken out, the count is what remains of them.
    if (d->pages)
        return d->pageSelection.remainingPages();
    int count = 0;
    d->call(QStringLiteral("counting the pages"), d->limits.other, [&] { count = document.pageCount(); });
    return count;
}

void LibreOfficeApplication::copyAsPicture()
{
    const RenderedPages &pages = d->renderedPages();
    const int first = d->pageSelection.firstPage();
    QImage picture;
    d->call(QStringLiteral("picturing a page"), d->limits.render,
            [&] { picture = first > 0 ? pages.picture(first) : pages.blankPicture(); });
    ClipboardPicture::put(picture);
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
