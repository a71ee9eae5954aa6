// The whole skin image of a skinned window, kept in the memory DCs of its
// record: backgroundDc (the skin alone), the caption and status caches, and
// canvasDc (the skin with the controls committed onto it).
#pragma once

#include <windows.h>

namespace kestrune {

class Graphics;
struct WindowRecord;

// Rebuilds every memory DC of the window at its client size. With present
// the window also gets its rounded region (when the skin draws its caption),
// the image is copied to paintDc (a fresh DC of the window when null) around
// the visible children, and the direct child controls are invalidated.
void RedrawSkin(int windowId, HDC paintDc, bool present);

// Gives the window a rounded-rectangle region of its client size.
void ApplyRoundedRegion(HWND window);

// Copies rect back from captionCacheDc / statusCacheDc into backgroundDc.
void RestoreCaptionBackground(int windowId, const RECT& rect);
void RestoreStatusBackground(int windowId, const RECT& rect);

// One item of the optional status area. Alone (intoFullRedraw false,
// graphics may be null) it restores the item's background and copies it to
// the screen.
void DrawStatusItem(int windowId, Graphics* graphics, bool intoFullRedraw, int itemIndex);

// Frees backgroundDc (its initial bitmap selected back, the skin bitmap
// deleted), both cache DCs and canvasDc, and clears the fields.
void ReleaseWindowDcs(WindowRecord& record);

}  // namespace kestrune
