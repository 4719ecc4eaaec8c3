#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The one table of the year that the entry panel, the settings keys, start-up, clear
// and the document builder all walk. February always has 29 days: the calendar is not
// tied to a year.
struct CalendarMonth {
    const char *arrayName;    // name of the month's box array and settings-key prefix ("txtJan")
    int days;                 // boxes in the array; the index of a box is day - 1
    const char *caption;      // caption of the month on the entry panel
    const char *captionLabel; // object name of that caption label
};

namespace CalendarMonths {

inline constexpr int count = 12;
inline constexpr int totalDays = 366;

inline constexpr std::array<CalendarMonth, count> table{{
    {"txtJan", 31, " January", "Label1"},
    {"txtFeb", 29, "February", "Label3"},
    {"txtMar", 31, "March", "Label4"},
    {"txtApr", 30, "April", "Label5"},
    {"txtMay", 31, "May", "Label8"},
    {"txtJune", 30, "June", "Label7"},
    {"txtJuly", 31, "July", "Label6"},
    {"txtAug", 31, "August", "Label9"},
    {"txtSep", 30, "September", "Label12"},
    {"txtOct", 31, "October", "Label11"},
    {"txtNov", 30, "November", "Label10"},
    {"txtDec", 31, "December", "Label13"},
}};

// month is 0 (January) … 11 (December); index is the day of the month less one.
inline const CalendarMonth &month(int month) { return table.at(static_cast<size_t>(month)); }

// "txtJan0" … "txtDec30": the box's array name and its index in decimal.
inline QString entryName(int month, int index)
{
    return QString::fromLatin1(CalendarMonths::month(month).arrayName) + QString::number(index);
}

// The keys of all 366 days in calendar order, "txtJan0" … "txtDec30".
inline QStringList entryNames()
{
    QStringList names;
    for (int m = 0; m < count; ++m) {
        for (int index = 0; index < month(m).days; ++index)
            names.append(entryName(m, index));
    }
    return names;
}

// Position of a day in calendar order, 0 (January 1) … 365 (December 31).
inline int dayOfYear(int month, int index)
{
    int position = index;
    for (int m = 0; m < month; ++m)
        position += table.at(static_cast<size_t>(m)).days;
    return position;
}

// The day in words, for messages: "April 13".
inline QString dayName(int month, int index)
{
    return QString::fromLatin1(CalendarMonths::month(month).caption).trimmed() + QLatin1Char(' ')
        + QString::number(index + 1);
}

} // namespace CalendarMonths
