#include "office/ChildProcessSpawn.h"

#include "core/wordgen/OfficeError.h"

#include <QString>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <linux/close_range.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::vector<char *> pointersTo(const std::vector<std::string> &strings)
{
    std::vector<char *> pointers;
    for (const std::string &string : strings)
        pointers.push_back(const_cast<char *>(string.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

QString describe(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Runs in the forked child, so only async-signal-safe calls until exec.
[[noreturn]] void execChild(char *const argv[], char *const environment[], pid_t parent, int errorPipe)
{
    // The child ends with this program, even when the program is killed. (The signal
    // follows the thread that forked.)
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(127);
    const int devNull = ::open("/dev/null", O_RDWR);
    if (devNull >= 0) {
        ::dup2(devNull, STDIN_FILENO);
        ::dup2(devNull, STDOUT_FILENO);
    }
    // No descriptor of this program (windows, files, other children's pipes) leaks in.
    ::syscall(SYS_close_range, 3u, ~0u, CLOSE_RANGE_CLOEXEC);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    // An ignored signal stays ignored across exec: the child starts with SIGPIPE as usual.
    ::signal(SIGPIPE, SIG_DFL);
    // Whatever the person's umask, what the child makes (the office's pipe sockets in the
    // shared /tmp, its files) is its owner's only: another user who could connect to the
    // socket could have the office read and write files as this user.
    ::umask(077);
    ::execve(argv[0], argv, environment);
    const int error = errno;
    [[maybe_unused]] const auto written = ::write(errorPipe, &error, sizeof error);
    ::_exit(127);
}

// The exec error the child reported, or 0 when the exec succeeded (the pipe closed empty).
int readExecError(int errorPipe)
{
    int execError = 0;
    ssize_t got;
    do
        got = ::read(errorPipe, &execError, sizeof execError);
    while (got < 0 && errno == EINTR);
    return got == sizeof execError ? execError : 0;
}

} // namespace

pid_t ChildProcessSpawn::start(const std::vector<std::string> &arguments, const std::vector<std::string> &environment)
{
    const std::vector<char *> argv = pointersTo(arguments);
    const std::vector<char *> envp = pointersTo(environment);
    int errorPipe[2];
    if (::pipe2(errorPipe, O_CLOEXEC) != 0)
        throw OfficeError(QStringLiteral("Cannot start the office: %1").arg(describe(errno)));
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0)
        execChild(argv.data(), envp.data(), parent, errorPipe[1]);
    const int forkError = errno;
    ::close(errorPipe[1]);
    if (pid < 0) {
        ::close(errorPipe[0]);
        throw OfficeError(QStringLiteral("Cannot start the office: %1").arg(describe(forkError)));
    }
    const int execError = readExecError(errorPipe[0]);
    ::close(errorPipe[0]);
    if (execError != 0) {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        throw OfficeError(QStringLiteral("Cannot start the office program %1: %2")
                              .arg(QString::fromStdString(arguments.front()), describe(execError)));
    }
    return pid;
}
