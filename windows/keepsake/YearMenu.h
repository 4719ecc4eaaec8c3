#pragma once

#include <QCoreApplication>
#include <QDate>

class QMenu;

// Calendar ▸ Year: "Every year", the perpetual calendar, or a calendar for one of the
// years CalendarOptions offers, as checkable items. The choice is stored the moment it is
// made; the next build prints it.
class YearMenu
{
    Q_DECLARE_TR_FUNCTIONS(YearMenu)

public:
    static void add(QMenu &calendar, const QDate &today);
};
