// kestrune-warm-up: starts Wine's desktop and the COM and WMI service processes
// once, so that later programs find them running. Run it with its output sent
// nowhere: the service processes inherit it for as long as they live.
#include "panel/query_runner.h"
#include "toolkit/runtime.h"

#include <windows.h>

int wmain() {
    kestrune::OleSession ole;
    HWND window = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    bool answered = !kestrune::QueryCategory(1).empty();
    if (window) DestroyWindow(window);
    return answered ? 0 : 1;
}
