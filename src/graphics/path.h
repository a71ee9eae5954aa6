// Graphics paths: the outlines the skin fills, strokes and clips to.
#pragma once

#include "graphics/native_object.h"

namespace kestrune {

class GraphicsPath : public NativeObject<gdip::GpPath, &gdip::GdipDeletePath> {
public:
    bool Create(Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
    bool Delete() { return DeleteNative(); }
    bool Reset();
    bool AddLine(gdip::REAL x1, gdip::REAL y1, gdip::REAL x2, gdip::REAL y2);
    bool AddRectangle(gdip::REAL x, gdip::REAL y, gdip::REAL width, gdip::REAL height);
    bool AddEllipse(gdip::REAL x, gdip::REAL y, gdip::REAL width, gdip::REAL height);
    bool AddArc(gdip::REAL x, gdip::REAL y, gdip::REAL width, gdip::REAL height, gdip::REAL startAngle,
                gdip::REAL sweepAngle);
    bool CloseFigure();
};

}  // namespace kestrune
