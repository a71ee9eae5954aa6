// Edit and combo box skins.
#pragma once

#include <windows.h>

namespace kestrune {

// A bitmap of what lies behind the control's client area, under the white
// wash; the caller owns it.
HBITMAP MakeEditBackgroundBitmap(HWND control);

}  // namespace kestrune
