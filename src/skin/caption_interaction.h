// Caption buttons, moving and sizing: the handlers the skinned window's
// procedure routes its mouse, timer and size-limit messages to, the hover
// fade of the caption buttons and their actions.
#pragma once

#include <windows.h>

#include <functional>

namespace kestrune {

inline constexpr int CORNER_SIZE = 10;
inline constexpr UINT FADE_TIMER_MS = 20;
inline constexpr int FADE_STEPS = 8;
inline constexpr int FADE_ALPHA_STEP = 30;

// The caption button under the pointer, shared by every skinned window; set on
// every mouse move and left-button press.
inline int hoveredCaptionButton = 0;

// The caption-button action as recorded by the first skin attachment; a
// release performs no action while it is unset.
using CaptionButtonAction = void (*)(int windowId, int buttonIndex);
inline CaptionButtonAction recordedCaptionButtonAction = nullptr;

// Told of every caption button the hover, press and fade handlers draw
// (windowId, index, pressed, hoverAlpha), after it is drawn; empty normally.
inline std::function<void(int, int, bool, int)> captionButtonDrawObserver;

// Message handlers; x and y are client coordinates of the pointer.
void OnCaptionMouseMove(int windowId, int x, int y);
void OnCaptionTimer(int windowId);
void OnCaptionMouseLeave(int windowId);
void OnCaptionButtonDown(int windowId, int x, int y);
void OnCaptionButtonUp(int windowId, int x, int y);
void OnCaptionDoubleClick(int windowId, int x, int y);
void OnGetMinMaxInfo(int windowId, MINMAXINFO& info);
void OnWindowPosChanged(int windowId, const WINDOWPOS& position);

// Minimise, maximise/restore or close by the button's kind; an index outside
// 1 .. number of caption buttons does nothing.
void PerformCaptionButtonAction(int windowId, int buttonIndex);

bool IsOverCaptionButtonStrip(int windowId, int x, int y);
// The 1-based caption button whose bounds strictly contain the point, 0 for none.
int CaptionButtonAt(int windowId, int x, int y);
// The first caption button of the maximise kind, 0 for none.
int FindMaximizeButton(int windowId);
int StatusItemAt(int windowId, int x, int y);

// The resize zone (1 left, 2 right, 3 top, 4 bottom, 5 top-left, 6 top-right,
// 7 bottom-left, 8 bottom-right; first match wins) of a client point, 0 for none.
int SizingZoneAt(int x, int y, const RECT& client);
void UpdateSizingCursor(int windowId, int x, int y, const RECT& client);
void BeginMoveOrResize(int windowId, int x, int y, const RECT& client);

// The size of a maximised window on a screen of the given size with the
// taskbar at taskbar (empty when there is none).
SIZE MaximizedSize(SIZE screen, const RECT& taskbar);
// The maximum tracking size while maximised: the maximised size, except that a
// hidden vertical taskbar leaves the whole screen.
SIZE MaximizedTrackSize(SIZE screen, const RECT& taskbar, bool taskbarVisible);

}  // namespace kestrune
