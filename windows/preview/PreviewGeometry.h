#pragma once

#include "windows/widgets/Twips.h"

// The preview window as designed, in twips: the page list above the page view with its
// scroll bars, the zoom frame below it, and the two command buttons at the bottom.
namespace PreviewGeometry {

inline constexpr int clientWidth = 9840;
inline constexpr int clientHeight = 7785;

inline constexpr Twips::Rect pageList{120, 120, 9600, 1830};           // ListView1
inline constexpr int pageListColumnWidth = 9000;
inline constexpr Twips::Rect zoomFrame{120, 6270, 9600, 855};          // Frame1
inline constexpr Twips::Rect zoomInButton{240, 300, 4440, 405};        // PushButton1, in Frame1
inline constexpr Twips::Rect zoomOutButton{4800, 300, 4560, 405};      // PushButton2, in Frame1
inline constexpr Twips::Rect backButton{120, 7260, 4680, 405};         // PushButton8
inline constexpr Twips::Rect saveButton{4920, 7260, 4800, 405};        // PushButton6

// The page view.
inline constexpr Twips::Rect pageFrame{120, 2070, 9330, 3885};         // Picture2, clips the page
inline constexpr int pageBoxWidth = 2340;                              // Picture1 before a page is shown
inline constexpr int pageBoxHeight = 3435;
inline constexpr Twips::Rect referenceBox{10320, 480, 735, 375};       // Zoom_Ori, right of the client area
inline constexpr Twips::Rect verticalScrollBar{9450, 2070, 255, 3885}; // VScroll1
inline constexpr Twips::Rect horizontalScrollBar{120, 5955, 9330, 255}; // HScroll1

} // namespace PreviewGeometry
