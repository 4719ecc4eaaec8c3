#include "core/shell/ProcessState.h"

#include <QFile>
#include <QString>

#include <cerrno>
#include <csignal>

bool ProcessState::exists(qint64 pid)
{
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

namespace {

// The one-letter state of the process, 0 when there is none.
char stateOf(qint64 pid)
{
    if (pid <= 0)
        return 0;
    // The state follows the command name in parentheses.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close > 0 && close + 2 < line.size() ? line.at(close + 2) : 0;
}

} // namespace

bool ProcessState::runs(qint64 pid)
{
    // 'Z' or 'X' once it has ended.
    const char state = stateOf(pid);
    return state != 0 && state != 'Z' && state != 'X';
}

bool ProcessState::stopped(qint64 pid)
{
    const char state = stateOf(pid);
    return state == 'T' || state == 't';
}
