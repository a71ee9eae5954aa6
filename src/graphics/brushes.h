// Brushes: solid, linear gradient, path gradient and texture.
#pragma once

#include "graphics/native_object.h"

#include <span>

namespace kestrune {

class GraphicsPath;
class Image;

// What every brush shares: its native brush and its deletion.
class Brush : public NativeObject<gdip::GpBrush, &gdip::GdipDeleteBrush> {
public:
    bool Delete() { return DeleteNative(); }
};

class SolidBrush : public Brush {
public:
    bool Create(gdip::ARGB colour);
};

class LinearGradientBrush : public Brush {
public:
    bool Create(gdip::PointF start, gdip::PointF end, gdip::ARGB startColour, gdip::ARGB endColour,
                Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeTile);
    // colours[i] at positions[i] (0..1 along the gradient); the spans must be as long.
    bool SetPresetBlend(std::span<const gdip::ARGB> colours, std::span<const gdip::REAL> positions);
    bool SetLinearBlend(gdip::REAL focus, gdip::REAL scale);

private:
    gdip::GpLineGradient* Line() const { return static_cast<gdip::GpLineGradient*>(GetNative()); }
};

class PathGradientBrush : public Brush {
public:
    bool CreateFromPath(const GraphicsPath& path);
    bool SetCenterColor(gdip::ARGB colour);
    bool SetSurroundColors(std::span<const gdip::ARGB> colours);
    bool SetFocusScales(gdip::REAL x, gdip::REAL y);

private:
    gdip::GpPathGradient* Gradient() const { return static_cast<gdip::GpPathGradient*>(GetNative()); }
};

class TextureBrush : public Brush {
public:
    bool Create(const Image& image, Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeTile);
};

}  // namespace kestrune
