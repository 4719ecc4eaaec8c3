#include "core/entry/CalendarOptions.h"

#include <QCoreApplication>

namespace {

const QString designKey = QStringLiteral("Design");
const QString yearKey = QStringLiteral("Year");
const QString coverTitleKey = QStringLiteral("CoverTitle");

} // namespace

CalendarOptions::CalendarOptions(CalendarEntryStore &store, QStringList designs)
    : m_store(store)
    , m_designs(std::move(designs))
{
}

QString CalendarOptions::design() const
{
    const QString stored = m_store.option(designKey);
    if (m_designs.contains(stored))
        return stored;
    return m_designs.value(0);
}

CalendarEntryStore::WriteResult CalendarOptions::setDesign(const QString &name)
{
    return m_store.setOption(designKey, name);
}

std::optional<int> CalendarOptions::year() const
{
    bool number = false;
    const int stored = m_store.option(yearKey).trimmed().toInt(&number);
    if (!number || stored < earliestYear || stored > latestYear)
        return std::nullopt;
    return stored;
}

CalendarEntryStore::WriteResult CalendarOptions::setYear(std::optional<int> year)
{
    return m_store.setOption(yearKey, year ? QString::number(*year) : QString());
}

QString CalendarOptions::coverTitle() const
{
    const QString own = ownCoverTitle();
    return own.isEmpty() ? defaultCoverTitle() : own;
}

QString CalendarOptions::ownCoverTitle() const
{
    return m_store.option(coverTitleKey).trimmed();
}

CalendarEntryStore::WriteResult CalendarOptions::setCoverTitle(const QString &title)
{
    return m_store.setOption(coverTitleKey, title.trimmed());
}

QString CalendarOptions::defaultCoverTitle()
{
    //: The title printed on a calendar's cover unless the person writes their own.
    return QCoreApplication::translate("CalendarOptions", "Our family's birthdays");
}

QList<int> CalendarOptions::offeredYears(const QDate &today)
{
    const int year = today.year();
    if (today.month() > 10)
        return {year + 1, year, year + 2, year + 3};
    return {year, year + 1, year + 2, year + 3};
}
