#pragma once

// How a file writes dates such as 04/05/1990, where the file itself does not tell.
enum class SlashOrder {
    Ask,        // as the file shows it; a file that could be read either way gives no dates
    MonthFirst, // 04/05/1990 is April 5
    DayFirst,   // 04/05/1990 is May 4
};
