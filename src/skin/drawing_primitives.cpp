#include "skin/drawing_primitives.h"

#include "graphics/path.h"
#include "skin/window_record.h"

#include <algorithm>

namespace kestrune {

void AddRoundRectFigure(GraphicsPath& path, float x, float y, float width, float height, int diameter) {
    const float d = static_cast<float>(std::clamp(diameter, 1, 100));
    const float right = x + width, bottom = y + height;
    path.AddArc(right - d, y, d, d, 270, 90);
    path.AddArc(right - d - 1, bottom - d - 1, d + 1, d + 1, 0, 90);
    path.AddArc(x, bottom - d, d, d, 90, 90);
    path.AddArc(x, y, d, d, 180, 90);
    path.CloseFigure();
}

void AddTopRoundedOutline(GraphicsPath& path, int x, int y, int width, int height, int diameter) {
    const auto f = [](int value) { return static_cast<float>(value); };
    path.AddLine(f(x), f(y + height), f(x), f(y + diameter));
    path.AddArc(f(x), f(y), f(diameter), f(diameter), 180, 90);
    path.AddLine(f(x + diameter), f(y), f(x + width - diameter), f(y));
    path.AddArc(f(x + width - diameter), f(y), f(diameter), f(diameter), 270, 90);
    path.AddLine(f(x + width), f(y + diameter), f(x + width), f(y + height));
}

gdip::PointF MakePointF(float x, float y) { return gdip::PointF(x, y); }

gdip::RectF MakeRectF(float x, float y, float width, float height) { return gdip::RectF(x, y, width, height); }

HBITMAP CreateDib32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

int FindWindowRecord(HWND window) {
    for (int id = 1; id <= WindowCount(); ++id) {
        if (WindowAt(id).hwnd == window) return id;
    }
    return 0;
}

int FindContainerRecord(int windowId, HWND window) {
    const auto& containers = WindowAt(windowId).containers;
    for (std::size_t i = 0; i < containers.size(); ++i) {
        if (containers[i].hwnd == window) return static_cast<int>(i + 1);
    }
    return 0;
}

int FindOwningWindowRecord(HWND window) {
    if (const int id = FindWindowRecord(window)) return id;
    HWND rootOwner = GetAncestor(window, GA_ROOTOWNER);
    for (HWND parent = GetParent(window); parent; parent = GetParent(parent)) {
        if (const int id = FindWindowRecord(parent)) return id;
        if (parent == rootOwner) break;
    }
    return 0;
}

bool LocateSkinAncestor(HWND window, int& windowId, int& containerId) {
    if (const int id = FindWindowRecord(window)) {
        windowId = id;
        return true;
    }
    for (HWND parent = GetParent(window); parent; parent = GetParent(parent)) {
        for (int id = 1; id <= WindowCount(); ++id) {
            if (WindowAt(id).hwnd == parent) {
                windowId = id;
                return true;
            }
            if (const int container = FindContainerRecord(id, parent)) {
                windowId = id;
                containerId = container;
                return false;
            }
        }
    }
    return false;
}

bool HasTransparentExStyle(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0; }

bool HasVScrollStyle(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL) != 0; }

bool HasHScrollStyle(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_HSCROLL) != 0; }

bool HasVisibleStyle(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

std::wstring GetClassNameText(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 255);
    return std::wstring(name, length > 0 ? length : 0);
}

}  // namespace kestrune
