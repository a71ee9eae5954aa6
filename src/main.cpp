// Kestrune: hardware and operating-system facts from WMI, in one skinned window.
#include "graphics/gdiplus_session.h"
#include "panel/main_form.h"
#include "skin/skin_state.h"
#include "toolkit/runtime.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    kestrune::OleSession ole;
    kestrune::GdiplusSession gdiplus;
    kestrune::ResetSkinState();
    HWND window = kestrune::CreateMainWindow(showCommand);
    if (!window) return 1;
    return kestrune::RunMessageLoop(window);
}
