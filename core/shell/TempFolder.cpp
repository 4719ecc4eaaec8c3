#include "core/shell/TempFolder.h"

#include "core/shell/DiskSpace.h"
#include "core/shell/ProcessState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Why a folder cannot be used: a cause in this program's words, translated when it is
// said (the folder is found before the program's language is set up), or the system's.
struct Refusal {
    QString folder;
    const char *cause = nullptr;
    QString systemCause;

    QString text() const
    {
        return QCoreApplication::translate("TempFolder", "The temporary folder %1 cannot be used: %2.")
            .arg(QDir::toNativeSeparators(folder), cause ? QCoreApplication::translate("TempFolder", cause) : systemCause);
    }
};

Refusal systemRefusal(const QString &folder)
{
    return {folder, nullptr, QString::fromLocal8Bit(std::strerror(errno))};
}

Refusal refusedBecause(const QString &folder, const char *cause)
{
    return {folder, cause, QString()};
}

struct Location {
    QString userFolder;    // <base>/daybloom-<uid>; empty when the process has a unique folder
    QString processFolder; // <userFolder>/<pid> or the unique folder; empty when none could be made
    // Why the private folder of the usual name in the system's temporary folder was not used.
    std::optional<Refusal> usualRefused;
};

// Makes the folder (mode 0700) or takes it when it is already there, refusing anything that
// is not a folder of this user only: a symbolic link planted under the name is refused,
// not followed.
std::optional<Refusal> makePrivateFolder(const QString &folder)
{
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return systemRefusal(folder);
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0)
        return systemRefusal(folder);
    if (!S_ISDIR(info.st_mode))
        return refusedBecause(folder, QT_TRANSLATE_NOOP("TempFolder", "it is not a folder"));
    if (info.st_uid != ::getuid())
        return refusedBecause(folder, QT_TRANSLATE_NOOP("TempFolder", "it belongs to another user"));
    if ((info.st_mode & 0777) != 0700 && ::chmod(native.constData(), 0700) != 0)
        return refusedBecause(folder, QT_TRANSLATE_NOOP("TempFolder", "it cannot be made private"));
    if (::access(native.constData(), W_OK | X_OK) != 0)
        return refusedBecause(folder, QT_TRANSLATE_NOOP("TempFolder", "it cannot be written"));
    return std::nullopt;
}

QString userFolderName()
{
    return QStringLiteral("daybloom-") + QString::number(::getuid());
}

QString userFolderIn(const QString &base)
{
    return QDir::cleanPath(base) + QLatin1Char('/') + userFolderName();
}

// The start of the names of the folders a process makes for itself when the usual one
// cannot be used: "daybloom-<uid>-", then the process id, "-" and six random characters.
QString uniqueFolderPrefix()
{
    return userFolderName() + QLatin1Char('-');
}

// A new private folder (mkdtemp: mode 0700, this user's) under a name nobody could take
// ahead; empty when none can be made in base.
QString makeUniqueFolder(const QString &base)
{
    QByteArray pattern = QFile::encodeName(QDir::cleanPath(base) + QLatin1Char('/') + uniqueFolderPrefix()
                                           + QString::number(::getpid()) + QStringLiteral("-XXXXXX"));
    return ::mkdtemp(pattern.data()) ? QFile::decodeName(pattern) : QString();
}

// The system's temporary folder (TMPDIR, else /tmp), then /tmp when TMPDIR names another:
// the folders the private folder is looked for in when TEMP is not used.
QStringList systemFolders()
{
    // Qt gives no folder when TMPDIR names none that exists: TMPDIR itself is tried, so
    // that the person is told about it.
    const QString system = QDir::tempPath();
    QStringList folders{system.isEmpty() ? QDir::cleanPath(qEnvironmentVariable("TMPDIR")) : system};
    if (!folders.contains(QStringLiteral("/tmp")))
        folders.append(QStringLiteral("/tmp"));
    return folders;
}

// The process's folder inside the user folder given, unless either cannot be used.
std::optional<Refusal> settleIn(Location &location, const QString &userFolder)
{
    const QString processFolder = userFolder + QLatin1Char('/') + QString::number(::getpid());
    std::optional<Refusal> refusal = makePrivateFolder(userFolder);
    if (!refusal)
        refusal = makePrivateFolder(processFolder);
    if (!refusal) {
        location.userFolder = userFolder;
        location.processFolder = processFolder;
    }
    return refusal;
}

