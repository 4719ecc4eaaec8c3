#pragma once

#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QPair>
#include <QStringList>

#include <sys/stat.h>
#include <unistd.h>

// The names every write for the person (a save, an export, a print to a file) must refuse
// with one plain message before anything is asked: what a hostile user or bad luck puts in
// the way, each set up in a folder next to what it would spoil. Run the write as a person
// (AsNobody, or the program under setpriv as "nobody"): root may write where a person may
// not. Setting them up needs root, to plant another user's links.
class RefusedTargets
{
public:
    // The rows of a test table, one per target.
    static QStringList names()
    {
        return {QStringLiteral("link to the settings file"), QStringLiteral("link to its safety copy"),
                QStringLiteral("another user's link in /tmp"), QStringLiteral("another user's dangling link in /tmp"),
                QStringLiteral("read-only file"), QStringLiteral("read-only folder"), QStringLiteral("/dev/null"),
                QStringLiteral("a folder")};
    }

    // In folder (made writable for everyone), for files ending in suffix, against the
    // settings file of the program that writes.
    RefusedTargets(const QString &folder, const QString &settingsFile, const QString &suffix)
        : m_folder(folder + QLatin1Char('/'))
        , m_watched{settingsFile, settingsFile + QStringLiteral(".bak"), QStringLiteral("/dev/null.") + suffix}
    {
        const QString own = QStringLiteral("it is one of this program's own files");
        const QString shared = QStringLiteral("it is a link another user made in the shared folder ") + m_folder + QStringLiteral("shared");
        const QStringList rows{m_folder + QStringLiteral("settings.%1"), own, m_folder + QStringLiteral("backup.%1"), own,
                               m_folder + QStringLiteral("shared/link.%1"), shared, m_folder + QStringLiteral("shared/dangling.%1"), shared,
                               m_folder + QStringLiteral("locked.%1"), QStringLiteral("it is read-only"),
                               m_folder + QStringLiteral("readonly/new.%1"), QStringLiteral("the folder %1readonly is read-only").arg(m_folder),
                               QStringLiteral("/dev/null.%1"), QStringLiteral("the folder /dev is read-only"),
                               m_folder + QStringLiteral("folder.%1"), QStringLiteral("a folder of that name is in the way")};
        for (int row = 0; row < names().size(); ++row)
            m_rows.insert(names().at(row), {rows.at(2 * row).arg(suffix), rows.at(2 * row + 1)});

        put(settingsFile, 0644);
        put(settingsFile + QStringLiteral(".bak"), 0644);
        put(m_folder + QStringLiteral("victim.txt"), 0666);
        put(target(QStringLiteral("read-only file")), 0444);
        QFile::link(settingsFile, target(QStringLiteral("link to the settings file")));
        QFile::link(settingsFile + QStringLiteral(".bak"), target(QStringLiteral("link to its safety copy")));
        for (const auto &[name, mode] : {QPair{QStringLiteral("folder.") + suffix, 0755}, QPair{QStringLiteral("readonly"), 0555},
                                         QPair{QStringLiteral("shared"), 01777}, QPair{QString(), 0777}}) {
            QDir().mkpath(m_folder + name);
            ::chmod(QFile::encodeName(m_folder + name).constData(), mode_t(mode));
        }
        plant(QStringLiteral("another user's link in /tmp"), m_folder + QStringLiteral("victim.txt"));
        plant(QStringLiteral("another user's dangling link in /tmp"), m_folder + QStringLiteral("planted.") + suffix);
        m_before = state();
    }

    // The name the person chose in the row.
    QString target(const QString &special) const { return m_rows.value(special).first; }

    // Whether text is the row's one refusal: "Cannot write <name>: <reason>…".
    bool isRefusal(const QString &special, const QString &text) const
    {
        return text.startsWith(QStringLiteral("Cannot write %1: %2").arg(target(special), m_rows.value(special).second));
    }

    // The files written, made or gone since the targets were set up.
    QStringList changes() const
    {
        const QMap<QString, QByteArray> now = state();
        QStringList changed;
        for (const QString &file : (m_before.keys() + now.keys()))
            if (m_before.value(file, "(none)") != now.value(file, "(none)") && !changed.contains(file))
                changed.append(file);
        return changed;
    }

private:
    // A file of the person's with something in it, whatever its mode.
    static void put(const QString &path, mode_t mode)
    {
        QFile file(path);
        if (!file.exists() && (!file.open(QIODevice::WriteOnly) || file.write("the person's own") < 0))
            qFatal("cannot write %s", qPrintable(path));
        file.close();
        ::chmod(QFile::encodeName(path).constData(), mode);
    }

    // Another user's link in the shared folder.
    void plant(const QString &special, const QString &pointsTo) const
    {
        QFile::link(pointsTo, target(special));
        if (::lchown(QFile::encodeName(target(special)).constData(), 12345, 12345) != 0)
            qFatal("cannot give %s to another user", qPrintable(target(special)));
    }

    // The bytes of every name in the folder and of the files watched beside it.
    QMap<QString, QByteArray> state() const
    {
        QMap<QString, QByteArray> files;
        QStringList names = m_watched;
        for (QDirIterator it(m_folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            names.append(it.next());
        for (const QString &name : std::as_const(names)) {
            QFile file(name);
            if (QFileInfo(name).isSymLink() || file.exists())
                files.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        }
        return files;
    }

    QString m_folder;
    QStringList m_watched;
    QMap<QString, QPair<QString, QString>> m_rows;
    QMap<QString, QByteArray> m_before;
};
