#include "remote_panel.h"

#include "graphics/gdiplus_session.h"
#include "graphics/image.h"
#include "toolkit/text.h"

#include <vector>

namespace kestrune::remote {

bool RemoteProgram::Start(const std::wstring& exePath, DWORD timeoutMs) {
    Close();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    WaitForInputIdle(process_, timeoutMs);
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        window_ = FindMainWindow(processId_);
        if (window_ && IsWindowVisible(window_)) return true;
        if (WaitForSingleObject(process_, 50) == WAIT_OBJECT_0) break;
    }
    Close();
    return false;
}

long RemoteProgram::Close(DWORD timeoutMs) {
    if (!process_) return 0;
    if (window_ && IsWindow(window_)) PostMessageW(window_, WM_CLOSE, 0, 0);
    long result = -1;
    DWORD exitCode = 0;
    if (WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0 && GetExitCodeProcess(process_, &exitCode)) {
        result = static_cast<long>(exitCode);
    } else {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, timeoutMs);
    }
    CloseHandle(process_);
    process_ = nullptr;
    processId_ = 0;
    window_ = nullptr;
    return result;
}

HWND FindMainWindow(DWORD processId) {
    for (HWND window = FindWindowExW(nullptr, nullptr, FORM_WINDOW_CLASS, nullptr); window;
         window = FindWindowExW(nullptr, window, FORM_WINDOW_CLASS, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) return window;
    }
    return nullptr;
}

bool PressButton(HWND button, UINT timeoutMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

std::optional<std::wstring> PressQueryButton(HWND window, const QueryButton& button, UINT timeoutMs) {
    if (!PressButton(MainFormControl(window, button.button), timeoutMs)) return std::nullopt;
    return GetWindowTextString(MainFormControl(window, button.target));
}

std::wstring SiblingPath(const wchar_t* fileName) {
    std::vector<wchar_t> path(MAX_PATH);
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::wstring own(path.data(), length);
    return own.substr(0, own.find_last_of(L"\\/") + 1) + fileName;
}

bool SaveScreenArea(const RECT& area, const std::wstring& pngPath) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    GdiplusSession gdiplus;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP capture = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, capture);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    Bitmap image;
    bool saved = image.CreateFromHBitmap(capture) && image.SaveToFile(pngPath, PNG_FORMAT_ID);
    image.Dispose();
    DeleteObject(capture);
    return saved;
}

bool SaveWindowScreenshot(HWND window, const std::wstring& pngPath) {
    RECT area;
    return GetWindowRect(window, &area) && SaveScreenArea(area, pngPath);
}

}  // namespace kestrune::remote
