#include "skin/caption_interaction.h"

namespace kestrune {

// Until caption interaction is built the caption buttons are drawn but inert,
// and the window keeps the sizes and positions Windows gives it.
void OnCaptionMouseMove(int, int, int) {}
void OnCaptionTimer(int) {}
void OnCaptionMouseLeave(int) {}
void OnCaptionButtonDown(int, int, int) {}
void OnCaptionButtonUp(int, int, int) {}
void OnCaptionDoubleClick(int, int, int) {}
void OnGetMinMaxInfo(int, MINMAXINFO&) {}
void OnWindowPosChanged(int, const WINDOWPOS&) {}

}  // namespace kestrune
