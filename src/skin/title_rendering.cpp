#include "skin/title_rendering.h"

#include "graphics/brushes.h"
#include "graphics/fonts.h"
#include "graphics/graphics.h"
#include "graphics/image.h"
#include "skin/canvas.h"
#include "skin/carried_pictures.h"
#include "skin/colour.h"
#include "skin/drawing_primitives.h"
#include "skin/frame_rendering.h"
#include "skin/skin_engine.h"
#include "skin/skin_geometry.h"
#include "skin/window_record.h"

#include <string>

namespace kestrune {
namespace {

constexpr float TEXT_INDENT = 20;  // text starts right of the icon
constexpr float TEXT_DROP = 2;

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

INT FontStyle(bool bold) { return bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular; }

void DrawTextIn(Graphics& graphics, std::wstring_view text, const Font& font, const gdip::RectF& layout,
                const StringFormat* format, gdip::ARGB colour) {
    SolidBrush brush;
    brush.Create(colour);
    graphics.DrawString(text, font, layout, format, brush);
}

gdip::RectF Moved(const gdip::RectF& layout, float dx, float dy) {
    return MakeRectF(layout.X + dx, layout.Y + dy, layout.Width, layout.Height);
}

void DrawTitleText(Graphics& graphics, const WindowRecord& record, std::wstring_view text, const gdip::RectF& layout) {
    const float size = static_cast<float>(record.titleFontSize);
    if (record.titleEffectColour == -1) {
        Font font;
        font.Create(record.titleFont, size, FontStyle(record.titleBold), Gdiplus::UnitWorld);
        DrawTextIn(graphics, text, font, layout, nullptr, ColorRefToArgb(record.titleColour, 255, false));
        return;
    }
    const COLORREF effect = static_cast<COLORREF>(record.titleEffectColour);
    if (record.titleGlow) {
        DrawGlowText(graphics, text, layout, record.titleColour, effect, 4, record.titleFont, record.titleBold, size);
    } else {
        DrawOutlinedText(graphics, text, layout, record.titleColour, effect, 1, record.titleFont, record.titleBold,
                         size);
    }
}

}  // namespace

RECT TitleArea(int windowId) {
    const WindowRecord& record = WindowAt(windowId);
    RECT client{};
    GetClientRect(record.hwnd, &client);
    const int left = BORDER_WIDTH + 6, top = BORDER_WIDTH + 1;
    const int width = client.right - static_cast<int>(record.buttonStripWidth) - 10 - 2 * BORDER_WIDTH;
    return {left, top, left + width, top + TITLE_AREA_HEIGHT};
}

void DrawTitle(int windowId, Graphics* graphics, bool intoFullRedraw, std::optional<std::wstring_view> text) {
    const WindowRecord& record = WindowAt(windowId);
    const RECT area = TitleArea(windowId);
    Graphics own;
    if (!intoFullRedraw) {
        own.FromHdc(record.backgroundDc);
        graphics = &own;
        RestoreCaptionBackground(windowId, area);
    }
    // The icon loaded at start-up; a window skinned before the engine started
    // still gets one.
    HICON icon = applicationIcon ? applicationIcon : LoadApplicationIcon();
    DrawIconEx(record.backgroundDc, area.left, area.top, icon, TITLE_ICON_SIZE, TITLE_ICON_SIZE, 0,
               nullptr, DI_NORMAL);
    const gdip::RectF layout = MakeRectF(static_cast<float>(area.left) + TEXT_INDENT,
                                         static_cast<float>(area.top) + TEXT_DROP, static_cast<float>(Width(area)),
                                         static_cast<float>(TITLE_AREA_HEIGHT));
    const std::wstring windowText = text ? std::wstring() : WindowText(record.hwnd);
    if (graphics) DrawTitleText(*graphics, record, text ? *text : windowText, layout);

    if (!intoFullRedraw) {
        own.Delete();
        HDC screen = GetDcExcludingChildren(record.hwnd, nullptr, false);
        BitBlt(screen, area.left, area.top, Width(area), Height(area), record.backgroundDc, area.left, area.top,
               SRCCOPY);
        ReleaseDC(record.hwnd, screen);
    }
}

void DrawOutlinedText(Graphics& graphics, std::wstring_view text, const gdip::RectF& layout, COLORREF textColour,
                      COLORREF outlineColour, int offset, const std::wstring& family, bool bold, float size) {
    Font font;
    font.Create(family, size, FontStyle(bold), Gdiplus::UnitWorld);
    StringFormat format;
    format.Create(Gdiplus::StringFormatFlagsLineLimit);
    format.SetAlignment(Gdiplus::StringAlignmentNear);
    format.SetLineAlignment(Gdiplus::StringAlignmentNear);
    const float d = static_cast<float>(offset);
    const gdip::ARGB outline = ColorRefToArgb(outlineColour, 150);
    for (const auto& [dx, dy] : {std::pair{d, 0.0f}, {-d, 0.0f}, {0.0f, d}, {0.0f, -d}}) {
        DrawTextIn(graphics, text, font, Moved(layout, dx, dy), &format, outline);
    }
    DrawTextIn(graphics, text, font, layout, &format, ColorRefToArgb(textColour, 255, false));
}

void DrawGlowText(Graphics& graphics, std::wstring_view text, const gdip::RectF& layout, COLORREF textColour,
                  COLORREF glowColour, int factor, const std::wstring& family, bool bold, float size) {
    const int width = static_cast<int>(layout.Width), height = static_cast<int>(layout.Height);
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    Font font;
    font.Create(family, size, FontStyle(bold), Gdiplus::UnitWorld);

    Bitmap rendered;
    rendered.CreateEmpty(width, height);
    {
        Graphics onRendered;
        onRendered.FromImage(rendered);
        DrawTextIn(onRendered, text, font, MakeRectF(0, 0, w, h), nullptr, ColorRefToArgb(glowColour, 255, false));
    }
    Bitmap shrunk;
    shrunk.CreateEmpty(width / factor, height / factor);
    {
        Graphics onShrunk;
        onShrunk.FromImage(shrunk);
        onShrunk.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        onShrunk.SetCompositingQuality(Gdiplus::CompositingQualityHighQuality);
        onShrunk.SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
        onShrunk.DrawImageRect(rendered, 0, 0, static_cast<float>(width / factor), static_cast<float>(height / factor));
    }
    Bitmap halo;
    halo.CreateEmpty(width, height);
    {
        Graphics onHalo;
        onHalo.FromImage(halo);
        onHalo.SetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
        onHalo.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        onHalo.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        onHalo.DrawImageRect(shrunk, 1, 1, w, h);
    }
    graphics.DrawImageRect(halo, layout.X, layout.Y, w, h);

    const gdip::ARGB faint = ColorRefToArgb(glowColour, 60);
    for (const auto& [dx, dy] : {std::pair{0.0f, 1.0f}, {2.0f, 1.0f}, {1.0f, 0.0f}, {1.0f, 2.0f}}) {
        DrawTextIn(graphics, text, font, Moved(layout, dx, dy), nullptr, faint);
    }
    DrawTextIn(graphics, text, font, Moved(layout, 1, 1), nullptr, ColorRefToArgb(textColour, 255, false));
}

}  // namespace kestrune
