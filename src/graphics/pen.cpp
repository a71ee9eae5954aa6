#include "graphics/pen.h"

#include "graphics/brushes.h"

namespace kestrune {

bool Pen::Create(gdip::ARGB colour, gdip::REAL width, Gdiplus::Unit unit) {
    gdip::GpPen* made = nullptr;
    return Fill(gdip::GdipCreatePen1(colour, width, static_cast<Gdiplus::GpUnit>(unit), &made), made);
}

bool Pen::CreateFromBrush(const Brush& brush, gdip::REAL width, Gdiplus::Unit unit) {
    gdip::GpPen* made = nullptr;
    return Fill(gdip::GdipCreatePen2(brush.GetNative(), width, static_cast<Gdiplus::GpUnit>(unit), &made), made);
}

bool Pen::SetWidth(gdip::REAL width) { return RecordStatus(gdip::GdipSetPenWidth(GetNative(), width)); }

}  // namespace kestrune
