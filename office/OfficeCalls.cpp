#include "office/OfficeCalls.h"

#include "core/wordgen/OfficeError.h"
#include "office/RunningOffice.h"

#include <atomic>

OfficeCalls::OfficeCalls(RunningOffice &office)
    : m_office(office)
    , m_pid(office.livePid())
{
}

void OfficeCalls::throwIfLost() const
{
    if (m_lost)
        throw OfficeInstanceLost(*m_lost);
}

QString OfficeCalls::lostWhile(const QString &what, bool callRuns) const
{
    if (OfficeProcess::isStopped(m_pid))
        return QStringLiteral("The office was stopped while %1 and could not answer; it was ended.").arg(what);
    if (callRuns && !OfficeProcess::isAlive(m_pid))
        return QStringLiteral("The office ended unexpectedly while %1.").arg(what);
    return QString();
}

void OfficeCalls::endLostOffice()
{
    m_runner.post([this] { m_office.kill(); });
}

void OfficeCalls::start(std::chrono::milliseconds limit, const std::function<void()> &connect)
{
    const QString what = QStringLiteral("starting");
    try {
        m_runner.run(what, limit, connect, [this] { OfficeProcess::signalKill(m_pid); },
                     [this, what] { return lostWhile(what, false); });
    } catch (const OfficeInstanceLost &) {
        endLostOffice();
        throw;
    }
}

void OfficeCalls::call(const QString &what, std::chrono::milliseconds limit, const std::function<void()> &work)
{
    throwIfLost();
    std::atomic<bool> runs{false};
    try {
        m_runner.run(what, limit, [&] {
            runs = true;
            m_office.requireLive(m_runner.failure());
            try {
                work();
            } catch (const OfficeInstanceLost &) {
                throw;
            } catch (const OfficeError &error) {
                if (!m_office.isRunning())
                    throw OfficeInstanceLost(QString::fromUtf8(error.what()));
                throw;
            }
        }, [this] { OfficeProcess::signalKill(m_pid); }, [&] { return lostWhile(what, runs); });
    } catch (const OfficeInstanceLost &error) {
        m_lost = QString::fromUtf8(error.what());
        endLostOffice();
        throw;
    }
}
