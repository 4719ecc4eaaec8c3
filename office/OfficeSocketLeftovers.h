#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

#include <sys/types.h>

// The Unix sockets an office listens on in the system's temporary folders. The office
// removes them when it ends normally; a killed one leaves them behind. One is named after
// the instance's pipe, one after its profile (the office's single-instance pipe); any
// others are noted from the running process.
//
// A socket is removed only when it is this user's and no process has a socket bound to its
// path any more: a socket some running process listens on always stays.
class OfficeSocketLeftovers
{
public:
    // profileUrl: the office's profile, as its command line names it.
    OfficeSocketLeftovers(QString pipeName, const QString &profileUrl);

    // Notes the sockets the running process listens on, from its open files and the
    // kernel's table of Unix sockets.
    void noteListening(pid_t pid);
    // Removes the sockets of the ended office: the noted ones and the two named after its
    // pipe and its profile, when they are still there and nobody listens on them.
    void remove();

    static bool isPipeSocketPath(const QByteArray &path);

    // Removes this user's office sockets that nobody listens on any more: what killed
    // offices left, this program's or another's.
    static void removeStale();

private:
    QString m_pipeName;
    QString m_singleInstancePipeName;
    QSet<QByteArray> m_paths;
};
