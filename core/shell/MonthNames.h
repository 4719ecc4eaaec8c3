#pragma once

#include <QString>

// The names of the months in the language the program speaks (the default locale's
// data). In English the program keeps its own texts, so that the entry panel and the
// document stay exactly as they have always been.
namespace MonthNames {

// True when the program speaks English (or the C locale): the template's headings and
// the panel's captions are used as they are.
bool isEnglish();
// The caption of the month on the entry panel (month 0 is January): " January" in
// English, "Januar" in German.
QString caption(int month);
// The heading of the month's table in the document, or an empty string in English, where
// the template's own heading stays.
QString documentHeading(int month);
// The day in words, for messages: "April 13", "13. April".
QString dayName(int month, int index);

} // namespace MonthNames
