#include "wordgen/office/OfficeProcess.h"

#include "shell/TempFolder.h"
#include "wordgen/OfficeError.h"
#include "wordgen/office/ProfileSeed.h"
#include "wordgen/office/UnoStrings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <linux/close_range.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
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

// The profile settings every instance starts with. Without document lock files, a killed
// office leaves no ".~lock" file beside a document, and such a stale file can never make
// a later load fail.
const char profileSettingsHead[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="UseDocumentOOoLockFile" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="UseDocumentSystemFileLocking" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Save/Document"><prop oor:name="AutoSave" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Recovery/AutoSave"><prop oor:name="Enabled" oor:op="fuse"><value>false</value></prop></item>
)";
const char profileSettingsTail[] = "</oor:items>\n";

// An office that finds its profile last used by an older version runs a second of
// graphics self-tests before it answers, at every start of a new profile. Recording the
// installed version as the last one used skips them. The version ("7.4") is the end of
// "ProductKey=LibreOffice 7.4" in the bootstraprc beside the program; when it cannot be
// read, the office just starts more slowly.
QByteArray lastVersionSetting(const QString &program)
{
    QFile bootstrap(QFileInfo(program).absolutePath() + QStringLiteral("/bootstraprc"));
    if (!bootstrap.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression productKey(QStringLiteral("^ProductKey=.*\\s(\\d+\\.\\d+)\\s*$"),
                                               QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = productKey.match(QString::fromUtf8(bootstrap.readAll()));
    if (!match.hasMatch())
        return {};
    return "<item oor:path=\"/org.openoffice.Setup/Product\"><prop oor:name=\"ooSetupLastVersion\" "
           "oor:op=\"fuse\"><value>" + match.captured(1).toLatin1() + "</value></prop></item>\n";
}

// Runs in the forked child, so only async-signal-safe calls until exec.
[[noreturn]] void execOffice(char *const argv[], char *const environment[], pid_t parent, int errorPipe)
{
    // The office ends with this program, even when the program is killed. (The signal
    // follows the thread that forked: instances are made on the user-interface thread.)
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(127);
    const int devNull = ::open("/dev/null", O_RDWR);
    if (devNull >= 0) {
        ::dup2(devNull, STDIN_FILENO);
        ::dup2(devNull, STDOUT_FILENO);
    }
    // No descriptor of this program (windows, files, other offices' pipes) leaks into the office.
    ::syscall(SYS_close_range, 3u, ~0u, CLOSE_RANGE_CLOEXEC);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::execve(argv[0], argv, environment);
    const int error = errno;
    [[maybe_unused]] const auto written = ::write(errorPipe, &error, sizeof error);
    ::_exit(127);
}

} // namespace

OfficeProcess::OfficeProcess(QString program, std::shared_ptr<ProfileSeed> seed)
    : m_folder(makeFolder())
    , m_program(std::move(program))
    , m_seed(std::move(seed))
    , m_pipeName(uniquePipeName())
{
    if (!m_folder.isValid())
        throw OfficeError(QStringLiteral("Cannot create a private folder for the office: %1").arg(m_folder.errorString()));
    prepareProfile();
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
    removePipeLeftovers();
}

void OfficeProcess::noteListeningSockets()
{
    if (!isRunning())
        return;
    // The socket inodes among the process's open files, then their paths from the
    // kernel's table of Unix sockets.
    QSet<QByteArray> inodes;
    const QString descriptorFolder = QStringLiteral("/proc/%1/fd").arg(m_pid);
    for (const QString &descriptor : QDir(descriptorFolder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        char target[64] = {};
        const QByteArray link = QFile::encodeName(descriptorFolder + QLatin1Char('/') + descriptor);
        const ssize_t length = ::readlink(link.constData(), target, sizeof target - 1);
        const QByteArray text(target, length > 0 ? length : 0);
        if (text.startsWith("socket:[") && text.endsWith(']'))
            inodes.insert(text.mid(8, text.size() - 9));
    }
    QFile table(QStringLiteral("/proc/net/unix"));
    if (inodes.isEmpty() || !table.open(QIODevice::ReadOnly))
        return;
    // Files below /proc have no size: read until the end rather than asking for it.
    for (const QByteArray &line : table.readAll().split('\n')) {
        // "Num RefCount Protocol Flags Type St Inode Path"
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 8 && inodes.contains(fields.at(6)) && isPipeSocketPath(fields.at(7)))
            m_socketPaths.insert(fields.at(7));
    }
}

bool OfficeProcess::isPipeSocketPath(const QByteArray &path)
{
    return path.startsWith("/tmp/OSL_PIPE_") || path.startsWith("/var/tmp/OSL_PIPE_");
}

void OfficeProcess::removePipeLeftovers()
{
    // The office listens on sockets in the system's temporary folder (or its alternative)
    // and removes them when it ends normally; a killed office leaves them behind. One is
    // named after our pipe; others were noted while the office ran.
    for (const char *folder : {"/tmp", "/var/tmp"})
        m_socketPaths.insert(folder + ("/OSL_PIPE_" + QByteArray::number(::getuid()) + '_' + m_pipeName.toUtf8()));
    for (const QByteArray &path : std::as_const(m_socketPaths)) {
        struct stat info {};
        if (::lstat(path.constData(), &info) == 0 && S_ISSOCK(info.st_mode) && info.st_uid == ::getuid())
            ::unlink(path.constData());
    }
    m_socketPaths.clear();
}

QString OfficeProcess::profileFolder() const
{
    return m_folder.filePath(QStringLiteral("profile"));
}

void OfficeProcess::prepareProfile() const
{
    if (m_seed && m_seed->copyTo(profileFolder()))
        return;
    const QString userFolder = profileFolder() + QStringLiteral("/user");
    const QByteArray content = profileSettingsHead + lastVersionSetting(m_program) + profileSettingsTail;
    QFile settings(userFolder + QStringLiteral("/registrymodifications.xcu"));
    if (!QDir().mkpath(userFolder) || !settings.open(QIODevice::WriteOnly) || settings.write(content) != content.size())
        throw OfficeError(QStringLiteral("Cannot prepare the office profile in %1.").arg(profileFolder()));
}

void OfficeProcess::start()
{
    if (isRunning())
        return;
    const QFileInfo program(m_program);
    if (!program.isFile() || !program.isExecutable())
        throw OfficeError(QStringLiteral("The office program %1 is missing or cannot be run.").arg(m_program));

    const QString profileUrl = UnoStrings::toQString(UnoStrings::fileUrl(profileFolder()));
    const std::vector<std::string> arguments{
        QFile::encodeName(m_program).toStdString(),
        "--headless", "--invisible", "--norestore", "--nologo", "--nodefault", "--nolockcheck",
        "-env:UserInstallation=" + profileUrl.toStdString(),
        "--accept=pipe,name=" + m_pipeName.toStdString() + ";urp;StarOffice.ComponentContext",
    };
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    // The office's own temporary files go to the instance's private folder, which is
    // removed with it: an office that is killed leaves nothing in the shared /tmp.
    const QString officeTemp = m_folder.filePath(QStringLiteral("tmp"));
    QDir().mkpath(officeTemp);
    std::vector<std::string> variables;
    for (char **variable = environ; *variable; ++variable) {
        if (std::strncmp(*variable, "TMPDIR=", 7) != 0)
            variables.emplace_back(*variable);
    }
    variables.push_back("TMPDIR=" + QFile::encodeName(officeTemp).toStdString());
    std::vector<char *> environment;
    for (const std::string &variable : variables)
        environment.push_back(const_cast<char *>(variable.c_str()));
    environment.push_back(nullptr);

    // The child reports a failed exec through this pipe; a successful exec closes it.
    int errorPipe[2];
    if (::pipe2(errorPipe, O_CLOEXEC) != 0)
        throw OfficeError(QStringLiteral("Cannot start the office: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0)
        execOffice(argv.data(), environment.data(), parent, errorPipe[1]);
    const int forkError = errno;
    ::close(errorPipe[1]);
    if (pid < 0) {
        ::close(errorPipe[0]);
        throw OfficeError(QStringLiteral("Cannot start the office: %1").arg(QString::fromLocal8Bit(std::strerror(forkError))));
    }
    int execError = 0;
    ssize_t got;
    do
        got = ::read(errorPipe[0], &execError, sizeof execError);
    while (got < 0 && errno == EINTR);
    ::close(errorPipe[0]);

    m_pid = pid;
    m_running = true;
    m_exitCode.reset();
    m_exitSignal.reset();
    if (got == sizeof execError) {
        waitForExit(terminateGrace);
        throw OfficeError(QStringLiteral("Cannot start the office program %1: %2")
                              .arg(m_program, QString::fromLocal8Bit(std::strerror(execError))));
    }
}

bool OfficeProcess::isRunning()
{
    if (!m_running)
        return false;
    int status = 0;
    const pid_t result = ::waitpid(m_pid, &status, WNOHANG);
    if (result == m_pid)
        reap(status);
    else if (result < 0 && errno == ECHILD)
        m_running = false;
    return m_running;
}

void OfficeProcess::reap(int status)
{
    m_running = false;
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
        if (std::chrono::steady_clock::now() >= deadline)
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
    if (result == m_pid)
        reap(status);
    else
        m_running = false;
}
