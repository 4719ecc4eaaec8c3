#pragma once

#include "windows/widgets/Twips.h"

#include <array>

// The entry panel as designed, in twips. Twelve months in four columns and three rows on
// a panel that slides inside a fixed viewport; every month shows 31 day rows 315 apart.
namespace PanelGeometry {

using Rect = Twips::Rect;

// Containers.
inline constexpr Rect frame{120, 1095, 11670, 7335};      // Frame3 in the main window
inline constexpr Rect viewport{150, 285, 11400, 6900};    // Picture1 in Frame3
inline constexpr Rect scrollBar{11130, 0, 250, 6885};     // VScroll1 in Picture1
inline constexpr int panelLeft = -15;                     // Picture2 in Picture1
inline constexpr int panelWidth = 11400;
inline constexpr int panelHeight = 30525;

// Scroll bar: the minimum puts the panel's top one pixel above the viewport's top.
inline constexpr int scrollMinimum = 15;
inline constexpr int scrollDesignedMaximum = 32767;
inline constexpr int scrollArrowStep = 500;
inline constexpr int scrollPageStep = 3000;

// Month grid.
inline constexpr std::array<int, 4> columnLabelLeft{120, 2850, 5580, 8310};
inline constexpr std::array<int, 4> columnBoxLeft{435, 3165, 5895, 8625};
inline constexpr std::array<int, 3> rowCaptionTop{270, 10335, 20400};
inline constexpr std::array<int, 3> rowDayOneTop{555, 10620, 20685};
inline constexpr int columns = 4;
inline constexpr int rowsPerMonth = 31;
inline constexpr int dayPitch = 315;
inline constexpr int captionWidth = 2745;
inline constexpr int captionHeight = 300;
inline constexpr int dayLabelSize = 330;
inline constexpr int boxWidth = 2430;
inline constexpr int boxHeight = 330;

// month 0 (January) … 11; day 1 … 31.
constexpr Rect captionRect(int month)
{
    return {columnLabelLeft[month % columns], rowCaptionTop[month / columns], captionWidth, captionHeight};
}

constexpr int dayTop(int month, int day)
{
    return rowDayOneTop[month / columns] + dayPitch * (day - 1);
}

constexpr Rect dayLabelRect(int month, int day)
{
    return {columnLabelLeft[month % columns], dayTop(month, day), dayLabelSize, dayLabelSize};
}

constexpr Rect boxRect(int month, int day)
{
    return {columnBoxLeft[month % columns], dayTop(month, day), boxWidth, boxHeight};
}

// The disabled placeholders ("txtDummy") in the box positions of the days that do not
// exist, so that every month shows 31 rows.
struct Placeholder {
    int index; // index in the txtDummy array
    int month;
    int day;
};

inline constexpr std::array<Placeholder, 6> placeholders{{
    {0, 1, 30},   // February 30
    {1, 1, 31},   // February 31
    {2, 3, 31},   // April 31
    {3, 5, 31},   // June 31
    {343, 8, 31}, // September 31
    {350, 10, 31} // November 31
}};

} // namespace PanelGeometry
