#pragma once

// Internal to the office engine: included by its .cpp files only.

#include "office/OfficeProcess.h"
#include "office/UnoConnection.h"

#include <chrono>
#include <exception>
#include <memory>
#include <optional>

class ProfileSeed;

// The office of one instance: its process and, once connected, the connection to it.
// Used on the instance's office thread only.
class RunningOffice
{
public:
    RunningOffice(const QString &program, std::shared_ptr<ProfileSeed> seed);

    // Starts the process and connects to it; throws OfficeError when it cannot.
    void connect(std::chrono::milliseconds limit);
    // Throws OfficeInstanceLost when the office never got connected (startFailure says
    // why, when known) or has ended since.
    void requireLive(const std::exception_ptr &startFailure);
    bool isConnected() const { return m_connection.has_value(); }
    bool isRunning() { return m_process.isRunning(); }
    const css::uno::Reference<css::frame::XDesktop2> &desktop() const { return m_connection->desktop(); }
    const css::uno::Reference<css::uno::XComponentContext> &context() const { return m_connection->context(); }
    QString scratchFolder() const { return m_process.scratchFolder(); }
    OfficeProcess::LivePid livePid() const { return m_process.livePid(); }
    // Asks the office to end and kills it when it does not; the private folder goes with
    // this object.
    void end() { m_connection.reset(); }
    // Kills the process of an office given up and reaps it.
    void kill() { m_process.kill(); }

private:
    OfficeProcess m_process;
    std::optional<UnoConnection> m_connection;
};
