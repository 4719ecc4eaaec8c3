#include "core/entry/CalendarHistory.h"

#include "core/shell/CalendarMonths.h"
#include "core/entry/DayEntries.h"

#include <QStringList>

namespace {

QStringList allTexts(const DayEntries &entries)
{
    QStringList texts;
    for (int month = 0; month < CalendarMonths::count; ++month)
        for (int index = 0; index < CalendarMonths::month(month).days; ++index)
            texts.append(entries.entryText(month, index));
    return texts;
}

} // namespace

bool CalendarHistory::record(const QString &what, DayEntries &entries, const std::function<void()> &change)
{
    const QStringList before = allTexts(entries);
    change();
    const QStringList after = allTexts(entries);
    Step step{what, {}};
    int day = 0;
    for (int month = 0; month < CalendarMonths::count; ++month) {
        for (int index = 0; index < CalendarMonths::month(month).days; ++index, ++day) {
            if (before.at(day) != after.at(day))
                step.changes.append({month, index, before.at(day), after.at(day)});
        }
    }
    if (step.changes.isEmpty())
        return false;
    m_steps.resize(m_done); // a new step ends what could be done again
    m_steps.append(step);
    m_done = m_steps.size();
    return true;
}

QString CalendarHistory::undo(DayEntries &entries)
{
    if (!canUndo())
        return QString();
    const Step &step = m_steps.at(--m_done);
    for (const DayChange &change : step.changes)
        entries.setEntryText(change.month, change.index, change.before);
    return step.what;
}

QString CalendarHistory::redo(DayEntries &entries)
{
    if (!canRedo())
        return QString();
    const Step &step = m_steps.at(m_done++);
    for (const DayChange &change : step.changes)
        entries.setEntryText(change.month, change.index, change.after);
    return step.what;
}
