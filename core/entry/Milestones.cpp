#include "core/entry/Milestones.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

struct NamedAnniversary {
    int count;
    const char *name;
};
constexpr std::array<NamedAnniversary, 5> namedAnniversaries{{
    {25, QT_TRANSLATE_NOOP("Milestones", "silver wedding")},
    {30, QT_TRANSLATE_NOOP("Milestones", "pearl wedding")},
    {40, QT_TRANSLATE_NOOP("Milestones", "ruby wedding")},
    {50, QT_TRANSLATE_NOOP("Milestones", "golden wedding")},
    {60, QT_TRANSLATE_NOOP("Milestones", "diamond wedding")},
}};
constexpr std::array<int, 10> roundBirthdays{18, 30, 40, 50, 60, 70, 75, 80, 90, 100};
constexpr std::array<int, 11> anniversaries{1, 5, 10, 20, 25, 30, 40, 50, 60, 65, 70};

template<typename Counts>
bool holds(const Counts &counts, int count)
{
    return std::find(counts.begin(), counts.end(), count) != counts.end();
}


} // namespace

bool Milestones::isMilestone(EntryYears::Occasion occasion, int count)
{
    if (occasion == EntryYears::Occasion::Anniversary)
        return holds(anniversaries, count);
    return count > 100 || holds(roundBirthdays, count);
}

QString Milestones::ordinal(int count)
{
    if (count == 1)
        //: The ordinal of one ("1st"), as in "1st anniversary".
        return QCoreApplication::translate("Milestones", "1st");
    const int lastTwo = count % 100;
    const int last = count % 10;
    if (last == 1 && lastTwo != 11)
        //: Ordinals: %1 is a count that ends in 1 but not 11 ("21st", "101st").
        return QCoreApplication::translate("Milestones", "%1st").arg(count);
    if (last == 2 && lastTwo != 12)
        //: Ordinals: %1 is a count that ends in 2 but not 12 ("22nd").
        return QCoreApplication::translate("Milestones", "%1nd").arg(count);
    if (last == 3 && lastTwo != 13)
        //: Ordinals: %1 is a count that ends in 3 but not 13 ("23rd").
        return QCoreApplication::translate("Milestones", "%1rd").arg(count);
    //: Ordinals: %1 is any other count ("70th", "11th").
    return QCoreApplication::translate("Milestones", "%1th").arg(count);
}

QString Milestones::name(EntryYears::Occasion occasion, int count)
{
    if (!isMilestone(occasion, count))
        return QString();
    if (occasion == EntryYears::Occasion::Birthday)
        //: A round birthday: %1 is its ordinal ("70th birthday").
        return QCoreApplication::translate("Milestones", "%1 birthday").arg(ordinal(count));
    for (const NamedAnniversary &named : namedAnniversaries)
        if (named.count == count)
            return QStringLiteral("%1 · %2").arg(count).arg(QCoreApplication::translate("Milestones", named.name));
    //: A wedding anniversary worth celebrating: %1 is its ordinal ("10th anniversary").
    return QCoreApplication::translate("Milestones", "%1 anniversary").arg(ordinal(count));
}
