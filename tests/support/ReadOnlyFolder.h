#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>
#include <QtGlobal>

#include <sys/stat.h>
#include <unistd.h>

// While it lives, the test process meets permissions as a person's program does: root
// ignores them, so a test run as root takes the effective user "nobody" meanwhile. The
// folder gets folderMode (and the files in it fileMode, when given), the folders on the way
// let that user through, and everything is put back when it goes.
class AsNobody
{
public:
    AsNobody(const QString &folder, mode_t folderMode, mode_t fileMode = 0)
    {
        QDir dir(folder);
        if (fileMode != 0) {
            const QStringList files = dir.entryList(QDir::Files);
            for (const QString &file : files)
                changeMode(dir.filePath(file), [fileMode](mode_t) { return fileMode; });
        }
        changeMode(folder, [folderMode](mode_t) { return folderMode; });
        while (dir.cdUp())
            changeMode(dir.path(), [](mode_t mode) { return mode | S_IXOTH; });
        if (geteuid() == 0) {
            if (setegid(nobody) != 0 || seteuid(nobody) != 0)
                qFatal("cannot take the user nobody");
            m_tookOtherUser = true;
        }
    }

    ~AsNobody()
    {
        if (m_tookOtherUser && (seteuid(0) != 0 || setegid(0) != 0))
            qFatal("cannot return to the user root");
        for (auto it = m_modes.crbegin(); it != m_modes.crend(); ++it)
            ::chmod(it->first.constData(), it->second);
    }

    AsNobody(const AsNobody &) = delete;
    AsNobody &operator=(const AsNobody &) = delete;

private:
    static constexpr uid_t nobody = 65534;

    template<typename NewMode>
    void changeMode(const QString &path, NewMode newMode)
    {
        const QByteArray name = QFile::encodeName(path);
        struct stat info {};
        if (::stat(name.constData(), &info) != 0)
            return;
        const mode_t mode = info.st_mode & 07777;
        m_modes.append({name, mode});
        ::chmod(name.constData(), newMode(mode));
    }

    QList<QPair<QByteArray, mode_t>> m_modes;
    bool m_tookOtherUser = false;
};

// A folder and the files in it that refuse writes from this test process, as a read-only
// folder refuses a person's program.
class ReadOnlyFolder : public AsNobody
{
public:
    explicit ReadOnlyFolder(const QString &folder)
        : AsNobody(folder, 0555, 0444)
    {
    }
};
