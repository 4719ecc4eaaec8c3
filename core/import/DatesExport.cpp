#include "core/import/DatesExport.h"

#include "core/import/CsvDatesWriter.h"
#include "core/import/ExportedDays.h"
#include "core/import/ICalendarWriter.h"
#include "core/shell/CalendarEntryStore.h"
#include "core/shell/FileReplacement.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString &text)
{
    throw std::runtime_error(text.toStdString());
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

} // namespace

bool DatesExport::isKnown(const QString &path)
{
    const QString suffix = suffixOf(path);
    return suffix == QLatin1String("ics") || suffix == QLatin1String("csv");
}

QString DatesExport::refusal(const DayEntries &entries, const QString &target)
{
    if (!isKnown(target))
        return QCoreApplication::translate("DatesExport", "%1 does not end in a known suffix: use .ics for calendar programs or .csv for spreadsheets.")
            .arg(QDir::toNativeSeparators(target));
    if (ExportedDays::of(entries).isEmpty())
        return QCoreApplication::translate("DatesExport", "The calendar holds no entries, so there are no dates to export.");
    if (const FileReplacement::Target file = FileReplacement::resolve(target); !file.refusal.isEmpty())
        return FileReplacement::refusalMessage(file);
    return QString();
}

int DatesExport::write(const DayEntries &entries, const QString &target)
{
    if (const QString refused = refusal(entries, target); !refused.isEmpty())
        fail(refused);
    const ExportedDays calendar = calendarOf(entries);
    FileReplacement::replace(target, FileReplacement::Kind::Persons,
                             suffixOf(target) == QLatin1String("ics") ? ICalendarWriter::write(calendar)
                                                                      : CsvDatesWriter::write(calendar.days));
    return int(calendar.days.size());
}
