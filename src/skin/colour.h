// Conversions between Windows colours (0x00BBGGRR) and GDI+ colours (0xAARRGGBB).
#pragma once

#include <windows.h>

namespace kestrune {

// Red and blue trade places; the top byte becomes alpha, or 255 when
// useAlpha is false. The colour's own top byte is ignored.
constexpr DWORD ColorRefToArgb(COLORREF colour, BYTE alpha, bool useAlpha = true) {
    const DWORD red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
    const DWORD top = useAlpha ? alpha : 0xFF;
    return (top << 24) | (red << 16) | (green << 8) | blue;
}

// Red and blue trade places and the top byte is cleared; the alpha byte is
// written to *alpha when one is given.
constexpr COLORREF ArgbToColorRef(DWORD argb, BYTE* alpha = nullptr) {
    if (alpha) *alpha = static_cast<BYTE>(argb >> 24);
    const DWORD red = (argb >> 16) & 0xFF, green = (argb >> 8) & 0xFF, blue = argb & 0xFF;
    return (blue << 16) | (green << 8) | red;
}

}  // namespace kestrune
