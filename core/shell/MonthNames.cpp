#include "core/shell/MonthNames.h"

#include "core/shell/CalendarMonths.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

// A month standing alone as a caption or heading starts with a capital letter, as
// calendars print it in every language ("Janvier", "Enero").
QString standalone(int month)
{
    const QLocale locale;
    const QString name = locale.standaloneMonthName(month + 1, QLocale::LongFormat);
    return locale.toUpper(name.left(1)) + name.mid(1);
}

} // namespace

bool MonthNames::isEnglish()
{
    const QLocale::Language language = QLocale().language();
    return language == QLocale::English || language == QLocale::C;
}

QString MonthNames::caption(int month)
{
    return isEnglish() ? QString::fromLatin1(CalendarMonths::month(month).caption) : standalone(month);
}

QString MonthNames::documentHeading(int month)
{
    return isEnglish() ? QString() : standalone(month);
}

QString MonthNames::dayName(int month, int index)
{
    if (isEnglish())
        return CalendarMonths::dayName(month, index);
    //: A day in a message: %1 is the month's name, %2 the day of the month ("April 13").
    return QCoreApplication::translate("MonthNames", "%1 %2")
        .arg(QLocale().monthName(month + 1, QLocale::LongFormat), QString::number(index + 1));
}
