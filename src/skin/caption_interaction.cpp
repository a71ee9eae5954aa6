#include "skin/caption_interaction.h"

#include "skin/caption_rendering.h"
#include "skin/window_record.h"

namespace kestrune {
namespace {

struct SizingZone {
    WORD cursor;  // a system cursor id (IDC_*)
    WPARAM command;
};

// Cursor and WM_SYSCOMMAND command of zones 1 to 8 (SC_SIZE + WMSZ_*).
constexpr SizingZone SIZING_ZONES[] = {
    {32644, 0xF001}, {32644, 0xF002}, {32645, 0xF003}, {32645, 0xF006},  // IDC_SIZEWE, IDC_SIZENS
    {32642, 0xF004}, {32643, 0xF005}, {32643, 0xF007}, {32642, 0xF008},  // IDC_SIZENWSE, IDC_SIZENESW
};

void DrawButton(int windowId, int index, bool pressed, int alpha) {
    if (index < 1) return;
    DrawCaptionButton(windowId, index, nullptr, false, pressed, alpha);
    if (captionButtonDrawObserver) captionButtonDrawObserver(windowId, index, pressed, alpha);
}

void SetZoneCursor(int zone) { SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(SIZING_ZONES[zone - 1].cursor))); }

void StartMove(HWND window) { SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0); }

void StopFade(WindowRecord& record) {
    record.hoverTimerOn = false;
    KillTimer(record.hwnd, reinterpret_cast<UINT_PTR>(record.hwnd));
    record.hoverButton = 0;
    record.fadeIn = {};
    record.fadeOut = {};
}

RECT TaskbarRect() {
    RECT taskbar{};
    if (HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr)) GetWindowRect(tray, &taskbar);
    return taskbar;
}

bool TaskbarVisible() {
    HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
    return tray && (GetWindowLongW(tray, GWL_STYLE) & WS_VISIBLE) != 0;
}

SIZE ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

}  // namespace

void OnCaptionMouseMove(int windowId, int x, int y) {
    WindowRecord& record = WindowAt(windowId);
    if (!record.mouseInside) {
        TRACKMOUSEEVENT tracking{sizeof(tracking), TME_HOVER | TME_LEAVE, record.hwnd, 1};
        TrackMouseEvent(&tracking);
    }
    if (record.skinCaption) {
        if (IsOverCaptionButtonStrip(windowId, x, y)) {
            if (!record.hoverTimerOn) {
                SetTimer(record.hwnd, reinterpret_cast<UINT_PTR>(record.hwnd), FADE_TIMER_MS, nullptr);
                record.hoverTimerOn = true;
            }
        } else {
            record.hoverTimerOn = false;
        }
        hoveredCaptionButton = CaptionButtonAt(windowId, x, y);
        if (record.hoverButton >= 1 && record.hoverButton != hoveredCaptionButton) {
            // A fade-out still running ends at once: that button snaps back.
            if (record.fadeOut.step < FADE_STEPS) DrawButton(windowId, record.fadeOut.button, false, 0);
            record.fadeOut = {record.hoverButton, 0};
        }
        if (hoveredCaptionButton >= 1 && hoveredCaptionButton != record.hoverButton) {
            record.fadeIn = {hoveredCaptionButton, 0};
        }
        record.hoverButton = hoveredCaptionButton;
    }
    if (!record.maximized) {
        RECT client;
        GetClientRect(record.hwnd, &client);
        UpdateSizingCursor(windowId, x, y, client);
    }
}

void OnCaptionTimer(int windowId) {
    WindowRecord& record = WindowAt(windowId);
    if (record.fadeIn.button >= 1 && record.fadeIn.step < FADE_STEPS) {
        ++record.fadeIn.step;
        DrawButton(windowId, record.fadeIn.button, false, record.fadeIn.step * FADE_ALPHA_STEP);
    }
    if (record.fadeOut.button >= 1 && record.fadeOut.step < FADE_STEPS) {
        ++record.fadeOut.step;
        DrawButton(windowId, record.fadeOut.button, false, (FADE_STEPS - record.fadeOut.step) * FADE_ALPHA_STEP);
    }
    if (!(record.mouseInside && record.hoverTimerOn) &&
        (record.fadeOut.step >= FADE_STEPS || record.fadeOut.button == 0)) {
        StopFade(record);
    }
}

