// The program's runtime services: start-up of COM, the message loop and its
// single-pass pump, and fatal programming errors.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <string_view>

namespace kestrune {

// Initialises OLE on this thread for the life of the holder.
class OleSession {
public:
    OleSession() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession() {
        if (ok_) OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

private:
    bool ok_;
};

// Runs until WM_QUIT; returns its exit code. Keyboard navigation between the
// controls of dialogWindow (Tab, Space, Enter) is handled when it is given.
int RunMessageLoop(HWND dialogWindow);

// Dispatches the messages already waiting on this thread, once. A WM_QUIT met
// on the way is posted again so the outer loop still ends.
void PumpWaitingMessages();

// Where fatal error texts go: a message box by default.
using FatalErrorPresenter = void (*)(std::wstring_view message);
void SetFatalErrorPresenter(FatalErrorPresenter presenter);
void PresentInMessageBox(std::wstring_view message);
void PresentOnStandardError(std::wstring_view message);

inline constexpr UINT FATAL_EXIT_CODE = 9;  // the index error's process exit code

// An array index below 1 or beyond size: reports it and ends the process.
[[noreturn]] void FatalIndexError(std::wstring_view arrayName, long long index, std::size_t size);

// Checked 1-based access.
template <typename Array>
auto& At1(Array& array, long long index, std::wstring_view arrayName) {
    if (index < 1 || static_cast<unsigned long long>(index) > array.size()) {
        FatalIndexError(arrayName, index, array.size());
    }
    return array[static_cast<std::size_t>(index - 1)];
}

}  // namespace kestrune
