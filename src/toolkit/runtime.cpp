#include "toolkit/runtime.h"

#include "toolkit/text.h"

#include <cstdio>
#include <string>

namespace kestrune {

namespace {
FatalErrorPresenter fatalErrorPresenter = PresentInMessageBox;
}

int RunMessageLoop(HWND dialogWindow) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (dialogWindow && IsWindow(dialogWindow) && IsDialogMessageW(dialogWindow, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

void PumpWaitingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void SetFatalErrorPresenter(FatalErrorPresenter presenter) {
    fatalErrorPresenter = presenter ? presenter : PresentInMessageBox;
}

void PresentInMessageBox(std::wstring_view message) {
    std::wstring text(message);
    MessageBoxW(nullptr, text.c_str(), L"Kestrune", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void PresentOnStandardError(std::wstring_view message) {
    std::string bytes = ToUtf8(message);
    bytes += '\n';
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
    std::fflush(stderr);
}

void FatalIndexError(std::wstring_view arrayName, long long index, std::size_t size) {
    std::wstring message = L"Fatal error: index out of range: ";
    message += arrayName;
    message += L"[" + std::to_wstring(index) + L"], valid 1 to " + std::to_wstring(size) + L".";
    fatalErrorPresenter(message);
    ExitProcess(FATAL_EXIT_CODE);
}

}  // namespace kestrune
