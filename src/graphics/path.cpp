#include "graphics/path.h"

namespace kestrune {

bool GraphicsPath::Create(Gdiplus::FillMode fillMode) {
    gdip::GpPath* made = nullptr;
    return Fill(gdip::GdipCreatePath(fillMode, &made), made);
}

bool GraphicsPath::Reset() { return RecordStatus(gdip::GdipResetPath(GetNative())); }

bool GraphicsPath::AddLine(gdip::REAL x1, gdip::REAL y1, gdip::REAL x2, gdip::REAL y2) {
    return RecordStatus(gdip::GdipAddPathLine(GetNative(), x1, y1, x2, y2));
}

bool GraphicsPath::AddRectangle(gdip::REAL x, gdip::REAL y, gdip::REAL width, gdip::REAL height) {
    return RecordStatus(gdip::GdipAddPathRectangle(GetNative(), x, y, width, height));
}

bool GraphicsPath::AddEllipse(gdip::REAL x, gdip::REAL y, gdip::REAL width, gdip::REAL height) {
    return RecordStatus(gdip::GdipAddPathEllipse(GetNative(), x, y, width, height));
}

bool GraphicsPath::AddArc(gdip::REAL x, gdip::REAL y, gdip::REAL width, gdip::REAL height,
                          gdip::REAL startAngle, gdip::REAL sweepAngle) {
    return RecordStatus(gdip::GdipAddPathArc(GetNative(), x, y, width, height, startAngle, sweepAngle));
}

bool GraphicsPath::CloseFigure() { return RecordStatus(gdip::GdipClosePathFigure(GetNative())); }

}  // namespace kestrune