void OnCaptionMouseLeave(int windowId) {
    WindowRecord& record = WindowAt(windowId);
    record.mouseInside = false;
    if (record.hoverButton < 1) return;
    if (record.fadeOut.step < FADE_STEPS && record.fadeIn.step < FADE_STEPS) {
        DrawButton(windowId, record.fadeOut.button, false, 0);
        record.fadeIn = {};
    }
    record.fadeOut = {record.hoverButton, 0};
    record.hoverButton = 0;
}

void OnCaptionButtonDown(int windowId, int x, int y) {
    WindowRecord& record = WindowAt(windowId);
    record.fadeIn.button = 0;
    if (!record.skinCaption) return;
    if (!record.maximized && !record.minimized) {
        RECT client;
        GetClientRect(record.hwnd, &client);
        BeginMoveOrResize(windowId, x, y, client);
    }
    hoveredCaptionButton = CaptionButtonAt(windowId, x, y);
    if (hoveredCaptionButton > 0) DrawButton(windowId, hoveredCaptionButton, true, 0);
}

void OnCaptionButtonUp(int windowId, int, int) {
    const WindowRecord& record = WindowAt(windowId);
    if (recordedCaptionButtonAction && hoveredCaptionButton >= 1 &&
        hoveredCaptionButton <= static_cast<int>(record.captionButtons.size()) && record.skinCaption) {
        recordedCaptionButtonAction(windowId, hoveredCaptionButton);
    }
}

void OnCaptionDoubleClick(int windowId, int x, int y) {
    const WindowRecord& record = WindowAt(windowId);
    if (StatusItemAt(windowId, x, y) != 0 || y > record.captionHeight || !record.resizable) return;
    if (const int maximize = FindMaximizeButton(windowId); maximize > 0) PerformCaptionButtonAction(windowId, maximize);
}

void PerformCaptionButtonAction(int windowId, int buttonIndex) {
    WindowRecord& record = WindowAt(windowId);
    if (buttonIndex < 1 || buttonIndex > static_cast<int>(record.captionButtons.size())) return;
    CaptionButton& button = CaptionButtonAt(record, buttonIndex);
    HWND window = record.hwnd;
    switch (button.kind) {
    case CLOSE_BUTTON:
        SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case MAXIMIZE_BUTTON:
        record.minimized = false;
        if (record.maximized) {
            record.maximized = false;
            button.name = L"最大化";
            SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        } else {
            record.maximized = true;
            button.name = L"还原";
            SendMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        }
        break;
    case MINIMIZE_BUTTON:
        record.minimized = true;
        SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        break;
    default:
        // The main-menu and help buttons call routines a program registers;
        // this one registers none.
        break;
    }
}

bool IsOverCaptionButtonStrip(int windowId, int x, int y) {
    const WindowRecord& record = WindowAt(windowId);
    return x >= record.buttonStripX - 2 && x <= record.buttonStripX + record.buttonStripWidth &&
           y <= record.buttonStripHeight && y >= 0;
}

int CaptionButtonAt(int windowId, int x, int y) {
    const WindowRecord& record = WindowAt(windowId);
    if (x < record.buttonStripX || y < record.buttonStripY || y > record.buttonStripY + record.buttonStripHeight) {
        return 0;
    }
    const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
    for (std::size_t i = 0; i < record.captionButtons.size(); ++i) {
        const gdip::RectF& b = record.captionButtons[i].bounds;
        if (b.X < fx && fx < b.X + b.Width && b.Y < fy && fy < b.Y + b.Height) return static_cast<int>(i + 1);
    }
    return 0;
}

int FindMaximizeButton(int windowId) {
    const WindowRecord& record = WindowAt(windowId);
    for (std::size_t i = 0; i < record.captionButtons.size(); ++i) {
        if (record.captionButtons[i].kind == MAXIMIZE_BUTTON) return static_cast<int>(i + 1);
    }
    return 0;
}

