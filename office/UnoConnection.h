#pragma once

// Internal to the office engine: included by its .cpp files only.

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

#include <chrono>

class OfficeProcess;

// The UNO connection to one private office process: starts the process, connects to its
// pipe and holds the office's desktop. Connecting retries until the office listens or the
// time-out passes; an office on a new profile that ends once asking for a restart is
// started again. The connection refuses an answer from any office but its own process.
class UnoConnection
{
public:
    // Starts the process and connects. Throws OfficeError when the office cannot be started
    // or does not answer within the time-out. Runs on the office's own thread: the office's
    // parent-death signal follows the thread that started it.
    UnoConnection(OfficeProcess &process, std::chrono::milliseconds timeout);
    ~UnoConnection();

    UnoConnection(const UnoConnection &) = delete;
    UnoConnection &operator=(const UnoConnection &) = delete;

    const css::uno::Reference<css::frame::XDesktop2> &desktop() const { return m_desktop; }
    // The office's own component context, for services other than the desktop.
    const css::uno::Reference<css::uno::XComponentContext> &context() const { return m_remoteContext; }

    // Asks the office to end and waits for its process; kills the process when the office
    // refuses or has not ended within the grace time, also when it does not answer at all.
    // Afterwards the connection holds no office objects.
    void shutDown(std::chrono::milliseconds grace);

private:
    bool tryConnect();
    void release();

    OfficeProcess &m_process;
    css::uno::Reference<css::uno::XComponentContext> m_localContext;
    css::uno::Reference<css::uno::XComponentContext> m_remoteContext;
    css::uno::Reference<css::frame::XDesktop2> m_desktop;
};