Location locate()
{
    Location location;
    const QString temp = qEnvironmentVariable("TEMP");
    if (!temp.isEmpty()) {
        // A full disk under TEMP would fail the offices and the build; the system's
        // temporary folder is tried instead.
        const QString userFolder = userFolderIn(temp);
        std::optional<Refusal> refusal = DiskSpace::isShort(temp)
            ? refusedBecause(userFolder, QT_TRANSLATE_NOOP("TempFolder", "there is no space left on its disk"))
            : settleIn(location, userFolder);
        if (!refusal)
            return location;
        qWarning("TEMP is not used: %s", qUtf8Printable(refusal->text()));
    }
    for (const QString &base : systemFolders()) {
        std::optional<Refusal> refusal = settleIn(location, userFolderIn(base));
        if (!refusal)
            return location;
        if (!location.usualRefused)
            location.usualRefused = refusal;
        location.processFolder = makeUniqueFolder(base);
        if (!location.processFolder.isEmpty())
            return location;
    }
    return location;
}

const Location &location()
{
    static const Location found = locate();
    return found;
}

// A folder of this user's, itself and not a link to one.
bool isOwnFolder(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid();
}

// Removes the folders named after a process in folder whose process no longer runs, except
// this process's own. Folders only: a link is never followed.
void removeEndedProcessFolders(const QString &folder, const QString &prefix)
{
    const QDir dir(folder);
    const QString own = QString::number(::getpid());
    const QStringList names = dir.entryList({prefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &name : names) {
        const QString rest = name.mid(prefix.size());
        const QString pidText = prefix.isEmpty() ? rest : rest.section(QLatin1Char('-'), 0, 0);
        bool isNumber = false;
        const qint64 pid = pidText.toLongLong(&isNumber);
        if (!isNumber || pidText == own || pid <= 0 || ProcessState::exists(pid))
            continue;
        if (const QString path = dir.filePath(name); isOwnFolder(path))
            QDir(path).removeRecursively();
    }
}

} // namespace

QString TempFolder::path()
{
    const Location &found = location();
    if (found.processFolder.isEmpty())
        throw std::runtime_error(found.usualRefused->text().toStdString());
    return found.processFolder;
}

QString TempFolder::file(const QString &name)
{
    return path() + QLatin1Char('/') + name;
}

QString TempFolder::notice()
{
    const QString used = path();
    const Location &found = location();
    if (!found.usualRefused)
        return QString();
    return found.usualRefused->text() + QLatin1Char(' ')
        + QCoreApplication::translate("TempFolder", "A private folder of your own is used instead: %1.")
              .arg(QDir::toNativeSeparators(found.userFolder.isEmpty() ? used : found.userFolder));
}

QStringList TempFolder::userFolders()
{
    QStringList bases = systemFolders();
    if (const QString temp = qEnvironmentVariable("TEMP"); !temp.isEmpty())
        bases.prepend(temp);
    QStringList folders;
    for (const QString &base : std::as_const(bases)) {
        const QDir dir(base);
        QStringList names = dir.entryList({uniqueFolderPrefix() + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks);
        names.prepend(userFolderName());
        for (const QString &name : std::as_const(names))
            if (isOwnFolder(dir.filePath(name)))
                folders.append(dir.filePath(name));
    }
    return folders;
}

void TempFolder::removeOrphans()
{
    const Location &found = location();
    if (!found.userFolder.isEmpty())
        removeEndedProcessFolders(found.userFolder, QString());
    // The folders of their own that earlier processes made while the usual one could not
    // be used.
    for (const QString &base : systemFolders())
        removeEndedProcessFolders(base, uniqueFolderPrefix());
}

void TempFolder::removeOwn()
{
    const Location &found = location();
    if (found.processFolder.isEmpty())
        return; // there never was a folder
    QDir(found.processFolder).removeRecursively();
    if (!found.userFolder.isEmpty())
        QDir().rmdir(found.userFolder); // only when no other instance has a folder there
}
