// Real windows, memory surfaces and pixel reads for the skin drawing tests.
#pragma once

#include "skin/drawing_primitives.h"
#include "support/test_windows.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace kestrune::testing_windows {

inline constexpr const wchar_t* TEST_WINDOW_CLASS = L"KestruneSkinTestWindow";
inline constexpr COLORREF TEST_WINDOW_COLOUR = RGB(255, 0, 255);  // what DefWindowProc erases with

inline void RegisterTestWindowClass() {
    static const HBRUSH background = CreateSolidBrush(TEST_WINDOW_COLOUR);  // lives as long as the process
    testing::RegisterTestClass(TEST_WINDOW_CLASS, DefWindowProcW, background);
}

// A window of the test class, or of className when given. Owned by the caller
// (a child dies with its parent).
inline HWND CreateTestWindow(HWND parent, int x, int y, int width, int height, DWORD style, DWORD exStyle = 0,
                             const wchar_t* className = nullptr, const wchar_t* text = L"") {
    RegisterTestWindowClass();
    return CreateWindowExW(exStyle, className ? className : TEST_WINDOW_CLASS, text, style, x, y, width, height,
                           parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// A memory DC with a 32-bit DIB selected, released with the holder.
class MemorySurface {
public:
    MemorySurface(int width, int height)
        : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateDib32(width, height)), displaced_(SelectObject(dc_, bitmap_)) {}
    ~MemorySurface() {
        SelectObject(dc_, displaced_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;
    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ displaced_;
};

// The pixels of the bitmap selected into dc, top row first, as 0x00RRGGBB.
struct Pixels {
    int width = 0, height = 0;
    std::vector<std::uint32_t> rgb;
    std::uint32_t At(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
    bool operator==(const Pixels&) const = default;
};

inline Pixels ReadPixels(HDC dc) {
    GdiFlush();
    DIBSECTION section{};
    if (GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof(section), &section) != sizeof(section)) return {};
    const int width = section.dsBm.bmWidth, height = section.dsBm.bmHeight;
    const auto* bits = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
    Pixels pixels{width, height, {}};
    pixels.rgb.reserve(static_cast<std::size_t>(width) * height);
    const bool bottomUp = section.dsBmih.biHeight > 0;
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = bits + static_cast<std::size_t>(bottomUp ? height - 1 - y : y) * width;
        for (int x = 0; x < width; ++x) pixels.rgb.push_back(row[x] & 0xFFFFFF);
    }
    return pixels;
}

// The part (x, y, width, height) of a pixel block.
inline Pixels Crop(const Pixels& pixels, int x, int y, int width, int height) {
    Pixels part{width, height, {}};
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column) part.rgb.push_back(pixels.At(column, row));
    }
    return part;
}

// What the window shows on screen now: its whole rectangle (frame included),
// or its client area.
inline Pixels ScreenPixels(HWND window, bool wholeWindow) {
    RECT box;
    if (wholeWindow) {
        GetWindowRect(window, &box);
        OffsetRect(&box, -box.left, -box.top);
    } else {
        GetClientRect(window, &box);
    }
    MemorySurface surface(box.right, box.bottom);
    HDC screen = wholeWindow ? GetWindowDC(window) : GetDC(window);
    BitBlt(surface.Dc(), 0, 0, box.right, box.bottom, screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);
    return ReadPixels(surface.Dc());
}
inline Pixels WindowPixels(HWND window) { return ScreenPixels(window, true); }
inline Pixels ClientPixels(HWND window) { return ScreenPixels(window, false); }

inline std::uint32_t Rgb(BYTE red, BYTE green, BYTE blue) { return (red << 16) | (green << 8) | blue; }

}  // namespace kestrune::testing_windows
