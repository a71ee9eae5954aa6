#include "skin/close_animation.h"

namespace kestrune {

// The window closes at once until the animations are built.
void CloseAnimationShrink(HWND) {}
void CloseAnimationPulse(HWND) {}

}  // namespace kestrune
