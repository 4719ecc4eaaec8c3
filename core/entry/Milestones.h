#pragma once

#include "core/entry/EntryYears.h"

#include <QString>

// The counts worth celebrating, named in the program's language: round birthdays (18, 30,
// 40, 50, 60, 70, 75, 80, 90, 100 and every year after 100) and wedding anniversaries (1,
// 5, 10, 20, 25 silver, 30 pearl, 40 ruby, 50 golden, 60 diamond, 65, 70).
namespace Milestones {

bool isMilestone(EntryYears::Occasion occasion, int count);
// "70th birthday", "10th anniversary", "25 · silver wedding"; empty for a count that is no
// milestone.
QString name(EntryYears::Occasion occasion, int count);
// "1st", "22nd", "70th" in English; "70." in German, "70e" in French …
QString ordinal(int count);

} // namespace Milestones
