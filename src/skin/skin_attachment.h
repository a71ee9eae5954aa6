// Attaching the skin to a top-level window: its record, caption buttons and
// tooltips, the control installers, and the subclassing.
#pragma once

#include "skin/window_record.h"

#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kestrune {

// The optional arguments of ApplySkin; a value left out takes its default.
struct SkinOptions {
    std::optional<int> captionHeight;     // 25; values below 25 become 25
    std::optional<int> skinCaption;       // 1
    std::optional<int> resizable;         // 1
    std::optional<int> helpButton;        // 0
    std::optional<int> mainMenuButton;    // 0
    std::optional<int> drawTitle;         // 1
    std::optional<int> captionBand;       // 0
    std::optional<int> statusHeight;      // no status area
    std::optional<std::vector<StatusItem>> statusItems;  // one default item when a status area is made
    std::span<const BYTE> windowPicture;  // none
    std::optional<int> windowImageMode;   // the skin's fade mode
    std::optional<int> captionBandColour; // -1
    std::optional<int> captionBandAlpha;  // 255
    std::optional<int> hideCloseButton;   // 0; any other value removes the close button
};

inline constexpr int MIN_CAPTION_HEIGHT = 25;
inline constexpr int CAPTION_STRIP_HEIGHT = 22;

void ApplySkin(HWND window, const SkinOptions& options = {});

// Recompute the caption-button strip and every button's bounds from the
// window's client rectangle, and move the buttons' tooltips along.
void LayoutCaptionButtons(int windowId);
void LayoutStatusArea(int windowId);

struct ControlFont {
    std::wstring faceName;
    int size;
    int style;  // GDI+ style bits: bold 1, italic 2, underline 4, strikeout 8
};

ControlFont ReadControlFont(HWND control);

}  // namespace kestrune
