#include "core/import/LocaleSlashOrder.h"

#include <QLocale>

SlashOrder LocaleSlashOrder::of(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return SlashOrder::MonthFirst;
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype day = format.indexOf(QLatin1Char('d'));
    const qsizetype month = format.indexOf(QLatin1Char('M'));
    return day >= 0 && month >= 0 && day < month ? SlashOrder::DayFirst : SlashOrder::MonthFirst;
}
