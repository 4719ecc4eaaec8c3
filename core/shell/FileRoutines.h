#pragma once

#include <QByteArray>
#include <QString>

// File routines shared by both windows and the document builder.

// True when the path names an existing entry whose last-modified time can be read;
// false for anything else (missing, empty path, unreadable). Never throws.
bool FileExists(const QString &path);

// Deletes the file, or every file matching the pattern when the last path component holds
// the wildcards '*' or '?'. Pending events are processed first, so other handlers may run
// inside this call. When the plain attempt fails, a second forced attempt makes each file
// writable and removes it. Folders are never removed. Never reports and never throws:
// callers that need to know ask FileExists afterwards.
void DeleteFileRobust(const QString &pathOrPattern) noexcept;

// Writes the bytes at the start of the file, creating it when missing. The file is not
// truncated: a longer existing file keeps its bytes beyond the written length. Throws
// std::runtime_error with a readable description when the file cannot be written.
void WriteBytesToFile(const QByteArray &data, const QString &path);
