#include "core/import/DateParts.h"

#include <QDate>

std::optional<int> DateParts::number(QStringView digits, qsizetype maxDigits)
{
    if (digits.isEmpty() || digits.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (const QChar ch : digits) {
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        value = value * 10 + (ch.unicode() - u'0');
    }
    return value;
}

bool DateParts::meansNoYear(int year)
{
    return year == 0 || year == 1604;
}

std::optional<int> DateParts::meantYear(std::optional<int> written)
{
    return written && !meansNoYear(*written) ? written : std::nullopt;
}

bool DateParts::isCalendarDay(int month, int day, std::optional<int> year)
{
    // A leap year stands in for a missing one.
    return QDate::isValid(year.value_or(2000), month, day);
}
