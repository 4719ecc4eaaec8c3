#pragma once

#include <QtGlobal>

#include <array>

// The example entries that "Load Sample/Example Amounts" writes, in the order written,
// each in the program's language.
struct SampleEntry {
    int month; // 0 (January) … 11
    int index; // day of the month - 1
    const char *text;
};

namespace SampleEntries {

inline constexpr std::array<SampleEntry, 8> table{{
    {10, 15, QT_TRANSLATE_NOOP("SampleEntries", "Ruth Birthday")},     // November 16
    {11, 4, QT_TRANSLATE_NOOP("SampleEntries", "Brian Birthday")},     // December 5
    {11, 7, QT_TRANSLATE_NOOP("SampleEntries", "John Birthday")},      // December 8
    {0, 27, QT_TRANSLATE_NOOP("SampleEntries", "Grampa Birthday")},    // January 28
    {0, 15, QT_TRANSLATE_NOOP("SampleEntries", "Elvis Anniversary")},  // January 16
    {3, 12, QT_TRANSLATE_NOOP("SampleEntries", "Mary Birthday")},      // April 13
    {6, 21, QT_TRANSLATE_NOOP("SampleEntries", "Nancy Birthday")},     // July 22
    {8, 15, QT_TRANSLATE_NOOP("SampleEntries", "Mom Birthday")},       // September 16
}};

} // namespace SampleEntries
