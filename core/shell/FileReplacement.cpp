#include "core/shell/FileReplacement.h"

#include "core/shell/ProgramFiles.h"
#include "core/shell/UserMessages.h"

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

using FileReplacement::Kind;

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString systemReason(int error)
{
    return qt_error_string(error);
}

QString parentOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

// A folder everyone may write to that keeps each entry its owner's (the sticky bit): /tmp.
bool isShared(const struct stat &folder)
{
    return (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
}

// An entry such a folder holds for another user: neither the one running the program nor
// the folder's owner made it.
bool isAnotherUsers(uid_t owner, const struct stat &folder)
{
    return isShared(folder) && owner != ::geteuid() && owner != folder.st_uid;
}

struct Walk {
    QString real;
    QString refusal;
};

// The path with its links followed, part by part as the system follows them, up to the
// first part that is not there (the rest is taken as it is named). Another user's link in
// a shared folder is not followed: the walk stops there with the reason. The last part is
// followed only when followLast.
Walk follow(const QString &absolute, bool followLast)
{
    QStringList pending = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString walked; // no link in it; empty for the root
    int links = 0;
    while (!pending.isEmpty()) {
        const QString part = pending.takeFirst();
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            walked = walked.left(std::max<qsizetype>(0, walked.lastIndexOf(QLatin1Char('/'))));
            continue;
        }
        const QString next = walked + QLatin1Char('/') + part;
        struct stat entry {};
        if (::lstat(encoded(next).constData(), &entry) != 0)
            return {pending.isEmpty() ? next : next + QLatin1Char('/') + pending.join(QLatin1Char('/')), QString()};
        if (!S_ISLNK(entry.st_mode) || (pending.isEmpty() && !followLast)) {
            walked = next;
            continue;
        }
        if (++links > 40)
            return {next, QCoreApplication::translate("FileReplacement", "its links lead round in a circle")};
        const QString folder = walked.isEmpty() ? QStringLiteral("/") : walked;
        struct stat folderInfo {};
        if (::stat(encoded(folder).constData(), &folderInfo) == 0 && isAnotherUsers(entry.st_uid, folderInfo))
            return {next, next == absolute
                              ? QCoreApplication::translate("FileReplacement", "it is a link another user made in the shared folder %1, and such a link is not followed")
                                    .arg(native(folder))
                              : QCoreApplication::translate("FileReplacement", "%1 is a link another user made in the shared folder %2, and such a link is not followed")
                                    .arg(native(next), native(folder))};
        QByteArray pointsTo(4096, '\0');
        const ssize_t length = ::readlink(encoded(next).constData(), pointsTo.data(), size_t(pointsTo.size()));
        if (length < 0)
            return {next, systemReason(errno)};
        pointsTo.truncate(length);
        if (pointsTo.startsWith('/'))
            walked.clear();
        pending = QFile::decodeName(pointsTo).split(QLatin1Char('/'), Qt::SkipEmptyParts) + pending;
    }
    return {walked.isEmpty() ? QStringLiteral("/") : walked, QString()};
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

bool writable(const QString &path, int access)
{
    return ::faccessat(AT_FDCWD, encoded(path).constData(), access, AT_EACCESS) == 0;
}

// Why nothing may be written at real (links already followed); empty when it may.
QString refusalAt(const QString &real, Kind kind, bool exists, const struct stat &info)
{
    const QString folder = parentOf(real);
    struct stat folderInfo {};
    if (::stat(encoded(folder).constData(), &folderInfo) != 0 && errno != ENOENT && errno != ENOTDIR)
        return systemReason(errno);
    if (!S_ISDIR(folderInfo.st_mode))
        return QCoreApplication::translate("FileReplacement", "the folder %1 does not exist").arg(native(folder));
    if (kind == Kind::Persons && ProgramFiles::holds(real))
        return QCoreApplication::translate("FileReplacement", "it is one of this program's own files");
    if (exists && !S_ISREG(info.st_mode) && !(kind == Kind::Private && S_ISLNK(info.st_mode)))
        return kindRefused(info.st_mode);
    if (exists && kind != Kind::Private) {
        if (!writable(real, W_OK))
            return QCoreApplication::translate("FileReplacement", "it is read-only");
        if (isAnotherUsers(info.st_uid, folderInfo))
            return QCoreApplication::translate("FileReplacement", "it belongs to another user");
    }
    if (!writable(folder, W_OK | X_OK))
        return QCoreApplication::translate("FileReplacement", "the folder %1 is read-only").arg(native(folder));
    return QString();
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
          QCoreApplication::translate("FileReplacement", "Cannot write %1: %2.").arg(native(target), reason).toStdString())
    , m_reason(reason)
{
}

FileReplacement::Target FileReplacement::resolve(const QString &name, Kind kind)
{
    Target target;
    target.named = QDir::cleanPath(QFileInfo(name).absoluteFilePath());
    const bool followLinks = kind != Kind::Private;
    const Walk walk = follow(target.named, followLinks);
    target.real = walk.real;
    struct stat named {};
    target.isLink = followLinks && ::lstat(encoded(target.named).constData(), &named) == 0 && S_ISLNK(named.st_mode);
    if (!walk.refusal.isEmpty()) {
        target.refusal = walk.refusal;
        return target;
    }
    struct stat info {};
    target.exists = (followLinks ? ::stat(encoded(target.real).constData(), &info)
                                 : ::lstat(encoded(target.real).constData(), &info))
                    == 0;
    target.refusal = refusalAt(target.real, kind, target.exists, info);
    if (!target.refusal.isEmpty() && target.real != target.named)
        target.refusal += QCoreApplication::translate("FileReplacement", " (it links to %1)").arg(native(target.real));
    return target;
}

QString FileReplacement::refusalMessage(const Target &target)
{
    return QString::fromUtf8(Failure(target.named, target.refusal).what());
}

QString FileReplacement::overwriteQuestion(const Target &target)
{
    if (target.isLink)
        return QCoreApplication::translate("FileReplacement", "%1 is a link to %2.\n\nAre you sure you wish to overwrite %2 ?")
            .arg(native(target.named), native(target.real));
    return QCoreApplication::translate("FileReplacement", "Are you sure you wish to overwrite %1 ?").arg(native(target.named));
}

bool FileReplacement::writeAgreed(const Target &target)
{
    if (!target.refusal.isEmpty()) {
        UserMessages::information(refusalMessage(target));
        return false;
    }
    return !target.exists || UserMessages::question(overwriteQuestion(target)) == UserMessages::Answer::Yes;
}

void FileReplacement::replace(const QString &target, Kind kind, const std::function<void(const QString &newFile)> &write)
{
    const Target resolved = resolve(target, kind);
    if (!resolved.refusal.isEmpty())
        throw Failure(target, resolved.refusal);
    const QFileInfo info(resolved.real);
    // A name nobody else uses, made afresh (never through a link), in the target's folder,
    // so that one rename puts it in place.
    QTemporaryFile beside(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    if (!beside.open())
        throw Failure(target, beside.errorString());
    beside.close();

    write(beside.fileName());
    if (kind != Kind::Private) {
        syncToDisk(target, beside.fileName());
        struct stat old {};
        const mode_t mode = ::stat(encoded(resolved.real).constData(), &old) == 0 ? (old.st_mode & 07777) : newFileMode();
        if (::chmod(encoded(beside.fileName()).constData(), mode) != 0)
            throw Failure(target, systemReason(errno));
    }
    // The rename takes the place of the name itself: a link put there meanwhile is replaced,
    // never followed.
    if (std::rename(encoded(beside.fileName()).constData(), encoded(resolved.real).constData()) != 0)
        throw Failure(target, systemReason(errno));
    beside.setAutoRemove(false);
}

void FileReplacement::replace(const QString &target, Kind kind, const QByteArray &content)
{
    replace(target, kind, [&](const QString &newFile) {
        QFile file(newFile);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size()
            || !file.flush())
            throw Failure(target, file.errorString());
    });
}
