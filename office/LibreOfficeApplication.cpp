#include "office/LibreOfficeApplication.h"

#include "core/wordgen/ClipboardPicture.h"
#include "core/wordgen/OfficeError.h"
#include "office/DocumentSelection.h"
#include "office/OfficeCalls.h"
#include "office/OfficeDocument.h"
#include "office/OfficeRetirement.h"
#include "office/OfficeWarmUp.h"
#include "office/RunningOffice.h"
#include "office/UnoCall.h"

#include <QFile>

#include <atomic>
#include <chrono>
#include <optional>

namespace {

// How often an ending office is looked at: a stopped one cannot end and is killed at once.
constexpr std::chrono::milliseconds endingWatchInterval{50};

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The pieces of one instance. The office's own state (its documents, the pages) is used
// on the office's thread only, or on the caller's thread while no work is queued: a call
// waits for everything queued before it.
class LibreOfficeApplication::Instance
{
public:
    explicit Instance(const Setup &setup)
        : limits(setup.limits)
        , office(setup.officeProgram, setup.seed)
        , pid(office.livePid())
        , selection(office.scratchFolder())
        , pixelRatio(setup.pixelRatio)
        , calls(office)
    {
    }

    // Ends the office on its own thread, after whatever was queued there. An office that
    // is stopped, or has not ended within its limit (not answering the close), is killed,
    // which makes whatever it holds up return.
    ~Instance()
    {
        calls.post([this] {
            // An office with a document open may refuse to end when asked.
            for (std::unique_ptr<OfficeDocument> *open : {&preparedDocument, &document}) {
                try {
                    if (*open && office.isConnected() && office.isRunning())
                        (*open)->close();
                } catch (const OfficeError &) {
                    // It is ended below in any case.
                }
                open->reset();
            }
            selection.documentGone();
            office.end();
        });
        const auto deadline = std::chrono::steady_clock::now() + limits.end;
        while (!calls.waitUntilIdle(endingWatchInterval)) {
            if (OfficeProcess::isStopped(pid) || std::chrono::steady_clock::now() >= deadline) {
                OfficeProcess::signalKill(pid);
                break;
            }
        }
    }

    // On the office's thread, in a new office.
    void connect()
    {
        if (cancelled)
            throw OfficeError(QStringLiteral("The office was not started: it is no longer needed."));
        office.connect(limits.start);
    }

    // On the office's thread.
    void warmUp(const QByteArray &content, bool keepOpen)
    {
        preparedDocument = OfficeWarmUp::run(office.desktop(), office.scratchFolder(), content, keepOpen);
        if (preparedDocument)
            preparedContent = content;
    }

    OfficeDocument &activeDocument()
    {
        if (!document)
            throw OfficeError(QStringLiteral("No document is open."));
        return *document;
    }

    // On the office's thread. The document opened ahead is taken when the file holds what
    // it was opened from.
    void openDocument(const QString &path, bool readOnly)
    {
        closeDocument();
        if (preparedDocument && readOnly && contentOf(path) == preparedContent) {
            document = std::move(preparedDocument);
            return;
        }
        if (const std::unique_ptr<OfficeDocument> unused = std::move(preparedDocument))
            unused->close();
        document = std::make_unique<OfficeDocument>(office.desktop(), path, readOnly);
    }

    // On the office's thread.
    void closeDocument()
    {
        selection.documentGone();
        if (const std::unique_ptr<OfficeDocument> closing = std::move(document))
            closing->close();
    }

    // The device pixels of a screen pixel the page pictures are made for: as the window
    // that shows them last said, one until then.
    double pagePixelRatio() const { return pixelRatio ? pixelRatio->load() : 1.0; }

    // A page movement on the pages of the current layout, made when need be.
    void withPages(const std::function<void(PageSelection &)> &movement)
    {
        const double ratio = pagePixelRatio();
        calls.call(QStringLiteral("laying out the pages"), limits.render,
                   [&] { selection.movePages(activeDocument(), ratio, movement); });
    }

