#include "core/import/ImportPlan.h"

#include "core/entry/DayEntries.h"
#include "core/import/ImportCancelled.h"
#include "core/shell/CalendarMonths.h"
#include "core/shell/MonthNames.h"
#include "core/shell/PlainText.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QSet>

#include <algorithm>

namespace {

const QString separator = QStringLiteral("; ");

bool isBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar ch) { return ch.isSpace(); });
}

// The text an imported date goes in as, as the person would have typed it: control
// characters left out, line breaks as spaces, no blanks around it. An exported entry goes
// in as it was, without control characters only. The words are translated once for a
// whole import, which may bring a million dates.
class EntryTexts
{
public:
    struct Text {
        QString text;
        bool controlsDropped = false;
    };

    Text of(const ImportedDate &date) const
    {
        Text entry;
        if (date.kind == ImportedDate::Kind::Entry) {
            entry.text = PlainText::withoutControls(date.name, &entry.controlsDropped);
            return entry;
        }
        entry.text = PlainText::asTyped(date.name, &entry.controlsDropped);
        entry.controlsDropped = entry.controlsDropped || date.controlsDropped;
        if (date.kind == ImportedDate::Kind::Birthday)
            entry.text = m_birthday.arg(entry.text);
        else if (date.kind == ImportedDate::Kind::Anniversary)
            entry.text = m_anniversary.arg(entry.text);
        return entry;
    }

private:
    //: An imported birthday as it goes into the calendar: %1 is the name.
    const QString m_birthday = QCoreApplication::translate("ImportPlan", "%1 Birthday");
    //: An imported anniversary as it goes into the calendar: %1 is the name.
    const QString m_anniversary = QCoreApplication::translate("ImportPlan", "%1 Anniversary");
};

} // namespace

ImportPlan ImportPlan::make(const DayEntries &entries, const ImportedDates &imported, const std::stop_token &stop)
{
    ImportPlan plan;
    for (const QString &line : imported.skipped)
        plan.m_skipped.add([&] { return line; });
    plan.m_found = imported.dates.size();
    const EntryTexts texts;
    QHash<int, qsizetype> changeOfDay; // day of the year → its change in the list
    QHash<int, QSet<QString>> textsOfDay; // day of the year → the texts it holds
    for (const ImportedDate &date : imported.dates) {
        ImportCancelled::throwIfRequested(stop);
        const int month = date.month - 1;
        const int index = date.day - 1;
        const EntryTexts::Text entry = texts.of(date);
        if (month < 0 || month >= CalendarMonths::count || index < 0 || index >= CalendarMonths::month(month).days) {
            plan.m_skipped.add([&] {
                return QCoreApplication::translate("ImportPlan", "%1: no such day").arg(PlainText::excerpt(entry.text));
            });
            continue;
        }
        const QString &text = entry.text;
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
        Change &change = plan.m_changes[changeOfDay.value(day)];
        const bool replacesBlanks = isBlank(change.after);
        const qsizetype size = replacesBlanks ? text.size() : change.after.size() + separator.size() + text.size();
        if (date.kind != ImportedDate::Kind::Entry && size > longestDayText) {
            plan.m_leftOut.add([&] { return QStringLiteral("%1: %2").arg(MonthNames::dayName(month, index), PlainText::excerpt(text)); });
            continue;
        }
        held.insert(text);
        if (replacesBlanks)
            change.after = text;
        else
            change.after += separator + text;
        ++plan.m_newTexts;
        plan.m_withoutControls += entry.controlsDropped ? 1 : 0;
    }
    plan.m_changes.removeIf([](const Change &change) { return change.after == change.before; });
    return plan;
}

int ImportPlan::daysWithText() const
{
    return int(std::count_if(m_changes.cbegin(), m_changes.cend(),
                             [](const Change &change) { return !isBlank(change.before); }));
}

// "\n\nSkipped (3):\n…", the lines shown and how many more there are.
QString ImportPlan::listed(const QString &heading, const Listed &lines)
{
    if (lines.count == 0)
        return QString();
    QString text = QStringLiteral("\n\n%1 (%2):\n%3").arg(heading).arg(lines.count).arg(lines.first.join(u'\n'));
    if (lines.count > lines.first.size())
        text += QCoreApplication::translate("ImportPlan", "\n… and %1 more.").arg(lines.count - lines.first.size());
    return text;
}

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
    else if (m_leftOut.count == 0)
        text = QCoreApplication::translate("ImportPlan", "Nothing new to add: every date is in the calendar already.");
    else
        text = QCoreApplication::translate("ImportPlan", "Nothing can be added.");
    if (m_withoutControls > 0)
        text += QCoreApplication::translate("ImportPlan", " Control characters (invisible codes) were left out of %1 of them.")
                    .arg(m_withoutControls);
    text += listed(QCoreApplication::translate("ImportPlan", "Left out, as the day's text would be over %1 characters")
                       .arg(QLocale(QLocale::English).toString(longestDayText)),
                   m_leftOut);
    text += listed(QCoreApplication::translate("ImportPlan", "Skipped"), m_skipped);
    Listed unread;
    for (const QString &line : notRead)
        unread.add([&] { return line; });
    text += listed(QCoreApplication::translate("ImportPlan", "Not read"), unread);
    return text;
}

void ImportPlan::apply(DayEntries &entries) const
{
    for (const Change &change : m_changes)
        entries.setEntryText(change.month, change.index, change.after);
}
