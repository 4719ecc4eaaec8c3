#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QString>
#include <QtGlobal>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

// TEMP on a small disk of its own that a test can fill up: a tmpfs mounted over the
// sandbox's temporary folder in a mount namespace of the test process's own, which the
// offices it starts share. Nobody else sees it, and nothing of it outlives the process.
// Mounting needs root; without it TEMP stays an ordinary folder, and the tests that need
// the small disk skip (isMounted() says so).
//
// Use as the sandbox set-up of DAYBLOOM_TEST_MAIN_WITH: it must be made before any thread
// starts, since a thread keeps the mount namespace it was started in.
class SmallTempDisk
{
public:
    explicit SmallTempDisk(const QString &sandbox)
        : m_folder(QFile::encodeName(sandbox + QStringLiteral("/temp")))
    {
        m_mounted = ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
            && ::mount("daybloom-test", m_folder.constData(), "tmpfs", 0, "size=64m") == 0;
    }

    // Unmounted before the sandbox goes, so that its folder can be removed.
    ~SmallTempDisk()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }

    SmallTempDisk(const SmallTempDisk &) = delete;
    SmallTempDisk &operator=(const SmallTempDisk &) = delete;

    // True when TEMP is the small disk.
    static bool isMounted()
    {
        const QString temp = QDir::cleanPath(qEnvironmentVariable("TEMP"));
        return QStorageInfo(temp).rootPath() == temp;
    }

    // While it lives, TEMP's disk has fewer than left bytes free (a file takes the rest).
    class Filled
    {
    public:
        explicit Filled(qint64 left)
            : m_filler(QDir::cleanPath(qEnvironmentVariable("TEMP")) + QStringLiteral("/filler"))
        {
            const int file = ::open(QFile::encodeName(m_filler).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            const qint64 free = QStorageInfo(QFileInfo(m_filler).absolutePath()).bytesAvailable();
            if (file < 0 || free <= left || ::posix_fallocate(file, 0, free - left + 1) != 0)
                qFatal("cannot fill the disk of %s", qPrintable(m_filler));
            ::close(file);
        }
        ~Filled() { QFile::remove(m_filler); }

        Filled(const Filled &) = delete;
        Filled &operator=(const Filled &) = delete;

    private:
        QString m_filler;
    };

private:
    QByteArray m_folder;
    bool m_mounted = false;
};
