#include "core/import/DatesExport.h"

#include "core/import/CsvDatesWriter.h"
#include "core/import/ExportedDays.h"
#include "core/import/ICalendarWriter.h"
#include "core/shell/CalendarEntryStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString &text)
{
    throw std::runtime_error(text.toStdString());
}

[[noreturn]] void cannotWrite(const QString &target, const QString &reason)
{
    fail(QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(target), reason));
}

QString suffixOf(const QString &path)
{
    return QFileInfo(path).suffix().toLower();
}

// The calendar is the settings file it lives in: the same file gives the same events, and
// another person's calendar other ones. Its age is the file's, so that an export of the
// same entries is the same file.
ExportedDays calendarOf(const DayEntries &entries)
{
    const QFileInfo settings(CalendarEntryStore::fileName());
    const QByteArray hash =
        QCryptographicHash::hash(settings.absoluteFilePath().toUtf8(), QCryptographicHash::Sha256).toHex();
    const QDateTime modified = settings.lastModified().toUTC();
    return {ExportedDays::of(entries), QString::fromLatin1(hash.left(16)),
            modified.isValid() ? modified : QDateTime::currentDateTimeUtc()};
}

void writeFile(const QByteArray &content, const QString &target)
{
    const QFileInfo info(target);
    if (info.isDir())
        cannotWrite(target, QStringLiteral("a folder of that name is in the way"));
    if (!QFileInfo(info.absolutePath()).isDir())
        cannotWrite(target, QStringLiteral("the folder %1 does not exist").arg(QDir::toNativeSeparators(info.absolutePath())));
    // Written beside the target and renamed over it when complete.
    QSaveFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        cannotWrite(target, file.errorString());
}

} // namespace

bool DatesExport::isKnown(const QString &path)
{
    const QString suffix = suffixOf(path);
    return suffix == QLatin1String("ics") || suffix == QLatin1String("csv");
}

int DatesExport::write(const DayEntries &entries, const QString &target)
{
    if (!isKnown(target))
        fail(QStringLiteral("%1 does not end in a known suffix: use .ics for calendar programs or .csv for spreadsheets.")
                 .arg(QDir::toNativeSeparators(target)));
    const ExportedDays calendar = calendarOf(entries);
    if (calendar.days.isEmpty())
        fail(QStringLiteral("The calendar holds no entries, so there are no dates to export."));
    writeFile(suffixOf(target) == QLatin1String("ics") ? ICalendarWriter::write(calendar)
                                                       : CsvDatesWriter::write(calendar.days),
              target);
    return int(calendar.days.size());
}
