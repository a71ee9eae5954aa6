#include "skin/skin_background.h"

#include "graphics/brushes.h"
#include "graphics/graphics.h"
#include "graphics/image.h"
#include "graphics/path.h"
#include "graphics/pen.h"
#include "skin/colour.h"
#include "skin/drawing_primitives.h"
#include "skin/skin_state.h"
#include "skin/window_record.h"

namespace kestrune {
namespace {

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

int PlacementMode(const WindowRecord& record) {
    return record.windowImage.empty() ? skinState.fadeMode : record.windowImageMode;
}

// Where the picture goes on a client of the given size; false for a mode that
// does not draw it.
bool PictureDestination(int mode, SIZE client, SIZE picture, gdip::RectF& destination) {
    const auto f = [](long value) { return static_cast<float>(value); };
    switch (mode) {
        case PLACE_TOP_LEFT:
        case PLACE_MIRRORED_STRIP:
            destination = MakeRectF(0, 0, f(picture.cx), f(picture.cy));
            return true;
        case PLACE_TOP_RIGHT:
            destination = MakeRectF(f(client.cx - picture.cx), 0, f(picture.cx), f(picture.cy));
            return true;
        case PLACE_CENTRED:
            destination = MakeRectF(f((client.cx - picture.cx) / 2), f((client.cy - picture.cy) / 2), f(picture.cx),
                                    f(picture.cy));
            return true;
        case PLACE_STRETCHED:
            destination = MakeRectF(0, 0, f(client.cx), f(client.cy));
            return true;
        default:
            return false;
    }
}

// The picture repeated side by side over the client width, every other tile
// mirrored horizontally.
bool MakeMirroredStrip(Bitmap& picture, int clientWidth) {
    const int height = static_cast<int>(picture.GetHeight());
    Bitmap strip;
    if (!strip.CreateEmpty(clientWidth, height)) return false;
    {
        Graphics graphics;
        graphics.FromImage(strip);
        TextureBrush tiles;
        tiles.Create(picture, Gdiplus::WrapModeTileFlipX);
        graphics.FillRectangle(tiles, 0, 0, static_cast<float>(clientWidth), static_cast<float>(height));
    }
    picture = std::move(strip);
    return true;
}

void FillCaptionBand(Graphics& graphics, const WindowRecord& record, float width) {
    const float band = static_cast<float>(record.captionHeight);
    const COLORREF colour = static_cast<COLORREF>(record.captionBandColour);
    const BYTE alpha = static_cast<BYTE>(record.captionBandAlpha);
    const bool white = record.captionBandColour < 1;
    LinearGradientBrush gradient;
    gradient.Create(MakePointF(0, 0), MakePointF(0, band),
                    white ? ColorRefToArgb(0xFFFFFF, 150) : ColorRefToArgb(colour, static_cast<BYTE>(alpha * 0.2)),
                    white ? ColorRefToArgb(0xFFFFFF, 0) : ColorRefToArgb(colour, alpha));
    graphics.FillRectangle(gradient, 0, 0, width, band);
}

}  // namespace

bool PlaceSkinImage(int windowId, const RECT& area, Bitmap& picture, RECT& covered) {
    const WindowRecord& record = WindowAt(windowId);
    covered = {};
    const std::vector<BYTE>& bytes = record.windowImage.empty() ? skinState.skinImage : record.windowImage;
    if (bytes.empty() || !picture.CreateFromBytes(bytes)) return false;
    const SIZE client = ClientSize(record.hwnd);
    const int mode = PlacementMode(record);
    if (mode == PLACE_MIRRORED_STRIP && !MakeMirroredStrip(picture, client.cx)) return false;

    const SIZE size{static_cast<LONG>(picture.GetWidth()), static_cast<LONG>(picture.GetHeight())};
    gdip::RectF placed;
    if (PictureDestination(mode, client, size, placed)) {
        const RECT where{static_cast<LONG>(placed.X), static_cast<LONG>(placed.Y),
                         static_cast<LONG>(placed.X + placed.Width), static_cast<LONG>(placed.Y + placed.Height)};
        IntersectRect(&covered, &area, &where);
    }
    return true;
}

void PaintSkinBackground(Graphics& graphics, int windowId) {
    const WindowRecord& record = WindowAt(windowId);
    const SIZE client = ClientSize(record.hwnd);
    const float width = static_cast<float>(client.cx), height = static_cast<float>(client.cy);
    const bool ownPicture = !record.windowImage.empty();
    graphics.Clear(ColorRefToArgb(ownPicture ? record.windowImageColour : skinState.skinBackColour, 255, false));

    if (ownPicture || !skinState.skinImage.empty()) {
        Bitmap picture;
        RECT covered{};
        const RECT whole{0, 0, client.cx, client.cy};
        gdip::RectF placed;
        if (PlaceSkinImage(windowId, whole, picture, covered) &&
            PictureDestination(PlacementMode(record), client,
                               {static_cast<LONG>(picture.GetWidth()), static_cast<LONG>(picture.GetHeight())},
                               placed)) {
            graphics.DrawImageRect(picture, placed.X, placed.Y, placed.Width, placed.Height);
        }
    }

    if (record.captionBandColour >= 0) {
        SolidBrush tint;
        tint.Create(ColorRefToArgb(static_cast<COLORREF>(record.captionBandColour),
                                   static_cast<BYTE>(record.captionBandAlpha)));
        const float top = record.captionBand ? static_cast<float>(record.captionHeight) : 0;
        graphics.FillRectangle(tint, 0, top, width, height - top);
    }
    if (record.captionBand) FillCaptionBand(graphics, record, width);
}

void DrawFrameBorder(int windowId, Graphics& graphics) {
    const SIZE client = ClientSize(WindowAt(windowId).hwnd);
    const float width = static_cast<float>(client.cx), height = static_cast<float>(client.cy);

    GraphicsPath outer;
    outer.Create();
    AddRoundRectFigure(outer, 0, 0, width - 1, height - 1, 7);
    Pen dark;
    dark.Create(ColorRefToArgb(0x000000, 180), 2);
    graphics.DrawPath(dark, outer);

    GraphicsPath inner;
    inner.Create();
    AddRoundRectFigure(inner, 1, 1, width - 3, height - 3, 6);
    Pen light;
    light.Create(ColorRefToArgb(0xFFFFFF, 180), 1);
    graphics.DrawPath(light, inner);
}

}  // namespace kestrune
