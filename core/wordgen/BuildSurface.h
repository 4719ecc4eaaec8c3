#pragma once

#include "core/wordgen/CalendarLook.h"

#include <QString>

class DayEntries;
class PreviewPages;

// What a calendar build needs of the window it runs from: the day entries, how the
// calendar is to look (its design, paper, year, cover and pictures), a
// busy indication, frozen painting while the office works, and the preview window it hands
// the pages to before it steps aside.
class BuildSurface
{
public:
    virtual ~BuildSurface() = default;

    virtual const DayEntries &dayEntries() const = 0;
    // How the calendar is to look, as chosen now.
    virtual CalendarLook look() const = 0;
    // True: the hourglass pointer; false: the default pointer.
    virtual void showBusy(bool busy) = 0;
    // Freezes (true) or unfreezes the window's painting.
    virtual void freezePainting(bool frozen) = 0;
    virtual void hideWindow() = 0;
    // The preview window, made the first time it is asked for.
    virtual PreviewPages &previewPages() = 0;
};
