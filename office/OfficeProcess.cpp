#include "office/OfficeProcess.h"

#include "core/wordgen/OfficeError.h"
#include "core/shell/ProcessState.h"
#include "core/shell/TempFolder.h"
#include "office/ChildProcessSpawn.h"
#include "office/OfficeProfile.h"
#include "office/ProfileSeed.h"
#include "office/UnoStrings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// How long the destructor lets a still running office end after SIGTERM before it kills it.
constexpr auto terminateGrace = 3s;
constexpr auto pollInterval = 5ms;

QTemporaryDir makeFolder()
{
    try {
        return QTemporaryDir(TempFolder::file(QStringLiteral("daybloom-office-XXXXXX")));
    } catch (const std::runtime_error &error) {
        throw OfficeError(QString::fromStdString(error.what()));
    }
}

QString uniquePipeName()
{
    static std::atomic<unsigned> counter{0};
    return QStringLiteral("daybloom-%1-%2-%3")
        .arg(::getpid())
        .arg(counter++)
        .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
}

} // namespace

OfficeProcess::OfficeProcess(QString program, std::shared_ptr<ProfileSeed> seed)
    : m_folder(makeFolder())
    , m_program(std::move(program))
    , m_seed(std::move(seed))
    , m_pipeName(uniquePipeName())
    , m_sockets(m_pipeName, profileUrl())
{
    if (!m_folder.isValid())
        throw OfficeError(QStringLiteral("Cannot create a private folder for the office: %1").arg(m_folder.errorString()));
}

OfficeProcess::~OfficeProcess()
{
    if (isRunning()) {
        noteListeningSockets();
        ::kill(m_pid, SIGTERM);
        if (!waitForExit(terminateGrace))
            kill();
    } else if (m_seed && m_exitCode == 0) {
        m_seed->adopt(profileFolder());
    }
    m_sockets.remove();
}

void OfficeProcess::noteListeningSockets()
{
    if (isRunning())
        m_sockets.noteListening(m_pid);
}

QString OfficeProcess::profileFolder() const
{
    return m_folder.filePath(QStringLiteral("profile"));
}

QString OfficeProcess::profileUrl() const
{
    return UnoStrings::toQString(UnoStrings::fileUrl(profileFolder()));
}

std::vector<std::string> OfficeProcess::commandLine() const
{
    return {
        QFile::encodeName(m_program).toStdString(),
        "--headless", "--invisible", "--norestore", "--nologo", "--nodefault", "--nolockcheck",
        "-env:UserInstallation=" + profileUrl().toStdString(),
        "--accept=pipe,name=" + m_pipeName.toStdString() + ";urp;StarOffice.ComponentContext",
    };
}

// This program's environment, with the office's own temporary files sent to the instance's
// private folder, which is removed with it: an office that is killed leaves nothing in the
// shared /tmp.
std::vector<std::string> OfficeProcess::environment() const
{
    const QString officeTemp = m_folder.filePath(QStringLiteral("tmp"));
    if (!QDir().mkpath(officeTemp))
        throw OfficeError(QStringLiteral("Cannot create the office's temporary folder %1.").arg(officeTemp));
    std::vector<std::string> variables;
    for (char **variable = environ; *variable; ++variable) {
        if (std::strncmp(*variable, "TMPDIR=", 7) != 0)
            variables.emplace_back(*variable);
    }
    variables.push_back("TMPDIR=" + QFile::encodeName(officeTemp).toStdString());
    return variables;
}

void OfficeProcess::start()
{
    if (isRunning())
        return;
    const QFileInfo program(m_program);
    if (!program.isFile() || !program.isExecutable())
        throw OfficeError(QStringLiteral("LibreOffice Writer was not found (the office program %1 is missing or "
                                         "cannot be run): install libreoffice-writer.")
                              .arg(m_program));
    // An office that ended asking to be started again has just set its new profile up: the
    // seed keeps a copy of it, for later offices to skip that set-up.
    if (m_seed && m_exitCode == restartExitCode)
        m_seed->adopt(profileFolder());
    if (!m_profilePrepared) {
        m_profileFromSeed = OfficeProfile::prepare(profileFolder(), m_program, m_seed.get());
        m_profilePrepared = true;
    }
    m_pid = ChildProcessSpawn::start(commandLine(), environment());
    m_livePid->store(m_pid);
    m_running = true;
    m_exitCode.reset();
    m_exitSignal.reset();
}

bool OfficeProcess::restartOnNewProfile()
{
    // Only an office that ended by itself: one killed (given up on) stays ended.
    if (!m_profileFromSeed || isRunning() || !m_exitCode)
        return false;
    if (m_seed)
        m_seed->forget();
    m_profilePrepared = false;
    start();
    return true;
}

bool OfficeProcess::isRunning()
{
    if (!m_running)
        return false;
    int status = 0;
    const pid_t result = ::waitpid(m_pid, &status, WNOHANG);
    if (result == m_pid)
        reap(status);
    else if (result < 0 && errno == ECHILD) {
        m_running = false;
        m_livePid->store(0);
    }
    return m_running;
}

void OfficeProcess::signalKill(const LivePid &pid)
{
    if (const pid_t running = pid->load(); running > 0)
        ::kill(running, SIGKILL);
}

bool OfficeProcess::isAlive(const LivePid &pid)
{
    return ProcessState::runs(pid->load());
}

bool OfficeProcess::isStopped(const LivePid &pid)
{
    return ProcessState::stopped(pid->load());
}

void OfficeProcess::reap(int status)
{
    m_running = false;
    m_livePid->store(0);
    // An office that was killed could not remove its sockets: they go as soon as it has.
    m_sockets.remove();
    if (WIFEXITED(status))
        m_exitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        m_exitSignal = WTERMSIG(status);
}

QString OfficeProcess::exitDescription() const
{
    if (m_exitCode)
        return QStringLiteral("exit code %1").arg(*m_exitCode);
    if (m_exitSignal)
        return QStringLiteral("signal %1").arg(*m_exitSignal);
    return QStringLiteral("still running");
}

bool OfficeProcess::waitForExit(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (isRunning()) {
        // A stopped process ends only once it is let go on: not worth waiting for.
        if (std::chrono::steady_clock::now() >= deadline || ProcessState::stopped(m_pid))
            return false;
        std::this_thread::sleep_for(pollInterval);
    }
    return true;
}

void OfficeProcess::kill()
{
    if (!isRunning())
        return;
    noteListeningSockets();
    ::kill(m_pid, SIGKILL);
    int status = 0;
    pid_t result;
    do
        result = ::waitpid(m_pid, &status, 0);
    while (result < 0 && errno == EINTR);
    if (result == m_pid) {
        reap(status);
    } else {
        m_running = false;
        m_livePid->store(0);
    }
}
