// The animations a skinned window plays when it closes.
#pragma once

#include <windows.h>

namespace kestrune {

enum CloseEffect { NO_CLOSE_EFFECT = 0, SHRINK_AND_FADE = 1, PULSE_AND_FADE = 2 };

void CloseAnimationShrink(HWND window);
void CloseAnimationPulse(HWND window);

}  // namespace kestrune
