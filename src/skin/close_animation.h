// The animations a skinned window plays when it closes, and the layered-window
// helpers they push their frames with.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>

namespace kestrune {

enum CloseEffect { NO_CLOSE_EFFECT = 0, SHRINK_AND_FADE = 1, PULSE_AND_FADE = 2 };

inline constexpr int CLOSE_ANIMATION_FRAMES = 10;

// One frame of a close animation: where the snapshot goes on the screen, how
// opaque it is, and the pause after it.
struct LayeredFrame {
    int x = 0, y = 0, width = 0, height = 0;
    int alpha = 255;
    int pauseMs = 0;
    bool operator==(const LayeredFrame&) const = default;
};

using CloseAnimationFrameList = std::array<LayeredFrame, CLOSE_ANIMATION_FRAMES>;

// The frames of effect SHRINK_AND_FADE or PULSE_AND_FADE for a window at
// windowRect (screen coordinates).
CloseAnimationFrameList CloseAnimationFrames(int effect, const RECT& windowRect);

// Told of every frame a close animation pushes, after it is pushed; empty normally.
inline std::function<void(HWND, const LayeredFrame&)> layeredFrameObserver;

// Click-through 1: adds WS_EX_LAYERED and WS_EX_TRANSPARENT when the window has
// neither; 0: adds WS_EX_LAYERED when it is missing.
void SetLayeredStyle(HWND window, bool clickThrough);
void ClearLayeredStyle(HWND window);

// One UpdateLayeredWindow. Left out: position and size from the window
// rectangle, source the window's backgroundDc, alpha 255.
void PushLayeredFrame(HWND window, HDC source = nullptr, std::optional<int> alpha = std::nullopt,
                      std::optional<POINT> position = std::nullopt, std::optional<SIZE> size = std::nullopt,
                      POINT sourcePoint = {0, 0});

void CloseAnimationShrink(HWND window);
void CloseAnimationPulse(HWND window);

}  // namespace kestrune
