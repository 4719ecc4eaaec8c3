#include "office/OfficeSocketLeftovers.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>

#include <cerrno>
#include <cstring>
#include <optional>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr const char *socketFolders[] = {"/tmp", "/var/tmp"};

// The kernel's table of Unix sockets with a path: the path of each socket by its inode.
// Nothing when the table cannot be read.
std::optional<QHash<QByteArray, QByteArray>> boundSockets()
{
    QFile table(QStringLiteral("/proc/net/unix"));
    if (!table.open(QIODevice::ReadOnly))
        return std::nullopt;
    QHash<QByteArray, QByteArray> paths;
    // Files below /proc have no size: read until the end rather than asking for it.
    for (const QByteArray &line : table.readAll().split('\n')) {
        // "Num RefCount Protocol Flags Type St Inode Path"
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 8)
            paths.insert(fields.at(6), fields.at(7));
    }
    return paths;
}

// The paths some socket is bound to; nothing when the kernel's table cannot be read.
std::optional<QSet<QByteArray>> boundPaths()
{
    const auto bound = boundSockets();
    if (!bound)
        return std::nullopt;
    return QSet<QByteArray>(bound->cbegin(), bound->cend());
}

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

// Removes the socket at path when it is this user's and no process has a socket bound to
// the path (one that listens, or is about to); without the kernel's table, when a
// connection to it is refused.
void removeLeftOver(const QByteArray &path, const std::optional<QSet<QByteArray>> &bound)
{
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0 || !S_ISSOCK(info.st_mode) || info.st_uid != ::getuid())
        return;
    const bool listenedOn = bound ? bound->contains(path) : !refusesConnection(path);
    if (!listenedOn)
        ::unlink(path.constData());
}

QByteArray socketPath(const char *folder, const QString &pipeName)
{
    return folder + ("/OSL_PIPE_" + QByteArray::number(::getuid()) + '_' + pipeName.toUtf8());
}

// The office names its single-instance pipe after the MD5 sum of its profile's URL, taken
// over the URL's UTF-16 code units, each byte of the sum in hexadecimal without a leading
// zero.
QString singleInstancePipeName(const QString &profileUrl)
{
    const QByteArray sum = QCryptographicHash::hash(
        QByteArrayView(reinterpret_cast<const char *>(profileUrl.utf16()), profileUrl.size() * qsizetype(sizeof(char16_t))),
        QCryptographicHash::Md5);
    QString name = QStringLiteral("SingleOfficeIPC_");
    for (const char byte : sum)
        name += QString::number(quint8(byte), 16);
    return name;
}

} // namespace

OfficeSocketLeftovers::OfficeSocketLeftovers(QString pipeName, const QString &profileUrl)
    : m_pipeName(std::move(pipeName))
    , m_singleInstancePipeName(singleInstancePipeName(profileUrl))
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
    if (inodes.isEmpty())
        return;
    const auto bound = boundSockets();
    if (!bound)
        return;
    for (const QByteArray &inode : std::as_const(inodes)) {
        const QByteArray path = bound->value(inode);
        if (isPipeSocketPath(path))
            m_paths.insert(path);
    }
}

bool OfficeSocketLeftovers::isPipeSocketPath(const QByteArray &path)
{
    return path.startsWith("/tmp/OSL_PIPE_") || path.startsWith("/var/tmp/OSL_PIPE_");
}

void OfficeSocketLeftovers::remove()
{
    for (const char *folder : socketFolders) {
        m_paths.insert(socketPath(folder, m_pipeName));
        m_paths.insert(socketPath(folder, m_singleInstancePipeName));
    }
    const auto bound = boundPaths();
    for (const QByteArray &path : std::as_const(m_paths))
        removeLeftOver(path, bound);
    m_paths.clear();
}

void OfficeSocketLeftovers::removeStale()
{
    const QString prefix = QStringLiteral("OSL_PIPE_%1_").arg(::getuid());
    const auto bound = boundPaths();
    for (const char *folder : socketFolders) {
        const QDir dir(QString::fromLatin1(folder));
        for (const QString &name : dir.entryList({prefix + QLatin1Char('*')}, QDir::System | QDir::Hidden))
            removeLeftOver(QFile::encodeName(dir.filePath(name)), bound);
    }
}
