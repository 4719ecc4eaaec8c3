#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Files a person could be handed, written for a test: the path, or empty when it could not
// be written.
inline QString writtenFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

// A contact card whose name is `nameBytes` bytes long, with a birthday on April 13: a name
// no calendar day can hold, which a message must not quote whole.
inline QByteArray cardWithHugeName(qsizetype nameBytes)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + QByteArray(nameBytes, 'A') + "\r\nBDAY:1985-04-13\r\nEND:VCARD\r\n";
}
