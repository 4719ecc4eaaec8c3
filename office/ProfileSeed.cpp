#include "office/ProfileSeed.h"

#include "core/shell/TempFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

ProfileSeed::ProfileSeed()
{
    try {
        m_folder = std::make_unique<QTemporaryDir>(TempFolder::file(QStringLiteral("daybloom-profile-XXXXXX")));
    } catch (const std::runtime_error &) {
        // No seed: every instance sets its profile up itself.
    }
}

ProfileSeed::~ProfileSeed() = default;

bool ProfileSeed::copyTo(const QString &profileFolder) const
{
    const std::lock_guard lock(m_mutex);
    return m_ready && copyTree(m_folder->path(), profileFolder);
}

void ProfileSeed::adopt(const QString &profileFolder)
{
    const std::lock_guard lock(m_mutex);
    if (m_ready || !m_folder || !m_folder->isValid())
        return;
    m_ready = copyTree(profileFolder, m_folder->path());
}

bool ProfileSeed::copyTree(const QString &from, const QString &to)
{
    const QDir source(from);
    if (!source.exists() || !QDir().mkpath(to))
        return false;
    QDirIterator entries(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        // Lock files belong to the office that wrote them, not to the profile.
        if (entry.fileName().startsWith(QLatin1String(".lock")) || entry.isSymLink())
            continue;
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(entry.filePath());
        const bool copied = entry.isDir() ? QDir().mkpath(target) : QFile::copy(entry.filePath(), target);
        if (!copied)
            return false;
    }
    return true;
}
