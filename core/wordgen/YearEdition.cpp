#include "core/wordgen/YearEdition.h"

#include "core/entry/DayEntries.h"
#include "core/entry/EntryYears.h"
#include "core/entry/Milestones.h"
#include "core/wordgen/CalendarColumns.h"

#include <QCoreApplication>
#include <QDate>

namespace {

constexpr int february = 1;
constexpr int leapDayIndex = 28;

// Appends text to the runs, joined to the last run when the style is the same.
void append(TextRuns &runs, const QString &text, const QString &style = QString())
{
    if (text.isEmpty())
        return;
    if (!runs.isEmpty() && runs.last().characterStyle == style)
        runs.last().text += text;
    else
        runs.append({text, style});
}

void append(TextRuns &runs, const TextRuns &more)
{
    for (const TextRun &run : more)
        append(runs, run.text, run.characterStyle);
}

} // namespace

YearEdition::YearEdition(int year, const QLocale &locale)
    : m_year(year)
    , m_locale(locale)
{
}

QString YearEdition::heading(int month) const
{
    const QString name = m_locale.standaloneMonthName(month + 1, QLocale::LongFormat);
    return QStringLiteral("%1 %2").arg(m_locale.toUpper(name.left(1)) + name.mid(1)).arg(m_year);
}

bool YearEdition::isLeapDayMissing(int month, int index) const
{
    return month == february && index == leapDayIndex && !QDate::isLeapYear(m_year);
}

QString YearEdition::dayCell(int month, int index) const
{
    if (isLeapDayMissing(month, index))
        return QString();
    const QDate date(m_year, month + 1, index + 1);
    return QStringLiteral("%1 %2").arg(index + 1).arg(m_locale.dayName(date.dayOfWeek(), QLocale::ShortFormat));
}

bool YearEdition::isWeekend(int month, int index) const
{
    if (isLeapDayMissing(month, index))
        return false;
    const QDate date(m_year, month + 1, index + 1);
    return !m_locale.weekdays().contains(Qt::DayOfWeek(date.dayOfWeek()));
}

TextRuns YearEdition::printed(const QString &entry) const
{
    TextRuns runs;
    const QStringList parts = EntryYears::parts(CalendarColumns::cellText(entry));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            append(runs, QStringLiteral("; "));
        const QString &part = parts.at(i);
        const std::optional<EntryYears::YearedPart> yeared = EntryYears::yearOf(part);
        const std::optional<int> count = yeared ? EntryYears::countIn(yeared->year, m_year) : std::nullopt;
        if (!count) {
            append(runs, part);
            continue;
        }
        const QString milestone = Milestones::name(EntryYears::occasionOf(yeared->name), *count);
        append(runs, yeared->name + QStringLiteral(" ("));
        if (milestone.isEmpty())
            append(runs, QString::number(*count));
        else
            append(runs, milestone, milestoneStyle);
        append(runs, QStringLiteral(")"));
    }
    return runs;
}

TextRuns YearEdition::entryCell(const DayEntries &entries, int month, int index) const
{
    if (isLeapDayMissing(month, index))
        return {};
    TextRuns runs = printed(entries.entryText(month, index));
    const bool carriesLeapDay = month == february && index == leapDayIndex - 1 && !QDate::isLeapYear(m_year);
    const QString leapDayEntry = carriesLeapDay ? entries.entryText(february, leapDayIndex) : QString();
    if (leapDayEntry.trimmed().isEmpty())
        return runs;
    if (!runs.isEmpty())
        append(runs, QStringLiteral("; "));
    //: February 29's entry, printed on February 28 in a common year: %1 is the entry.
    const QString marked = QCoreApplication::translate("YearEdition", "Feb 29: %1");
    const qsizetype at = marked.indexOf(QStringLiteral("%1"));
    append(runs, marked.left(at));
    append(runs, printed(leapDayEntry));
    append(runs, marked.mid(at + 2));
    return runs;
}
