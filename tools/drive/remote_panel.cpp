#include "remote_panel.h"

#include "toolkit/text.h"

#include <ole2.h>
#include <gdiplus.h>

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

namespace {

bool FindEncoder(const wchar_t* mimeType, CLSID& clsid) {
    UINT count = 0;
    UINT size = 0;
    if (Gdiplus::DllExports::GdipGetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
    std::vector<BYTE> buffer(size);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::DllExports::GdipGetImageEncoders(count, size, encoders) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (lstrcmpW(encoders[i].MimeType, mimeType) == 0) {
            clsid = encoders[i].Clsid;
            return true;
        }
    }
    return false;
}

}  // namespace

bool SaveWindowScreenshot(HWND window, const std::wstring& pngPath) {
    RECT area;
    if (!GetWindowRect(window, &area)) return false;
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return false;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);

    bool saved = false;
    Gdiplus::GpBitmap* image = nullptr;
    CLSID png;
    if (FindEncoder(L"image/png", png) &&
        Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) == Gdiplus::Ok) {
        saved = Gdiplus::DllExports::GdipSaveImageToFile(image, pngPath.c_str(), &png, nullptr) == Gdiplus::Ok;
        Gdiplus::DllExports::GdipDisposeImage(image);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    Gdiplus::GdiplusShutdown(token);
    return saved;
}

}  // namespace kestrune::remote
