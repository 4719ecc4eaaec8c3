#pragma once

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

// A file's bytes; empty when it cannot be read.
inline QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What an independent reader (antiword, pdftotext, …) prints; empty when it fails.
inline QString readerOutput(const QString &program, const QStringList &arguments)
{
    QProcess reader;
    reader.start(program, arguments);
    if (!reader.waitForFinished(60000) || reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0)
        return QString();
    return QString::fromUtf8(reader.readAllStandardOutput());
}

// The text of one member of a zip file (a .docx or .odt), read with Python's zipfile.
inline QString zipMember(const QString &zip, const QString &member)
{
    return readerOutput(QStringLiteral("python3"),
                        {QStringLiteral("-c"),
                         QStringLiteral("import sys, zipfile; sys.stdout.write(zipfile.ZipFile(sys.argv[1]).read(sys.argv[2]).decode())"),
                         zip, member});
}
