#include "skin/controls/button_skin.h"

#include "graphics/brushes.h"
#include "graphics/fonts.h"
#include "graphics/graphics.h"
#include "graphics/image.h"
#include "graphics/path.h"
#include "graphics/pen.h"
#include "skin/canvas.h"
#include "skin/carried_pictures.h"
#include "skin/colour.h"
#include "skin/drawing_primitives.h"
#include "skin/skin_attachment.h"
#include "skin/skin_state.h"
#include "skin/window_properties.h"
#include "skin/window_record.h"

#include <array>
#include <string>

namespace kestrune {

namespace {

constexpr int HOT_KIND_BUTTON = 0;
constexpr COLORREF FOCUS_GLOW_COLOUR = 0xDDCA22;
constexpr int INDICATOR_WIDTH = 13;

LONG_PTR Style(HWND button) { return GetWindowLongPtrW(button, GWL_STYLE); }

bool IsOwnerDrawnStyle(LONG_PTR style) { return (style & 0xB) == 0xB; }

ButtonRecord* FindButton(HWND button) {
    const int windowId = GetPropId(button, PROP_OWNER_ID);
    const int buttonId = GetPropId(button, PROP_ID);
    if (windowId < 1 || windowId > WindowCount()) return nullptr;
    auto& buttons = WindowAt(windowId).buttons;
    if (buttonId < 1 || buttonId > static_cast<int>(buttons.size())) return nullptr;
    ButtonRecord& record = buttons[buttonId - 1];
    return record.hwnd == button ? &record : nullptr;
}

bool HasRecord(const WindowRecord& window, HWND button) {
    for (const ButtonRecord& record : window.buttons) {
        if (record.hwnd == button) return true;
    }
    return false;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Register(int windowId, HWND button, int kind) {
    WindowRecord& window = WindowAt(windowId);
    if (!(window.buttons.size() == 1 && window.buttons[0].hwnd == nullptr)) window.buttons.emplace_back();
    const int buttonId = static_cast<int>(window.buttons.size());
    ButtonRecord& record = window.buttons.back();
    record = ButtonRecord{};
    record.hwnd = button;
    record.kind = kind;
    record.textEffectColour = -1;
    record.text = WindowText(button);
    const ControlFont font = ReadControlFont(button);
    record.fontName = font.faceName.empty() ? L"宋体" : font.faceName;
    record.fontSize = font.size > 0 ? font.size : 12;
    record.fontStyle = font.style;
    const LONG_PTR previous =
        SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ButtonProc));
    record.previousProc = reinterpret_cast<WNDPROC>(previous);
    SetPropValue(button, PROP_ID, buttonId);
    SetPropValue(button, PROP_OWNER_ID, windowId);
    SetPropValue(button, PROP_PREVIOUS_PROC, previous);
    if (kind == PUSH_BUTTON) SetWindowLongPtrW(button, GWL_STYLE, Style(button) | BS_OWNERDRAW);
}

template <typename Qualifies>
void InstallButtons(int windowId, HWND parent, Qualifies qualifies) {
    if (!skinState.skinControls || windowId < 1 || windowId > WindowCount()) return;
    for (HWND child = FindWindowExW(parent, nullptr, L"BUTTON", nullptr); child;
         child = FindWindowExW(parent, child, L"BUTTON", nullptr)) {
        int kind = PUSH_BUTTON;
        if (!qualifies(child, kind) || HasRecord(WindowAt(windowId), child)) continue;
        Register(windowId, child, kind);
    }
}

LRESULT PassOn(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropValue(button, PROP_PREVIOUS_PROC));
    return previous ? CallWindowProcW(previous, button, message, wParam, lParam)
                    : DefWindowProcW(button, message, wParam, lParam);
}

// The class procedure changes the check state, then the button is drawn again.
LRESULT PaintThrough(const ButtonRecord& record, UINT message, WPARAM wParam, LPARAM lParam) {
    PassOn(record.hwnd, message, wParam, lParam);
    if (record.kind == RADIO_BUTTON) {
        PaintRadioButton(record.hwnd, 1);
    } else {
        PaintCheckBox(record.hwnd, 0);
    }
    return DefWindowProcW(record.hwnd, message, wParam, lParam);
}

