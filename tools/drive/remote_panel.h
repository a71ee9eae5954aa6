// Starting and driving a Kestrune process from another process.
#pragma once

#include "panel/main_form.h"

#include <windows.h>

#include <optional>
#include <string>

namespace kestrune::remote {

// A started Kestrune and its main window. Closing or dropping it ends the process.
class RemoteProgram {
public:
    RemoteProgram() = default;
    ~RemoteProgram() { Close(); }
    RemoteProgram(const RemoteProgram&) = delete;
    RemoteProgram& operator=(const RemoteProgram&) = delete;

    // Starts the program and waits (up to timeoutMs) until its main window is shown.
    bool Start(const std::wstring& exePath, DWORD timeoutMs = 20000);
    HWND window() const { return window_; }
    HANDLE process() const { return process_; }

    // Asks the window to close and waits for the process; ends it when it lingers.
    // Returns the process exit code, or a negative value when it had to be ended.
    long Close(DWORD timeoutMs = 10000);

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
};

// The main window of process processId, or null.
HWND FindMainWindow(DWORD processId);

inline constexpr UINT PRESS_TIMEOUT_MS = 30000;

// Presses a button the way a keyboard or mouse press does (BM_CLICK) and
// returns once its handler has finished; false when it did not finish in time.
bool PressButton(HWND button, UINT timeoutMs = PRESS_TIMEOUT_MS);

// Presses the query button and returns the text of its target control, or
// nothing when the query did not finish in time.
std::optional<std::wstring> PressQueryButton(HWND window, const QueryButton& button, UINT timeoutMs = PRESS_TIMEOUT_MS);

// The program's kestrune.exe beside the running executable.
std::wstring SiblingPath(const wchar_t* fileName);

// Captures what is on screen in a screen rectangle and saves it as PNG.
bool SaveScreenArea(const RECT& area, const std::wstring& pngPath);

// Captures what is on screen in the window's rectangle and saves it as PNG.
bool SaveWindowScreenshot(HWND window, const std::wstring& pngPath);

}  // namespace kestrune::remote
