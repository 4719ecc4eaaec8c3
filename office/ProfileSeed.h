#pragma once

#include <QString>

#include <mutex>
#include <optional>

// A copy of an office profile that has been set up once. An office started on a new,
// empty profile spends a start-up setting it up and then ends, asking to be started
// again; an office started on a copy of a finished profile goes straight to work.
//
// The seed is kept in a folder of the user's cache between runs of the program, marked
// with the office program it was made by: a seed of another installed version is not
// used, and the next one made replaces it. Every instance gets a copy of the seed in a
// profile folder of its own, so each instance stays private. Making a copy means creating
// some seventy files and folders, which takes tens of milliseconds on some disks: one
// spare copy is made ahead, at a quiet moment, and the next instance takes it over in
// one rename (when its folder is on the same file system). Instances start and end on
// threads of their own: every call is safe from any thread, and several programs may share
// the folder.
class ProfileSeed
{
public:
    // folder: where the seed is kept; officeProgram: the soffice.bin whose profile it is.
    ProfileSeed(QString folder, QString officeProgram);

    ProfileSeed(const ProfileSeed &) = delete;
    ProfileSeed &operator=(const ProfileSeed &) = delete;

    // The folder in the user's cache; one in the program's private temporary folder (kept
    // for this run only) when there is no cache folder.
    static QString keptFolder();

    // Copies the seed into profileFolder. Returns false (and copies nothing usable) when
    // there is no seed of this office program or the copy fails; the caller then starts
    // on a new profile.
    bool copyTo(const QString &profileFolder) const;
    // Makes the spare copy the next copyTo() takes, unless there is one.
    void makeSpare();
    // Keeps a copy of a profile that an office has set up and left cleanly, unless a seed
    // is kept already.
    void adopt(const QString &profileFolder);
    // Drops a seed an office could not start from (damaged on disk): the next profile an
    // office leaves cleanly becomes the seed.
    void forget();

private:
    bool isKept() const; // under m_mutex
    void removeAbandonedCopies() const;
    QString officeStamp() const;
    QString profilePath() const { return m_folder + QStringLiteral("/profile"); }
    QString stampPath() const { return m_folder + QStringLiteral("/office-program"); }
    QString sparePath() const { return m_folder + QStringLiteral("/spare"); }
    static bool copyTree(const QString &from, const QString &to);
    static bool forgetRestart(const QString &settingsFile);

    const QString m_folder;
    const QString m_officeProgram;
    mutable std::mutex m_mutex;
    mutable std::optional<bool> m_kept; // known after the first look
};
