// Real pointer and keyboard input for window tests. Input travels through the
// X server, so it arrives some time after SendInput returns: wait for its
// effect with PumpUntil.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>

namespace kestrune::testing {

// Pumps this thread's messages until done() holds, for at most about
// timeoutMs; the last answer of done().
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 2000);

// Pumps for about two seconds, so that input and paints have all arrived.
void Settle();

INPUT Key(WORD key, bool up = false);
INPUT Mouse(DWORD flags, DWORD data = 0);
void SendInputs(std::initializer_list<INPUT> inputs);

// A pointer move to a point of the window's rectangle, as absolute input.
INPUT Absolute(HWND window, int x, int y);

// Moves the pointer to a screen point and waits until it is there.
bool MovePointerTo(int x, int y);
bool MovePointerTo(POINT screen);
// The same for a point of the window's rectangle, or of its client area.
bool MovePointerToWindow(HWND window, int x, int y);
bool MovePointerToClient(HWND window, POINT client);

// Presses and releases the left button where the pointer is.
void LeftClick();

}  // namespace kestrune::testing
