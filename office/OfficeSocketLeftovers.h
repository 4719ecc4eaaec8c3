#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

#include <sys/types.h>

// The Unix sockets an office listens on in the system's temporary folders. The office
// removes them when it ends normally; a killed one leaves them behind. One is named after
// the instance's pipe; the others are noted from the running process.
class OfficeSocketLeftovers
{
public:
    explicit OfficeSocketLeftovers(QString pipeName);

    // Notes the sockets the running process listens on, from its open files and the
    // kernel's table of Unix sockets.
    void noteListening(pid_t pid);
    // Removes the noted sockets and the one named after the pipe, when they are still there
    // and this user's.
    void remove();

    static bool isPipeSocketPath(const QByteArray &path);

    // Removes this user's office sockets that nobody listens on any more: those of this
    // program's offices whose program no longer runs, and any office socket that refuses
    // a connection. A socket some running office listens on stays.
    static void removeStale();

private:
    QString m_pipeName;
    QSet<QByteArray> m_paths;
};
