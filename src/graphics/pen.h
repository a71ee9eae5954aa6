// Pens for outlines and lines.
#pragma once

#include "graphics/native_object.h"

namespace kestrune {

class Brush;

class Pen : public NativeObject<gdip::GpPen, &gdip::GdipDeletePen> {
public:
    bool Create(gdip::ARGB colour, gdip::REAL width = 1, Gdiplus::Unit unit = Gdiplus::UnitWorld);
    bool CreateFromBrush(const Brush& brush, gdip::REAL width = 1, Gdiplus::Unit unit = Gdiplus::UnitWorld);
    bool SetWidth(gdip::REAL width);
    bool Delete() { return DeleteNative(); }
};

}  // namespace kestrune
