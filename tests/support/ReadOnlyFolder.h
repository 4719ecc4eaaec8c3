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

// Makes a folder and the files in it refuse writes from this test process, as a
// read-only folder refuses a person's program, and puts everything back when it goes.
// Root ignores permissions, so a test run as root also takes the effective user "nobody"
// meanwhile, and the folders on the way let that user through.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &folder)
    {
        QDir dir(folder);
        const QStringList files = dir.entryList(QDir::Files);
        for (const QString &file : files)
            changeMode(dir.filePath(file), [](mode_t) { return mode_t(0444); });
        changeMode(folder, [](mode_t) { return mode_t(0555); });
        while (dir.cdUp())
            changeMode(dir.path(), [](mode_t mode) { return mode | S_IXOTH; });
        if (geteuid() == 0) {
            if (setegid(nobody) != 0 || seteuid(nobody) != 0)
                qFatal("cannot take the user nobody");
            m_tookOtherUser = true;
        }
    }

    ~ReadOnlyFolder()
    {
        if (m_tookOtherUser && (seteuid(0) != 0 || setegid(0) != 0))
            qFatal("cannot return to the user root");
        for (auto it = m_modes.crbegin(); it != m_modes.crend(); ++it)
            ::chmod(it->first.constData(), it->second);
    }

    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

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
