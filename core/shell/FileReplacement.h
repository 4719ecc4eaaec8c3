#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <stdexcept>

// Puts a new file in the place of a file the person named, in one step: the new content is
// written to a file beside it, synced to disk and renamed over it, so the old file stays
// whole until the new one is complete, and nothing is left beside it when anything fails.
//
// One rule for every such file: a symbolic link is followed (the file it points to is
// replaced, the link stays); a read-only file is refused, and so is anything that is not a
// regular file (a folder, a device, a pipe).
namespace FileReplacement {

// "Cannot write <target>: <reason>".
class Failure : public std::runtime_error
{
public:
    Failure(const QString &target, const QString &reason);
    const QString &reason() const { return m_reason; }

private:
    QString m_reason;
};

// Why the target may not be replaced (a reason alone: "it is read-only"); empty when it may.
QString refusal(const QString &target);

// write gets the path of the new file beside the target and fills it. Throws Failure when
// the target is refused or the new file cannot be made, synced or put in place; what write
// throws passes through. The new file takes the permissions of the file it replaces, or
// those of any new file.
void replace(const QString &target, const std::function<void(const QString &newFile)> &write);
void replace(const QString &target, const QByteArray &content);

} // namespace FileReplacement
