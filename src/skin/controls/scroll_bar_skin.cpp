#include "skin/controls/scroll_bar_skin.h"

#include "graphics/brushes.h"
#include "graphics/graphics.h"
#include "graphics/image.h"
#include "graphics/path.h"
#include "graphics/pen.h"
#include "skin/canvas.h"
#include "skin/carried_pictures.h"
#include "skin/colour.h"
#include "skin/drawing_primitives.h"
#include "skin/skin_state.h"
#include "skin/window_properties.h"
#include "skin/window_record.h"

namespace kestrune {

namespace {

// The bar handles and part rectangles of a control, wherever its record lives.
struct BarSlots {
    HWND* vBar = nullptr;
    HWND* hBar = nullptr;
    RECT* vParts = nullptr;
    RECT* hParts = nullptr;
};

template <typename Record>
BarSlots SlotsIn(std::vector<Record>& records, HWND control, int id) {
    if (id < 1 || id > static_cast<int>(records.size())) return {};
    Record& record = records[static_cast<std::size_t>(id - 1)];
    if (record.hwnd != control) return {};
    return {&record.vScrollBar, &record.hScrollBar, record.vScrollParts, record.hScrollParts};
}

BarSlots FindSlots(HWND control) {
    const int windowId = GetPropId(control, PROP_OWNER_ID);
    const int id = GetPropId(control, PROP_ID);
    if (windowId < 1 || windowId > WindowCount() || !IsWindow(control)) return {};
    if (GetClassNameText(control) == L"Edit") return SlotsIn(WindowAt(windowId).edits, control, id);
    return {};  // the list skins keep their bars in their own records
}

SCROLLBARINFO ReadScrollBar(HWND control, LONG object) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!GetScrollBarInfo(control, object, &info)) return info;
    // dxyLineButton is meant to be the arrow button's length along the bar,
    // but Wine stores the thumb's length there. Take it from the metrics the
    // system lays arrows out by instead: the button is as long as the bar is
    // thick, unless the bar is too short for two of them and a minimal track.
    const bool vertical = object == OBJID_VSCROLL;
    const RECT& bar = info.rcScrollBar;
    info.dxyLineButton = ArrowButtonLength(vertical ? bar.bottom - bar.top : bar.right - bar.left,
                                           GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL));
    return info;
}

gdip::ARGB Argb(COLORREF colour, int alpha) { return ColorRefToArgb(colour, static_cast<BYTE>(alpha)); }
gdip::ARGB Theme(int alpha) { return Argb(skinState.themeColour, alpha); }
float F(int value) { return static_cast<float>(value); }

HWND CreateBar(HWND control, bool visible, LONG object, WNDPROC procedure) {
    HWND parent = GetParent(control);
    RECT parentBox{};
    GetWindowRect(parent, &parentBox);
    const RECT s = ReadScrollBar(control, object).rcScrollBar;
    DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_DISABLED;
    int x = 0, y = 0, width = 10, height = 10;
    if (visible) {
        style |= WS_VISIBLE;
        x = s.left - parentBox.left;
        y = s.top - parentBox.top;
        width = s.right - s.left;
        height = s.bottom - s.top;
    }
    HWND bar = CreateWindowExW(0, L"Static", L"", style, x, y, width, height, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!bar) return nullptr;
    SetPropValue(bar, PROP_SCROLL_OWNER, reinterpret_cast<LONG_PTR>(control));
    SetPropValue(bar, PROP_OWNER_ID, FindOwningWindowRecord(bar));
    const LONG_PTR previous = SetWindowLongPtrW(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    SetPropValue(bar, PROP_PREVIOUS_PROC, previous);
    SetWindowPos(bar, HWND_TOP, x, y, width, height, 0);
    // The bar lies over its control, a sibling it does not clip: without this
    // every repaint of the control (its ring, its text, its system bar) would
    // draw over the bar and leave the system look or bare skin in its place.
    SetWindowLongW(control, GWL_STYLE, GetWindowLongW(control, GWL_STYLE) | WS_CLIPSIBLINGS);
    return bar;
}

LRESULT BarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam, void (*paint)(HWND, int)) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(bar, &ps);
        paint(reinterpret_cast<HWND>(GetPropValue(bar, PROP_SCROLL_OWNER)), HOT_NONE);
        EndPaint(bar, &ps);
        return DefWindowProcW(bar, message, wParam, lParam);
    }
    auto previous = reinterpret_cast<WNDPROC>(GetPropValue(bar, PROP_PREVIOUS_PROC));
    return previous ? CallWindowProcW(previous, bar, message, wParam, lParam)
                    : DefWindowProcW(bar, message, wParam, lParam);
}

