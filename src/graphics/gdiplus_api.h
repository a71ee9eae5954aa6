// The GDI+ flat interface as the object layer sees it.
#pragma once

#include <windows.h>
#include <ole2.h>  // <gdiplus.h> needs the COM types WIN32_LEAN_AND_MEAN leaves out

#include <gdiplus.h>

namespace kestrune::gdip {

using namespace Gdiplus::DllExports;
using Gdiplus::ARGB;
using Gdiplus::GpBitmap;
using Gdiplus::GpBrush;
using Gdiplus::GpFont;
using Gdiplus::GpFontFamily;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;
using Gdiplus::GpLineGradient;
using Gdiplus::GpPath;
using Gdiplus::GpPathGradient;
using Gdiplus::GpPen;
using Gdiplus::GpSolidFill;
using Gdiplus::GpStatus;
using Gdiplus::GpStringFormat;
using Gdiplus::GpTexture;
using Gdiplus::PointF;
using Gdiplus::REAL;
using Gdiplus::RectF;

}  // namespace kestrune::gdip
