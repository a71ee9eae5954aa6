#include "support/test_windows.h"

namespace kestrune::testing {

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TEST_PING) return TEST_PING_ANSWER;
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterTestClass(const wchar_t* name, WNDPROC procedure, HBRUSH background) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, name, &windowClass)) return;
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

HWND CreateTestWindow(DWORD style, int x, int y, int width, int height, bool visible) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterTestClass(TEST_WINDOW_CLASS, TestWindowProc, GetSysColorBrush(COLOR_BTNFACE));
    HWND window = CreateWindowExW(0, TEST_WINDOW_CLASS, L"", style, x, y, width, height, nullptr, nullptr, instance, nullptr);
    if (window && visible) {
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
    }
    return window;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void TestWindows::DestroyAll() {
    for (HWND window : windows_) {
        if (IsWindow(window)) DestroyWindow(window);
    }
    windows_.clear();
    PumpMessages();
}

}  // namespace kestrune::testing
