#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <mutex>

// A copy of an office profile that has been set up once. An office started on a new,
// empty profile spends a start-up setting it up and then ends, asking to be started
// again; an office started on a copy of a finished profile goes straight to work. The
// engine keeps one seed for its lifetime and every instance copies it into a profile
// folder of its own, so each instance stays private. Instances start and end on threads
// of their own: every call is safe from any thread.
class ProfileSeed
{
public:
    ProfileSeed();
    ~ProfileSeed();

    ProfileSeed(const ProfileSeed &) = delete;
    ProfileSeed &operator=(const ProfileSeed &) = delete;

    // Copies the seed into profileFolder. Returns false (and copies nothing usable) when
    // the seed is not ready or the copy fails; the caller then starts on a new profile.
    bool copyTo(const QString &profileFolder) const;
    // Keeps a copy of a profile that an office has set up and left cleanly.
    void adopt(const QString &profileFolder);

private:
    static bool copyTree(const QString &from, const QString &to);

    // In the program's private temporary folder; none when that cannot be made.
    std::unique_ptr<QTemporaryDir> m_folder;
    mutable std::mutex m_mutex;
    bool m_ready = false;
};
