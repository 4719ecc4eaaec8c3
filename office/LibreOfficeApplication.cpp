#include "office/LibreOfficeApplication.h"

#include "core/wordgen/ClipboardPicture.h"
#include "core/wordgen/OfficeError.h"
#include "office/OfficeCallRunner.h"
#include "office/OfficeDocument.h"
#include "office/OfficeProcess.h"
#include "office/OfficeRetirement.h"
#include "office/PageSelection.h"
#include "office/RenderedPages.h"
#include "office/UnoConnection.h"

#include <QFile>
#include <QScopeGuard>

#include <atomic>
#include <chrono>
#include <optional>

namespace {

struct CellAddress
{
    int table = 0;
    int row = 0;
    int cell = 0;
};

// The running office: its process and, once connected, the connection to it. Ending the
// session asks the office to end, kills it when it does not, and removes its private folder.
struct Session
{
    Session(const QString &program, std::shared_ptr<ProfileSeed> seed)
        : process(program, std::move(seed))
    {
    }

    OfficeProcess process;
    std::optional<UnoConnection> connection;
};

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Everything below the interface. The office's own state (session, documents, pages) is
// used on the runner's thread only, or on the caller's thread while no work is queued: a
// call waits for everything queued before it.
class LibreOfficeApplication::Private
{
public:
    explicit Private(const Setup &setup)
        : limits(setup.limits)
        , session(std::make_unique<Session>(setup.officeProgram, setup.seed))
        , office(session->process.livePid())
    {
    }

    // Ends the office on its own thread, after whatever was queued there; the runner,
    // destroyed first, waits for it.
    ~Private()
    {
        runner.post([this] {
            // An office with a document open may refuse to end when asked.
            for (std::unique_ptr<OfficeDocument> *open : {&preparedDocument, &document}) {
                try {
                    if (*open && session && session->connection && session->process.isRunning())
                        (*open)->close();
                } catch (const OfficeError &) {
                    // It is ended below in any case.
                }
                open->reset();
            }
            pages.reset();
            session.reset();
        });
    }

    void connect()
    {
        if (cancelled)
            throw OfficeError(QStringLiteral("The office was not started: it is no longer needed."));
        session->connection.emplace(session->process, limits.start);
    }

    // On the runner's thread, in a new office: one small job of each kind a build asks for
    // on a private copy of the document (the office's first load, save and layout of a
    // Word file are much slower than later ones), each document closed again; then, with
    // keepOpen, the document opened for the first matching openDocument() to take over.
    void warmUp(const QByteArray &content, bool keepOpen)
    {
        const QString scratch = session->process.scratchFolder();
        const QString copy = scratch + QStringLiteral("/document.dot");
        const QString saved = scratch + QStringLiteral("/warm-up.doc");
        const QString laidOut = scratch + QStringLiteral("/warm-up.pdf");
        const auto removeFiles = qScopeGuard([&] {
            for (const QString &file : {copy, saved, laidOut})
                QFile::remove(file);
        });
        QFile file(copy);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return;
        file.close();
        const auto &desktop = session->connection->desktop();
        OfficeDocument filled(desktop, copy, true);
        filled.saveAs(saved);
        filled.close();
        OfficeDocument reloaded(desktop, saved, false);
        reloaded.exportPdf(laidOut);
        reloaded.close();
        if (!keepOpen)
            return;
        preparedDocument = std::make_unique<OfficeDocument>(desktop, copy, true);
        preparedContent = content;
    }

    // On the runner's thread: the instance must be connected and its office running.
    void requireLive()
    {
        if (!session->connection) {
            QString reason = QStringLiteral("the office did not start");
            if (const std::exception_ptr failure = runner.failure()) {
                try {
                    std::rethrow_exception(failure);
                } catch (const std::exception &error) {
                    reason = QString::fromUtf8(error.what());
                }
            }
            throw OfficeInstanceLost(reason);
        }
        if (!session->process.isRunning())
            throw OfficeInstanceLost(
                QStringLiteral("The office is no longer running (%1).").arg(session->process.exitDescription()));
    }

    OfficeDocument &activeDocument()
    {
        if (!document)
            throw OfficeError(QStringLiteral("No document is open."));
        return *document;
    }

    // Runs the work on the office's thread within the limit. An office that does not answer
    // in time is killed; an office found dead after a failed call is named as lost, so that
    // the caller stops using this instance.
    void call(const QString &what, std::chrono::milliseconds limit, const std::function<void()> &work)
    {
        if (lost)
            throw OfficeInstanceLost(*lost);
        try {
            runner.run(what, limit, [&] {
                requireLive();
                try {
                    work();
                } catch (const OfficeInstanceLost &) {
                    throw;
                } catch (const OfficeError &error) {
                    if (!session->process.isRunning())
                        throw OfficeInstanceLost(QString::fromUtf8(error.what()));
                    throw;
                }
            }, [this] { OfficeProcess::signalKill(office); });
        } catch (const OfficeInstanceLost &error) {
            lost = QString::fromUtf8(error.what());
            throw;
        }
    }

