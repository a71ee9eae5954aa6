#include "skin/controls/edit_combo_skin.h"

#include "graphics/brushes.h"
#include "graphics/fonts.h"
#include "graphics/graphics.h"
#include "graphics/image.h"
#include "graphics/path.h"
#include "graphics/pen.h"
#include "skin/canvas.h"
#include "skin/carried_pictures.h"
#include "skin/colour.h"
#include "skin/controls/scroll_bar_skin.h"
#include "skin/drawing_primitives.h"
#include "skin/skin_geometry.h"
#include "skin/skin_state.h"
#include "skin/window_properties.h"
#include "skin/window_record.h"

#include <string>

namespace kestrune {

namespace {

constexpr int HOT_KIND_EDIT = 1;
constexpr int HOT_KIND_COMBO = 3;
constexpr int SCROLL_BAR_SIZE = 17;

gdip::ARGB Argb(COLORREF colour, int alpha) { return ColorRefToArgb(colour, static_cast<BYTE>(alpha)); }
gdip::ARGB Theme(int alpha) { return Argb(skinState.themeColour, alpha); }
float F(int value) { return static_cast<float>(value); }

SIZE WindowSize(HWND window) {
    RECT box{};
    GetWindowRect(window, &box);
    return {box.right - box.left, box.bottom - box.top};
}

template <typename Record>
Record* FindControl(HWND control, std::vector<Record> WindowRecord::*list) {
    const int windowId = GetPropId(control, PROP_OWNER_ID);
    const int id = GetPropId(control, PROP_ID);
    if (windowId < 1 || windowId > WindowCount()) return nullptr;
    auto& records = WindowAt(windowId).*list;
    if (id < 1 || id > static_cast<int>(records.size())) return nullptr;
    Record& record = records[static_cast<std::size_t>(id - 1)];
    return record.hwnd == control ? &record : nullptr;
}

EditRecord* FindEdit(HWND edit) { return FindControl(edit, &WindowRecord::edits); }
ComboRecord* FindCombo(HWND combo) { return FindControl(combo, &WindowRecord::combos); }

// Appends a zeroed record, or reuses the single empty record of the list; the new id.
template <typename Record>
int AddRecord(std::vector<Record>& records) {
    if (!(records.size() == 1 && records[0].hwnd == nullptr)) records.emplace_back();
    records.back() = Record{};
    return static_cast<int>(records.size());
}

LRESULT PassOn(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropValue(control, PROP_PREVIOUS_PROC));
    return previous ? CallWindowProcW(previous, control, message, wParam, lParam)
                    : DefWindowProcW(control, message, wParam, lParam);
}

// The wash laid over the skin in an edit's ring and client area.
gdip::ARGB WashColour(HWND edit) {
    if (GetPropValue(edit, L"Zqk_Szqk") == 1) {
        return Argb(static_cast<COLORREF>(GetPropValue(edit, L"Zqk_bjs")),
                    static_cast<int>(GetPropValue(edit, L"Zqk_bjstmd")));
    }
    return Argb(0xFFFFFF, skinState.controlWhiteAlpha);
}

void FillWash(HDC dc, HWND edit, int width, int height) {
    Graphics graphics;
    graphics.FromHdc(dc);
    SolidBrush wash;
    wash.Create(WashColour(edit));
    graphics.FillRectangle(wash, 0, 0, F(width), F(height));
}

void RegisterEdit(int windowId, HWND edit, bool withBars) {
    WindowRecord& window = WindowAt(windowId);
    const int id = AddRecord(window.edits);
    EditRecord& record = window.edits.back();
    record.hwnd = edit;
    if (withBars && HasVScrollStyle(edit)) record.vScrollBar = CreateEmulatedVScrollBar(edit, HasVisibleStyle(edit));
    if (withBars && HasHScrollStyle(edit)) record.hScrollBar = CreateEmulatedHScrollBar(edit, HasVisibleStyle(edit));
    const LONG_PTR previous = SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProc));
    record.previousProc = reinterpret_cast<WNDPROC>(previous);
    SetPropValue(edit, PROP_ID, id);
    SetPropValue(edit, PROP_OWNER_ID, windowId);
    SetPropValue(edit, PROP_TEXT_COLOUR, 0);
    SetPropValue(edit, PROP_PREVIOUS_PROC, previous);
}

