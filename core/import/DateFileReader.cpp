#include "core/import/DateFileReader.h"

#include "core/import/CsvDatesReader.h"
#include "core/import/ICalendarReader.h"
#include "core/import/VCardReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace {

// No contacts or calendar file a person exports comes near this; a larger one is not one.
constexpr qint64 largestFile = 50 * 1024 * 1024;

[[noreturn]] void fail(const QString &path, const QString &cause)
{
    throw std::runtime_error(QStringLiteral("Cannot import %1: %2").arg(QDir::toNativeSeparators(path), cause).toStdString());
}

QString suffixOf(const QString &path)
{
    return QFileInfo(path).suffix().toLower();
}

} // namespace

bool DateFileReader::isKnown(const QString &path)
{
    const QString suffix = suffixOf(path);
    return suffix == QLatin1String("vcf") || suffix == QLatin1String("vcard") || suffix == QLatin1String("csv")
        || suffix == QLatin1String("ics") || suffix == QLatin1String("ical");
}

QString DateFileReader::knownKinds()
{
    return QStringLiteral("contact cards (.vcf), spreadsheet rows (.csv) or calendar events (.ics)");
}

ImportedDates DateFileReader::read(const QString &path, SlashOrder order, bool *ambiguous)
{
    if (!isKnown(path))
        fail(path, QStringLiteral("it is none of %1").arg(knownKinds()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, file.errorString());
    if (file.size() > largestFile)
        fail(path, QStringLiteral("at %1 MB it is too large to be a contacts or calendar file").arg(file.size() / (1024 * 1024)));
    const QByteArray content = file.readAll();
    if (ambiguous)
        *ambiguous = false;
    const QString suffix = suffixOf(path);
    if (suffix == QLatin1String("csv")) {
        const auto slashOrder = order == SlashOrder::MonthFirst ? CsvDatesReader::SlashOrder::MonthFirst
            : order == SlashOrder::DayFirst                     ? CsvDatesReader::SlashOrder::DayFirst
                                                                : CsvDatesReader::SlashOrder::Ask;
        return CsvDatesReader::read(content, slashOrder, ambiguous);
    }
    if (suffix == QLatin1String("ics") || suffix == QLatin1String("ical"))
        return ICalendarReader::read(content);
    return VCardReader::read(content);
}
