#include "core/import/DateFileReader.h"

#include "core/import/CsvDatesReader.h"
#include "core/import/ICalendarReader.h"
#include "core/import/VCardReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <initializer_list>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// No contacts or calendar file a person exports comes near this; a larger one is not one.
constexpr qint64 largestFile = 50 * 1024 * 1024;

[[noreturn]] void fail(const QString &path, const QString &cause)
{
    throw std::runtime_error(QCoreApplication::translate("DateFileReader", "Cannot import %1: %2").arg(QDir::toNativeSeparators(path), cause).toStdString());
}

QString suffixOf(const QString &path)
{
    return QFileInfo(path).suffix().toLower();
}

bool isOneOf(const QString &suffix, std::initializer_list<const char *> suffixes)
{
    return std::any_of(suffixes.begin(), suffixes.end(), [&](const char *known) { return suffix == QLatin1String(known); });
}

// What a path names when it is not a plain file, in words; empty for a plain file.
QString notAFile(mode_t mode)
{
    if (S_ISREG(mode))
        return QString();
    if (S_ISDIR(mode))
        return QCoreApplication::translate("DateFileReader", "it is a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("DateFileReader", "it is a pipe, not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("DateFileReader", "it is a device, not a file");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("DateFileReader", "it is a socket, not a file");
    return QCoreApplication::translate("DateFileReader", "it is not a file");
}

// The bytes of a plain file, at most the limit whatever size the file claims. Opened
// without waiting, so that a pipe with no writer cannot hold the reading up, and refused
// after the opening when it is no plain file (the name could have been changed between
// a look and the opening).
QByteArray fileBytes(const QString &path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        fail(path, QString::fromLocal8Bit(std::strerror(errno)));
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        fail(path, file.errorString());
    }
    struct stat info {};
    if (::fstat(descriptor, &info) != 0)
        fail(path, QString::fromLocal8Bit(std::strerror(errno)));
    if (const QString what = notAFile(info.st_mode); !what.isEmpty())
        fail(path, what);
    const QByteArray content = file.read(largestFile + 1);
    if (content.size() > largestFile)
        fail(path, QCoreApplication::translate("DateFileReader", "at over %1 MB it is too large to be a contacts or calendar file")
                       .arg(largestFile / (1024 * 1024)));
    if (file.error() != QFileDevice::NoError)
        fail(path, file.errorString());
    return content;
}

} // namespace

bool DateFileReader::isKnown(const QString &path)
{
    return isOneOf(suffixOf(path), {"vcf", "vcard", "csv", "tsv", "txt", "ics", "ical"});
}

QString DateFileReader::knownKinds()
{
    return QCoreApplication::translate("DateFileReader", "contact cards (.vcf), spreadsheet rows (.csv, .tsv, .txt) or calendar events (.ics)");
}

ImportedDates DateFileReader::read(const QString &path, SlashOrder order, bool *ambiguous, const std::stop_token &stop)
{
    if (!isKnown(path))
        fail(path, QCoreApplication::translate("DateFileReader", "it is none of %1").arg(knownKinds()));
    const QByteArray content = fileBytes(path);
    if (ambiguous)
        *ambiguous = false;
    const QString suffix = suffixOf(path);
    if (isOneOf(suffix, {"ics", "ical"}))
        return ICalendarReader::read(content, stop);
    if (isOneOf(suffix, {"vcf", "vcard"}))
        return VCardReader::read(content, stop);
    // Spreadsheets save tables as .csv, and as .txt or .tsv when the cells are separated
    // by tabs ("Unicode text").
    return CsvDatesReader::read(content, order, ambiguous, stop);
}
