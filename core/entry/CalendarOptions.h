#pragma once

#include "core/shell/CalendarEntryStore.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// How the person wants the calendar made, kept in the settings file's options: its design
// ("Design", the first design by default), the year of a calendar for one year ("Year",
// empty for the perpetual calendar) and the cover's title ("CoverTitle", empty for the
// default title in the program's language). A stored value the program cannot use counts
// as none: an unknown design is the default one, a year outside 1800 … 9999 every year.
class CalendarOptions
{
public:
    static constexpr int earliestYear = 1800;
    static constexpr int latestYear = 9999;

    // designs: the names of the designs the program carries, the default first.
    CalendarOptions(CalendarEntryStore &store, QStringList designs);

    QString design() const;
    CalendarEntryStore::WriteResult setDesign(const QString &name);

    // The year of a calendar for one year; nothing for the perpetual calendar.
    std::optional<int> year() const;
    // Nothing: every year.
    CalendarEntryStore::WriteResult setYear(std::optional<int> year);

    // The title as the cover prints it: the person's, or the default one.
    QString coverTitle() const;
    // The person's own title; empty when they have none.
    QString ownCoverTitle() const;
    // An empty title (or one of blanks only) means the default one.
    CalendarEntryStore::WriteResult setCoverTitle(const QString &title);
    // "Our family's birthdays", in the program's language.
    static QString defaultCoverTitle();

    // The years offered for a calendar for one year: this year and the next three, next
    // year first once October is over, when the calendar wanted is next year's.
    static QList<int> offeredYears(const QDate &today);

private:
    CalendarEntryStore &m_store;
    QStringList m_designs;
};