gdip::ARGB Argb(COLORREF colour, int alpha) { return ColorRefToArgb(colour, static_cast<BYTE>(alpha)); }
gdip::ARGB Theme(int alpha) { return Argb(skinState.themeColour, alpha); }

void FillSolid(Graphics& graphics, const GraphicsPath& path, gdip::ARGB colour) {
    SolidBrush brush;
    brush.Create(colour);
    graphics.FillPath(brush, path);
}

void FillGradient(Graphics& graphics, const GraphicsPath& path, float x1, float y1, float x2, float y2,
                  gdip::ARGB from, gdip::ARGB to) {
    LinearGradientBrush brush;
    brush.Create(MakePointF(x1, y1), MakePointF(x2, y2), from, to);
    graphics.FillPath(brush, path);
}

void Stroke(Graphics& graphics, const GraphicsPath& path, gdip::ARGB colour) {
    Pen pen;
    pen.Create(colour, 1);
    graphics.DrawPath(pen, path);
}

void DrawCaption(Graphics& graphics, const ButtonRecord& record, Gdiplus::Unit unit, const gdip::RectF& layout,
                 Gdiplus::StringAlignment horizontal) {
    SolidBrush brush;
    brush.Create(Argb(static_cast<COLORREF>(GetPropValue(record.hwnd, PROP_TEXT_COLOUR)), 255));
    Font font;
    font.Create(record.fontName, static_cast<gdip::REAL>(record.fontSize), record.fontStyle, unit);
    StringFormat format;
    format.Create();
    format.SetAlignment(horizontal);
    format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    if (!font.IsEmpty()) graphics.DrawString(record.text, font, layout, &format, brush);
}

// The bright ring around a hovered check box or radio button: ring is the
// figure, indicator the clip it surrounds.
void FillHoverRing(Graphics& graphics, const GraphicsPath& indicator, const GraphicsPath& ring) {
    graphics.SetClipPath(indicator, Gdiplus::CombineModeReplace);
    graphics.SetClipPath(ring, Gdiplus::CombineModeXor);
    const std::array<gdip::ARGB, 1> surround{Argb(0xFFFFFF, 0)};
    const std::array<std::pair<gdip::ARGB, float>, 2> layers{{{Argb(0xFFFFFF, 255), 0.4f}, {Theme(255), 0.3f}}};
    for (const auto& [centre, scale] : layers) {
        PathGradientBrush brush;
        brush.CreateFromPath(ring);
        brush.SetSurroundColors(surround);
        brush.SetCenterColor(centre);
        brush.SetFocusScales(scale, scale);
        graphics.FillPath(brush, ring);
    }
    graphics.ResetClip();
}

// Composes, draws, commits and copies one check box or radio button to its window.
template <typename Draw>
void PaintIndicatorButton(HWND button, Draw draw) {
    const ButtonRecord* record = FindButton(button);
    if (!record) return;
    PaintControlStandard(button, nullptr, [&](Graphics& graphics, const RECT& client) {
        const float x = static_cast<float>(client.left), y = static_cast<float>(client.top);
        const float h = static_cast<float>(client.bottom - client.top);
        draw(graphics, x, y, h, y + (h - 12) / 2);
        DrawCaption(graphics, *record, Gdiplus::UnitPixel,
                    MakeRectF(x + INDICATOR_WIDTH + 2, 2, static_cast<float>(client.right - client.left), h),
                    Gdiplus::StringAlignmentNear);
    });
}

bool IsChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace

bool IsPushButtonStyle(HWND button) {
    const LONG_PTR style = Style(button);
    return (style & 0x6) == 0 && (style & 0x9) != 0x9;
}

bool IsCheckBoxStyle(HWND button) {
    const LONG_PTR style = Style(button);
    return (style & 0x2) && !(style & 0x4);
}