int StatusItemAt(int windowId, int x, int y) {
    const WindowRecord& record = WindowAt(windowId);
    const RECT& area = record.statusRect;
    if (record.statusHeight < 1 || x < area.left || x > area.right || y < area.top || y > area.bottom) return 0;
    for (std::size_t i = 0; i < record.statusItems.size(); ++i) {
        const RECT& item = record.statusItems[i].rect;
        if (item.left < x && x < item.right && item.top < y && y < item.bottom) return static_cast<int>(i + 1);
    }
    return 0;
}

int SizingZoneAt(int x, int y, const RECT& client) {
    const int B = BORDER_WIDTH, C = CORNER_SIZE, R = client.right, H = client.bottom;
    if (x <= B && y > C && y < H - C) return 1;
    if (x >= R - B && y > C && y < H - C) return 2;
    if (x > C && y <= B && x < R - C) return 3;
    if (x > C && y >= H - B && x < R - C) return 4;
    if (x <= C && y <= C) return 5;
    if (x >= R - C && y <= C) return 6;
    if (x <= C && y >= H - C) return 7;
    if (x >= R - C && y >= H - C) return 8;
    return 0;
}

void UpdateSizingCursor(int windowId, int x, int y, const RECT& client) {
    if (!WindowAt(windowId).resizable) return;
    if (const int zone = SizingZoneAt(x, y, client); zone > 0) SetZoneCursor(zone);
}

void BeginMoveOrResize(int windowId, int x, int y, const RECT& client) {
    WindowRecord& record = WindowAt(windowId);
    if (x >= record.buttonStripX && x <= record.buttonStripX + record.buttonStripWidth && y >= 3 &&
        y <= record.buttonStripHeight) {
        return;  // the caption buttons own the press
    }
    if (!record.skinCaption) return;
    if (y <= record.captionHeight && y > 3 && x > 3 && x < client.right - BORDER_WIDTH) {
        StartMove(record.hwnd);
        return;
    }
    if (!record.resizable) return;
    if (const int zone = SizingZoneAt(x, y, client); zone > 0) {
        record.redrawPending = true;
        SetZoneCursor(zone);
        SendMessageW(record.hwnd, WM_SYSCOMMAND, SIZING_ZONES[zone - 1].command, 0);
    } else if (y <= record.captionHeight) {
        StartMove(record.hwnd);
    }
}

SIZE MaximizedSize(SIZE screen, const RECT& taskbar) {
    const LONG width = taskbar.right - taskbar.left, height = taskbar.bottom - taskbar.top;
    if (width > height) {
        const bool autoHidden = taskbar.top < 0 || taskbar.top >= screen.cy - 5;
        return {screen.cx, autoHidden ? screen.cy : screen.cy - height};
    }
    return {screen.cx - width, screen.cy};
}

SIZE MaximizedTrackSize(SIZE screen, const RECT& taskbar, bool taskbarVisible) {
    const bool vertical = taskbar.right - taskbar.left <= taskbar.bottom - taskbar.top;
    if (vertical && !taskbarVisible) return screen;
    return MaximizedSize(screen, taskbar);
}

void OnGetMinMaxInfo(int windowId, MINMAXINFO& info) {
    const WindowRecord& record = WindowAt(windowId);
    if (record.maximized) {
        const SIZE size = MaximizedTrackSize(ScreenSize(), TaskbarRect(), TaskbarVisible());
        info.ptMaxTrackSize = {size.cx, size.cy};
    } else {
        info.ptMaxTrackSize = {record.maxTrackWidth, record.maxTrackHeight};
    }
    info.ptMinTrackSize = {record.minTrackWidth, record.minTrackHeight};
}

void OnWindowPosChanged(int windowId, const WINDOWPOS&) {
    WindowRecord& record = WindowAt(windowId);
    if (!record.maximizeBox) return;
    RECT client;
    GetClientRect(record.hwnd, &client);
    const SIZE screen = ScreenSize();
    if (client.right != screen.cx || client.bottom != screen.cy) return;
    // The system maximised the window over the taskbar: keep the taskbar clear.
    const SIZE size = MaximizedSize(screen, TaskbarRect());
    record.maximized = true;
    RECT bounds;
    GetWindowRect(record.hwnd, &bounds);
    // Without a taskbar the size stays: no second move, which would come back here.
    if (bounds.right - bounds.left == size.cx && bounds.bottom - bounds.top == size.cy) return;
    SetWindowPos(record.hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOOWNERZORDER);
}

}  // namespace kestrune
