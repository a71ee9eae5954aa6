// The caption title: application icon and window text with an outline or a glow.
#pragma once

#include "graphics/gdiplus_api.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

class Graphics;

// Where the icon goes and how tall the title area is.
inline constexpr int TITLE_AREA_HEIGHT = 42;
inline constexpr int TITLE_ICON_SIZE = 17;

// The title area of a window: (BORDER_WIDTH + 6, BORDER_WIDTH + 1), as wide as
// the caption leaves room for left of the caption-button strip.
RECT TitleArea(int windowId);

// Draws icon and title into backgroundDc. Into a full redraw it draws with
// graphics; alone (intoFullRedraw false, graphics may be null) it restores the
// title area from the caption cache, draws and copies the area to the screen.
// The window's own text is drawn unless text is given.
void DrawTitle(int windowId, Graphics* graphics, bool intoFullRedraw,
               std::optional<std::wstring_view> text = std::nullopt);

// Text with a four-way outline (outline colour at alpha 150, offset by
// offset pixels) under it. Sizes are in pixels.
void DrawOutlinedText(Graphics& graphics, std::wstring_view text, const gdip::RectF& layout, COLORREF textColour,
                      COLORREF outlineColour, int offset = 1, const std::wstring& family = L"宋体",
                      bool bold = false, float size = 13);

// Text over a soft halo of glowColour, made by shrinking the rendered text by
// factor and enlarging it again.
void DrawGlowText(Graphics& graphics, std::wstring_view text, const gdip::RectF& layout, COLORREF textColour,
                  COLORREF glowColour, int factor = 4, const std::wstring& family = L"宋体", bool bold = false,
                  float size = 12);

}  // namespace kestrune
