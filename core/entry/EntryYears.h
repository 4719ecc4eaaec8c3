#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The years written in the entries. An entry is made of parts separated by "; " ("Mom
// Birthday (1956); Ann & Tom Anniversary (2002)"); a year in parentheses at the end of a
// part is the year the part's occasion began. The perpetual calendar prints every part as
// typed; a calendar for one year counts the years ("Mom Birthday (71)").
namespace EntryYears {

// The earliest year taken as the year an occasion began; earlier ones are text.
inline constexpr int earliestYear = 1800;

// The entry's parts, in order ("; " between them; an entry without it is one part).
QStringList parts(const QString &entry);
QString joined(const QStringList &parts);

struct YearedPart {
    QString name; // the part without its year: "Mom Birthday"
    int year = 0; // 1956
};
// The part's name and year, when it ends in a year in parentheses: "Mom Birthday (1956)",
// also written without the blank before the parenthesis. Nothing for any other part, and
// for a year before earliestYear.
std::optional<YearedPart> yearOf(const QString &part);
// "Mom Birthday (1956)".
QString withYear(const QString &name, int year);

enum class Occasion { Birthday, Anniversary };
// An anniversary when the part says so in any language the program speaks ("Anniversary",
// "Hochzeitstag", "anniversaire de mariage", "boda", "trouwdag" …); a birthday otherwise.
// The French "anniversaire" alone is a birthday, as French speakers use it.
Occasion occasionOf(const QString &part);

// The years an occasion that began in `began` counts in `year`; nothing when it does not
// count there: it begins only that year, or later.
std::optional<int> countIn(int began, int year);

// What the year makes of the entry's counted parts, for a tooltip: "71 in 2027", or one
// line a counted part when there are several ("Mom Birthday: 71 in 2027"). Empty when no
// part counts in that year.
QString describedIn(const QString &entry, int year);

} // namespace EntryYears