void RegisterCombo(int windowId, HWND combo) {
    const LRESULT selection = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (selection >= 0) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, selection, 0)) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, selection, reinterpret_cast<LPARAM>(text.data()));
        SendMessageW(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    WindowRecord& window = WindowAt(windowId);
    const int id = AddRecord(window.combos);
    ComboRecord& record = window.combos.back();
    record.hwnd = combo;
    const LONG_PTR previous = SetWindowLongPtrW(combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboProc));
    record.previousProc = reinterpret_cast<WNDPROC>(previous);
    SetPropValue(combo, PROP_ID, id);
    SetPropValue(combo, PROP_OWNER_ID, windowId);
    SetPropValue(combo, PROP_PREVIOUS_PROC, previous);
}

bool HasComboRecord(int windowId, HWND combo) {
    for (const ComboRecord& record : WindowAt(windowId).combos) {
        if (record.hwnd == combo) return true;
    }
    return false;
}

// Repaints the edit's emulated bars with no part highlighted.
void RefreshBars(const EditRecord& record) {
    if (record.vScrollBar && HasVScrollStyle(record.hwnd)) PaintEmulatedVScrollBar(record.hwnd, HOT_NONE);
    if (record.hScrollBar && HasHScrollStyle(record.hwnd)) PaintEmulatedHScrollBar(record.hwnd, HOT_NONE);
}

void TrackLeave(HWND control) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, control, 0};
    TrackMouseEvent(&track);
}

}  // namespace

void InstallEditComboSkins(int windowId, HWND parent) {
    if (!skinState.skinControls || windowId < 1 || windowId > WindowCount()) return;
    for (HWND edit = FindWindowExW(parent, nullptr, L"Edit", nullptr); edit;
         edit = FindWindowExW(parent, edit, L"Edit", nullptr)) {
        if (FindEditRecord(windowId, edit) == 0) RegisterEdit(windowId, edit, true);
    }
    for (HWND combo = FindWindowExW(parent, nullptr, L"ComboBox", nullptr); combo;
         combo = FindWindowExW(parent, combo, L"ComboBox", nullptr)) {
        if (HasComboRecord(windowId, combo)) continue;
        RegisterCombo(windowId, combo);
        HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
        if (edit && skinState.controlsTransparent && FindEditRecord(windowId, edit) == 0) RegisterEdit(windowId, edit, false);
    }
}

