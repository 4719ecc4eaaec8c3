#include "core/TempFolder.h"

#include <QDir>
#include <QFileInfo>

#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString privateFolder()
{
    const QString folder = QDir::tempPath() + QStringLiteral("/daybloom-") + QString::number(::getuid());
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        throw std::runtime_error("Cannot create the temporary folder " + native.toStdString());
    struct stat info {};
    // lstat: a symbolic link planted under our name is refused, not followed.
    if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        throw std::runtime_error("The temporary folder " + native.toStdString() + " is not a private folder of this user");
    if ((info.st_mode & 0777) != 0700 && ::chmod(native.constData(), 0700) != 0)
        throw std::runtime_error("Cannot make the temporary folder " + native.toStdString() + " private");
    return folder;
}

} // namespace

QString TempFolder::path()
{
    const QString temp = qEnvironmentVariable("TEMP");
    if (!temp.isEmpty())
        return temp;
    return privateFolder();
}

QString TempFolder::file(const QString &name)
{
    return path() + QLatin1Char('/') + name;
}
