#pragma once

#include <QString>
#include <QStringList>

// The folder for this program's temporary files (the template written out for a build,
// the generated document, the page snapshot, the offices' private folders).
//
// It is a folder of this process inside a private folder of this user (mode 0700, this
// user's, never a symbolic link), made inside the folder named by the environment variable
// TEMP when that is set and usable (its disk not full), otherwise inside the system's
// temporary folder (TMPDIR, else /tmp). Files others left in TEMP are never read, changed
// or deleted, and a name like "template.dot" cannot be planted there by anyone else.
//
// The private folder's usual name ("daybloom-<uid>") can be taken by someone else, or the
// system's temporary folder can be missing: then the process gets a private folder of its
// own under a name nobody can take ahead ("daybloom-<uid>-<pid>-XXXXXX"), and notice() says
// so.
class TempFolder
{
public:
    // The folder, made on first use, without a trailing separator. Throws
    // std::runtime_error naming the folder and the cause when no private folder can be made.
    static QString path();
    // path() + "/" + name.
    static QString file(const QString &name);
    // The private folders this user's runs of the program work in, as far as they are there:
    // those of the usual name inside TEMP and the system's temporary folders, and those of
    // a name of their own. Makes nothing.
    static QStringList userFolders();

    // What the person is told once at start when the private folder of the usual name could
    // not be used and another one is: which folder, why, and the one used instead. Empty
    // otherwise. Throws as path() does.
    static QString notice();

    // Removes the folders of this user's earlier processes that no longer run: what a
    // killed program left behind. Another running instance's folder is never touched.
    static void removeOrphans();
    // Removes this process's folder and everything in it, at the end of the program; the
    // user's private folder goes too once it is empty.
    static void removeOwn();
};
