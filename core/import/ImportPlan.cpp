#include "core/import/ImportPlan.h"

#include "core/shell/CalendarMonths.h"
#include "core/entry/DayEntries.h"
#include "core/shell/PlainText.h"

#include <QHash>
#include <QSet>

namespace {

const QString separator = QStringLiteral("; ");

} // namespace

QString ImportPlan::entryText(const ImportedDate &date)
{
    const QString name = PlainText::asTyped(date.name);
    switch (date.kind) {
    case ImportedDate::Kind::Birthday:
        return name + QStringLiteral(" Birthday");
    case ImportedDate::Kind::Anniversary:
        return name + QStringLiteral(" Anniversary");
    case ImportedDate::Kind::Event:
        break;
    }
    return name;
}

ImportPlan ImportPlan::make(const DayEntries &entries, const ImportedDates &imported)
{
    ImportPlan plan;
    plan.m_skipped = imported.skipped;
    QHash<int, qsizetype> changeOfDay; // day of the year → its change in the list
    QHash<int, QSet<QString>> textsOfDay; // day of the year → the texts it holds
    for (const ImportedDate &date : imported.dates) {
        const int month = date.month - 1;
        const int index = date.day - 1;
        if (month < 0 || month >= CalendarMonths::count || index < 0 || index >= CalendarMonths::month(month).days) {
            plan.m_skipped.append(QStringLiteral("%1: no such day").arg(entryText(date)));
            continue;
        }
        const QString text = entryText(date);
        if (text.isEmpty())
            continue;
        const int day = CalendarMonths::dayOfYear(month, index);
        if (!changeOfDay.contains(day)) {
            const QString now = entries.entryText(month, index);
            changeOfDay.insert(day, plan.m_changes.size());
            plan.m_changes.append({month, index, now, now});
            const QStringList held = now.split(separator);
            textsOfDay.insert(day, QSet<QString>(held.cbegin(), held.cend()));
        }
        QSet<QString> &held = textsOfDay[day];
        if (held.contains(text))
            continue;
        held.insert(text);
        Change &change = plan.m_changes[changeOfDay.value(day)];
        change.after = change.after.trimmed().isEmpty() ? text : change.after + separator + text;
        ++plan.m_newTexts;
    }
    plan.m_changes.removeIf([](const Change &change) { return change.after == change.before; });
    return plan;
}

int ImportPlan::daysWithText() const
{
    return int(std::count_if(m_changes.cbegin(), m_changes.cend(),
                             [](const Change &change) { return !change.before.trimmed().isEmpty(); }));
}

QString ImportPlan::summary() const
{
    QString text = m_changes.isEmpty()
        ? QStringLiteral("Nothing new to add: every date is in the calendar already.")
        : QStringLiteral("%1 new entries on %2 days, %3 of which already hold text (the new text goes after it).")
              .arg(m_newTexts)
              .arg(m_changes.size())
              .arg(daysWithText());
    if (!m_skipped.isEmpty())
        text += QStringLiteral("\n\nSkipped (%1):\n%2").arg(m_skipped.size()).arg(m_skipped.mid(0, 20).join(QLatin1Char('\n')));
    if (m_skipped.size() > 20)
        text += QStringLiteral("\n… and %1 more.").arg(m_skipped.size() - 20);
    return text;
}

void ImportPlan::apply(DayEntries &entries) const
{
    for (const Change &change : m_changes)
        entries.setEntryText(change.month, change.index, change.after);
}