    const OfficeTimeLimits limits;
    std::atomic<bool> cancelled{false};
    const std::chrono::steady_clock::time_point startedAt = std::chrono::steady_clock::now();
    RunningOffice office;
    const OfficeProcess::LivePid pid;
    std::unique_ptr<OfficeDocument> document;
    std::unique_ptr<OfficeDocument> preparedDocument;
    QByteArray preparedContent;
    DocumentSelection selection;
    const std::shared_ptr<const std::atomic<double>> pixelRatio;
    // Declared last, so destroyed first: its thread ends before anything the office's work
    // uses goes.
    OfficeCalls calls;
};

LibreOfficeApplication::LibreOfficeApplication(std::unique_ptr<Instance> instance,
                                               std::shared_ptr<OfficeRetirement> retirement)
    : m_instance(std::move(instance))
    , m_retirement(std::move(retirement))
{
}

LibreOfficeApplication::LibreOfficeApplication(const Setup &setup)
    : LibreOfficeApplication(std::make_unique<Instance>(setup), setup.retirement)
{
    Instance &instance = *m_instance;
    instance.calls.start(instance.limits.start, [&instance] { instance.connect(); });
}

std::unique_ptr<LibreOfficeApplication> LibreOfficeApplication::startInBackground(const Setup &setup,
                                                                                  const QByteArray &document,
                                                                                  bool keepDocumentOpen)
{
    auto instance = std::make_unique<Instance>(setup);
    Instance *raw = instance.get();
    raw->calls.post([raw, document, keepDocumentOpen] {
        raw->connect();
        if (!document.isEmpty())
            raw->warmUp(document, keepDocumentOpen);
    });
    return std::unique_ptr<LibreOfficeApplication>(new LibreOfficeApplication(std::move(instance), setup.retirement));
}

void LibreOfficeApplication::warmUpInBackground(const QByteArray &document)
{
    Instance &instance = live();
    instance.calls.post([&instance, document] {
        if (instance.office.isConnected())
            instance.warmUp(document, false);
    });
}

LibreOfficeApplication::~LibreOfficeApplication()
{
    end(false);
}

bool LibreOfficeApplication::isUsable() const
{
    if (!m_instance || m_instance->calls.isLost() || m_instance->calls.failure())
        return false;
    // An office that has died or been stopped is not worth anything; one still being
    // started is worth waiting for while within the start limit.
    const bool spawned = m_instance->pid->load() > 0;
    if (spawned && (!OfficeProcess::isAlive(m_instance->pid) || OfficeProcess::isStopped(m_instance->pid)))
        return false;
    return !m_instance->calls.isBusy() || std::chrono::steady_clock::now() - m_instance->startedAt < m_instance->limits.start;
}

bool LibreOfficeApplication::answers()
{
    if (!isUsable())
        return false;
    // An office still starting or warming up is not asked: the question would wait behind
    // its work.
    if (m_instance->calls.isBusy())
        return true;
    try {
        Instance &instance = *m_instance;
        const QString what = QStringLiteral("answering a short question");
        instance.calls.call(what, instance.limits.check, [&] {
            unoCall(what, [&instance] { instance.office.desktop()->getCurrentComponent(); });
        });
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

LibreOfficeApplication::Instance &LibreOfficeApplication::live()
{
    if (!m_instance)
        throw OfficeError(QStringLiteral("The office instance has already quit."));
    return *m_instance;
}

bool LibreOfficeApplication::finishesStart()
{
    try {
        Instance &instance = live();
        instance.calls.call(QStringLiteral("starting"), instance.limits.start, [] {});
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

void LibreOfficeApplication::discard()
{
    end(true);
}

void LibreOfficeApplication::end(bool killFirst)
{
    if (!m_instance)
        return;
    if (killFirst) {
        m_instance->cancelled = true;
        OfficeProcess::signalKill(m_instance->pid);
    }
    const OfficeProcess::LivePid office = m_instance->pid;
    if (!m_retirement) {
        m_instance.reset();
        return;
    }
    m_retirement->retire([ending = std::shared_ptr<Instance>(std::move(m_instance))]() mutable { ending.reset(); },
                         office, killFirst);
}

void LibreOfficeApplication::openDocument(const QString &path, bool readOnly)
{
    Instance &instance = live();
    instance.calls.call(QStringLiteral("opening %1").arg(path), instance.limits.load,
                        [&] { instance.openDocument(path, readOnly); });
}

void LibreOfficeApplication::selectCell(int table, int row, int cell)
{
    Instance &instance = live();
    instance.calls.call(QStringLiteral("selecting a table cell"), instance.limits.other,
                        [&] { instance.selection.selectCell(instance.activeDocument(), table, row, cell); });
}

void LibreOfficeApplication::typeText(const QString &text)
{
    Instance &instance = live();
    instance.calls.call(QStringLiteral("typing into a table cell"), instance.limits.other,
                        [&] { instance.selection.typeText(instance.activeDocument(), text); });
}

void LibreOfficeApplication::fillColumn(int table, int firstRow, int cell, const QStringList &texts)
{
    Instance &instance = live();
    instance.calls.call(QStringLiteral("filling a table column"), instance.limits.other, [&] {
        instance.activeDocument().setColumnTexts(table, firstRow, cell, texts);
        instance.selection.textChanged();
    });
}

void LibreOfficeApplication::fillColumnRuns(int table, int firstRow, int cell, const QList<TextRuns> &cells)
{
    Instance &instance = live();
    instance.calls.call(QStringLiteral("filling a table column"), instance.limits.other, [&] {
        instance.activeDocument().setColumnRuns(table, firstRow, cell, cells);
        instance.selection.textChanged();
    });
}

void LibreOfficeApplication::setColumnParagraphStyles(int table, int firstRow, int cell, const QStringList &styles)
{
    Instance &instance = live();
    instance.calls.call(QStringLiteral("setting paragraph styles"), instance.limits.other, [&] {
        instance.activeDocument().setColumnParagraphStyles(table, firstRow, cell, styles);
        instance.selection.textChanged();
    });
}

void LibreOfficeApplication::setBookmarkText(const QString &bookmark, const QString &text)
{
    Instance &instance = live();
    instance.calls.call(QStringLiteral("writing the bookmark %1").arg(bookmark), instance.limits.other, [&] {
        instance.activeDocument().setBookmarkText(bookmark, text);
        instance.selection.textChanged();
    });
}

void LibreOfficeApplication::placePicture(const QString &bookmark, const QString &imagePath)
{
    Instance &instance = live();
    instance.calls.call(QStringLiteral("placing the picture %1").arg(imagePath), instance.limits.load, [&] {
        instance.activeDocument().placePicture(bookmark, imagePath, instance.office.context());
        instance.selection.textChanged();
    });
}

void LibreOfficeApplication::saveAs(const QString &path)
{
    Instance &instance = live();
    instance.calls.call(QStringLiteral("saving %1").arg(path), instance.limits.save,
                        [&] { instance.activeDocument().saveAs(path); });
}

void LibreOfficeApplication::saveCopyAs(const QString &path, DocumentFormat format)
{
    Instance &instance = live();
    instance.calls.call(QStringLiteral("writing %1").arg(path), instance.limits.save,
                        [&] { instance.activeDocument().saveCopyAs(path, format); });
}

void LibreOfficeApplication::setDisplayAlerts(bool)
{
    // The headless office never shows an alert: without an interaction handler every
    // problem comes back as an error. Only a lost instance makes this fail.
    live().calls.throwIfLost();
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
    Instance &instance = live();
    instance.calls.throwIfLost();
    instance.selection.documentGone();
    std::shared_ptr<OfficeDocument> closing = std::move(instance.document);
    if (closing)
        instance.calls.post([closing] { closing->close(); });
}

// The office ends in the background; the caller goes on at once.
void LibreOfficeApplication::quit()
{
    end(false);
}

void LibreOfficeApplication::repaginate()
{
    Instance &instance = live();
    instance.calls.call(QStringLiteral("laying out the document"), instance.limits.render,
                        [&] { instance.activeDocument().reformat(); });
}

int LibreOfficeApplication::pageCount()
{
    Instance &instance = live();
    int count = 0;
    instance.calls.call(QStringLiteral("counting the pages"), instance.limits.other,
                        [&] { count = instance.selection.pageCount(instance.activeDocument()); });
    return count;
}

void LibreOfficeApplication::copyAsPicture()
{
    Instance &instance = live();
    const double ratio = instance.pagePixelRatio();
    instance.calls.call(QStringLiteral("picturing a page"), instance.limits.render,
                        [&] { ClipboardPicture::put(instance.selection.firstPagePicture(instance.activeDocument(), ratio)); });
}

void LibreOfficeApplication::goToNextPage()
{
    live().withPages([](PageSelection &selection) { selection.goToNextPage(); });
}

void LibreOfficeApplication::homeKeyExtend()
{
    live().withPages([](PageSelection &selection) { selection.homeKeyExtend(); });
}

void LibreOfficeApplication::endKeyExtend()
{
    live().withPages([](PageSelection &selection) { selection.endKeyExtend(); });
}

void LibreOfficeApplication::deleteSelection()
{
    Instance &instance = live();
    const double ratio = instance.pagePixelRatio();
    instance.calls.call(QStringLiteral("deleting the selection"), instance.limits.render,
                        [&] { instance.selection.deleteSelection(instance.activeDocument(), ratio); });
}
