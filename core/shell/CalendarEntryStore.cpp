#include "core/shell/CalendarEntryStore.h"

#include "core/shell/FileReplacement.h"
#include "core/shell/LenientIniReader.h"
#include "core/shell/ProductInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#include <unistd.h>

namespace {

// The sections of the program's own settings, apart from the day entries: its options and
// the pictures the person chose (each place's kept copy).
const QString optionsSection = QStringLiteral("Options");
const QString picturesSection = QStringLiteral("Pictures");

// A new object for every access: after a failed sync an object keeps reporting the
// failure, and a fresh one tells whether the file can be written now.
class EntryGroup
{
public:
    explicit EntryGroup(const QString &section = ProductInfo::productName)
        : settings(QSettings::IniFormat, QSettings::UserScope, ProductInfo::settingsApplication)
    {
        settings.beginGroup(section);
    }

    QSettings settings;
};

QByteArray fileBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Why the folder cannot be made: QSettings makes the folders on the way to the file, so
// the nearest of them that exists must be a folder this program may write in.
QString whyFolderCannotBeMade(const QString &folder)
{
    QString existing = folder;
    while (!QFileInfo::exists(existing) && QFileInfo(existing).path() != existing)
        existing = QFileInfo(existing).path();
    if (!QFileInfo(existing).isDir())
        return QCoreApplication::translate("CalendarEntryStore", "%1 is not a folder").arg(QDir::toNativeSeparators(existing));
    if (::euidaccess(QFile::encodeName(existing).constData(), W_OK | X_OK) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return QString();
}

// Why QSettings could not write the file now. It makes the file's folder when there is
// none, opens an existing file for writing, then writes the new content to a file beside
// it and renames that over the old one; all are tried here without changing the file.
// Empty when they work.
QString whyNotWritable(const QString &fileName)
{
    const QString folder = QFileInfo(fileName).path();
    if (!QFileInfo(folder).isDir())
        return whyFolderCannotBeMade(folder);
    if (QFileInfo::exists(fileName)) {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadWrite))
            return file.errorString();
    }
    QTemporaryFile beside(fileName);
    if (!beside.open())
        return beside.errorString();
    if (beside.write("x", 1) != 1 || !beside.flush())
        return beside.errorString();
    return QString();
}

QString cannotWrite(const QString &fileName, const QString &reason)
{
    const QString text =
        QCoreApplication::translate("CalendarEntryStore", "the settings file %1 cannot be written").arg(QDir::toNativeSeparators(fileName));
    return reason.isEmpty() ? text : text + QStringLiteral(" (%1)").arg(reason);
}

QString describe(QSettings::Status status, const QString &fileName)
{
    switch (status) {
    case QSettings::AccessError:
        return cannotWrite(fileName, whyNotWritable(fileName));
    case QSettings::FormatError:
        return QCoreApplication::translate("CalendarEntryStore", "the settings file %1 is damaged").arg(QDir::toNativeSeparators(fileName));
    case QSettings::NoError:
        break;
    }
    return QString();
}

// The text a stored value means. QSettings puts U+FFFD for bytes that are not UTF-8, and
// reads a hand-written comma as a list: such a value is the text its line means, read
// from the file as written (once, into lenient, for however many values need it).
QString textOf(const QSettings &settings, const QString &key, std::optional<QMap<QString, QString>> &lenient)
{
    const QVariant value = settings.value(key);
    if (value.typeId() == QMetaType::QString && !value.toString().contains(QChar::ReplacementCharacter))
        return value.toString();
    if (!lenient)
        lenient = LenientIniReader::entries(fileBytes(settings.fileName()), ProductInfo::productName);
    return lenient->value(key, value.toString());
}

QString withoutMarks(QString text)
{
    return text.remove(QChar::ByteOrderMark);
}

// QSettings writes a byte-order mark (U+FEFF) in a value as it is, but its reader drops one
// that starts the value or follows a quote or an escape in it. The values it read so are
// the texts their lines mean, found when the file holds a mark after its start; settings
// is in the entries' section.
QMap<QString, QString> valuesMissingMarks(const QSettings &settings)
{
    QMap<QString, QString> found;
    const QByteArray bytes = fileBytes(settings.fileName());
    if (bytes.indexOf("\xef\xbb\xbf", 1) < 0)
        return found;
    const QMap<QString, QString> lines = LenientIniReader::entries(bytes, ProductInfo::productName);
    for (auto line = lines.cbegin(); line != lines.cend(); ++line) {
        const QString read = settings.value(line.key()).toString();
        if (read != line.value() && withoutMarks(read) == withoutMarks(line.value()))
            found.insert(line.key(), line.value());
    }
    return found;
}

} // namespace

QString CalendarEntryStore::read(const QString &key) const
{
    EntryGroup group;
    if (!group.settings.contains(key))
        return QString();
    std::optional<QMap<QString, QString>> lenient;
    return valuesMissingMarks(group.settings).value(key, textOf(group.settings, key, lenient));
}

