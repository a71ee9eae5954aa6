// Caption buttons, moving and sizing: the handlers the skinned window's
// procedure routes its mouse, timer and size-limit messages to.
#pragma once

#include <windows.h>

namespace kestrune {

void OnCaptionMouseMove(int windowId, int x, int y);
void OnCaptionTimer(int windowId);
void OnCaptionMouseLeave(int windowId);
void OnCaptionButtonDown(int windowId, int x, int y);
void OnCaptionButtonUp(int windowId, int x, int y);
void OnCaptionDoubleClick(int windowId, int x, int y);
void OnGetMinMaxInfo(int windowId, MINMAXINFO& info);
void OnWindowPosChanged(int windowId, const WINDOWPOS& position);

}  // namespace kestrune
