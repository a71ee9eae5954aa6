// A skinned main-window-sized popup for the caption, close and trim tests. Its
// own procedure records the move and size commands the skin sends it and
// swallows them, so no modal move or size loop starts inside a test.
#pragma once

#include "graphics/image.h"
#include "picture_helpers.h"
#include "remote_panel.h"
#include "skin/skin_attachment.h"
#include "skin/window_properties.h"
#include "skin/window_record.h"
#include "support/real_input.h"
#include "support/test_windows.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace kestrune::caption_testing {

inline constexpr int WINDOW_X = 50, WINDOW_Y = 50, WINDOW_WIDTH = 875, WINDOW_HEIGHT = 648;
inline constexpr int CAPTION_HEIGHT = 110;
inline constexpr const wchar_t* RECORDING_CLASS = L"KestruneRecordingWindow";

// WM_SYSCOMMAND commands and WM_NCLBUTTONDOWN hit codes (as 0x10000 + code) received.
inline std::vector<WPARAM> receivedCommands;
inline constexpr WPARAM MOVE_STARTED = 0x10000 + HTCAPTION;

inline LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCLBUTTONDOWN) {
        receivedCommands.push_back(0x10000 + wParam);
        return 0;
    }
    if (message == WM_SYSCOMMAND) {
        receivedCommands.push_back(wParam);
        if ((wParam & 0xFFF0) == SC_SIZE) return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

inline HWND CreateRecordingWindow(DWORD style = WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX) {
    testing::RegisterTestClass(RECORDING_CLASS, RecordingProc, GetSysColorBrush(COLOR_BTNFACE));
    return CreateWindowExW(WS_EX_TOPMOST, RECORDING_CLASS, L"Kestrune", style, WINDOW_X, WINDOW_Y, WINDOW_WIDTH,
                           WINDOW_HEIGHT, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// A shown, skinned recording window with the program's caption height.
inline HWND CreateSkinnedWindow(testing::TestWindows& windows, int resizable = 0) {
    HWND window = windows.Add(CreateRecordingWindow());
    SkinOptions options;
    options.captionHeight = CAPTION_HEIGHT;
    options.resizable = resizable;
    ApplySkin(window, options);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    SetForegroundWindow(window);
    testing::PumpMessages();
    return window;
}

inline WindowRecord& RecordOf(HWND window) { return WindowAt(GetPropId(window, PROP_ID)); }

// The centre of caption button index (1-based), in client coordinates.
inline POINT ButtonCentre(HWND window, int index) {
    const gdip::RectF& bounds = CaptionButtonAt(RecordOf(window), index).bounds;
    return {static_cast<LONG>(bounds.X + bounds.Width / 2), static_cast<LONG>(bounds.Y + bounds.Height / 2)};
}

inline void PostMouse(HWND window, UINT message, int x, int y) {
    PostMessageW(window, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    testing::PumpMessages();
}

// Pumps messages until done() holds, for at most about five seconds.
inline bool PumpUntil(const std::function<bool()>& done) { return testing::PumpUntil(done, 5000); }

using testing::MovePointerTo;
using testing::MovePointerToClient;

// Saves a screen area as build/<name> for a person to look at.
inline bool SaveScreenArea(const RECT& area, const std::wstring& name) {
    return remote::SaveScreenArea(area, testing_pictures::BesideTestProgram(L"..\\..\\" + name));
}

}  // namespace kestrune::caption_testing