bool IsAutoRadioStyle(HWND button) {
    const LONG_PTR style = Style(button);
    return (style & 0x9) == 0x9 && (style & 0x6) == 0;
}

void InstallPushButtonSkins(int windowId, HWND parent) {
    InstallButtons(windowId, parent, [](HWND child, int& kind) {
        kind = PUSH_BUTTON;
        return IsPushButtonStyle(child);
    });
}

void InstallCheckRadioSkins(int windowId, HWND parent) {
    InstallButtons(windowId, parent, [](HWND child, int& kind) {
        if (IsOwnerDrawnStyle(Style(child))) return false;
        kind = IsCheckBoxStyle(child) ? CHECK_BOX : RADIO_BUTTON;
        return IsCheckBoxStyle(child) || IsAutoRadioStyle(child);
    });
}

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    ButtonRecord* record = FindButton(button);
    if (!record) return PassOn(button, message, wParam, lParam);
    WindowRecord& window = WindowAt(GetPropId(button, PROP_OWNER_ID));
    const bool indicator = record->kind != PUSH_BUTTON;
    switch (message) {
    case WM_MOUSEMOVE: {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, button, 0};
        TrackMouseEvent(&track);
        window.hotControl = button;
        if (window.lastHotControl != window.hotControl || window.hotKind != HOT_KIND_BUTTON) {
            RepaintButton(button, 0, true);
            window.lastHotControl = window.hotControl;
            window.hotKind = HOT_KIND_BUTTON;
        }
        break;
    }
    case WM_MOUSELEAVE:
        window.lastHotControl = nullptr;
        // Leaving while the button is held down (the pointer dragged off) keeps the pushed look.
        RepaintButton(button, (record->focused ? ODS_FOCUS : 0) | (record->mouseDown && !indicator ? ODS_SELECTED : 0),
                      false);
        break;
    case WM_LBUTTONDOWN:
        record->mouseDown = true;
        if (indicator) return PaintThrough(*record, message, wParam, lParam);
        break;
    case WM_LBUTTONUP:
        record->mouseDown = false;
        window.lastHotControl = nullptr;
        break;
    case WM_LBUTTONDBLCLK:
        return 0;
    case WM_KEYDOWN:
        if (indicator && wParam == VK_SPACE) return PaintThrough(*record, message, wParam, lParam);
        break;
    case BM_SETCHECK:
        if (indicator) return PaintThrough(*record, message, wParam, lParam);
        break;
    case BM_SETSTATE:
        if (wParam == 0 && record->mouseDown) return 0;
        break;
    case WM_SETFOCUS:
        record->focused = true;
        break;
    case WM_KILLFOCUS:
        record->focused = false;
        break;
    case WM_SETTEXT:
        record->text = lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"";
        break;
    case WM_PAINT:
        if (indicator) {
            PAINTSTRUCT paint;
            BeginPaint(button, &paint);
            if (record->kind == RADIO_BUTTON) {
                PaintRadioButton(button, 0);
            } else {
                PaintCheckBox(button, 0);
            }
            EndPaint(button, &paint);
            return DefWindowProcW(button, message, wParam, lParam);
        }
        break;
    case WM_ERASEBKGND: {
        auto dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        return static_cast<LRESULT>(SetTextColor(dc, static_cast<COLORREF>(GetPropValue(button, PROP_TEXT_COLOUR))));
    }
    case WM_NCPAINT:
        return 1;
    case WM_MOVE:
        InvalidateRect(button, nullptr, TRUE);
        break;
    default:
        break;
    }
    return PassOn(button, message, wParam, lParam);
}

void RepaintButton(HWND button, UINT state, bool hover) {
    const ButtonRecord* record = FindButton(button);
    if (!record) return;
    if (hover) state |= HOVER_STATE;
    switch (record->kind) {
    case PUSH_BUTTON: {
        HDC dc = GetDC(button);
        RECT client{};
        GetClientRect(button, &client);
        PaintPushButton(button, dc, state, client);
        ReleaseDC(button, dc);
        break;
    }
    case RADIO_BUTTON:
        PaintRadioButton(button, state);
        break;
    default:
        PaintCheckBox(button, state);
        break;
    }
}

