#pragma once

#include <array>

// The example entries that "Load Sample/Example Amounts" writes, in the order written.
struct SampleEntry {
    int month; // 0 (January) … 11
    int index; // day of the month - 1
    const char *text;
};

namespace SampleEntries {

inline constexpr std::array<SampleEntry, 8> table{{
    {10, 15, "Ruth Birthday"},     // November 16
    {11, 4, "Brian Birthday"},     // December 5
    {11, 7, "John Birthday"},      // December 8
    {0, 27, "Grampa Birthday"},    // January 28
    {0, 15, "Elvis Anniversary"},  // January 16
    {3, 12, "Mary Birthday"},      // April 13
    {6, 21, "Nancy Birthday"},     // July 22
    {8, 15, "Mom Birthday"},       // September 16
}};

} // namespace SampleEntries
