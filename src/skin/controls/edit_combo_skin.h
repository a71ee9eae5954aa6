// Edit and combo box skins: a washed ring with a thin frame around edits, the
// skin behind their text, and combo boxes drawn whole by the engine.
#pragma once

#include <windows.h>

namespace kestrune {

class Graphics;

inline constexpr COLORREF KEY_COLOUR = 0xFF00FF;  // transparency key of keyed copies

void InstallEditComboSkins(int windowId, HWND parent);

// 1-based id of the edit's record in the window's edits, 0 if none.
int FindEditRecord(int windowId, HWND edit);

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam);

// A flag left "not given" is taken from the edit's record (hovered: 0).
void PaintEditFrame(HWND edit, bool focused, bool focusedGiven, bool hovered, bool hoveredGiven);
void DrawEditStateFrame(HWND edit, bool focused, bool focusedGiven, bool hovered, bool hoveredGiven,
                        Graphics& graphics);
void PaintEditClientBackground(HWND edit, HDC dc, bool intoGivenDc);

// A bitmap of what lies behind the control's client area, under the white
// wash; the caller owns it.
HBITMAP MakeEditBackgroundBitmap(HWND control);
// Copies the dc's top-left width x height into a new bitmap and releases the dc.
HBITMAP CopyDcToBitmap(HDC dc, int width, int height);

void PaintComboBox(int windowId, int comboId, bool hovered, bool focused, bool focusedGiven);

// The window's rectangle relative to its parent's window rectangle; empty for
// a skinned top-level window.
RECT GetRectInParentWindow(HWND window);
// The client area in the control's window coordinates, scroll bars taken as 17 pixels.
RECT LocateClientArea(HWND control);
// 0 no frame, 1 WS_BORDER, 2 a 3D edge.
int FrameKind(HWND control);
bool HasScrollStyle(HWND control);
void CommitToCanvasKeyed(HWND control, HDC image, COLORREF key, bool isToolbarChild);

}  // namespace kestrune