int FindEditRecord(int windowId, HWND edit) {
    if (windowId < 1 || windowId > WindowCount()) return 0;
    const auto& edits = WindowAt(windowId).edits;
    for (std::size_t i = 0; i < edits.size(); ++i) {
        if (edits[i].hwnd == edit) return static_cast<int>(i) + 1;
    }
    return 0;
}

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    EditRecord* record = FindEdit(edit);
    if (!record) return PassOn(edit, message, wParam, lParam);
    WindowRecord& window = WindowAt(GetPropId(edit, PROP_OWNER_ID));
    const bool transparent = skinState.controlsTransparent;
    switch (message) {
    case WM_MOUSEMOVE:
        TrackLeave(edit);
        window.hotControl = edit;
        if (window.lastHotControl != edit || window.hotKind != HOT_KIND_EDIT || window.hotParent != GetParent(edit)) {
            PaintEditFrame(edit, false, false, true, true);
            window.lastHotControl = edit;
            window.hotKind = HOT_KIND_EDIT;
            window.hotParent = GetParent(edit);
        }
        if (record->mouseDown) {
            if (!HasScrollStyle(edit)) InvalidateRect(edit, nullptr, TRUE);
            RefreshBars(*record);
        }
        break;
    case WM_MOUSELEAVE:
        window.lastHotControl = nullptr;
        PaintEditFrame(edit, record->focused, true, false, false);
        break;
    case WM_SETFOCUS: {
        record->focused = true;
        const LRESULT result = PassOn(edit, message, wParam, lParam);
        // Gaining the focus repaints no frame by itself (a single-line edit
        // draws its text straight away, a multi-line one only its caret), so
        // the themed frame is put on now rather than at some later paint.
        PaintEditFrame(edit, true, true, false, false);
        return result;
    }
    case WM_KILLFOCUS:
        record->focused = false;
        if (GetClassNameText(GetParent(edit)) == L"ComboBox") {
            PaintEditFrame(edit, false, false, false, true);
        } else {
            InvalidateRect(edit, nullptr, TRUE);
        }
        break;
    case WM_SETTEXT:
        RefreshBars(*record);
        break;
    case WM_PAINT:
        PaintEditFrame(edit, false, false, false, false);
        break;
    case WM_ERASEBKGND:
        if (!transparent) break;
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        PaintEditClientBackground(edit, reinterpret_cast<HDC>(wParam), true);
        return 1;
    case WM_NCPAINT:
    {
        PaintEditFrame(edit, false, false, false, false);
        const LRESULT result = DefWindowProcW(edit, WM_NCPAINT, 0xFFFFFFFF, lParam);
        // The system bars are drawn over siblings; the emulated bars go back on top.
        if (HasScrollStyle(edit)) RefreshBars(*record);
        return result;
    }
    case WM_NCMOUSEMOVE:
        if (record->vScrollBar && HasVScrollStyle(edit)) PaintEmulatedVScrollBar(edit, HitTestVScrollBar(edit, lParam));
        if (record->hScrollBar && HasHScrollStyle(edit)) PaintEmulatedHScrollBar(edit, HitTestHScrollBar(edit, lParam));
        break;
    case WM_NCLBUTTONDOWN:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN: {
        if (message == WM_KEYDOWN && transparent && !HasScrollStyle(edit)) InvalidateRect(edit, nullptr, TRUE);
        // The bars show where the edit is once it has scrolled.
        const LRESULT result = PassOn(edit, message, wParam, lParam);
        RefreshBars(*record);
        return result;
    }
    case WM_VSCROLL:
    case WM_HSCROLL: {
        if (transparent) InvalidateRect(edit, nullptr, TRUE);
        const LRESULT result = PassOn(edit, message, wParam, lParam);
        if (message == WM_VSCROLL && record->vScrollBar && HasVScrollStyle(edit)) PaintEmulatedVScrollBar(edit, HOT_NONE);
        if (message == WM_HSCROLL && record->hScrollBar && HasHScrollStyle(edit)) PaintEmulatedHScrollBar(edit, HOT_NONE);
        return result;
    }
    case WM_MOVE:
        if (transparent) InvalidateRect(edit, nullptr, TRUE);
        SyncEmulatedScrollBars(edit);
        break;
    case WM_WINDOWPOSCHANGED:
    case WM_GETMINMAXINFO:
        SyncEmulatedScrollBars(edit);
        break;
    case WM_LBUTTONDOWN:
        record->mouseDown = true;
        if (transparent && !HasScrollStyle(edit)) InvalidateRect(edit, nullptr, TRUE);
        break;
    case WM_LBUTTONUP:
        record->mouseDown = false;
        break;
    case WM_SHOWWINDOW:
        SyncEmulatedScrollBars(edit);
        if (GetPropValue(edit, L"Zqk_Szqk") == 1) {
            ShowWindow(reinterpret_cast<HWND>(GetPropValue(edit, L"Zqk_gljb")), wParam ? SW_SHOWNA : SW_HIDE);
        }
        break;
    case WM_DESTROY:
        if (auto brush = reinterpret_cast<HGDIOBJ>(GetPropValue(edit, PROP_BRUSH))) DeleteObject(brush);
        if (auto bitmap = reinterpret_cast<HGDIOBJ>(GetPropValue(edit, PROP_BRUSH_BITMAP))) DeleteObject(bitmap);
        SetPropValue(edit, PROP_BRUSH, 0);
        SetPropValue(edit, PROP_BRUSH_BITMAP, 0);
        break;
    default:
        break;
    }
    return PassOn(edit, message, wParam, lParam);
}

