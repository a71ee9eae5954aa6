// The procedure of a skinned top-level window: it keeps the window's record in
// step with its messages, presents the cached skin, colours the children and
// detaches the skin when the window goes.
#pragma once

#include <windows.h>

namespace kestrune {

// True until the first WM_SIZE of a skinned window: the size Windows reports
// right after creation needs no new skin.
inline bool firstSizePending = true;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void PresentCachedFrame(int windowId, HDC paintDc);
void RefreshListViews(HWND window);
void InvalidateTransparentChildren(HWND window);
void DispatchDrawItem(int windowId, const DRAWITEMSTRUCT& drawItem);
void TrimWorkingSet();
void DetachSkin(HWND window);

}  // namespace kestrune
