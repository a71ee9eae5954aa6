#include "toolkit/transparent_label.h"

#include <string>

namespace kestrune {

namespace {

constexpr int FONT_SLOT = 0;  // window extra bytes: the HFONT set by WM_SETFONT

// Repaints what lies behind the label in the parent; the parent's paint then
// invalidates the label, which draws its text over the fresh background.
void RepaintBehind(HWND label) {
    HWND parent = GetParent(label);
    if (!parent) return;
    RECT area;
    GetWindowRect(label, &area);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE);
    InvalidateRect(label, nullptr, FALSE);
}

void Paint(HWND label) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    int length = GetWindowTextLengthW(label);
    if (length > 0) {
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(label, text.data(), length + 1)));
        RECT box;
        GetClientRect(label, &box);
        auto font = reinterpret_cast<HFONT>(GetWindowLongPtrW(label, FONT_SLOT));
        HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(IsWindowEnabled(label) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK | DT_EXPANDTABS);
        if (oldFont) SelectObject(dc, oldFont);
    }
    EndPaint(label, &paint);
}

LRESULT CALLBACK TransparentLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // no background of its own
    case WM_PAINT:
        Paint(label);
        return 0;
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcW(label, message, wParam, lParam);
        RepaintBehind(label);
        return result;
    }
    case WM_SETFONT:
        SetWindowLongPtrW(label, FONT_SLOT, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam)) RepaintBehind(label);
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrW(label, FONT_SLOT);
    case WM_ENABLE:
        RepaintBehind(label);
        return 0;
    case WM_NCHITTEST:
        return HTTRANSPARENT;  // clicks fall through to the window behind
    default:
        return DefWindowProcW(label, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterTransparentLabelClass() {
    WNDCLASSEXW windowClass{};
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, TRANSPARENT_LABEL_CLASS, &windowClass)) return true;
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = TransparentLabelProc;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = TRANSPARENT_LABEL_CLASS;
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace kestrune
