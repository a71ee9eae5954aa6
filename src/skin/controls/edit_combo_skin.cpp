#include "skin/controls/edit_combo_skin.h"

#include "graphics/brushes.h"
#include "graphics/graphics.h"
#include "skin/colour.h"
#include "skin/canvas.h"
#include "skin/drawing_primitives.h"
#include "skin/skin_geometry.h"
#include "skin/skin_state.h"

namespace kestrune {

namespace {

// The client area inside the control's window rectangle.
RECT LocateClientArea(HWND control) {
    RECT box = GetClientBoxInWindow(control);
    RECT client;
    GetClientRect(control, &client);
    return {box.left, box.top, box.left + client.right, box.top + client.bottom};
}

HBITMAP CopyDcToBitmap(HDC source, int width, int height) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HDC copy = CreateCompatibleDC(screen);
    HGDIOBJ displaced = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width, height, source, 0, 0, SRCCOPY);
    SelectObject(copy, displaced);
    DeleteDC(copy);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

}  // namespace

HBITMAP MakeEditBackgroundBitmap(HWND control) {
    RECT area = LocateClientArea(control);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return nullptr;
    HDC background = ComposeControlBackground(control, area);
    if (!background) return nullptr;
    {
        Graphics graphics;
        graphics.FromHdc(background);
        SolidBrush wash;
        wash.Create(skinState.controlsTransparent ? ColorRefToArgb(0xFFFFFF, static_cast<BYTE>(skinState.controlWhiteAlpha))
                                                  : ColorRefToArgb(0xFFFFFF, 255));
        graphics.FillRectangle(wash, 0, 0, static_cast<gdip::REAL>(width), static_cast<gdip::REAL>(height));
        wash.Delete();
        graphics.Delete();
    }
    HBITMAP bitmap = CopyDcToBitmap(background, width, height);
    ReleaseMemoryDc(background);
    return bitmap;
}

}  // namespace kestrune
