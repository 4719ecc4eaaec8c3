#pragma once

#include <QString>

// Copies a file to a target the person named, which may already exist, without ever
// leaving the target half-written or lost (FileReplacement): when anything fails, an
// existing target stays as it was.
class DocumentCopy
{
public:
    // Throws std::runtime_error with a readable description when the copy fails.
    static void copy(const QString &source, const QString &target);
};
