#pragma once

#include "tests/support/WindowParts.h"
#include "core/shell/CalendarMonths.h"
#include "windows/entry/EntryPanel.h"
#include "windows/shell/Form1.h"

#include <QString>

#include <cstdio>
#include <functional>

// Loads the main window as the program does and fills every day with entryOf(day of the
// year), as a full family calendar; false, said on standard error, when no office could
// be started.
inline bool loadFilledWindow(Form1 &form, const std::function<QString(int)> &entryOf)
{
    form.Form_Load();
    if (form.programEnded()) {
        std::fprintf(stderr, "No office could be started.\n");
        return false;
    }
    for (int month = 0; month < CalendarMonths::count; ++month)
        for (int index = 0; index < CalendarMonths::month(month).days; ++index)
            WindowParts::calendar(form).setEntryText(month, index, entryOf(CalendarMonths::dayOfYear(month, index)));
    return true;
}
