// Shapes, small value builders and record lookups shared by every skin painter.
#pragma once

#include "graphics/gdiplus_api.h"

#include <windows.h>

#include <string>

namespace kestrune {

class GraphicsPath;

// One closed rounded rectangle; the corner diameter is clamped to 1..100.
// The bottom-right arc is one unit larger and one unit further up and left.
void AddRoundRectFigure(GraphicsPath& path, float x, float y, float width, float height, int diameter);

// Left edge, rounded top corners and right edge; the bottom stays open.
// The diameter is used as given.
void AddTopRoundedOutline(GraphicsPath& path, int x, int y, int width, int height, int diameter);

gdip::PointF MakePointF(float x, float y);
gdip::RectF MakeRectF(float x, float y, float width, float height);

// A 32-bit bottom-up DIB section with no palette, made without a reference DC.
HBITMAP CreateDib32(int width, int height);

// Record lookups: 1-based ids, 0 when nothing matches.
int FindWindowRecord(HWND window);
int FindContainerRecord(int windowId, HWND window);
// The record of the window itself or of its nearest ancestor that has one.
int FindOwningWindowRecord(HWND window);
// True when the nearest registered window at or above the window is a window
// record (windowId set); false when it is a container (windowId and
// containerId set) or when nothing was found (both left as they were).
bool LocateSkinAncestor(HWND window, int& windowId, int& containerId);

bool HasTransparentExStyle(HWND window);
bool HasVScrollStyle(HWND window);
bool HasHScrollStyle(HWND window);
bool HasVisibleStyle(HWND window);
std::wstring GetClassNameText(HWND window);

}  // namespace kestrune
