#include "office/RunningOffice.h"

#include "core/wordgen/OfficeError.h"

RunningOffice::RunningOffice(const QString &program, std::shared_ptr<ProfileSeed> seed)
    : m_process(program, std::move(seed))
{
}

void RunningOffice::connect(std::chrono::milliseconds limit)
{
    m_connection.emplace(m_process, limit);
}

void RunningOffice::requireLive(const std::exception_ptr &startFailure)
{
    if (!m_connection) {
        QString reason = QStringLiteral("the office did not start");
        if (startFailure) {
            try {
                std::rethrow_exception(startFailure);
            } catch (const std::exception &error) {
                reason = QString::fromUtf8(error.what());
            }
        }
        throw OfficeInstanceLost(reason);
    }
    if (!m_process.isRunning())
        throw OfficeInstanceLost(
            QStringLiteral("The office is no longer running (%1).").arg(m_process.exitDescription()));
}
