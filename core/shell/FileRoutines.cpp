#include "core/shell/FileRoutines.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace {

// Whether the path names something to delete: a file or a link, never a folder.
bool isDeletable(const QString &path)
{
    const QFileInfo info(path);
    return !info.isDir() && (info.exists() || info.isSymLink());
}

} // namespace

bool FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

void DeleteFileRobust(const QString &path) noexcept
{
    try {
        if (path.isEmpty() || !isDeletable(path) || QFile::remove(path) || !isDeletable(path))
            return;
        // The forced attempt: a read-only file is made writable first (a link is removed as it is).
        if (!QFileInfo(path).isSymLink())
            QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner | QFile::WriteUser);
        QFile::remove(path);
    } catch (...) {
        // Deleting is best effort; callers check FileExists when they need to know.
    }
}

void WriteBytesToFile(const QByteArray &data, const QString &path)
{
    QFile file(path);
    // ReadWrite creates a missing file and, unlike WriteOnly, does not truncate. Unbuffered,
    // each write reaches the system at once, so that a failure (a full disk, say) comes
    // back with the system's reason rather than as a short write without one.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        throw std::runtime_error(QCoreApplication::translate("FileRoutines", "Cannot open %1 for writing: %2")
                                     .arg(QDir::toNativeSeparators(path), file.errorString())
                                     .toStdString());
    for (qint64 written = 0; written < data.size();) {
        const qint64 wrote = file.write(data.constData() + written, data.size() - written);
        if (wrote <= 0)
            throw std::runtime_error(QCoreApplication::translate("FileRoutines", "Cannot write %1: %2")
                                         .arg(QDir::toNativeSeparators(path), file.errorString())
                                         .toStdString());
        written += wrote;
    }
}
