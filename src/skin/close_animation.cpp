#include "skin/close_animation.h"

#include "skin/canvas.h"
#include "skin/drawing_primitives.h"
#include "skin/window_record.h"

#include <cmath>

namespace kestrune {
namespace {

int Truncate(double value) { return static_cast<int>(value); }

// A registered memory DC holding a 32-bit surface of the given size.
HDC MakeSurface(int width, int height) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDib32(width, height);
    RegisterMemoryDc(dc, bitmap, SelectObject(dc, bitmap));
    return dc;
}

// Snapshot the window once, then stretch it into one frame after another.
void PlayCloseAnimation(HWND window, int effect) {
    ClearLayeredStyle(window);
    RECT client;
    GetClientRect(window, &client);
    HDC windowDc = GetDC(window);
    HDC snapshot = MakeSurface(client.right, client.bottom);
    BitBlt(snapshot, 0, 0, client.right, client.bottom, windowDc, 0, 0, SRCCOPY);
    HDC frame = MakeSurface(client.right, client.bottom);

    RECT bounds;
    GetWindowRect(window, &bounds);
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    SetLayeredStyle(window, false);
    for (const LayeredFrame& step : CloseAnimationFrames(effect, bounds)) {
        StretchBlt(frame, 0, 0, step.width, step.height, snapshot, 0, 0, width, height, SRCCOPY);
        PushLayeredFrame(window, frame, step.alpha, POINT{step.x, step.y}, SIZE{step.width, step.height});
        if (layeredFrameObserver) layeredFrameObserver(window, step);
        Sleep(static_cast<DWORD>(step.pauseMs));
    }
    ReleaseDC(window, windowDc);
    ReleaseMemoryDc(snapshot);
    ReleaseMemoryDc(frame);
}

}  // namespace

CloseAnimationFrameList CloseAnimationFrames(int effect, const RECT& windowRect) {
    int x = windowRect.left, y = windowRect.top;
    int w = windowRect.right - windowRect.left, h = windowRect.bottom - windowRect.top;
    const bool pulse = effect == PULSE_AND_FADE;
    const int dw = pulse ? static_cast<int>(std::floor(w * 0.02)) : w / 10;
    const int dh = pulse ? static_cast<int>(std::floor(h * 0.02)) : h / 10;
    int alpha = 255;
    CloseAnimationFrameList frames;
    for (int i = 1; i <= CLOSE_ANIMATION_FRAMES; ++i) {
        const bool growing = pulse && i > 5;
        const int sign = growing ? -1 : 1;
        w -= sign * dw;
        h -= sign * dh;
        x = Truncate(x + sign * dw / 2.0);
        y = Truncate(y + sign * dh / 2.0);
        alpha -= 25;
        frames[static_cast<std::size_t>(i - 1)] = {x, y, w, h, alpha, pulse ? 20 - 2 * i : 20 - i};
    }
    return frames;
}

void SetLayeredStyle(HWND window, bool clickThrough) {
    const LONG style = GetWindowLongW(window, GWL_EXSTYLE);
    if (clickThrough) {
        if ((style & (WS_EX_LAYERED | WS_EX_TRANSPARENT)) == 0) {
            SetWindowLongW(window, GWL_EXSTYLE, style | WS_EX_LAYERED | WS_EX_TRANSPARENT);
        }
    } else if ((style & WS_EX_LAYERED) == 0) {
        SetWindowLongW(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
    }
}

void ClearLayeredStyle(HWND window) {
    SetWindowLongW(window, GWL_EXSTYLE, GetWindowLongW(window, GWL_EXSTYLE) & ~WS_EX_LAYERED);
}

void PushLayeredFrame(HWND window, HDC source, std::optional<int> alpha, std::optional<POINT> position,
                      std::optional<SIZE> size, POINT sourcePoint) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    POINT destination = position.value_or(POINT{bounds.left, bounds.top});
    SIZE extent = size.value_or(SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top});
    if (!source) {
        const int windowId = FindWindowRecord(window);
        source = windowId ? WindowAt(windowId).backgroundDc : nullptr;
    }
    BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha.value_or(255)), AC_SRC_ALPHA};
    UpdateLayeredWindow(window, nullptr, &destination, &extent, source, &sourcePoint, 0, &blend, ULW_ALPHA);
}

void CloseAnimationShrink(HWND window) { PlayCloseAnimation(window, SHRINK_AND_FADE); }
void CloseAnimationPulse(HWND window) { PlayCloseAnimation(window, PULSE_AND_FADE); }

}  // namespace kestrune