    // On the runner's thread: the pictures of the current layout, made on first need. The
    // office exports the laid-out document once; the file lives in the instance's private
    // folder only while it is read.
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

    void withPages(const std::function<void()> &movement)
    {
        call(QStringLiteral("laying out the pages"), limits.render, [&] {
            renderedPages();
            selectedCell.reset();
            movement();
        });
    }

    // On the runner's thread.
    void closeDocument()
    {
        selectedCell.reset();
        pages.reset();
        if (const std::unique_ptr<OfficeDocument> closing = std::move(document))
            closing->close();
    }

    const OfficeTimeLimits limits;
    std::optional<QString> lost; // why the instance is gone, once it is
    std::atomic<bool> cancelled{false};
    const std::chrono::steady_clock::time_point startedAt = std::chrono::steady_clock::now();
    std::unique_ptr<Session> session;
    const OfficeProcess::LivePid office;
    std::unique_ptr<OfficeDocument> document;
    std::unique_ptr<OfficeDocument> preparedDocument;
    QByteArray preparedContent;
    std::optional<CellAddress> selectedCell;
    std::unique_ptr<RenderedPages> pages;
    PageSelection pageSelection;
    // Declared last, so destroyed first: its thread ends the office before anything the
    // office's work uses goes.
    OfficeCallRunner runner;
};

LibreOfficeApplication::LibreOfficeApplication(std::unique_ptr<Private> d, std::shared_ptr<OfficeRetirement> retirement)
    : d(std::move(d))
    , m_retirement(std::move(retirement))
{
}

LibreOfficeApplication::LibreOfficeApplication(const Setup &setup)
    : d(std::make_unique<Private>(setup))
    , m_retirement(setup.retirement)
{
    d->runner.run(QStringLiteral("starting"), d->limits.start, [this] { d->connect(); },
                  [this] { OfficeProcess::signalKill(d->office); });
}

std::unique_ptr<LibreOfficeApplication> LibreOfficeApplication::startInBackground(const Setup &setup,
                                                                                  const QByteArray &document,
                                                                                  bool keepDocumentOpen)
{
    auto d = std::make_unique<Private>(setup);
    Private *raw = d.get();
    raw->runner.post([raw, document, keepDocumentOpen] {
        raw->connect();
        if (!document.isEmpty())
            raw->warmUp(document, keepDocumentOpen);
    });
    return std::unique_ptr<LibreOfficeApplication>(new LibreOfficeApplication(std::move(d), setup.retirement));
}

LibreOfficeApplication::~LibreOfficeApplication()
{
    end(false);
}

bool LibreOfficeApplication::isUsable() const
{
    if (!d || d->lost || d->runner.failure())
        return false;
    // An office that has died is not worth anything; one still being started is worth
    // waiting for while within the start limit.
    const bool spawned = d->office->load() > 0;
    if (spawned && !OfficeProcess::isAlive(d->office))
        return false;
    return !d->runner.isBusy() || std::chrono::steady_clock::now() - d->startedAt < d->limits.start;
}

LibreOfficeApplication::Private &LibreOfficeApplication::live()
{
    if (!d)
        throw OfficeError(QStringLiteral("The office instance has already quit."));
    return *d;
}

void LibreOfficeApplication::waitUntilStarted()
{
    if (d)
        d->runner.waitUntilIdle();
}

void LibreOfficeApplication::discard()
{
    end(true);
}

void LibreOfficeApplication::end(bool killFirst)
{
    if (!d)
        return;
    if (killFirst) {
        d->cancelled = true;
        OfficeProcess::signalKill(d->office);
    }
    const OfficeProcess::LivePid office = d->office;
    if (!m_retirement) {
        d.reset();
        return;
    }
    m_retirement->retire([ending = std::shared_ptr<Private>(std::move(d))]() mutable { ending.reset(); }, office, killFirst);
}

void LibreOfficeApplication::openDocument(const QString &path, bool readOnly)
{
    live().call(QStringLiteral("opening %1").arg(path), d->limits.load, [&] {
        d->closeDocument();
        // The document opened ahead is taken when the file holds what it was opened from.
        if (d->preparedDocument && readOnly && contentOf(path) == d->preparedContent) {
            d->document = std::move(d->preparedDocument);
            return;
        }
        if (const std::unique_ptr<OfficeDocument> unused = std::move(d->preparedDocument))
            unused->close();
        d->document = std::make_unique<OfficeDocument>(d->session->connection->desktop(), path, readOnly);
    });
}

void LibreOfficeApplication::selectCell(int table, int row, int cell)
{
    live().call(QStringLiteral("selecting a table cell"), d->limits.other, [&] {
        d->activeDocument().checkCell(table, row, cell);
        d->selectedCell = CellAddress{table, row, cell};
    });
}

void LibreOfficeApplication::typeText(const QString &text)
{
    live().call(QStringLiteral("typing into a table cell"), d->limits.other, [&] {
        OfficeDocument &document = d->activeDocument();
        if (!d->selectedCell)
            throw OfficeError(QStringLiteral("Cannot type the text: no table cell is selected."));
        const CellAddress &target = *d->selectedCell;
        document.setCellText(target.table, target.row, target.cell, text);
        d->pages.reset();
    });
}

void LibreOfficeApplication::fillColumn(int table, int firstRow, int cell, const QStringList &texts)
{
    live().call(QStringLiteral("filling a table column"), d->limits.other, [&] {
        d->activeDocument().setColumnTexts(table, firstRow, cell, texts);
        d->pages.reset();
    });
}

void LibreOfficeApplication::saveAs(const QString &path)
{
    live().call(QStringLiteral("saving %1").arg(path), d->limits.save, [&] { d->activeDocument().saveAs(path); });
}

void LibreOfficeApplication::saveCopyAs(const QString &path, DocumentFormat format)
{
    const auto filter = [format] {
        switch (format) {
        case DocumentFormat::Word97:
            return QStringLiteral("MS Word 97");
        case DocumentFormat::Word2007:
            return QStringLiteral("MS Word 2007 XML");
        case DocumentFormat::OpenDocument:
            return QStringLiteral("writer8");
        case DocumentFormat::Pdf:
            break;
        }
        return QStringLiteral("writer_pdf_Export");
    }();
    live().call(QStringLiteral("writing %1").arg(path), d->limits.save,
                [&] { d->activeDocument().saveCopyAs(path, filter); });
}

void LibreOfficeApplication::setDisplayAlerts(bool)
{
    // The headless office never shows an alert: without an interaction handler every
    // problem comes back as an error. Only a lost instance makes this fail.
    if (live().lost)
        throw OfficeInstanceLost(*d->lost);
}

void LibreOfficeApplication::closeDocument()
{
    // Closing never saves here, so the plain close and the close without saving are one.
    closeDocumentWithoutSaving();
}

// The document goes at once; the office closes it on its own thread while the caller goes
// on (a close changes nothing on disk, and a later call waits for it).
void LibreOfficeApplication::closeDocumentWithoutSaving()
{
    Private &instance = live();
    if (instance.lost)
        throw OfficeInstanceLost(*instance.lost);
    instance.selectedCell.reset();
    instance.pages.reset();
    std::shared_ptr<OfficeDocument> closing = std::move(instance.document);
    if (closing)
        instance.runner.post([closing] { closing->close(); });
}

// The office ends in the background; the caller goes on at once.
void LibreOfficeApplication::quit()
{
    end(false);
}

void LibreOfficeApplication::repaginate()
{
    live().call(QStringLiteral("laying out the document"), d->limits.render, [&] { d->activeDocument().reformat(); });
}

int LibreOfficeApplication::pageCount()
{
    int count = 0;
    live().call(QStringLiteral("counting the pages"), d->limits.other, [&] {
        OfficeDocument &document = d->activeDocument();
        // Once pages have been taken out, the count is what remains of them.
        count = d->pages ? d->pageSelection.remainingPages() : document.pageCount();
    });
    return count;
}

void LibreOfficeApplication::copyAsPicture()
{
    live().call(QStringLiteral("picturing a page"), d->limits.render, [&] {
        const RenderedPages &pages = d->renderedPages();
        const int first = d->pageSelection.firstPage();
        ClipboardPicture::put(first > 0 ? pages.picture(first) : pages.blankPicture());
    });
}

// The page movements act on the rendered pages rather than on the office's text: the
// capture only ever removes whole pages from the front of a copy that is closed unsaved,
// and deleting text would make the office lay the remaining text out anew, which can move
// content across page boundaries. Removing rendered pages keeps every picture exactly a
// page of the document as it was laid out.
void LibreOfficeApplication::goToNextPage()
{
    live().withPages([this] { d->pageSelection.goToNextPage(); });
}

void LibreOfficeApplication::homeKeyExtend()
{
    live().withPages([this] { d->pageSelection.homeKeyExtend(); });
}

void LibreOfficeApplication::endKeyExtend()
{
    live().withPages([this] { d->pageSelection.endKeyExtend(); });
}

void LibreOfficeApplication::deleteSelection()
{
    if (live().selectedCell) {
        typeText(QString());
        return;
    }
    d->withPages([this] { d->pageSelection.deleteSelection(); });
}
