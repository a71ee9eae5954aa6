#include "skin/caption_rendering.h"

#include "graphics/brushes.h"
#include "graphics/graphics.h"
#include "graphics/image.h"
#include "graphics/path.h"
#include "graphics/pen.h"
#include "skin/colour.h"
#include "skin/drawing_primitives.h"
#include "skin/frame_rendering.h"
#include "skin/skin_geometry.h"
#include "skin/skin_state.h"
#include "skin/window_record.h"

#include <algorithm>

namespace kestrune {
namespace {

constexpr COLORREF RED = 0x0000FF, WHITE = 0xFFFFFF, BLACK = 0x000000;
constexpr int CLOSE_CORNER_DIAMETER = 5;

float F(long value) { return static_cast<float>(value); }

BYTE Alpha(int value) { return static_cast<BYTE>(std::clamp(value, 0, 255)); }

// A vertical gradient from (x, top) to (x, bottom).
void MakeVerticalGradient(LinearGradientBrush& brush, long x, long top, long bottom, gdip::ARGB from, gdip::ARGB to) {
    brush.Create(MakePointF(F(x), F(top)), MakePointF(F(x), F(bottom)), from, to);
}

// The button's outline: the close button has a rounded top-right corner.
void AddButtonShape(GraphicsPath& path, int kind, const RECT& button) {
    if (kind == CLOSE_BUTTON) {
        AddTopRightRoundedOutline(path, button.left, button.top, Width(button), Height(button), CLOSE_CORNER_DIAMETER);
    } else {
        path.AddRectangle(F(button.left), F(button.top), F(Width(button)), F(Height(button)));
    }
}

void DrawGlyph(Graphics& graphics, const WindowRecord& record, const CaptionButton& button, float x, float y,
               float width, float height) {
    const bool restore = button.kind == MAXIMIZE_BUTTON && record.maximized;
    Bitmap glyph;
    if (glyph.CreateFromBytes(restore ? button.altGlyph : button.glyph)) {
        graphics.DrawImageRect(glyph, x, y, width, height);
    }
}

void CopyButtonToScreen(const WindowRecord& record, const RECT& button) {
    HDC screen = GetDC(record.hwnd);
    BitBlt(screen, button.left, button.top, Width(button), Height(button), record.backgroundDc, button.left,
           button.top, SRCCOPY);
    ReleaseDC(record.hwnd, screen);
}

void DrawPressedButton(int windowId, int index) {
    WindowRecord& record = WindowAt(windowId);
    const CaptionButton& button = CaptionButtonAt(record, index);
    const RECT rect = CaptionButtonRect(windowId, index);
    {
        Graphics graphics;
        graphics.FromHdc(record.backgroundDc);
        RestoreCaptionBackground(windowId, rect);
        GraphicsPath shape;
        shape.Create();
        AddButtonShape(shape, button.kind, rect);
        const bool close = button.kind == CLOSE_BUTTON;
        LinearGradientBrush fill;
        MakeVerticalGradient(fill, rect.left, rect.top, rect.bottom,
                             close ? ColorRefToArgb(RED, 255) : ColorRefToArgb(BLACK, 80),
                             close ? ColorRefToArgb(WHITE, 30) : ColorRefToArgb(WHITE, 5));
        graphics.FillPath(fill, shape);
        DrawGlyph(graphics, record, button, F(rect.left), F(rect.top), F(Width(rect) - 1), F(Height(rect)));
    }
    CopyButtonToScreen(record, rect);
}

void DrawSeparator(const WindowRecord& record, Graphics& graphics, float boundsX, int alpha) {
    const long x = static_cast<long>(boundsX - 2);
    const long top = static_cast<long>(record.buttonStripY), height = static_cast<long>(record.buttonStripHeight);
    GraphicsPath line;
    line.Create();
    line.AddLine(F(x), F(top + 1), F(x), F(top + height - 4));
    LinearGradientBrush fade;
    MakeVerticalGradient(fade, x, top, top + height - 3, ColorRefToArgb(BLACK, Alpha(alpha)), ColorRefToArgb(BLACK, 0));
    Pen pen;
    pen.CreateFromBrush(fade, 1);
    graphics.DrawPath(pen, line);
}

}  // namespace

RECT CaptionButtonRect(int windowId, int index) {
    WindowRecord& record = WindowAt(windowId);
    const CaptionButton& button = CaptionButtonAt(record, index);
    const long x = static_cast<long>(button.bounds.X - 1);
    const long y = static_cast<long>(record.buttonStripY) + 1;
    return {x, y, x + button.width, y + button.height};
}

void DrawCaptionButton(int windowId, int index, Graphics* graphics, bool intoFullRedraw, bool pressed,
                       int hoverAlpha) {
    if (index < 1) return;
    if (pressed) {
        DrawPressedButton(windowId, index);
        return;
    }
    WindowRecord& record = WindowAt(windowId);
    const CaptionButton& button = CaptionButtonAt(record, index);
    const RECT rect = CaptionButtonRect(windowId, index);
    Graphics own;
    if (!intoFullRedraw || !graphics) {
        own.FromHdc(record.backgroundDc);
        own.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        graphics = &own;
    }
    DrawCaptionButtonHover(*graphics, windowId, index, hoverAlpha);

    LinearGradientBrush gloss;
    MakeVerticalGradient(gloss, rect.left, rect.top, rect.bottom, ColorRefToArgb(WHITE, 50), ColorRefToArgb(BLACK, 0));
    graphics->FillRectangle(gloss, F(rect.left - 1), F(rect.top), F(Width(rect) + 1), F(Height(rect) - 1));
    DrawGlyph(*graphics, record, button, F(rect.left), F(rect.top), F(Width(rect)), F(Height(rect)));
    DrawButtonSeparators(windowId, index, *graphics);

    if (!intoFullRedraw) {
        own.Delete();
        CopyButtonToScreen(record, rect);
    }
}

void DrawCaptionButtonHover(Graphics& graphics, int windowId, int index, int alpha) {
    WindowRecord& record = WindowAt(windowId);
    const CaptionButton& button = CaptionButtonAt(record, index);
    const RECT rect = CaptionButtonRect(windowId, index);
    const int x = rect.left, y = rect.top, w = Width(rect), h = Height(rect);
    RestoreCaptionBackground(windowId, {x - 1, y, x - 1 + w + 2, y + h + 1});
    const bool close = button.kind == CLOSE_BUTTON;

    GraphicsPath top;
    top.Create();
    AddTopRoundedOutline(top, x, y, w, h, 1);
    LinearGradientBrush shade;
    MakeVerticalGradient(shade, x, y, y + h + 1, ColorRefToArgb(BLACK, Alpha(alpha / 5)), ColorRefToArgb(WHITE, 0));
    graphics.FillPath(shade, top);

    GraphicsPath closeShape;
    closeShape.Create();
    if (close) AddTopRightRoundedOutline(closeShape, x, y, w, h, CLOSE_CORNER_DIAMETER);
    LinearGradientBrush colour;
    MakeVerticalGradient(colour, x, y, y + h + 1, ColorRefToArgb(close ? RED : skinState.themeColour, Alpha(alpha)),
                         ColorRefToArgb(WHITE, 0));
    graphics.FillPath(colour, close ? closeShape : top);

    const int highlightHeight = static_cast<int>(h * 0.8);
    GraphicsPath highlight;
    highlight.Create();
    if (close) {
        AddTopRightRoundedOutline(highlight, x, y, w - 1, highlightHeight, CLOSE_CORNER_DIAMETER);
    } else {
        AddTopRoundedOutline(highlight, x, y, w - 1, highlightHeight, 1);
    }
    LinearGradientBrush line;
    MakeVerticalGradient(line, x, y, y + h + 1, ColorRefToArgb(WHITE, Alpha(static_cast<int>(alpha * 0.8))),
                         ColorRefToArgb(WHITE, 0));
    Pen pen;
    pen.CreateFromBrush(line, 1);
    graphics.DrawPath(pen, highlight);
}

void AddTopRightRoundedOutline(GraphicsPath& path, int x, int y, int width, int height, int diameter) {
    path.AddLine(F(x), F(y + height), F(x), F(y));
    path.AddLine(F(x), F(y), F(x + width - diameter), F(y));
    path.AddArc(F(x + width - diameter), F(y), F(diameter), F(diameter), 270, 90);
    path.AddLine(F(x + width), F(y + diameter), F(x + width), F(y + height));
}

void DrawButtonSeparators(int windowId, int index, Graphics& graphics) {
    WindowRecord& record = WindowAt(windowId);
    DrawSeparator(record, graphics, CaptionButtonAt(record, index).bounds.X, index == 1 ? 100 : 60);
    if (index < static_cast<int>(record.captionButtons.size())) {
        DrawSeparator(record, graphics, CaptionButtonAt(record, index + 1).bounds.X, 60);
    }
}

}  // namespace kestrune