void PaintPushButton(HWND button, HDC target, UINT state, const RECT& rect) {
    const ButtonRecord* record = FindButton(button);
    if (!record || !target) return;
    const float x = static_cast<float>(rect.left), y = static_cast<float>(rect.top);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    HDC image = ComposeControlBackground(button, rect);
    if (!image) return;
    {
        Graphics graphics;
        graphics.FromHdc(image);
        GraphicsPath shape;
        shape.Create();
        AddRoundRectFigure(shape, x, y, w - 1, h - 1, 5);
        FillSolid(graphics, shape, Argb(0xFFFFFF, 120));
        if (state & ODS_DISABLED) {
            SolidBrush flat;
            flat.Create(Argb(0xC0C0C0, 255));
            graphics.FillRectangle(flat, x, y, w, h);
            Stroke(graphics, shape, Argb(0x000000, 80));
        } else {
            FillGradient(graphics, shape, x, y, x, y + h - 1, Argb(0xFFFFFF, 0), Argb(0x808080, 60));
            GraphicsPath highlight;
            highlight.Create();
            AddTopRoundedOutline(highlight, rect.left, rect.top, width - 1, static_cast<int>(h * 0.5f), 5);
            FillGradient(graphics, highlight, x, y, x, y + h * 0.5f, Argb(0xFFFFFF, 50), Argb(0xFFFFFF, 10));
            if (state & HOVER_STATE) {
                FillGradient(graphics, shape, x, y, x, y + h - 1, Theme(60), Argb(0xFFFFFF, 80));
                FillGradient(graphics, shape, x, y, x, y + h - 1, Argb(0xFFFFFF, 100), Theme(30));
                Stroke(graphics, shape, Argb(0x000000, 150));
                Stroke(graphics, shape, Theme(100));
            } else if (state & ODS_FOCUS) {
                graphics.SetClipPath(shape, Gdiplus::CombineModeReplace);
                StrokePathLayers(graphics, shape, 3, FOCUS_GLOW_COLOUR, 120);
                graphics.ResetClip();
                Stroke(graphics, shape, Argb(0x000000, 80));
            } else {
                Stroke(graphics, shape, Argb(0x000000, 120));
            }
            if (state & ODS_SELECTED) {
                GraphicsPath pressed;
                pressed.Create();
                AddRoundRectFigure(pressed, x + 2, y + 2, w - 3, h - 3, 5);
                FillGradient(graphics, pressed, 2, 2, 2, h - 2, Theme(60), Argb(0xFFFFFF, 100));
            }
        }
        DrawCaption(graphics, *record, Gdiplus::UnitWorld, MakeRectF(0, 2, w, h), Gdiplus::StringAlignmentCenter);
    }  // the graphics and its objects are gone before the image is copied
    CommitToCanvas(button, image, false, false);
    BitBlt(target, 0, 0, width, height, image, 0, 0, SRCCOPY);
    ReleaseMemoryDc(image);
}

void PaintRadioButton(HWND button, UINT state) {
    PaintIndicatorButton(button, [&](Graphics& graphics, float x, float y, float h, float c) {
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        GraphicsPath outer;
        outer.Create();
        outer.AddEllipse(x + 2, c, 12, 12);
        FillSolid(graphics, outer, Argb(0xFFFFFF, 255));
        FillGradient(graphics, outer, x + 3, c + 1, x + 10, c + 11, Argb(0x000000, 100), Argb(0x000000, 0));
        if (state & HOVER_STATE) {
            GraphicsPath ring;
            ring.Create();
            ring.AddEllipse(x - 1, c - 3, 18, 18);
            FillHoverRing(graphics, outer, ring);
            FillGradient(graphics, outer, x + 3, c + 1, x + 11, c + 12, Theme(100), Argb(0x000000, 0));
        }
        Stroke(graphics, outer, Argb(0x000000, 200));
        GraphicsPath inner;
        inner.Create();
        inner.AddEllipse(x + 3, y + (h - 11) / 2 + 1, 9, 9);
        Stroke(graphics, inner, Argb(0xFFFFFF, 255));
        if (IsChecked(button)) {
            GraphicsPath dot;
            dot.Create();
            dot.AddEllipse(x + 5, c + 3, 6, 6);
            PathGradientBrush brush;
            brush.CreateFromPath(dot);
            brush.SetCenterColor(Argb(0xFFFFFF, 80));
            const std::array<gdip::ARGB, 1> surround{Theme(255)};
            brush.SetSurroundColors(surround);
            Stroke(graphics, dot, Argb(0x000000, 150));
            Stroke(graphics, dot, Theme(150));
            graphics.FillPath(brush, dot);
        }
    });
}

