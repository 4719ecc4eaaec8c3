#pragma once

#include <QByteArray>
#include <QString>

// File routines shared by both windows and the document builder.

// True when the path names an existing entry whose last-modified time can be read;
// false for anything else (missing, empty path, unreadable). Never throws.
bool FileExists(const QString &path);

// Deletes the file. When the plain attempt fails, a second forced attempt makes it writable
// and removes it. A folder is never removed. No other handler runs inside this call. Never
// reports and never throws: callers that need to know ask FileExists afterwards.
void DeleteFileRobust(const QString &path) noexcept;

// Writes the bytes at the start of the file, creating it when missing. The file is not
// truncated: a longer existing file keeps its bytes beyond the written length. Throws
// std::runtime_error with a readable description when the file cannot be written.
void WriteBytesToFile(const QByteArray &data, const QString &path);
