#include "core/entry/EntryYears.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

const QString separator = QStringLiteral("; ");

// Words that make a part an anniversary, each matched at the start of a word. German
// compounds ("Silberhochzeit", "Hochzeitsjahrestag") are matched anywhere.
const QRegularExpression anniversaryWords(
    QStringLiteral("\\b(anniversar|wedding|mariage|noces|aniversario|bodas?\\b|anniversario|matrimonio|nozze|"
                   "trouwdag|huwelijk|bruiloft|jubileum)|hochzeit|jahrestag"),
    QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
// Words that make it a birthday whatever else it says ("Anna Boda Birthday").
const QRegularExpression birthdayWords(QStringLiteral("birthday|geburtstag|cumplea|compleanno|verjaardag"),
                                       QRegularExpression::CaseInsensitiveOption);
// "Mom Birthday (1956)", blanks allowed around the parenthesis.
const QRegularExpression endingYear(QStringLiteral("^(.*?)\\s*\\((\\d{4})\\)\\s*$"),
                                    QRegularExpression::DotMatchesEverythingOption);

} // namespace

QStringList EntryYears::parts(const QString &entry)
{
    return entry.split(separator);
}

QString EntryYears::joined(const QStringList &parts)
{
    return parts.join(separator);
}

std::optional<EntryYears::YearedPart> EntryYears::yearOf(const QString &part)
{
    const QRegularExpressionMatch match = endingYear.match(part);
    if (!match.hasMatch())
        return std::nullopt;
    const int year = match.captured(2).toInt();
    if (year < earliestYear)
        return std::nullopt;
    return YearedPart{match.captured(1), year};
}

QString EntryYears::withYear(const QString &name, int year)
{
    return QStringLiteral("%1 (%2)").arg(name).arg(year);
}

EntryYears::Occasion EntryYears::occasionOf(const QString &part)
{
    if (part.contains(anniversaryWords) && !part.contains(birthdayWords))
        return Occasion::Anniversary;
    return Occasion::Birthday;
}

std::optional<int> EntryYears::countIn(int began, int year)
{
    if (began >= year)
        return std::nullopt;
    return year - began;
}

QString EntryYears::describedIn(const QString &entry, int year)
{
    QStringList named;
    QString counted;
    for (const QString &part : parts(entry)) {
        const std::optional<YearedPart> yeared = yearOf(part);
        const std::optional<int> count = yeared ? countIn(yeared->year, year) : std::nullopt;
        if (!count)
            continue;
        //: What a calendar for one year makes of a year in an entry: %1 is the count of
        //: years, %2 the calendar's year ("71 in 2027").
        counted = QCoreApplication::translate("EntryYears", "%1 in %2").arg(*count).arg(year);
        named.append(QStringLiteral("%1: %2").arg(yeared->name, counted));
    }
    return named.size() == 1 ? counted : named.join(u'\n');
}