LRESULT CALLBACK ComboProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
    ComboRecord* record = FindCombo(combo);
    if (!record) return PassOn(combo, message, wParam, lParam);
    const int windowId = GetPropId(combo, PROP_OWNER_ID), comboId = GetPropId(combo, PROP_ID);
    WindowRecord& window = WindowAt(windowId);
    switch (message) {
    case WM_MOUSEMOVE:
        TrackLeave(combo);
        window.hotControl = combo;
        if (window.lastHotControl != combo || window.hotKind != HOT_KIND_COMBO) {
            PaintComboBox(windowId, comboId, true, false, false);
        }
        window.lastHotControl = combo;
        window.hotKind = HOT_KIND_COMBO;
        break;
    case WM_MOUSELEAVE:
        PaintComboBox(windowId, comboId, false, false, false);
        window.lastHotControl = nullptr;
        break;
    case WM_SETFOCUS:
        record->focused = true;
        PaintComboBox(windowId, comboId, false, true, true);
        break;
    case WM_KILLFOCUS:
        record->focused = false;
        break;
    case WM_SETTEXT:
        if (FindWindowExW(combo, nullptr, L"Edit", nullptr)) InvalidateRect(combo, nullptr, TRUE);
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(combo, &paint);
        PaintComboBox(windowId, comboId, false, false, false);
        EndPaint(combo, &paint);
        return DefWindowProcW(combo, message, wParam, lParam);
    }
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_NCPAINT:
        PaintComboBox(windowId, comboId, false, false, false);
        return DefWindowProcW(combo, WM_NCPAINT, 0xFFFFFFFF, lParam);
    case WM_MOVE:
        PaintComboBox(windowId, comboId, false, false, false);
        break;
    case WM_COMMAND: {
        const UINT code = HIWORD(wParam);
        auto child = reinterpret_cast<HWND>(lParam);
        if (skinState.controlsTransparent && skinState.skinControls && child && GetClassNameText(child) == L"Edit" &&
            (code == EN_CHANGE || code == EN_UPDATE || code == EN_HSCROLL || code == EN_VSCROLL)) {
            InvalidateRect(child, nullptr, TRUE);
        }
        break;
    }
    case WM_CTLCOLOREDIT:
        if (skinState.controlsTransparent) {
            auto edit = reinterpret_cast<HWND>(lParam);
            auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, static_cast<COLORREF>(GetPropValue(edit, PROP_TEXT_COLOUR)));
            SetBkMode(dc, TRANSPARENT);
            if (auto old = reinterpret_cast<HGDIOBJ>(GetPropValue(edit, PROP_BRUSH))) DeleteObject(old);
            if (auto old = reinterpret_cast<HGDIOBJ>(GetPropValue(edit, PROP_BRUSH_BITMAP))) DeleteObject(old);
            HBITMAP background = MakeEditBackgroundBitmap(edit);
            HBRUSH brush = background ? CreatePatternBrush(background) : nullptr;
            SetPropValue(edit, PROP_BRUSH, reinterpret_cast<LONG_PTR>(brush));
            SetPropValue(edit, PROP_BRUSH_BITMAP, reinterpret_cast<LONG_PTR>(background));
            return reinterpret_cast<LRESULT>(brush);
        }
        break;
    default:
        break;
    }
    return PassOn(combo, message, wParam, lParam);
}

namespace {

// Fills the child's rectangle with the key colour so the copies leave it alone.
void KeyOut(Graphics& graphics, HWND child, int shrink) {
    const RECT box = GetRectInParentWindow(child);
    graphics.SetClipRect(F(box.left + shrink), F(box.top + shrink), F(box.right - box.left - 2 * shrink),
                         F(box.bottom - box.top - 2 * shrink), Gdiplus::CombineModeReplace);
    graphics.Clear(ColorRefToArgb(KEY_COLOUR, 255, false));
}

void DrawDropDownButton(Graphics& graphics, const RECT& button, bool hovered) {
    const float x = F(button.left), y = F(button.top);
    const float w = F(button.right - button.left), h = F(button.bottom - button.top);
    {
        GraphicsPath outline;
        outline.Create();
        AddRoundRectFigure(outline, x, y, w - 1, h - 1, 4);
        Pen pen;
        pen.Create(hovered ? Theme(200) : Argb(0x000000, 80), 1);
        graphics.DrawPath(pen, outline);
    }
    {
        GraphicsPath face;
        face.Create();
        AddRoundRectFigure(face, x + 1, y + 1, w - 2, h - 2, 1);
        LinearGradientBrush brush;
        brush.Create(MakePointF(x + 1, y), MakePointF(x + 1, y + h - 2), hovered ? Argb(0xFFFFFF, 100) : Theme(30),
                     hovered ? Theme(150) : Theme(100));
        graphics.FillPath(brush, face);
    }
    Bitmap arrow;
    if (arrow.CreateFromBytes(ResourceBytes(DOWN_ARROW_GLYPH), true)) {
        graphics.DrawImage(arrow, x + (w - F(static_cast<int>(arrow.GetWidth()))) / 2,
                           y + (h - F(static_cast<int>(arrow.GetHeight()))) / 2);
    }
}

}  // namespace

