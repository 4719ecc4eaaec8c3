#include "office/OfficeSocketLeftovers.h"

#include "core/shell/ProcessState.h"

#include <QDir>
#include <QFile>

#include <QRegularExpression>

#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// True when a connection to the socket is refused: nothing listens on it any more.
bool refusesConnection(const QByteArray &path)
{
    sockaddr_un address{};
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (probe < 0)
        return false;
    const bool refused = ::connect(probe, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        && errno == ECONNREFUSED;
    ::close(probe);
    return refused;
}

} // namespace

OfficeSocketLeftovers::OfficeSocketLeftovers(QString pipeName)
    : m_pipeName(std::move(pipeName))
{
}

void OfficeSocketLeftovers::noteListening(pid_t pid)
{
    QSet<QByteArray> inodes;
    const QString descriptorFolder = QStringLiteral("/proc/%1/fd").arg(pid);
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
            m_paths.insert(fields.at(7));
    }
}

bool OfficeSocketLeftovers::isPipeSocketPath(const QByteArray &path)
{
    return path.startsWith("/tmp/OSL_PIPE_") || path.startsWith("/var/tmp/OSL_PIPE_");
}

void OfficeSocketLeftovers::remove()
{
    for (const char *folder : {"/tmp", "/var/tmp"})
        m_paths.insert(folder + ("/OSL_PIPE_" + QByteArray::number(::getuid()) + '_' + m_pipeName.toUtf8()));
    for (const QByteArray &path : std::as_const(m_paths)) {
        struct stat info {};
        if (::lstat(path.constData(), &info) == 0 && S_ISSOCK(info.st_mode) && info.st_uid == ::getuid())
            ::unlink(path.constData());
    }
    m_paths.clear();
}

void OfficeSocketLeftovers::removeStale()
{
    // Pipes of this program's offices carry the program's process id: "daybloom-<pid>-…".
    static const QRegularExpression ownPipe(QStringLiteral("^OSL_PIPE_\\d+_daybloom-(\\d+)-"));
    const QString prefix = QStringLiteral("OSL_PIPE_%1_").arg(::getuid());
    for (const char *folder : {"/tmp", "/var/tmp"}) {
        const QDir dir(QString::fromLatin1(folder));
        for (const QString &name : dir.entryList({prefix + QLatin1Char('*')}, QDir::System | QDir::Hidden)) {
            const QByteArray path = QFile::encodeName(dir.filePath(name));
            struct stat info {};
            if (::lstat(path.constData(), &info) != 0 || !S_ISSOCK(info.st_mode) || info.st_uid != ::getuid())
                continue;
            const QRegularExpressionMatch match = ownPipe.match(name);
            const bool orphan = match.hasMatch() && !ProcessState::exists(match.captured(1).toLongLong());
            if (orphan || refusesConnection(path))
                ::unlink(path.constData());
        }
    }
}
