#include "skin/skin_engine.h"

#include "graphics/gdiplus_api.h"
#include "skin/carried_pictures.h"
#include "skin/main_window_proc.h"
#include "skin/skin_state.h"

namespace kestrune {

ULONG_PTR StartGraphics(UINT32 version) {
    Gdiplus::GdiplusStartupInput input{};
    input.GdiplusVersion = version;
    ULONG_PTR token = 0;
    return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok ? token : 0;
}

void ShutdownGraphics(ULONG_PTR token) {
    if (token != 0) Gdiplus::GdiplusShutdown(token);
}

void InitSkinEngine() {
    graphicsToken = StartGraphics(1);
    applicationIcon = LoadApplicationIcon();
    firstSizePending = true;
    ResetSkinState();
}

}  // namespace kestrune