void PaintComboBox(int windowId, int comboId, bool hovered, bool focused, bool focusedGiven) {
    if (windowId < 1 || windowId > WindowCount()) return;
    auto& combos = WindowAt(windowId).combos;
    if (comboId < 1 || comboId > static_cast<int>(combos.size())) return;
    const ComboRecord& record = combos[static_cast<std::size_t>(comboId - 1)];
    HWND combo = record.hwnd;
    if (!IsWindow(combo)) return;
    if (!focusedGiven) focused = record.focused;
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    SendMessageW(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
    const LONG style = GetWindowLongW(combo, GWL_STYLE);
    const SIZE size = WindowSize(combo);
    HDC image = ComposeControlBackground(combo, RECT{0, 0, size.cx, size.cy});
    if (!image) return;
    {
        Graphics graphics;
        graphics.FromHdc(image);
        SolidBrush wash;
        wash.Create(skinState.controlsTransparent ? Argb(0xFFFFFF, skinState.controlWhiteAlpha) : 0xFFFFFFFF);
        graphics.FillRectangle(wash, 0, 0, F(size.cx), F(size.cy));
        if (style & 0x1) {
            for (HWND child = FindWindowExW(combo, nullptr, nullptr, nullptr); child;
                 child = FindWindowExW(combo, child, nullptr, nullptr)) {
                KeyOut(graphics, child, GetClassNameText(child) == L"ComboLBox" ? 2 : 0);
            }
        } else if (HWND edit = FindWindowExW(combo, nullptr, nullptr, nullptr)) {
            KeyOut(graphics, edit, 0);
        }
        graphics.ResetClip();
        Pen frame;
        frame.Create(hovered || focused ? Theme(200) : Argb(0x000000, 80), 1);
        graphics.DrawRectangle(frame, 0, 0, F(size.cx - 1), F(size.cy - 1));
        if (style & 0x2) DrawDropDownButton(graphics, info.rcButton, hovered);
        if (style & 0x1) {
            std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(combo)) + 1, L'\0');
            text.resize(static_cast<std::size_t>(GetWindowTextW(combo, text.data(), static_cast<int>(text.size()))));
            SolidBrush ink;
            ink.Create(Argb(static_cast<COLORREF>(GetPropValue(combo, PROP_TEXT_COLOUR)), 255));
            Font font;
            font.Create(L"宋体", 12, Gdiplus::FontStyleRegular, Gdiplus::UnitWorld);
            StringFormat format;
            format.Create();
            if (!font.IsEmpty()) {
                graphics.DrawString(text, font, MakeRectF(2, F((size.cy - 12) / 2), F(size.cx - 17), F(size.cy - 4)),
                                    &format, ink);
            }
        }
    }
    HDC window = GetWindowDC(combo);
    TransparentBlt(window, 0, 0, size.cx, size.cy, image, 0, 0, size.cx, size.cy, KEY_COLOUR);
    CommitToCanvasKeyed(combo, image, KEY_COLOUR, false);
    ReleaseDC(combo, window);
    ReleaseMemoryDc(image);
}

RECT LocateClientArea(HWND control) {
    const SIZE outer = WindowSize(control);
    RECT client{};
    GetClientRect(control, &client);
    const int sv = HasVScrollStyle(control) ? SCROLL_BAR_SIZE : 0;
    const int sh = HasHScrollStyle(control) ? SCROLL_BAR_SIZE : 0;
    auto floorHalf = [](int value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); };
    const int left = floorHalf(outer.cx - (client.right + sv));
    const int top = floorHalf(outer.cy - (client.bottom + sh));
    return {left, top, left + client.right, top + client.bottom};
}

int FrameKind(HWND control) {
    if (GetWindowLongW(control, GWL_STYLE) & WS_BORDER) return 1;
    if (GetWindowLongW(control, GWL_EXSTYLE) & (WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE)) return 2;
    return 0;
}

bool HasScrollStyle(HWND control) { return (GetWindowLongW(control, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)) != 0; }

