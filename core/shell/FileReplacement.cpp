#include "core/shell/FileReplacement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

QString systemReason(int error)
{
    return qt_error_string(error);
}

// The file the name leads to: a link followed to its end, relative links taken from the
// folder of the link. Empty when links lead round in a circle.
QString followLinks(const QString &target)
{
    QString path = QFileInfo(target).absoluteFilePath();
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(path);
        if (!info.isSymLink())
            return path;
        const QByteArray link = encoded(path);
        QByteArray pointsTo(4096, '\0');
        const ssize_t length = ::readlink(link.constData(), pointsTo.data(), size_t(pointsTo.size()));
        if (length < 0)
            return path;
        pointsTo.truncate(length);
        path = QDir::cleanPath(info.dir().absoluteFilePath(QFile::decodeName(pointsTo)));
    }
    return QString();
}

QString kindRefused(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("FileReplacement", "a folder of that name is in the way");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("FileReplacement", "it is a device, not a file");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("FileReplacement", "it is a pipe, not a file");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("FileReplacement", "it is a socket, not a file");
    return QCoreApplication::translate("FileReplacement", "it is not a regular file");
}

// What a new file gets: read and write as far as the person's umask allows.
mode_t newFileMode()
{
    QFile status(QStringLiteral("/proc/self/status"));
    mode_t mask = 022;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("Umask:"))
                mask = mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
    }
    return 0666 & ~mask;
}

void syncToDisk(const QString &target, const QString &file)
{
    const int descriptor = ::open(encoded(file).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0 || ::fsync(descriptor) != 0) {
        const int error = errno;
        if (descriptor >= 0)
            ::close(descriptor);
        throw FileReplacement::Failure(target, systemReason(error));
    }
    ::close(descriptor);
}

} // namespace

FileReplacement::Failure::Failure(const QString &target, const QString &reason)
    : std::runtime_error(
          QCoreApplication::translate("FileReplacement", "Cannot write %1: %2").arg(QDir::toNativeSeparators(target), reason).toStdString())
    , m_reason(reason)
{
}

QString FileReplacement::refusal(const QString &target)
{
    const QString real = followLinks(target);
    if (real.isEmpty())
        return QCoreApplication::translate("FileReplacement", "its links lead round in a circle");
    const QString through = real == QFileInfo(target).absoluteFilePath()
                                ? QString()
                                : QCoreApplication::translate("FileReplacement", " (it links to %1)").arg(QDir::toNativeSeparators(real));
    struct stat info {};
    if (::stat(encoded(real).constData(), &info) != 0) {
        const QString folder = QFileInfo(real).absolutePath();
        if (!QFileInfo(folder).isDir())
            return QCoreApplication::translate("FileReplacement", "the folder %1 does not exist").arg(QDir::toNativeSeparators(folder));
        return QString();
    }
    if (!S_ISREG(info.st_mode))
        return kindRefused(info.st_mode) + through;
    if (::faccessat(AT_FDCWD, encoded(real).constData(), W_OK, AT_EACCESS) != 0)
        return QCoreApplication::translate("FileReplacement", "it is read-only") + through;
    return QString();
}

void FileReplacement::replace(const QString &target, const std::function<void(const QString &newFile)> &write)
{
    if (const QString refused = refusal(target); !refused.isEmpty())
        throw Failure(target, refused);
    const QString real = followLinks(target);
    const QFileInfo info(real);
    // A name nobody else uses, in the target's folder, so that one rename puts it in place.
    QTemporaryFile beside(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    if (!beside.open())
        throw Failure(target, beside.errorString());
    beside.close();

    write(beside.fileName());
    syncToDisk(target, beside.fileName());
    struct stat old {};
    const mode_t mode = ::stat(encoded(real).constData(), &old) == 0 ? (old.st_mode & 07777) : newFileMode();
    if (::chmod(encoded(beside.fileName()).constData(), mode) != 0
        || std::rename(encoded(beside.fileName()).constData(), encoded(real).constData()) != 0)
        throw Failure(target, systemReason(errno));
    beside.setAutoRemove(false);
}

void FileReplacement::replace(const QString &target, const QByteArray &content)
{
    replace(target, [&](const QString &newFile) {
        QFile file(newFile);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size()
            || !file.flush())
            throw Failure(target, file.errorString());
    });
}
