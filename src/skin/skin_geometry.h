// Rectangles of controls expressed in the coordinates of their skinned window.
// Canvas coordinates are measured from the top-left corner of the skinned
// window's window rectangle.
#pragma once

#include <windows.h>

namespace kestrune {

// The window rectangle in its parent's client coordinates; empty for a
// window that has a window record.
RECT GetRectInParentClient(HWND window);

// The window's rectangle minus the reference window's left and top.
RECT GetRectRelativeTo(HWND reference, HWND window);

// The window's rectangle in canvas coordinates of its owning skinned window.
RECT GetRectInSkinWindow(HWND window);

// Empty for a window that has a window record; otherwise the rectangle in
// canvas coordinates of the first ancestor that has one.
RECT GetRectInSkinAncestor(HWND window);

// Client area plus scroll bars, in the window's own window coordinates. The
// border is taken as equal on both sides.
RECT GetClientBoxInWindow(HWND window);

// That client box moved into canvas coordinates: the window's rectangle shrunk
// by its border on every side.
RECT GetInnerRectInSkinWindow(HWND window);

inline int Width(const RECT& rect) { return rect.right - rect.left; }
inline int Height(const RECT& rect) { return rect.bottom - rect.top; }

}  // namespace kestrune
