// Emulated scroll bars: small windows laid over a control's system scroll
// bars, painted in the skin's style and mirroring the system bar's state.
#pragma once

#include <windows.h>

namespace kestrune {

enum ScrollHotPart { HOT_NONE = 0, HOT_THUMB = 1, HOT_FIRST_ARROW = 3, HOT_LAST_ARROW = 4 };

HWND CreateEmulatedVScrollBar(HWND control, bool visible);
HWND CreateEmulatedHScrollBar(HWND control, bool visible);

LRESULT CALLBACK VScrollBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK HScrollBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam);

void PaintEmulatedVScrollBar(HWND control, int hotPart);
void PaintEmulatedHScrollBar(HWND control, int hotPart);

// point: screen x in the low 16 bits, screen y in the high 16 bits.
int HitTestVScrollBar(HWND control, LPARAM point);
int HitTestHScrollBar(HWND control, LPARAM point);

// The length of a scroll bar's arrow button along a bar barLength long, where
// metric is the system's arrow length: both buttons shrink alike when the bar
// leaves less than a minimal track between them.
int ArrowButtonLength(int barLength, int metric);

// Shows, hides and places the control's bars over its system bars.
void SyncEmulatedScrollBars(HWND control);

}  // namespace kestrune
