#include "support/real_input.h"

#include "support/test_windows.h"

#include <vector>

namespace kestrune::testing {

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += 10) {
        PumpMessages();
        if (done()) return true;
        Sleep(10);
    }
    PumpMessages();
    return done();
}

void Settle() { PumpUntil([] { return false; }); }

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT Mouse(DWORD flags, DWORD data) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    return input;
}

void SendInputs(std::initializer_list<INPUT> inputs) {
    std::vector<INPUT> list(inputs);
    SendInput(static_cast<UINT>(list.size()), list.data(), sizeof(INPUT));
}

namespace {

// Absolute input coordinates (0..65535) that land on the screen point.
INPUT AbsoluteMove(int x, int y) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    input.mi.dx = (x * 65536 + width - 1) / width;
    input.mi.dy = (y * 65536 + height - 1) / height;
    return input;
}

}  // namespace

INPUT Absolute(HWND window, int x, int y) {
    RECT box;
    GetWindowRect(window, &box);
    return AbsoluteMove(box.left + x, box.top + y);
}

bool MovePointerTo(int x, int y) {
    SendInputs({AbsoluteMove(x, y)});
    return PumpUntil([x, y] {
        POINT at;
        GetCursorPos(&at);
        return at.x == x && at.y == y;
    });
}

bool MovePointerTo(POINT screen) { return MovePointerTo(screen.x, screen.y); }

bool MovePointerToWindow(HWND window, int x, int y) {
    RECT box;
    GetWindowRect(window, &box);
    return MovePointerTo(box.left + x, box.top + y);
}

bool MovePointerToClient(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return MovePointerTo(client);
}

void LeftClick() { SendInputs({Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)}); }

}  // namespace kestrune::testing
