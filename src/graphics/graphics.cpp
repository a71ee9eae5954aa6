#include "graphics/graphics.h"

#include "graphics/brushes.h"
#include "graphics/image.h"
#include "graphics/path.h"
#include "graphics/pen.h"
#include "graphics/fonts.h"

namespace kestrune {

bool Graphics::FromHdc(HDC dc) {
    gdip::GpGraphics* made = nullptr;
    return Fill(gdip::GdipCreateFromHDC(dc, &made), made);
}

bool Graphics::FromImage(const Image& image) {
    gdip::GpGraphics* made = nullptr;
    return Fill(gdip::GdipGetImageGraphicsContext(image.GetNative(), &made), made);
}

bool Graphics::SetCompositingQuality(Gdiplus::CompositingQuality quality) {
    return RecordStatus(gdip::GdipSetCompositingQuality(GetNative(), quality));
}

bool Graphics::SetSmoothingMode(Gdiplus::SmoothingMode mode) {
    return RecordStatus(gdip::GdipSetSmoothingMode(GetNative(), mode));
}

bool Graphics::SetInterpolationMode(Gdiplus::InterpolationMode mode) {
    return RecordStatus(gdip::GdipSetInterpolationMode(GetNative(), mode));
}

bool Graphics::SetPixelOffsetMode(Gdiplus::PixelOffsetMode mode) {
    return RecordStatus(gdip::GdipSetPixelOffsetMode(GetNative(), mode));
}

bool Graphics::DrawLine(const Pen& pen, gdip::REAL x1, gdip::REAL y1, gdip::REAL x2, gdip::REAL y2) {
    return RecordStatus(gdip::GdipDrawLine(GetNative(), pen.GetNative(), x1, y1, x2, y2));
}

bool Graphics::DrawRectangle(const Pen& pen, gdip::REAL x, gdip::REAL y, gdip::REAL width, gdip::REAL height) {
    return RecordStatus(gdip::GdipDrawRectangle(GetNative(), pen.GetNative(), x, y, width, height));
}

bool Graphics::DrawPath(const Pen& pen, const GraphicsPath& path) {
    return RecordStatus(gdip::GdipDrawPath(GetNative(), pen.GetNative(), path.GetNative()));
}

bool Graphics::Clear(gdip::ARGB colour) { return RecordStatus(gdip::GdipGraphicsClear(GetNative(), colour)); }

bool Graphics::FillRectangle(const Brush& brush, gdip::REAL x, gdip::REAL y, gdip::REAL width,
                             gdip::REAL height) {
    return RecordStatus(gdip::GdipFillRectangle(GetNative(), brush.GetNative(), x, y, width, height));
}

bool Graphics::FillPath(const Brush& brush, const GraphicsPath& path) {
    return RecordStatus(gdip::GdipFillPath(GetNative(), brush.GetNative(), path.GetNative()));
}

bool Graphics::DrawString(std::wstring_view text, const Font& font, const gdip::RectF& layout,
                          const StringFormat* format, const Brush& brush) {
    return RecordStatus(gdip::GdipDrawString(GetNative(), text.data(), static_cast<INT>(text.size()),
                                             font.GetNative(), &layout, format ? format->GetNative() : nullptr,
                                             brush.GetNative()));
}

bool Graphics::MeasureString(std::wstring_view text, const Font& font, const gdip::RectF& layout,
                             const StringFormat* format, gdip::RectF& bounds) {
    INT codepointsFitted = 0, linesFilled = 0;
    return RecordStatus(gdip::GdipMeasureString(GetNative(), text.data(), static_cast<INT>(text.size()),
                                                font.GetNative(), &layout,
                                                format ? format->GetNative() : nullptr, &bounds,
                                                &codepointsFitted, &linesFilled));
}

bool Graphics::DrawImage(const Image& image, gdip::REAL x, gdip::REAL y) {
    return RecordStatus(gdip::GdipDrawImage(GetNative(), image.GetNative(), x, y));
}

bool Graphics::DrawImageRect(const Image& image, gdip::REAL x, gdip::REAL y, gdip::REAL width,
                             gdip::REAL height, Gdiplus::Unit sourceUnit) {
    const UINT sourceWidth = image.GetWidth();
    const UINT sourceHeight = image.GetHeight();
    if (lastStatus != Gdiplus::Ok) return false;
    return RecordStatus(gdip::GdipDrawImageRectRect(GetNative(), image.GetNative(), x, y, width, height, 0, 0,
                                                    static_cast<gdip::REAL>(sourceWidth),
                                                    static_cast<gdip::REAL>(sourceHeight),
                                                    static_cast<Gdiplus::GpUnit>(sourceUnit), nullptr, nullptr,
                                                    nullptr));
}

bool Graphics::SetClipPath(const GraphicsPath& path, Gdiplus::CombineMode mode) {
    return RecordStatus(gdip::GdipSetClipPath(GetNative(), path.GetNative(), mode));
}

bool Graphics::SetClipRect(gdip::REAL x, gdip::REAL y, gdip::REAL width, gdip::REAL height,
                           Gdiplus::CombineMode mode) {
    return RecordStatus(gdip::GdipSetClipRect(GetNative(), x, y, width, height, mode));
}

bool Graphics::ResetClip() { return RecordStatus(gdip::GdipResetClip(GetNative())); }

}  // namespace kestrune
