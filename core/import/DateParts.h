#pragma once

#include <QStringView>

#include <optional>

// The pieces of a written date the readers share.
namespace DateParts {

// The number written by 1 to maxDigits ASCII digits; nothing for anything else.
std::optional<int> number(QStringView digits, qsizetype maxDigits = 8);

// Contacts programs write the year 0 (or 0000) or Apple's 1604 for a date whose year
// they do not know.
bool meansNoYear(int year);

// The year as the date means it: none where the file's year stands for "no year".
std::optional<int> meantYear(std::optional<int> written);

// Whether month and day name a day of the calendar in that year; without a year,
// February 29 is a day like any other.
bool isCalendarDay(int month, int day, std::optional<int> year);

} // namespace DateParts