QMap<QString, QString> CalendarEntryStore::readAll() const
{
    EntryGroup group;
    const QMap<QString, QString> marked = valuesMissingMarks(group.settings);
    std::optional<QMap<QString, QString>> lenient;
    QMap<QString, QString> entries;
    for (const QString &key : group.settings.childKeys())
        entries.insert(key, marked.value(key, textOf(group.settings, key, lenient)));
    return entries;
}

CalendarEntryStore::WriteResult CalendarEntryStore::write(const QString &key, const QString &text)
{
    return writeIn(ProductInfo::productName, key, text);
}

QString CalendarEntryStore::option(const QString &key) const
{
    return EntryGroup(optionsSection).settings.value(key).toString();
}

CalendarEntryStore::WriteResult CalendarEntryStore::setOption(const QString &key, const QString &value)
{
    return setSetting(optionsSection, key, value);
}

QString CalendarEntryStore::picture(const QString &place) const
{
    return EntryGroup(picturesSection).settings.value(place).toString();
}

CalendarEntryStore::WriteResult CalendarEntryStore::setPicture(const QString &place, const QString &fileName)
{
    return setSetting(picturesSection, place, fileName);
}

CalendarEntryStore::WriteResult CalendarEntryStore::setSetting(const QString &section, const QString &key,
                                                               const QString &value)
{
    // Writing rewrites the whole file from what QSettings read of it: entries it could not
    // read would be lost to a mere setting.
    if (!readsCleanly())
        return {false, describe(QSettings::FormatError, fileName())};
    return writeIn(section, key, value);
}

CalendarEntryStore::WriteResult CalendarEntryStore::writeIn(const QString &section, const QString &key,
                                                            const QString &text)
{
    // QSettings writes the whole file again from what it read: the marks its reader dropped
    // are given back first.
    EntryGroup group;
    const QMap<QString, QString> marked = valuesMissingMarks(group.settings);
    for (auto value = marked.cbegin(); value != marked.cend(); ++value)
        group.settings.setValue(value.key(), value.value());
    if (section != ProductInfo::productName) {
        group.settings.endGroup();
        group.settings.beginGroup(section);
    }
    group.settings.setValue(key, text);
    group.settings.sync();
    const QSettings::Status status = group.settings.status();
    return {status == QSettings::NoError, describe(status, group.settings.fileName())};
}

bool CalendarEntryStore::readsCleanly() const
{
    // QSettings reports a damaged section heading only while it reads the file, so this
    // object must be the one that reads it: the file name comes from it, not before it.
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, ProductInfo::settingsApplication);
    settings.allKeys(); // parses every section
    if (settings.status() == QSettings::FormatError)
        return false;
    settings.beginGroup(ProductInfo::productName);
    const LenientIniReader::Section section = LenientIniReader::section(fileBytes(settings.fileName()), ProductInfo::productName);
    // QSettings reads only the last line of a key written twice (the section written twice,
    // say, by hand): the next write would drop the others.
    if (section.headings > 1 || !section.repeatedKeys.isEmpty())
        return false;
    const QMap<QString, QString> &lines = section.entries;
    for (auto line = lines.cbegin(); line != lines.cend(); ++line) {
        if (!settings.contains(line.key()))
            return false;
        // What the next write would put back for the value: a list is written joined by
        // ", ". Other kinds of value (@Rect(…), …) go back as they were.
        // Byte-order marks QSettings dropped are given back at every write.
        const QVariant value = settings.value(line.key());
        if (value.typeId() == QMetaType::QString && withoutMarks(value.toString()) != withoutMarks(line.value()))
            return false;
        if (value.typeId() == QMetaType::QStringList && value.toStringList().join(QStringLiteral(", ")) != line.value())
            return false;
    }
    return true;
}

QString CalendarEntryStore::writeProblem() const
{
    const QString file = fileName();
    const QString reason = whyNotWritable(file);
    return reason.isEmpty() ? QString() : cannotWrite(file, reason);
}

QString CalendarEntryStore::fileName()
{
    return EntryGroup().settings.fileName();
}

CalendarEntryStore::WriteResult CalendarEntryStore::writeFile(const QString &path,
                                                              const QMap<QString, QString> &entries, FileReplacement::Kind whose)
{
    // Written through QSettings, so that the values are encoded exactly as the settings
    // file's own.
    try {
        FileReplacement::replace(path, whose, [&](const QString &newFile) {
            QSettings settings(newFile, QSettings::IniFormat);
            settings.beginGroup(ProductInfo::productName);
            for (auto it = entries.cbegin(); it != entries.cend(); ++it)
                settings.setValue(it.key(), it.value());
            settings.endGroup();
            // The program's options and pictures go along as the settings file holds them.
            for (const QString &section : {optionsSection, picturesSection}) {
                const EntryGroup kept(section);
                for (const QString &key : kept.settings.childKeys())
                    settings.setValue(section + QLatin1Char('/') + key, kept.settings.value(key));
            }
            settings.sync();
            if (settings.status() != QSettings::NoError) {
                const QString reason = whyNotWritable(newFile);
                throw FileReplacement::Failure(path, reason.isEmpty() ? QCoreApplication::translate("CalendarEntryStore", "it could not be written") : reason);
            }
        });
    } catch (const FileReplacement::Failure &failure) {
        return {false, failure.reason()};
    }
    return {true, QString()};
}
