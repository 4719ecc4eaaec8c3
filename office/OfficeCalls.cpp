#include "office/OfficeCalls.h"

#include "core/wordgen/OfficeError.h"
#include "office/RunningOffice.h"

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

void OfficeCalls::start(std::chrono::milliseconds limit, const std::function<void()> &connect)
{
    m_runner.run(QStringLiteral("starting"), limit, connect, [this] { OfficeProcess::signalKill(m_pid); });
}

void OfficeCalls::call(const QString &what, std::chrono::milliseconds limit, const std::function<void()> &work)
{
    throwIfLost();
    try {
        m_runner.run(what, limit, [&] {
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
        }, [this] { OfficeProcess::signalKill(m_pid); });
    } catch (const OfficeInstanceLost &error) {
        m_lost = QString::fromUtf8(error.what());
        throw;
    }
}