// Geometry of one bar, in the bar's coordinates; "along" is the scrolling direction.
struct BarLayout {
    bool vertical;
    int w, h, line, t0, t1;
    // A rectangle given as if the bar were vertical, turned for a horizontal bar.
    gdip::RectF Box(float across, float along, float acrossSize, float alongSize) const {
        return vertical ? MakeRectF(across, along, acrossSize, alongSize) : MakeRectF(along, across, alongSize, acrossSize);
    }
    gdip::PointF Point(float across, float along) const {
        return vertical ? MakePointF(across, along) : MakePointF(along, across);
    }
    int Length() const { return vertical ? h : w; }
};

void AddFigure(GraphicsPath& path, const gdip::RectF& box, int diameter) {
    AddRoundRectFigure(path, box.X, box.Y, box.Width, box.Height, diameter);
}

void FillGradient(Graphics& graphics, const GraphicsPath& path, gdip::PointF from, gdip::PointF to,
                  gdip::ARGB fromColour, gdip::ARGB toColour) {
    LinearGradientBrush brush;
    brush.Create(from, to, fromColour, toColour);
    graphics.FillPath(brush, path);
}

void StrokeFigure(Graphics& graphics, const gdip::RectF& box, int diameter, gdip::ARGB colour) {
    GraphicsPath path;
    path.Create();
    AddFigure(path, box, diameter);
    Pen pen;
    pen.Create(colour, 1);
    graphics.DrawPath(pen, path);
}

// start: where the button begins along the bar; inner: where its inner
// outline begins; glyphBase: the origin the glyph is centred from.
void DrawArrowButton(Graphics& graphics, const BarLayout& bar, int start, int inner, float glyphBase, bool hot,
                     const wchar_t* glyphName) {
    const float L = F(bar.line);
    GraphicsPath face;
    face.Create();
    AddFigure(face, bar.Box(1, F(start), L - 3, 15), 5);
    if (hot) FillGradient(graphics, face, bar.Point(1, F(start)), bar.Point(L - 2, F(start)), Argb(0xFFFFFF, 100), Theme(150));
    Pen outline;
    outline.Create(Argb(0x000000, 60), 1);
    graphics.DrawPath(outline, face);
    StrokeFigure(graphics, bar.Box(2, F(inner), L - 5, 12), 3, Argb(0xFFFFFF, 150));
    Bitmap glyph;
    if (!glyph.CreateFromBytes(ResourceBytes(glyphName), true)) return;
    const float gw = F(static_cast<int>(glyph.GetWidth())), gh = F(static_cast<int>(glyph.GetHeight()));
    const float acrossGlyph = bar.vertical ? gw : gh, alongGlyph = bar.vertical ? gh : gw;
    const float across = static_cast<float>(static_cast<int>((L - acrossGlyph) / 2));
    const float along = static_cast<float>(static_cast<int>(glyphBase + (15 - alongGlyph) / 2));
    const gdip::PointF at = bar.Point(across, along);
    graphics.DrawImage(glyph, at.X, at.Y);
}

void PaintBar(HWND control, int hot, bool vertical) {
    const BarSlots slots = FindSlots(control);
    HWND bar = vertical ? (slots.vBar ? *slots.vBar : nullptr) : (slots.hBar ? *slots.hBar : nullptr);
    if (!bar) return;
    RECT box{};
    GetWindowRect(bar, &box);
    const int w = box.right - box.left, h = box.bottom - box.top;
    const SCROLLBARINFO info = ReadScrollBar(control, vertical ? OBJID_VSCROLL : OBJID_HSCROLL);
    const BarLayout layout{vertical, w, h, info.dxyLineButton, info.xyThumbTop, info.xyThumbBottom};
    const bool available = info.rgstate[0] != STATE_SYSTEM_UNAVAILABLE;
    RECT* parts = vertical ? slots.vParts : slots.hParts;
    const int L = layout.line, t0 = layout.t0, t1 = layout.t1;
    if (vertical) {
        parts[0] = {1, 1, w - 2, 17};
        parts[1] = {1, h - 17, w - 2, h - 1};
        parts[2] = {1, t0, L + 1, t1};
    } else {
        parts[0] = {1, 1, 17, h - 2};
        parts[1] = {w - 17, 1, w - 4, h - 1};
        parts[2] = {t0, 1, t1, L + 1};
    }
    HDC image = ComposeControlBackground(bar, RECT{0, 0, w, h});
    if (!image) return;
    {
        Graphics graphics;
        graphics.FromHdc(image);
        {
            GraphicsPath track;
            track.Create();
            track.AddRectangle(0, 0, F(w), F(h));
            FillGradient(graphics, track, MakePointF(0, 0), vertical ? MakePointF(F(w), 0) : MakePointF(0, F(h)),
                         Theme(40), Argb(0xFFFFFF, 255));
        }
        if (available) {
            const float across = static_cast<float>(layout.vertical ? w - L : h - L) / 2 + 1;
            GraphicsPath thumb;
            thumb.Create();
            AddFigure(thumb, layout.Box(across, F(t0), F(L - 3), F(t1 - t0 - 1)), 5);
            if (hot == HOT_THUMB) {
                SolidBrush bright;
                bright.Create(Argb(0xFFFFFF, 180));
                graphics.FillPath(bright, thumb);
            }
            const gdip::PointF from = layout.Point(1, F(t0)), to = layout.Point(F(L - 2), F(t0));
            FillGradient(graphics, thumb, from, to, Argb(0xFFFFFF, 150), Theme(150));
            FillGradient(graphics, thumb, from, to, Argb(0xFFFFFF, 0), Argb(0xFFFFFF, 150));
            Pen outline;
            outline.Create(Argb(0x000000, 100), 1);
            graphics.DrawPath(outline, thumb);
        }
        const int length = layout.Length();
        DrawArrowButton(graphics, layout, 1, 2, 2, available && hot == HOT_FIRST_ARROW,
                        vertical ? UP_ARROW_GLYPH : LEFT_ARROW_GLYPH);
        DrawArrowButton(graphics, layout, length - 17, length - 15, F(vertical ? length - 15 : length - 17),
                        available && hot == HOT_LAST_ARROW, vertical ? DOWN_ARROW_GLYPH : RIGHT_ARROW_GLYPH);
    }
    CommitToCanvas(bar, image, false, false);
    HDC screen = GetDC(bar);
    BitBlt(screen, 0, 0, w, h, image, 0, 0, SRCCOPY);
    ReleaseDC(bar, screen);
    ReleaseMemoryDc(image);
}

