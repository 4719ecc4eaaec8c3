#include "core/import/ImportPlan.h"
#include "core/shell/MonthNames.h"

#include "core/shell/CalendarMonths.h"
#include "core/entry/DayEntries.h"
#include "core/shell/PlainText.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QSet>

namespace {

const QString separator = QStringLiteral("; ");

} // namespace

QString ImportPlan::entryText(const ImportedDate &date)
{
    if (date.kind == ImportedDate::Kind::Entry)
        return date.name;
    const QString name = PlainText::asTyped(date.name);
    switch (date.kind) {
    case ImportedDate::Kind::Birthday:
        //: An imported birthday as it goes into the calendar: %1 is the name.
        return QCoreApplication::translate("ImportPlan", "%1 Birthday").arg(name);
    case ImportedDate::Kind::Anniversary:
        //: An imported anniversary as it goes into the calendar: %1 is the name.
        return QCoreApplication::translate("ImportPlan", "%1 Anniversary").arg(name);
    case ImportedDate::Kind::Event:
    case ImportedDate::Kind::Entry:
        break;
    }
    return name;
}

ImportPlan ImportPlan::make(const DayEntries &entries, const ImportedDates &imported)
{
    ImportPlan plan;
    plan.m_skipped = imported.skipped;
    plan.m_found = imported.dates.size();
    QHash<int, qsizetype> changeOfDay; // day of the year → its change in the list
    QHash<int, QSet<QString>> textsOfDay; // day of the year → the texts it holds
    for (const ImportedDate &date : imported.dates) {
        const int month = date.month - 1;
        const int index = date.day - 1;
        if (month < 0 || month >= CalendarMonths::count || index < 0 || index >= CalendarMonths::month(month).days) {
            plan.m_skipped.append(QCoreApplication::translate("ImportPlan", "%1: no such day").arg(entryText(date)));
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
            // The day's whole text too: an exported entry that holds "; " itself.
            QStringList held = now.split(separator);
            held.append(now);
            textsOfDay.insert(day, QSet<QString>(held.cbegin(), held.cend()));
        }
        QSet<QString> &held = textsOfDay[day];
        if (held.contains(text))
            continue;
        held.insert(text);
        Change &change = plan.m_changes[changeOfDay.value(day)];
        const QString after = change.after.trimmed().isEmpty() ? text : change.after + separator + text;
        if (after.size() > longestDayText) {
            plan.m_leftOut.append(QStringLiteral("%1: %2").arg(MonthNames::dayName(month, index), text));
            continue;
        }
        change.after = after;
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

namespace {

// "\n\nSkipped (3):\n…", the first 20 lines and how many more there are.
QString listed(const QString &heading, const QStringList &lines)
{
    if (lines.isEmpty())
        return QString();
    constexpr qsizetype shown = 20;
    QString text = QStringLiteral("\n\n%1 (%2):\n%3").arg(heading).arg(lines.size()).arg(lines.mid(0, shown).join(u'\n'));
    if (lines.size() > shown)
        text += QCoreApplication::translate("ImportPlan", "\n… and %1 more.").arg(lines.size() - shown);
    return text;
}

} // namespace

QString ImportPlan::summary(const QStringList &notRead) const
{
    QString text;
    if (!m_changes.isEmpty())
        text = QCoreApplication::translate("ImportPlan", "%1 new entries on %2 days, %3 of which already hold text (the new text goes after it).")
                   .arg(m_newTexts)
                   .arg(m_changes.size())
                   .arg(daysWithText());
    else if (m_found == 0)
        text = QCoreApplication::translate("ImportPlan", "No dates found.");
    else if (m_leftOut.isEmpty())
        text = QCoreApplication::translate("ImportPlan", "Nothing new to add: every date is in the calendar already.");
    else
        text = QCoreApplication::translate("ImportPlan", "Nothing can be added.");
    text += listed(QCoreApplication::translate("ImportPlan", "Left out, as the day's text would be over %1 characters")
                       .arg(QLocale(QLocale::English).toString(longestDayText)),
                   m_leftOut);
    text += listed(QCoreApplication::translate("ImportPlan", "Skipped"), m_skipped);
    text += listed(QCoreApplication::translate("ImportPlan", "Not read"), notRead);
    return text;
}

void ImportPlan::apply(DayEntries &entries) const
{
    for (const Change &change : m_changes)
        entries.setEntryText(change.month, change.index, change.after);
}
