#include "windows/keepsake/YearMenu.h"

#include "core/entry/CalendarOptions.h"
#include "core/shell/UserMessages.h"
#include "core/wordgen/CalendarDesigns.h"
#include "windows/widgets/MenuItem.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <optional>

void YearMenu::add(QMenu &calendar, const QDate &today)
{
    QMenu *menu = calendar.addMenu(tr("&Year"));
    menu->setAccessibleName(tr("Year"));
    auto *years = new QActionGroup(menu);
    years->setExclusive(true);
    CalendarEntryStore store;
    const std::optional<int> chosen = CalendarOptions(store, CalendarDesigns::names()).year();

    QList<std::optional<int>> choices{std::nullopt};
    for (const int year : CalendarOptions::offeredYears(today))
        choices.append(year);
    // A year chosen earlier that is no longer offered stays in the menu while it is chosen.
    if (chosen && !choices.contains(chosen))
        choices.append(chosen);

    for (const std::optional<int> &year : choices) {
        const QString name = year ? QStringLiteral("year-%1").arg(*year) : QStringLiteral("year-every");
        const QString text = year ? QStringLiteral("&%1").arg(*year) : tr("&Every year");
        QAction *choice = MenuItem::add(*menu, name, text, [year] {
            CalendarEntryStore store;
            const CalendarEntryStore::WriteResult stored = CalendarOptions(store, CalendarDesigns::names()).setYear(year);
            if (!stored.saved)
                UserMessages::information(tr("The year could not be stored: %1").arg(stored.problem));
        });
        choice->setCheckable(true);
        choice->setChecked(year == chosen);
        years->addAction(choice);
        if (!year)
            menu->addSeparator();
    }
}
