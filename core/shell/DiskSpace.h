#pragma once

#include <QStorageInfo>
#include <QString>

// Whether a folder's disk has room for the program's temporary work: an office's private
// profile and a calendar's documents take a few megabytes.
namespace DiskSpace {

constexpr qint64 neededForWork = 16 * 1024 * 1024;

// True when the disk holding folder is known to have less room than the work needs.
inline bool isShort(const QString &folder)
{
    const QStorageInfo disk(folder);
    return disk.isValid() && disk.bytesAvailable() >= 0 && disk.bytesAvailable() < neededForWork;
}

// Where the disk holding folder is mounted ("/", "/tmp"), to name it.
inline QString mountPoint(const QString &folder)
{
    return QStorageInfo(folder).rootPath();
}

// The bytes this user may still write on the disk holding folder; -1 when unknown.
inline qint64 available(const QString &folder)
{
    const QStorageInfo disk(folder);
    return disk.isValid() ? disk.bytesAvailable() : -1;
}

} // namespace DiskSpace
