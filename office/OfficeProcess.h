#pragma once

#include "office/OfficeSocketLeftovers.h"

#include <QString>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <sys/types.h>

class ProfileSeed;

// One private, headless office process and the private folder it works in (its user
// profile and the instance's scratch files). The process listens on a pipe of its own
// name, so a client never reaches an office the user already runs.
//
// The process is started with a parent-death signal: should this program die, the office
// dies with it. Once the process has ended, the sockets it could not remove go; the
// destructor ends a process that is still running (it waits briefly, then kills it) and
// removes the private folder and any socket the office left behind.
class OfficeProcess
{
public:
    // program: the soffice.bin to run. seed: a set-up profile to start from, if any; an
    // office that ends cleanly on a new profile leaves its profile to the seed.
    // Throws OfficeError when no private folder can be made.
    explicit OfficeProcess(QString program, std::shared_ptr<ProfileSeed> seed = nullptr);
    ~OfficeProcess();

    OfficeProcess(const OfficeProcess &) = delete;
    OfficeProcess &operator=(const OfficeProcess &) = delete;

    // Starts the office, or starts it again after it has ended; the first start prepares
    // the private profile. Throws OfficeError at once when the program cannot be run.
    void start();
    // Starts an office that ended by itself while starting on a copy of the seed once more,
    // on a new profile, and drops the seed: a seed damaged on disk costs one start, never
    // the office. False (nothing done) when the profile was not the seed's.
    bool restartOnNewProfile();

    // True while the process runs. Reaps the process when it has ended.
    bool isRunning();
    // The exit code of the ended process; nothing while it runs or when a signal ended it.
    std::optional<int> exitCode() const { return m_exitCode; }
    // How the ended process ended, for messages ("exit code 1", "signal 9").
    QString exitDescription() const;

    // Waits up to timeout for the process to end by itself; true when it has ended. A
    // stopped process is not waited for.
    bool waitForExit(std::chrono::milliseconds timeout);
    // Kills the process and reaps it.
    void kill();

    // The id of the process while it runs, 0 otherwise, readable from any thread and for
    // as long as anyone holds it: what kills an instance's office from outside its thread.
    using LivePid = std::shared_ptr<std::atomic<pid_t>>;
    LivePid livePid() const { return m_livePid; }
    // Kills the process without waiting for it; safe from any thread while another uses
    // this object. The thread that uses it sees it end.
    static void signalKill(const LivePid &pid);
    // True while the process of pid runs (has neither ended nor been reaped); from any thread.
    static bool isAlive(const LivePid &pid);
    // True while the process of pid is stopped; from any thread.
    static bool isStopped(const LivePid &pid);
    // The name of the pipe the office accepts UNO connections on.
    QString pipeName() const { return m_pipeName; }
    // A folder only this instance uses; removed with the process object.
    QString scratchFolder() const { return m_folder.path(); }

    // Notes the sockets the running office listens on in the system's temporary folders,
    // so that they can be removed should the office be killed or die.
    void noteListeningSockets();

    // An office on a new profile ends once with this code after setting the profile up,
    // asking to be started again.
    static constexpr int restartExitCode = 81;

private:
    QString profileFolder() const;
    QString profileUrl() const;
    std::vector<std::string> commandLine() const;
    std::vector<std::string> environment() const;
    void reap(int status);

    // Declared first: removed last, after the process has ended.
    QTemporaryDir m_folder;
    QString m_program;
    std::shared_ptr<ProfileSeed> m_seed;
    QString m_pipeName;
    pid_t m_pid = -1;
    LivePid m_livePid = std::make_shared<std::atomic<pid_t>>(0);
    bool m_profilePrepared = false;
    bool m_profileFromSeed = false;
    bool m_running = false;
    std::optional<int> m_exitCode;
    std::optional<int> m_exitSignal;
    OfficeSocketLeftovers m_sockets;
};
