#include "core/import/ImportPlan.h"

#include "core/entry/DayEntries.h"
#include "core/entry/EntryYears.h"
#include "core/import/EntryPieces.h"
#include "core/import/ImportCancelled.h"
#include "core/shell/CalendarMonths.h"
#include "core/shell/MonthNames.h"
#include "core/shell/PlainText.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>

#include <algorithm>

namespace {

bool isBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar ch) { return ch.isSpace(); });
}

// The text an imported date goes in as, as the person would have typed it: control
// characters left out, line breaks as spaces, no blanks around it, and the year the
// occasion began at its end ("Anna Berg Birthday (1985)") where the file gives one that
// the calendar counts and the text has none. An exported entry goes in as it was, without
// control characters only: its text holds its years. The words are translated once for a
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
        if (date.year && *date.year >= EntryYears::earliestYear && !entry.text.isEmpty() && !EntryPieces::hasYear(entry.text))
            entry.text = EntryYears::withYear(entry.text, *date.year);
        return entry;
    }

private:
    //: An imported birthday as it goes into the calendar: %1 is the name.
    const QString m_birthday = QCoreApplication::translate("ImportPlan", "%1 Birthday");
    //: An imported anniversary as it goes into the calendar: %1 is the name.
    const QString m_anniversary = QCoreApplication::translate("ImportPlan", "%1 Anniversary");
};

// What a day holds while an import adds to it. Each part of a new text is added after
// "; ", but for a part the day holds already (typed or added before), and for one that
// the day holds with or without its year: "Mom Birthday (1956)" gives its year to a part
// "Mom Birthday", and adds nothing to a part "Mom Birthday (1956)", nor "Mom Birthday" to
// it. A day of blanks only takes the text in their place.
class DayText
{
public:
    // The day's text with a new text merged in, and what that did.
    struct Merged {
        QString text;
        QStringList parts;
        bool added = false; // a part was added
        int yearsGiven = 0; // parts the day held took their year
    };

    DayText(int month, int index, const QString &now)
        : m_month(month), m_index(index), m_before(now), m_after(now), m_parts(EntryYears::parts(now))
    {
    }

    Merged merged(const QString &text) const
    {
        Merged merged{m_after, m_parts};
        if (isBlank(m_after))
            return {text, EntryYears::parts(text), true, 0};
        for (const QString &part : EntryYears::parts(text)) {
            if (merged.parts.contains(part))
                continue;
            const std::optional<EntryYears::YearedPart> yeared = EntryYears::yearOf(part);
            const qsizetype withoutYear = yeared ? merged.parts.indexOf(yeared->name) : -1;
            if (withoutYear >= 0) {
                merged.parts[withoutYear] = part;
                ++merged.yearsGiven;
            } else if (!holdsWithYear(merged.parts, yeared ? yeared->name : part, yeared ? yeared->year : 0)) {
                merged.parts.append(part);
                merged.added = true;
            }
        }
        merged.text = EntryYears::joined(merged.parts);
        return merged;
    }

    void take(const Merged &merged)
    {
        m_after = merged.text;
        m_parts = merged.parts;
        m_added += merged.added ? 1 : 0;
        m_yearsGiven += merged.yearsGiven;
    }

    // What the day's change is, when the import changes it.
    ImportPlan::Change change() const { return {m_month, m_index, m_before, m_after}; }
    const QString &before() const { return m_before; }
    const QString &after() const { return m_after; }
    int added() const { return m_added; }
    int yearsGiven() const { return m_yearsGiven; }

private:
    // Whether a part named so has a year among the parts: any year, or this one when given.
    static bool holdsWithYear(const QStringList &parts, const QString &name, int year)
    {
        return std::any_of(parts.cbegin(), parts.cend(), [&](const QString &part) {
            const std::optional<EntryYears::YearedPart> yeared = EntryYears::yearOf(part);
            return yeared && yeared->name == name && (year == 0 || yeared->year == year);
        });
    }

    int m_month;
    int m_index;
    QString m_before;
    QString m_after;
    QStringList m_parts;
    int m_added = 0;
    int m_yearsGiven = 0;
};

} // namespace

ImportPlan ImportPlan::make(const DayEntries &entries, const ImportedDates &imported, const std::stop_token &stop)
{
    ImportPlan plan;
    for (const QString &line : imported.skipped)
        plan.m_skipped.add([&] { return line; });
    plan.m_found = imported.dates.size();
    const EntryTexts texts;
    QList<DayText> days;               // the days the import reaches, in the order it reaches them
    QHash<int, qsizetype> indexOfDay; // day of the year → its place in days
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
        const int dayOfYear = CalendarMonths::dayOfYear(month, index);
        if (!indexOfDay.contains(dayOfYear)) {
            indexOfDay.insert(dayOfYear, days.size());
            days.append(DayText(month, index, entries.entryText(month, index)));
        }
        DayText &day = days[indexOfDay.value(dayOfYear)];
        const DayText::Merged merged = day.merged(text);
        if (merged.text == day.after())
            continue;
        if (date.kind != ImportedDate::Kind::Entry && merged.text.size() > longestDayText) {
            plan.m_leftOut.add([&] { return QStringLiteral("%1: %2").arg(MonthNames::dayName(month, index), PlainText::excerpt(text)); });
            continue;
        }
        day.take(merged);
        plan.m_withoutControls += entry.controlsDropped && merged.added ? 1 : 0;
    }
    for (const DayText &day : std::as_const(days)) {
        if (day.after() == day.before())
            continue;
        plan.m_changes.append(day.change());
        plan.m_newTexts += day.added();
        plan.m_yearsGiven += day.yearsGiven();
        plan.m_daysWithNewTexts += day.added() > 0 ? 1 : 0;
        plan.m_daysWithText += day.added() > 0 && !isBlank(day.before()) ? 1 : 0;
    }
    return plan;
}

int ImportPlan::daysWithText() const
{
    return m_daysWithText;
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
    if (m_newTexts > 0)
        text = QCoreApplication::translate("ImportPlan", "%1 new entries on %2 days, %3 of which already hold text (the new text goes after it).")
                   .arg(m_newTexts)
                   .arg(m_daysWithNewTexts)
                   .arg(daysWithText());
    if (m_yearsGiven > 0)
        text += (text.isEmpty() ? QString() : QStringLiteral(" "))
            + QCoreApplication::translate("ImportPlan", "Entries already in the calendar that get their year: %1.").arg(m_yearsGiven);
    if (text.isEmpty() && m_found == 0)
        text = QCoreApplication::translate("ImportPlan", "No dates found.");
    else if (text.isEmpty() && m_leftOut.count == 0)
        text = QCoreApplication::translate("ImportPlan", "Nothing new to add: every date is in the calendar already.");
    else if (text.isEmpty())
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
