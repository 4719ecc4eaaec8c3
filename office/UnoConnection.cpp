#include "office/UnoConnection.h"

#include "core/shell/DiskSpace.h"
#include "core/shell/TempFolder.h"
#include "core/wordgen/OfficeError.h"
#include "office/OfficeProcess.h"
#include "office/UnoCall.h"
#include "office/UnoStrings.h"

#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <rtl/bootstrap.hxx>

#include <QDir>

#include <atomic>
#include <thread>

using namespace css;
using namespace std::chrono_literals;

namespace {

constexpr auto retryInterval = 5ms;
constexpr auto pollInterval = 5ms;
constexpr auto shutDownGrace = 5s;

uno::Reference<uno::XComponentContext> bootstrapLocalContext()
{
    return unoCall(QStringLiteral("Cannot prepare the connection to the office"), [] {
        // The office's type library must be known before the first remote call.
        rtl::Bootstrap::set(OUString("URE_BOOTSTRAP"), OUString("vnd.sun.star.pathname:" LO_PROGRAM_DIR "/fundamentalrc"));
        return cppu::defaultBootstrap_InitialComponentContext();
    });
}

} // namespace

UnoConnection::UnoConnection(OfficeProcess &process, std::chrono::milliseconds timeout)
    : m_process(process)
{
    try {
        // The office starts first: this side's set-up is done while it starts.
        m_process.start();
        m_localContext = bootstrapLocalContext();
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        bool restarted = false;
        for (;;) {
            // An office that accepts the connection but never answers (stopped, hung) holds
            // this attempt until whoever waits for it gives up and kills the office.
            const bool connected = tryConnect();
            if (!m_process.isRunning()) {
                // Whatever answered, it was not our office, or it was one that is ending.
                m_desktop.clear();
                if (m_process.exitCode() == OfficeProcess::restartExitCode && !restarted) {
                    restarted = true;
                    m_process.start();
                    continue;
                }
                if (m_process.restartOnNewProfile())
                    continue;
                // An office ends while starting when it cannot write its profile: a full disk
                // is named as the cause, since the office says so only on its own output.
                const QString folder = TempFolder::path();
                if (DiskSpace::isShort(folder))
                    throw OfficeError(QStringLiteral("The office did not start: no space left in %1 (it ended while starting, %2).")
                                          .arg(QDir::toNativeSeparators(folder), m_process.exitDescription()));
                throw OfficeError(QStringLiteral("The office did not start: it ended while starting (%1).").arg(m_process.exitDescription()));
            }
            if (connected) {
                m_process.noteListeningSockets();
                break;
            }
            if (std::chrono::steady_clock::now() >= deadline)
                throw OfficeError(QStringLiteral("The office did not answer within %1 seconds.")
                                      .arg(std::chrono::duration_cast<std::chrono::seconds>(timeout).count()));
            std::this_thread::sleep_for(retryInterval);
        }
    } catch (...) {
        shutDown(shutDownGrace);
        throw;
    }
}

UnoConnection::~UnoConnection()
{
    shutDown(shutDownGrace);
}

bool UnoConnection::tryConnect()
{
    const OUString url = "uno:pipe,name=" + UnoStrings::toOUString(m_process.pipeName()) + ";urp;StarOffice.ComponentContext";
    try {
        const auto resolver = bridge::UnoUrlResolver::create(m_localContext);
        const uno::Reference<uno::XComponentContext> remoteContext(resolver->resolve(url), uno::UNO_QUERY_THROW);
        m_desktop = frame::Desktop::create(remoteContext);
        m_remoteContext = remoteContext;
        return true;
    } catch (const connection::NoConnectException &) {
        return false; // not listening yet
    } catch (const lang::DisposedException &) {
        return false; // the office went away while we connected; the caller looks at the process
    } catch (const uno::Exception &error) {
        throw OfficeError(QStringLiteral("Cannot connect to the office: %1").arg(UnoStrings::toQString(error.Message)));
    }
}

void UnoConnection::shutDown(std::chrono::milliseconds grace)
{
    if (m_process.isRunning()) {
        if (m_desktop.is()) {
            // The request runs on a thread of its own, so that an office that does not answer
            // cannot hold us: killing the process makes the pending call return.
            enum class Answer { none, refused, accepted };
            std::atomic<Answer> answer{Answer::none};
            std::thread request([desktop = m_desktop, &answer] {
                try {
                    answer = desktop->terminate() ? Answer::accepted : Answer::refused;
                } catch (const uno::Exception &) {
                    answer = Answer::accepted; // the office closes the connection while it ends
                }
            });
            const auto deadline = std::chrono::steady_clock::now() + grace;
            while (m_process.isRunning() && answer != Answer::refused && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(pollInterval);
            m_process.kill();
            request.join();
        } else {
            m_process.kill();
        }
    }
    release();
}

void UnoConnection::release()
{
    m_desktop.clear();
    m_remoteContext.clear();
    if (const uno::Reference<lang::XComponent> component{m_localContext, uno::UNO_QUERY}; component.is()) {
        try {
            component->dispose();
        } catch (const uno::Exception &) {
            // Nothing left to release.
        }
    }
    m_localContext.clear();
}
