#include "skin/frame_rendering.h"

#include "graphics/brushes.h"
#include "graphics/fonts.h"
#include "graphics/graphics.h"
#include "skin/canvas.h"
#include "skin/caption_rendering.h"
#include "skin/colour.h"
#include "skin/drawing_primitives.h"
#include "skin/skin_background.h"
#include "skin/skin_geometry.h"
#include "skin/title_rendering.h"
#include "skin/window_invalidation.h"
#include "skin/window_properties.h"
#include "skin/window_record.h"
#include "toolkit/runtime.h"

namespace kestrune {
namespace {

// A memory DC kept in the record together with its bitmap and the object the
// bitmap displaced.
struct CacheDc {
    HDC& dc;
    HBITMAP& bitmap;
    HGDIOBJ& displaced;
};

void DropCache(CacheDc cache) {
    if (!cache.dc) return;
    SelectObject(cache.dc, cache.displaced);
    DeleteObject(cache.bitmap);
    DeleteDC(cache.dc);
    cache.dc = nullptr;
    cache.bitmap = nullptr;
    cache.displaced = nullptr;
}

// A fresh cache holding the source's pixels of rect.
void RebuildCache(CacheDc cache, HDC source, const RECT& rect) {
    DropCache(cache);
    cache.dc = CreateCompatibleDC(nullptr);
    cache.bitmap = CreateDib32(Width(rect), Height(rect));
    cache.displaced = SelectObject(cache.dc, cache.bitmap);
    BitBlt(cache.dc, 0, 0, Width(rect), Height(rect), source, rect.left, rect.top, SRCCOPY);
}

CacheDc CaptionCache(WindowRecord& record) {
    return {record.captionCacheDc, record.captionCacheBitmap, record.captionCacheDisplaced};
}

CacheDc StatusCache(WindowRecord& record) {
    return {record.statusCacheDc, record.statusCacheBitmap, record.statusCacheDisplaced};
}

// Gives backgroundDc a new DIB; the DC's first bitmap is kept in a property,
// every later one is deleted when replaced.
void SwapBackgroundBitmap(WindowRecord& record, int width, int height) {
    if (!record.backgroundDc) record.backgroundDc = CreateCompatibleDC(nullptr);
    HBITMAP skin = CreateDib32(width, height);
    HGDIOBJ previous = SelectObject(record.backgroundDc, skin);
    if (GetPropValue(record.hwnd, PROP_INITIAL_BITMAP)) {
        DeleteObject(previous);
    } else {
        SetPropValue(record.hwnd, PROP_INITIAL_BITMAP, reinterpret_cast<LONG_PTR>(previous));
    }
    SetPropValue(record.hwnd, PROP_SKIN_BITMAP, reinterpret_cast<LONG_PTR>(skin));
}

void RebuildCanvas(WindowRecord& record, int width, int height) {
    ReleaseMemoryDc(record.canvasDc);
    record.canvasDc = CreateCompatibleDC(nullptr);
    HBITMAP canvas = CreateDib32(width, height);
    RegisterMemoryDc(record.canvasDc, canvas, SelectObject(record.canvasDc, canvas));
    BitBlt(record.canvasDc, 0, 0, width, height, record.backgroundDc, 0, 0, SRCCOPY);
}

void PaintWholeSkin(int windowId, int width) {
    WindowRecord& record = WindowAt(windowId);
    Graphics graphics;
    graphics.FromHdc(record.backgroundDc);
    PaintSkinBackground(graphics, windowId);
    if (record.skinCaption) {
        DrawFrameBorder(windowId, graphics);
        RebuildCache(CaptionCache(record), record.backgroundDc, {0, 0, width, record.captionHeight});
    }
    RebuildCache(StatusCache(record), record.backgroundDc, record.statusRect);
    if (record.skinCaption) {
        if (record.drawTitle) DrawTitle(windowId, &graphics, true);
        for (int i = 1; i <= static_cast<int>(record.captionButtons.size()); ++i) {
            DrawCaptionButton(windowId, i, &graphics, true, false, 0);
        }
    }
    if (record.statusHeight > 0) {
        for (int i = 1; i <= static_cast<int>(record.statusItems.size()); ++i) DrawStatusItem(windowId, &graphics, true, i);
    }
}

}  // namespace

void RedrawSkin(int windowId, HDC paintDc, bool present) {
    WindowRecord& record = WindowAt(windowId);
    RECT client{};
    GetClientRect(record.hwnd, &client);
    const int width = client.right, height = client.bottom;
    if (record.skinCaption && present) ApplyRoundedRegion(record.hwnd);

    SwapBackgroundBitmap(record, width, height);
    PaintWholeSkin(windowId, width);
    RebuildCanvas(record, width, height);

    if (present) {
        HDC screen = GetDcExcludingChildren(record.hwnd, paintDc, paintDc != nullptr);
        BitBlt(screen, 0, 0, width, height, record.backgroundDc, 0, 0, SRCCOPY);
        if (paintDc) {
            SelectClipRgn(paintDc, nullptr);
        } else {
            ReleaseDC(record.hwnd, screen);
        }
    }
    record.redrawPending = false;
    record.clientWidth = width;
    record.clientHeight = height;
    if (present) InvalidateDirectChildren(windowId);
}

void ApplyRoundedRegion(HWND window) {
    SetWindowRgn(window, nullptr, TRUE);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
    RECT client{};
    GetClientRect(window, &client);
    // The window owns the region once it is set.
    SetWindowRgn(window, CreateRoundRectRgn(0, 0, client.right + 1, client.bottom + 1, 5, 5), TRUE);
}

void RestoreCaptionBackground(int windowId, const RECT& rect) {
    const WindowRecord& record = WindowAt(windowId);
    if (!record.captionCacheDc) return;
    BitBlt(record.backgroundDc, rect.left, rect.top, Width(rect), Height(rect), record.captionCacheDc, rect.left,
           rect.top, SRCCOPY);
}

void RestoreStatusBackground(int windowId, const RECT& rect) {
    const WindowRecord& record = WindowAt(windowId);
    if (!record.statusCacheDc) return;
    BitBlt(record.backgroundDc, rect.left, rect.top, Width(rect), Height(rect), record.statusCacheDc,
           rect.left - record.statusRect.left, rect.top - record.statusRect.top, SRCCOPY);
}

void DrawStatusItem(int windowId, Graphics* graphics, bool intoFullRedraw, int itemIndex) {
    WindowRecord& record = WindowAt(windowId);
    const StatusItem& item = At1(record.statusItems, itemIndex, L"statusItems");
    const RECT& r = item.rect;
    Graphics own;
    if (!intoFullRedraw || !graphics) {
        own.FromHdc(record.backgroundDc);
        graphics = &own;
        RestoreStatusBackground(windowId, r);
    }
    const gdip::RectF box = MakeRectF(static_cast<float>(r.left), static_cast<float>(r.top),
                                      static_cast<float>(Width(r)), static_cast<float>(Height(r)));
    LinearGradientBrush shine;
    shine.Create(MakePointF(box.X, box.Y), MakePointF(box.X, box.Y + box.Height + 1),
                 ColorRefToArgb(0xFFFFFF, 60), ColorRefToArgb(0xFFFFFF, 10));
    graphics->FillRectangle(shine, box.X, box.Y, box.Width, box.Height);
    Font font;
    font.Create(record.statusFont, static_cast<float>(record.statusFontSize), Gdiplus::FontStyleRegular,
                Gdiplus::UnitWorld);
    SolidBrush text;
    text.Create(ColorRefToArgb(record.statusTextColour, 255, false));
    graphics->DrawString(item.text, font, box, nullptr, text);

    if (!intoFullRedraw) {
        own.Delete();
        HDC screen = GetDC(record.hwnd);
        BitBlt(screen, r.left, r.top, Width(r), Height(r), record.backgroundDc, r.left, r.top, SRCCOPY);
        ReleaseDC(record.hwnd, screen);
    }
}

void ReleaseWindowDcs(WindowRecord& record) {
    if (record.backgroundDc) {
        const auto initial = reinterpret_cast<HGDIOBJ>(GetPropValue(record.hwnd, PROP_INITIAL_BITMAP));
        HGDIOBJ skin = SelectObject(record.backgroundDc, initial);
        DeleteDC(record.backgroundDc);
        DeleteObject(skin ? skin : reinterpret_cast<HGDIOBJ>(GetPropValue(record.hwnd, PROP_SKIN_BITMAP)));
        record.backgroundDc = nullptr;
    }
    DropCache(CaptionCache(record));
    DropCache(StatusCache(record));
    ReleaseMemoryDc(record.canvasDc);
    record.canvasDc = nullptr;
}

}  // namespace kestrune
