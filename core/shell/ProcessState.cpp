#include "core/shell/ProcessState.h"

#include <QFile>
#include <QString>

#include <cerrno>
#include <csignal>

bool ProcessState::exists(qint64 pid)
{
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

bool ProcessState::runs(qint64 pid)
{
    if (pid <= 0)
        return false;
    // The state follows the command name in parentheses: 'Z' or 'X' once it has ended.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close > 0 && close + 2 < line.size() && line.at(close + 2) != 'Z' && line.at(close + 2) != 'X';
}
