#include "office/ProfileSeed.h"

#include "core/shell/ProgramFiles.h"
#include "core/shell/TempFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <filesystem>
#include <stdexcept>

ProfileSeed::ProfileSeed(QString folder, QString officeProgram)
    : m_folder(std::move(folder))
    , m_officeProgram(std::move(officeProgram))
{
}

QString ProfileSeed::keptFolder()
{
    if (const QString cache = ProgramFiles::cacheFolder(); !cache.isEmpty())
        return cache + QStringLiteral("/office-profile");
    try {
        return TempFolder::file(QStringLiteral("office-profile"));
    } catch (const std::runtime_error &) {
        return QString(); // no seed: every instance sets its profile up itself
    }
}

// What tells one installed office program from another: its place, size and time, and
// those of the version file beside it.
QString ProfileSeed::officeStamp() const
{
    const QFileInfo program(m_officeProgram);
    const QFileInfo version(program.absolutePath() + QStringLiteral("/versionrc"));
    return QStringLiteral("%1 %2 %3 %4\n")
        .arg(program.absoluteFilePath())
        .arg(program.size())
        .arg(program.lastModified().toMSecsSinceEpoch())
        .arg(version.lastModified().toMSecsSinceEpoch());
}

bool ProfileSeed::isKept() const
{
    if (!m_kept) {
        QFile stamp(stampPath());
        m_kept = !m_folder.isEmpty() && stamp.open(QIODevice::ReadOnly)
                 && QString::fromUtf8(stamp.readAll()) == officeStamp() && QFileInfo(profilePath()).isDir();
    }
    return *m_kept;
}

bool ProfileSeed::copyTo(const QString &profileFolder) const
{
    const std::lock_guard lock(m_mutex);
    if (!isKept())
        return false;
    // The spare is taken in one rename, which also keeps two programs from taking the same.
    if (!QFileInfo::exists(profileFolder) && ::rename(QFile::encodeName(sparePath()).constData(),
                                                      QFile::encodeName(profileFolder).constData()) == 0)
        return true;
    return copyTree(profilePath(), profileFolder);
}

void ProfileSeed::makeSpare()
{
    const std::lock_guard lock(m_mutex);
    removeAbandonedCopies();
    if (!isKept() || QFileInfo::exists(sparePath()))
        return;
    QTemporaryDir made(m_folder + QStringLiteral("/spare-new-XXXXXX"));
    if (made.isValid() && copyTree(profilePath(), made.filePath(QStringLiteral("profile"))))
        QDir().rename(made.filePath(QStringLiteral("profile")), sparePath());
}

// Copies a program was killed in the middle of making: any still there an hour later.
// (One being made now by another program is moments old.)
void ProfileSeed::removeAbandonedCopies() const
{
    if (m_folder.isEmpty())
        return;
    const QFileInfo kept(m_folder);
    const QDateTime anHourAgo = QDateTime::currentDateTimeUtc().addSecs(-3600);
    const auto removeOld = [&](const QString &folder, const QString &pattern) {
        const QDir parent(folder);
        for (const QFileInfo &copy : parent.entryInfoList({pattern}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden))
            if (copy.lastModified().toUTC() < anHourAgo)
                QDir(copy.filePath()).removeRecursively();
    };
    removeOld(kept.absolutePath(), kept.fileName() + QStringLiteral("-*-??????"));
    removeOld(m_folder, QStringLiteral("spare-new-??????"));
}

void ProfileSeed::adopt(const QString &profileFolder)
{
    const std::lock_guard lock(m_mutex);
    if (m_folder.isEmpty() || isKept())
        return;
    // The new seed is made beside the kept folder and then takes its place in one rename,
    // so that another program never copies half a seed.
    const QString parent = QFileInfo(m_folder).absolutePath();
    if (!QDir().mkpath(parent))
        return;
    QFile::setPermissions(parent, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QTemporaryDir made(m_folder + QStringLiteral("-new-XXXXXX"));
    QFile stamp(made.filePath(QStringLiteral("office-program")));
    const QByteArray stampText = officeStamp().toUtf8();
    if (!made.isValid() || !copyTree(profileFolder, made.filePath(QStringLiteral("profile")))
        || !forgetRestart(made.filePath(QStringLiteral("profile/user/registrymodifications.xcu")))
        || !stamp.open(QIODevice::WriteOnly) || stamp.write(stampText) != stampText.size() || !stamp.flush())
        return;
    stamp.close();
    // A seed of another office program, or a damaged one, goes first.
    if (QFileInfo::exists(m_folder)) {
        QTemporaryDir old(m_folder + QStringLiteral("-old-XXXXXX"));
        if (!old.isValid() || !QDir().rename(m_folder, old.filePath(QStringLiteral("seed"))))
            return;
    }
    if (QDir().rename(made.path(), m_folder)) {
        made.setAutoRemove(false);
        m_kept = true;
    }
}

// An office that ends asking to be started again records that a restart is under way; an
// office started on a copy of that profile would take itself for the restarted one. The
// record (one line of the settings file the office writes) is left out of the seed.
bool ProfileSeed::forgetRestart(const QString &settingsFile)
{
    QFile settings(settingsFile);
    if (!settings.exists())
        return true;
    if (!settings.open(QIODevice::ReadOnly))
        return false;
    QList<QByteArray> lines = settings.readAll().split('\n');
    settings.close();
    const qsizetype before = lines.size();
    lines.removeIf([](const QByteArray &line) { return line.contains("oor:name=\"OfficeRestartInProgress\""); });
    if (lines.size() == before)
        return true;
    const QByteArray content = lines.join('\n');
    return settings.open(QIODevice::WriteOnly | QIODevice::Truncate) && settings.write(content) == content.size();
}

void ProfileSeed::forget()
{
    const std::lock_guard lock(m_mutex);
    if (!m_folder.isEmpty())
        QDir(m_folder).removeRecursively();
    m_kept = false;
}

// A plain recursive copy: a start waits for it, and the profile's few dozen small files
// copy in a millisecond or two this way.
bool ProfileSeed::copyTree(const QString &from, const QString &to)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path source = fs::path(QFile::encodeName(from).toStdString());
    const fs::path target = fs::path(QFile::encodeName(to).toStdString());
    if (!fs::is_directory(source, error) || (!fs::create_directories(target, error) && error))
        return false;
    for (fs::recursive_directory_iterator entry(source, error), end; !error && entry != end; entry.increment(error)) {
        // Lock files belong to the office that wrote them, not to the profile.
        if (entry->path().filename().string().starts_with(".lock") || entry->is_symlink(error))
            continue;
        const fs::path copy = target / fs::relative(entry->path(), source, error);
        if (error)
            return false;
        if (entry->is_directory(error))
            fs::create_directory(copy, error);
        else
            fs::copy_file(entry->path(), copy, fs::copy_options::overwrite_existing, error);
        if (error)
            return false;
    }
    return !error;
}