void PaintCheckBox(HWND button, UINT state) {
    PaintIndicatorButton(button, [&](Graphics& graphics, float x, float y, float h, float c) {
        {
            SolidBrush white;
            white.Create(Argb(0xFFFFFF, 255));
            graphics.FillRectangle(white, x + 3, c + 1, 11, 11);
            LinearGradientBrush shade;
            shade.Create(MakePointF(x, c), MakePointF(x, c + 12), Argb(0x000000, 70), Argb(0xFFFFFF, 255));
            graphics.FillRectangle(shade, x + 3, c + 1, 11, 11);
        }
        GraphicsPath box;
        box.Create();
        box.AddRectangle(x + 2, c, 12, 12);
        if (state & HOVER_STATE) {
            GraphicsPath ring;
            ring.Create();
            AddRoundRectFigure(ring, x - 1, c - 3, 18, 18, 6);
            FillHoverRing(graphics, box, ring);
            const float top = y + (h - 11) / 2;
            FillGradient(graphics, box, x, top, x + 12, top + 12, Theme(90), Argb(0xFFFFFF, 30));
        }
        Stroke(graphics, box, Argb(0x000000, 150));
        Pen light;
        light.Create(Argb(0xFFFFFF, 255), 1);
        graphics.DrawRectangle(light, x + 4, c + 1, 9, 10);
        if (IsChecked(button)) {
            Bitmap mark;
            if (mark.CreateFromBytes(TintCheckMark())) {
                graphics.DrawImage(mark, x + 2, c);
                graphics.DrawImage(mark, x + 2, c);
            }
        }
    });
}

void StrokePathLayers(Graphics& graphics, const GraphicsPath& path, int count, COLORREF colour, BYTE alpha) {
    Pen pen;
    pen.Create(ColorRefToArgb(colour, alpha, true), 1);
    for (int i = 1; i <= count; ++i) {
        pen.SetWidth(static_cast<gdip::REAL>(i));
        graphics.DrawPath(pen, path);
    }
}

std::vector<BYTE> TintCheckMark() {
    Bitmap glyph;
    if (!glyph.CreateFromBytes(ResourceBytes(CHECK_MARK_GLYPH))) return {};
    Bitmap bitmap;
    const int width = static_cast<int>(glyph.GetWidth()), height = static_cast<int>(glyph.GetHeight());
    if (!bitmap.CreateEmpty(width, height, PixelFormat32bppARGB)) return {};
    const COLORREF theme = skinState.themeColour;
    const int tr = static_cast<int>(theme % 256), tg = static_cast<int>((theme % 65536) / 256),
              tb = static_cast<int>(theme / 65536);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const gdip::ARGB pixel = glyph.GetPixel(x, y);
            const COLORREF colour = ArgbToColorRef(pixel);
            if (colour == 0xFFFFFF) {
                bitmap.SetPixel(x, y, pixel);
                continue;
            }
            const int r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
            const int average = (r + g + b) / 3;
            const COLORREF tinted = RGB(tr * r / 255, tg * g / 255, tb * b / 255);
            bitmap.SetPixel(x, y, ColorRefToArgb(tinted, static_cast<BYTE>(255 - average), true));
        }
    }
    return bitmap.SaveToBytes(PNG_FORMAT_ID);
}

}  // namespace kestrune