void PaintEditFrame(HWND edit, bool focused, bool focusedGiven, bool hovered, bool hoveredGiven) {
    const EditRecord* record = FindEdit(edit);
    if (!focusedGiven) focused = record && record->focused;
    if (!hoveredGiven) hovered = false;
    const SIZE size = WindowSize(edit);
    const RECT area = LocateClientArea(edit);
    HDC image = ComposeControlBackground(edit, RECT{0, 0, size.cx, size.cy});
    if (!image) return;
    {
        Graphics graphics;
        graphics.FromHdc(image);
        graphics.SetClipRect(0, 0, F(size.cx), F(size.cy), Gdiplus::CombineModeReplace);
        graphics.SetClipRect(F(area.left), F(area.top), F(area.right - area.left), F(area.bottom - area.top),
                             Gdiplus::CombineModeXor);
        if (skinState.controlsTransparent) {
            SolidBrush wash;
            wash.Create(WashColour(edit));
            graphics.FillRectangle(wash, 0, 0, F(size.cx), F(size.cy));
        } else {
            graphics.Clear(0xFFFFFFFF);
        }
        if (FrameKind(edit) != 0) DrawEditStateFrame(edit, focused, true, hovered, true, graphics);
    }
    HDC window = GetWindowDC(edit);
    ExcludeClipRect(window, area.left, area.top, area.right, area.bottom);
    BitBlt(window, 0, 0, size.cx, size.cy, image, 0, 0, SRCCOPY);
    CommitToCanvasKeyed(edit, image, KEY_COLOUR, false);
    ReleaseDC(edit, window);
    ReleaseMemoryDc(image);
}

void DrawEditStateFrame(HWND edit, bool focused, bool focusedGiven, bool hovered, bool hoveredGiven,
                        Graphics& graphics) {
    if (!focusedGiven) {
        const EditRecord* record = FindEdit(edit);
        focused = record && record->focused;
    }
    if (!hoveredGiven) hovered = false;
    const SIZE size = WindowSize(edit);
    auto frame = [&](float inset, float shrink, gdip::ARGB colour) {
        Pen pen;
        pen.Create(colour, 1);
        graphics.DrawRectangle(pen, inset, inset, F(size.cx) - shrink, F(size.cy) - shrink);
    };
    if (hovered && FrameKind(edit) == 2) {
        frame(0, 1, Argb(0xFFFFFF, 60));
        frame(0, 1, Theme(90));
        frame(1, 3, Theme(180));
    } else {
        frame(0, 1, focused ? Theme(180) : Argb(0x000000, 80));
    }
}

void PaintEditClientBackground(HWND edit, HDC dc, bool intoGivenDc) {
    const RECT area = LocateClientArea(edit);
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    HDC image = ComposeControlBackground(edit, area);
    if (!image) return;
    FillWash(image, edit, width, height);
    if (intoGivenDc) {
        BitBlt(dc, 0, 0, width, height, image, 0, 0, SRCCOPY);
    } else {
        HDC window = GetWindowDC(edit);
        BitBlt(window, area.left, area.top, width, height, image, 0, 0, SRCCOPY);
        ReleaseDC(edit, window);
    }
    ReleaseMemoryDc(image);
}

HBITMAP MakeEditBackgroundBitmap(HWND control) {
    const RECT area = LocateClientArea(control);
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return nullptr;
    HDC image = ComposeControlBackground(control, area);
    if (!image) return nullptr;
    FillWash(image, control, width, height);
    return CopyDcToBitmap(image, width, height);
}

HBITMAP CopyDcToBitmap(HDC dc, int width, int height) {
    HDC copy = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ displaced = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(copy, displaced);
    DeleteDC(copy);
    ReleaseMemoryDc(dc);
    return bitmap;
}

void CommitToCanvasKeyed(HWND control, HDC image, COLORREF key, bool isToolbarChild) {
    int windowId = GetPropId(control, isToolbarChild ? PROP_TOOL_OWNER_ID : PROP_OWNER_ID);
    if (windowId < 1 || windowId > WindowCount()) return;
    HDC canvas = WindowAt(windowId).canvasDc;
    if (!canvas) return;
    const RECT target = GetRectInSkinWindow(control);
    const int width = target.right - target.left, height = target.bottom - target.top;
    ExcludeChildrenFromCanvas(control, canvas);
    TransparentBlt(canvas, target.left, target.top, width, height, image, 0, 0, width, height, key);
    SelectClipRgn(canvas, nullptr);
}

RECT GetRectInParentWindow(HWND window) {
    if (FindWindowRecord(window) != 0) return {};
    RECT box{}, parent{};
    GetWindowRect(window, &box);
    GetWindowRect(GetParent(window), &parent);
    return {box.left - parent.left, box.top - parent.top, box.right - parent.left, box.bottom - parent.top};
}

}  // namespace kestrune
