#include "core/shell/FileRoutines.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <stdexcept>

namespace {

bool hasWildcard(const QString &name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

// Only '*' and '?' are wildcards; every other character (brackets included) matches itself.
QRegularExpression wildcardExpression(const QString &pattern)
{
    QString expression;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('*'))
            expression += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            expression += QLatin1Char('.');
        else
            expression += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(expression));
}

// The files the path names: the one file, or the files of its folder that match the
// pattern of the last component. Folders are never part of the result.
QStringList matchingFiles(const QString &pathOrPattern)
{
    const QFileInfo info(pathOrPattern);
    const QString name = info.fileName();
    if (!hasWildcard(name)) {
        if (info.isDir())
            return {};
        if (info.exists() || info.isSymLink())
            return {pathOrPattern};
        return {};
    }
    const QDir folder = info.dir();
    if (hasWildcard(folder.path()))
        return {};
    const QRegularExpression expression = wildcardExpression(name);
    QStringList files;
    const QFileInfoList entries =
        folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (!entry.isDir() && expression.match(entry.fileName()).hasMatch())
            files.append(entry.filePath());
    }
    return files;
}

// The plain delete: fails when nothing matches or any matching file stays.
bool removeAll(const QStringList &files)
{
    if (files.isEmpty())
        return false;
    bool allRemoved = true;
    for (const QString &file : files)
        allRemoved = QFile::remove(file) && allRemoved;
    return allRemoved;
}

// The forced delete: makes each file writable first.
void forceRemoveAll(const QStringList &files)
{
    for (const QString &file : files) {
        if (!QFileInfo(file).isSymLink())
            QFile::setPermissions(file, QFile::permissions(file) | QFile::WriteOwner | QFile::WriteUser);
        QFile::remove(file);
    }
}

} // namespace

bool FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

void DeleteFileRobust(const QString &pathOrPattern) noexcept
{
    try {
        QCoreApplication::processEvents();
        if (pathOrPattern.isEmpty())
            return;
        if (removeAll(matchingFiles(pathOrPattern)))
            return;
        // Whatever the plain attempt left behind, listed anew.
        forceRemoveAll(matchingFiles(pathOrPattern));
    } catch (...) {
        // Deleting is best effort; callers check FileExists when they need to know.
    }
}

void WriteBytesToFile(const QByteArray &data, const QString &path)
{
    QFile file(path);
    // ReadWrite creates a missing file and, unlike WriteOnly, does not truncate.
    if (!file.open(QIODevice::ReadWrite))
        throw std::runtime_error(QStringLiteral("Cannot open %1 for writing: %2")
                                     .arg(QDir::toNativeSeparators(path), file.errorString())
                                     .toStdString());
    if (file.write(data) != data.size() || !file.flush())
        throw std::runtime_error(QStringLiteral("Cannot write %1: %2")
                                     .arg(QDir::toNativeSeparators(path), file.errorString())
                                     .toStdString());
}
