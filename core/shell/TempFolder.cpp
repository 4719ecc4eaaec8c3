#include "core/shell/TempFolder.h"

#include "core/shell/DiskSpace.h"
#include "core/shell/ProcessState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <cerrno>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Location {
    QString userFolder;    // <base>/daybloom-<uid>
    QString processFolder; // <userFolder>/<pid>
};

[[noreturn]] void refuse(const QString &folder, const QString &cause)
{
    throw std::runtime_error(QCoreApplication::translate("TempFolder", "The temporary folder %1 cannot be used: %2.")
                                 .arg(QDir::toNativeSeparators(folder), cause)
                                 .toStdString());
}

// Makes the folder (mode 0700) or takes it when it is already there, refusing anything that
// is not a folder of this user only: a symbolic link planted under the name is refused,
// not followed.
void makePrivateFolder(const QString &folder)
{
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        refuse(folder, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0)
        refuse(folder, QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISDIR(info.st_mode))
        refuse(folder, QCoreApplication::translate("TempFolder", "it is not a folder"));
    if (info.st_uid != ::getuid())
        refuse(folder, QCoreApplication::translate("TempFolder", "it belongs to another user"));
    if ((info.st_mode & 0777) != 0700 && ::chmod(native.constData(), 0700) != 0)
        refuse(folder, QCoreApplication::translate("TempFolder", "it cannot be made private"));
    if (::access(native.constData(), W_OK | X_OK) != 0)
        refuse(folder, QCoreApplication::translate("TempFolder", "it cannot be written"));
}

QString userFolderIn(const QString &base)
{
    return QDir::cleanPath(base) + QStringLiteral("/daybloom-") + QString::number(::getuid());
}

Location locate()
{
    Location location;
    const QString temp = qEnvironmentVariable("TEMP");
    if (!temp.isEmpty()) {
        try {
            location.userFolder = userFolderIn(temp);
            makePrivateFolder(location.userFolder);
            // A full disk under TEMP would fail the offices and the build; the private
            // folder in the system's temporary folder is tried instead.
            if (DiskSpace::isShort(location.userFolder))
                refuse(location.userFolder, QStringLiteral("no space left on its disk"));
        } catch (const std::runtime_error &error) {
            location.userFolder.clear();
            qWarning("TEMP is not used: %s", error.what());
        }
    }
    if (location.userFolder.isEmpty()) {
        location.userFolder = userFolderIn(QDir::tempPath());
        makePrivateFolder(location.userFolder);
    }
    location.processFolder = location.userFolder + QLatin1Char('/') + QString::number(::getpid());
    makePrivateFolder(location.processFolder);
    return location;
}

const Location &location()
{
    static const Location found = locate();
    return found;
}

} // namespace

QString TempFolder::path()
{
    return location().processFolder;
}

QString TempFolder::file(const QString &name)
{
    return path() + QLatin1Char('/') + name;
}

void TempFolder::removeOrphans()
{
    QString userFolderPath;
    try {
        userFolderPath = location().userFolder;
    } catch (const std::runtime_error &) {
        return; // no folder, nothing left in it
    }
    const QDir userFolder(userFolderPath);
    const QString own = QString::number(::getpid());
    for (const QString &name : userFolder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks)) {
        bool isNumber = false;
        const qint64 pid = name.toLongLong(&isNumber);
        if (!isNumber || name == own || pid <= 0 || ProcessState::exists(pid))
            continue;
        QDir(userFolder.filePath(name)).removeRecursively();
    }
}

void TempFolder::removeOwn()
{
    try {
        QDir(path()).removeRecursively();
        QDir().rmdir(location().userFolder); // only when no other instance has a folder there
    } catch (const std::runtime_error &) {
        // There never was a folder.
    }
}
