#include "core/shell/ProgramFiles.h"

#include "core/shell/CalendarEntryStore.h"
#include "core/shell/SettingsBackup.h"
#include "core/shell/TempFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <optional>

#include <sys/stat.h>

namespace {

struct Identity {
    dev_t device;
    ino_t inode;
    bool operator==(const Identity &) const = default;
};

// What the path is on disk, links followed; nothing when it is not there.
std::optional<Identity> identityOf(const QString &path)
{
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return Identity{info.st_dev, info.st_ino};
}

// The settings file's name and what is kept beside it under that name: "Quillmoor.ini",
// "Quillmoor.ini.bak", "Quillmoor.ini.lock", "Quillmoor.ini.damaged-…", and the new files
// written beside it before they take its place (".Quillmoor.ini.…").
bool isSettingsName(const QString &name, const QString &settingsName)
{
    return name == settingsName || name.startsWith(settingsName + QLatin1Char('.'))
        || name.startsWith(QLatin1Char('.') + settingsName + QLatin1Char('.'));
}

bool besideTheSettings(const QFileInfo &file)
{
    const QString settings = CalendarEntryStore::fileName();
    const std::optional<Identity> folder = identityOf(file.absolutePath());
    // Where the settings file is named, and where a link named so leads.
    for (const QString &place : {settings, QFileInfo(settings).canonicalFilePath()}) {
        const QFileInfo settingsFile(place);
        if (!place.isEmpty() && folder && folder == identityOf(settingsFile.absolutePath())
            && isSettingsName(file.fileName(), settingsFile.fileName()))
            return true;
    }
    // The same file under another name (a hard link).
    const std::optional<Identity> self = identityOf(file.absoluteFilePath());
    return self && (self == identityOf(settings) || self == identityOf(SettingsBackup::fileName()));
}

bool inAProgramFolder(const QFileInfo &file)
{
    QList<Identity> folders;
    QStringList places = TempFolder::userFolders();
    places << ProgramFiles::cacheFolder() << ProgramFiles::dataFolder()
           << QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    for (const QString &place : std::as_const(places))
        if (const std::optional<Identity> folder = identityOf(place))
            folders.append(*folder);
    for (QFileInfo folder(file.absolutePath());; folder.setFile(folder.absolutePath())) {
        if (const std::optional<Identity> identity = identityOf(folder.absoluteFilePath()); identity && folders.contains(*identity))
            return true;
        if (folder.isRoot())
            return false;
    }
}

} // namespace

QString ProgramFiles::cacheFolder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return cache.isEmpty() ? QString() : cache + QStringLiteral("/daybloom");
}

QString ProgramFiles::dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/daybloom");
}

bool ProgramFiles::holds(const QString &path)
{
    const QFileInfo file(path);
    return besideTheSettings(file) || inAProgramFolder(file);
}
