// Kestrune: hardware and operating-system facts from WMI, in one skinned window.
#include "panel/main_form.h"
#include "skin/skin_engine.h"
#include "toolkit/runtime.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    kestrune::OleSession ole;
    kestrune::SkinEngineSession skinEngine;
    HWND window = kestrune::CreateMainWindow(showCommand);
    if (!window) return 1;
    return kestrune::RunMessageLoop(window);
}
