// A drawing surface: a DC or an image, with GDI+ quality settings.
#pragma once

#include "graphics/native_object.h"

#include <string_view>

namespace kestrune {

class Brush;
class Font;
class GraphicsPath;
class Image;
class Pen;
class StringFormat;

class Graphics : public NativeObject<gdip::GpGraphics, &gdip::GdipDeleteGraphics> {
public:
    bool FromHdc(HDC dc);
    bool FromImage(const Image& image);
    bool Delete() { return DeleteNative(); }

    bool SetCompositingQuality(Gdiplus::CompositingQuality quality);
    bool SetSmoothingMode(Gdiplus::SmoothingMode mode);
    bool SetInterpolationMode(Gdiplus::InterpolationMode mode);
    bool SetPixelOffsetMode(Gdiplus::PixelOffsetMode mode);

    bool DrawLine(const Pen& pen, gdip::REAL x1, gdip::REAL y1, gdip::REAL x2, gdip::REAL y2);
    bool DrawRectangle(const Pen& pen, gdip::REAL x, gdip::REAL y, gdip::REAL width, gdip::REAL height);
    bool DrawPath(const Pen& pen, const GraphicsPath& path);
    bool Clear(gdip::ARGB colour);
    bool FillRectangle(const Brush& brush, gdip::REAL x, gdip::REAL y, gdip::REAL width, gdip::REAL height);
    bool FillPath(const Brush& brush, const GraphicsPath& path);

    // format may be null (GDI+'s default layout).
    bool DrawString(std::wstring_view text, const Font& font, const gdip::RectF& layout,
                    const StringFormat* format, const Brush& brush);
    bool MeasureString(std::wstring_view text, const Font& font, const gdip::RectF& layout,
                       const StringFormat* format, gdip::RectF& bounds);

    // At its own size, top-left corner at (x, y).
    bool DrawImage(const Image& image, gdip::REAL x, gdip::REAL y);
    // The whole image stretched into the destination rectangle.
    bool DrawImageRect(const Image& image, gdip::REAL x, gdip::REAL y, gdip::REAL width, gdip::REAL height,
                       Gdiplus::Unit sourceUnit = Gdiplus::UnitPixel);

    bool SetClipPath(const GraphicsPath& path, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool SetClipRect(gdip::REAL x, gdip::REAL y, gdip::REAL width, gdip::REAL height,
                     Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool ResetClip();
};

}  // namespace kestrune
