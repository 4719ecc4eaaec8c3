#include "office/LibreOfficeEngine.h"

#include "office/OfficeRetirement.h"
#include "office/ProfileSeed.h"

#include <algorithm>
#include <csignal>

LibreOfficeEngine::LibreOfficeEngine(QString officeProgram, OfficeTimeLimits limits)
    : m_officeProgram(std::move(officeProgram))
    , m_limits(limits)
    , m_profileSeed(std::make_shared<ProfileSeed>(ProfileSeed::keptFolder(), m_officeProgram))
    , m_retirement(std::make_shared<OfficeRetirement>())
{
    // The connection to an office is a socket: when the office dies, a write to it must
    // fail as an error of that call, not end this program with SIGPIPE. (The offices
    // themselves start with the signal as it was: see ChildProcessSpawn.)
    ::signal(SIGPIPE, SIG_IGN);
}

LibreOfficeEngine::~LibreOfficeEngine()
{
    // Offices nobody has used are killed, not asked to end.
    discardReadyInstances();
    // The window is gone by now: the profile the next run's first office starts on is made
    // ready while nobody waits.
    m_profileSeed->makeSpare();
}

std::unique_ptr<WordApplication> LibreOfficeEngine::createApplication()
{
    dropUnusable(false);
    // A ready office is handed out only when it answers: one that was stopped or hangs
    // is replaced rather than given to a build that would wait for it. One still starting
    // is waited for; when its start fails, the next one is tried, and last a new one.
    while (!m_ready.empty()) {
        std::unique_ptr<LibreOfficeApplication> instance = std::move(m_ready.front().instance);
        m_ready.pop_front();
        if (instance->answers() && instance->finishesStart())
            return instance;
        instance->discard();
    }
    return std::make_unique<LibreOfficeApplication>(setup());
}

void LibreOfficeEngine::prepareAhead(const QByteArray &documentToOpen)
{
    dropUnusable(true);
    // An instance that holds another document (the template of another paper) would only
    // be in the way: it makes room for one with this document.
    if (!m_ready.empty() && m_ready.front().hasDocumentOpen && m_ready.front().document != documentToOpen) {
        m_ready.front().instance->discard();
        m_ready.pop_front();
    }
    // First the instance with the document open, then one that has only started.
    const bool documentReady = !m_ready.empty() && m_ready.front().hasDocumentOpen;
    if (!documentReady)
        m_ready.push_front({LibreOfficeApplication::startInBackground(setup(), documentToOpen, true), true, documentToOpen, true});
    while (m_ready.size() < 2)
        m_ready.push_back({LibreOfficeApplication::startInBackground(setup(), documentToOpen, false), false, {}, true});
    for (ReadyInstance &ready : m_ready) {
        if (!ready.warmedUp)
            ready.instance->warmUpInBackground(documentToOpen);
        ready.warmedUp = true;
    }
}

void LibreOfficeEngine::startInstanceAhead()
{
    m_ready.push_back({LibreOfficeApplication::startInBackground(setup(), {}, false), false, {}, false});
}

void LibreOfficeEngine::keepUnused(std::unique_ptr<WordApplication> application)
{
    // Only an instance of this engine can be kept; anything else ends as it would have.
    std::unique_ptr<LibreOfficeApplication> instance(dynamic_cast<LibreOfficeApplication *>(application.get()));
    if (!instance) {
        if (application)
            application->quit();
        return;
    }
    application.release();
    m_ready.push_front({std::move(instance), false, {}, false});
}

LibreOfficeApplication::Setup LibreOfficeEngine::setup() const
{
    return {m_officeProgram, m_limits, m_profileSeed, m_retirement, m_pagePixelRatio};
}

// Drops the ready offices not worth handing out. Asked, each also has to answer a short
// question: those that do not (stopped, hung while a build lost its own office, say) are
// replaced. The offices are taken out while they are asked, since events are handled
// meanwhile.
void LibreOfficeEngine::dropUnusable(bool ask)
{
    std::deque<ReadyInstance> kept;
    kept.swap(m_ready);
    for (ReadyInstance &ready : kept) {
        if (!(ask ? ready.instance->answers() : ready.instance->isUsable())) {
            ready.instance->discard();
            ready.instance.reset();
        }
    }
    kept.erase(std::remove_if(kept.begin(), kept.end(), [](const ReadyInstance &ready) { return !ready.instance; }),
               kept.end());
    for (ReadyInstance &ready : m_ready)
        kept.push_back(std::move(ready));
    m_ready = std::move(kept);
}

void LibreOfficeEngine::setPagePixelRatio(double ratio)
{
    *m_pagePixelRatio = ratio > 0 ? ratio : 1.0;
}

void LibreOfficeEngine::discardReadyInstances()
{
    for (ReadyInstance &ready : m_ready)
        ready.instance->discard();
    m_ready.clear();
}

QString LibreOfficeEngine::defaultOfficeProgram()
{
    return QStringLiteral(LO_PROGRAM_DIR "/soffice.bin");
}