int HitTest(HWND control, LPARAM point, bool vertical) {
    const BarSlots slots = FindSlots(control);
    HWND bar = vertical ? (slots.vBar ? *slots.vBar : nullptr) : (slots.hBar ? *slots.hBar : nullptr);
    if (!bar) return HOT_NONE;
    RECT box{};
    GetWindowRect(bar, &box);
    const int x = static_cast<short>(LOWORD(point)) - box.left, y = static_cast<short>(HIWORD(point)) - box.top;
    const RECT* parts = vertical ? slots.vParts : slots.hParts;
    auto inside = [&](const RECT& r) { return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom; };
    if (inside(parts[0])) return HOT_FIRST_ARROW;
    if (inside(parts[1])) return HOT_LAST_ARROW;
    if (inside(parts[2])) return HOT_THUMB;
    return HOT_NONE;
}

void Place(HWND bar, HWND control, LONG object, const RECT& parentBox) {
    const RECT s = ReadScrollBar(control, object).rcScrollBar;
    SetWindowPos(bar, HWND_TOP, s.left - parentBox.left, s.top - parentBox.top, s.right - s.left, s.bottom - s.top, 0);
}

}  // namespace

int ArrowButtonLength(int barLength, int metric) {
    constexpr int MINIMUM_TRACK = 4;
    if (barLength > 2 * metric + MINIMUM_TRACK) return metric;
    return barLength > MINIMUM_TRACK ? (barLength - MINIMUM_TRACK) / 2 : 0;
}

HWND CreateEmulatedVScrollBar(HWND control, bool visible) {
    return CreateBar(control, visible, OBJID_VSCROLL, &VScrollBarProc);
}

HWND CreateEmulatedHScrollBar(HWND control, bool visible) {
    return CreateBar(control, visible, OBJID_HSCROLL, &HScrollBarProc);
}

LRESULT CALLBACK VScrollBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    return BarProc(bar, message, wParam, lParam, &PaintEmulatedVScrollBar);
}

LRESULT CALLBACK HScrollBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    return BarProc(bar, message, wParam, lParam, &PaintEmulatedHScrollBar);
}

void PaintEmulatedVScrollBar(HWND control, int hotPart) { PaintBar(control, hotPart, true); }
void PaintEmulatedHScrollBar(HWND control, int hotPart) { PaintBar(control, hotPart, false); }

int HitTestVScrollBar(HWND control, LPARAM point) { return HitTest(control, point, true); }
int HitTestHScrollBar(HWND control, LPARAM point) { return HitTest(control, point, false); }

void SyncEmulatedScrollBars(HWND control) {
    RECT parentBox{};
    GetWindowRect(GetParent(control), &parentBox);
    const BarSlots slots = FindSlots(control);
    if (!slots.vBar) return;
    HWND v = *slots.vBar, h = *slots.hBar;
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const bool isEdit = GetClassNameText(control) == L"Edit";
    auto follow = [&](HWND bar, LONG scrollStyle) {
        if (!bar) return;
        if (isEdit) {
            ShowWindow(bar, (style & scrollStyle) && (style & WS_VISIBLE) ? SW_SHOWNA : SW_HIDE);
        } else if (style & scrollStyle) {
            ShowWindow(bar, IsWindowVisible(control) ? SW_SHOWNA : SW_HIDE);
        }
    };
    follow(v, WS_VSCROLL);
    follow(h, WS_HSCROLL);
    if (!IsWindowVisible(control)) return;
    if (v) Place(v, control, OBJID_VSCROLL, parentBox);
    if (h) Place(h, control, OBJID_HSCROLL, parentBox);
}

}  // namespace kestrune
