#include "graphics/brushes.h"

#include "graphics/image.h"
#include "graphics/path.h"

namespace kestrune {

bool SolidBrush::Create(gdip::ARGB colour) {
    gdip::GpSolidFill* made = nullptr;
    return Fill(gdip::GdipCreateSolidFill(colour, &made), made);
}

bool LinearGradientBrush::Create(gdip::PointF start, gdip::PointF end, gdip::ARGB startColour,
                                 gdip::ARGB endColour, Gdiplus::WrapMode wrapMode) {
    gdip::GpLineGradient* made = nullptr;
    return Fill(gdip::GdipCreateLineBrush(&start, &end, startColour, endColour, wrapMode, &made), made);
}

bool LinearGradientBrush::SetPresetBlend(std::span<const gdip::ARGB> colours,
                                         std::span<const gdip::REAL> positions) {
    if (colours.size() != positions.size()) return RecordStatus(Gdiplus::InvalidParameter);
    return RecordStatus(gdip::GdipSetLinePresetBlend(Line(), colours.data(), positions.data(),
                                                     static_cast<INT>(colours.size())));
}

bool LinearGradientBrush::SetLinearBlend(gdip::REAL focus, gdip::REAL scale) {
    return RecordStatus(gdip::GdipSetLineLinearBlend(Line(), focus, scale));
}

bool PathGradientBrush::CreateFromPath(const GraphicsPath& path) {
    gdip::GpPathGradient* made = nullptr;
    return Fill(gdip::GdipCreatePathGradientFromPath(path.GetNative(), &made), made);
}

bool PathGradientBrush::SetCenterColor(gdip::ARGB colour) {
    return RecordStatus(gdip::GdipSetPathGradientCenterColor(Gradient(), colour));
}

bool PathGradientBrush::SetSurroundColors(std::span<const gdip::ARGB> colours) {
    INT count = static_cast<INT>(colours.size());
    return RecordStatus(gdip::GdipSetPathGradientSurroundColorsWithCount(Gradient(), colours.data(), &count));
}

bool PathGradientBrush::SetFocusScales(gdip::REAL x, gdip::REAL y) {
    return RecordStatus(gdip::GdipSetPathGradientFocusScales(Gradient(), x, y));
}

bool TextureBrush::Create(const Image& image, Gdiplus::WrapMode wrapMode) {
    gdip::GpTexture* made = nullptr;
    return Fill(gdip::GdipCreateTexture(image.GetNative(), wrapMode, &made), made);
}

}  // namespace kestrune
