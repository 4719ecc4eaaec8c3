#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <stdexcept>

// Puts a new file in the place of a file, in one step: the new content is written to a file
// beside it, synced to disk and renamed over it, so the old file stays whole until the new
// one is complete, and nothing is left beside it when anything fails.
//
// Where a name leads, and what may be written there, depends on whose file it is (Kind).
// A file the person named (a save, an export, a print to a file) follows one rule,
// checked before anything is asked and worded the same on every path:
// - a symbolic link is followed, the file it leads to replaced and the link kept; except a
//   link in a folder that everyone may write to and that has the sticky bit (such as
//   /tmp), when it belongs to another user than the one running the program and the
//   folder's owner: such a link is never followed (as the kernel's protected-symlinks
//   rule), and another user's file there is never replaced;
// - the program's own files and folders (ProgramFiles) are refused, and so are a read-only
//   file, anything that is not a regular file (a folder, a device, a pipe) and a folder
//   the new file cannot be made in.
namespace FileReplacement {

enum class Kind {
    // A file the person named: the whole rule above.
    Persons,
    // The program's file beside its settings (the settings file, its safety copy): the rule
    // above, except that the program's own files are its to write.
    Programs,
    // A file in the program's private temporary folder: the name itself is replaced, a link
    // there is never followed and a read-only file is replaced too; nothing is synced, as
    // nothing there outlives the run.
    Private,
};

// "Cannot write <target>: <reason>."
class Failure : public std::runtime_error
{
public:
    Failure(const QString &target, const QString &reason);
    const QString &reason() const { return m_reason; }

private:
    QString m_reason;
};

// Where a name leads and whether a file may be written there.
struct Target {
    QString named;       // the name as given, made absolute
    QString real;        // the file that is written: links followed as the kind allows
    bool exists = false; // something is there already
    bool isLink = false; // the name itself is a link that is followed
    QString refusal;     // why it may not be written (a reason alone: "it is read-only"); empty when it may
};
Target resolve(const QString &name, Kind kind = Kind::Persons);

// The words every path says them in. "Cannot write <name>: <reason>."
QString refusalMessage(const Target &target);
// Asked before an existing file is replaced, naming the file that will be:
// "Are you sure you wish to overwrite <name> ?", for a link
// "<name> is a link to <file>. Are you sure you wish to overwrite <file> ?".
QString overwriteQuestion(const Target &target);
// Before a file the person named is written: says why it is refused, or asks before an
// existing file is replaced. True when it may be written.
bool writeAgreed(const Target &target);

// write gets the path of the new file beside the target and fills it. Throws Failure when
// the target is refused or the new file cannot be made, synced or put in place; what write
// throws passes through. The new file takes the permissions of the file it replaces, or
// those of any new file (in the private folder: the owner's only).
void replace(const QString &target, Kind kind, const std::function<void(const QString &newFile)> &write);
void replace(const QString &target, Kind kind, const QByteArray &content);

} // namespace FileReplacement
