// Plain top-level windows for the skin engine's tests, destroyed with the holder.
#pragma once

#include <windows.h>

#include <vector>

namespace kestrune::testing {

inline constexpr const wchar_t* TEST_WINDOW_CLASS = L"KestruneTestWindow";

// A message the test class's own procedure answers, to tell it is reached.
inline constexpr UINT TEST_PING = WM_APP + 7;
inline constexpr LRESULT TEST_PING_ANSWER = 0x5EED;

// The test class's procedure: DefWindowProcW's behaviour, and TEST_PING.
LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers a window class of this module once (double clicks on, arrow
// cursor); a class already registered is left as it is.
void RegisterTestClass(const wchar_t* name, WNDPROC procedure, HBRUSH background);

// A window of the test class: DefWindowProc behaviour, button-face background.
HWND CreateTestWindow(DWORD style, int x, int y, int width, int height, bool visible = false);

// Runs the messages waiting on this thread (a WM_QUIT is dropped).
void PumpMessages();

class TestWindows {
public:
    TestWindows() = default;
    ~TestWindows() { DestroyAll(); }
    TestWindows(const TestWindows&) = delete;
    TestWindows& operator=(const TestWindows&) = delete;

    HWND Add(HWND window) {
        windows_.push_back(window);
        return window;
    }
    void DestroyAll();
    HWND Create(DWORD style, int width = 400, int height = 300, bool visible = false) {
        return Add(CreateTestWindow(style, 60, 60, width, height, visible));
    }

private:
    std::vector<HWND> windows_;
};

}  // namespace kestrune::testing
