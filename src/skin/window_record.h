// The state of every skinned top-level window, kept in the 1-based window list.
#pragma once

#include "graphics/gdiplus_api.h"
#include "graphics/tooltip.h"

#include <windows.h>

#include <memory>
#include <span>
#include <string>
#include <vector>

namespace kestrune {

inline int BORDER_WIDTH = 3;

enum CaptionButtonKind { CLOSE_BUTTON = 0, MAXIMIZE_BUTTON = 1, MINIMIZE_BUTTON = 2, MAIN_MENU_BUTTON = 3, HELP_BUTTON = 4 };

struct CaptionButton {
    int width = 0;   // glyph width: 26, the close button 38
    int height = 0;  // glyph height: 18
    std::span<const BYTE> glyph;     // PNG
    std::span<const BYTE> altGlyph;  // PNG: the restore glyph of the maximise button
    int kind = CLOSE_BUTTON;
    std::wstring name;   // tooltip text
    gdip::RectF bounds{};  // client rectangle, set by LayoutCaptionButtons
};

// Per-kind control records; each begins with the control's handle. The control
// skins add their own fields.
enum ButtonKind { PUSH_BUTTON = 0, RADIO_BUTTON = 4, CHECK_BOX = 5 };

struct ButtonRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int kind = PUSH_BUTTON;
    std::wstring text;
    bool focused = false;
    std::wstring fontName = L"宋体";
    int fontSize = 12;
    int fontStyle = 0;
    bool mouseDown = false;
    int textEffectColour = -1;  // negative: plain text
};
struct EditRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    bool focused = false;
    bool mouseDown = false;
    HWND vScrollBar = nullptr;
    HWND hScrollBar = nullptr;
    RECT vScrollParts[3]{};
    RECT hScrollParts[3]{};
};
struct ComboRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    bool focused = false;
};
struct ListRecord { HWND hwnd = nullptr; bool stale = false; };
struct TrackbarRecord { HWND hwnd = nullptr; };
struct ProgressRecord { HWND hwnd = nullptr; };
struct UpDownRecord { HWND hwnd = nullptr; };
struct HeaderRecord { HWND hwnd = nullptr; };
struct ToolbarRecord { HWND hwnd = nullptr; bool stale = false; };
struct ContainerRecord {
    HWND hwnd = nullptr;
    int clientWidth = 0, clientHeight = 0;
    bool backgroundStale = false, canvasStale = false;
};

// One running hover fade of a caption button.
struct FadeState {
    int button = 0;  // 1-based caption button, 0 when idle
    int step = 0;    // 0 to 8
};

struct StatusItem {
    std::wstring text;
    int width = -1;  // -1: the rest of the row
    RECT rect{};     // client rectangle, set by LayoutStatusArea
};

struct WindowRecord {
    HWND hwnd = nullptr;
    bool presentedAfterShow = false, hiddenFlag = false;
    int closeEffect = 0;  // 0 none, 1 shrink and fade, 2 pulse and fade
    bool moving = false, sizing = false, restorePending = false, backgroundErased = false, active = false;
    int captionHeight = 25;
    bool helpButton = false, mainMenuButton = false, minimizeBox = false, maximizeBox = false, closeButton = false;
    bool drawTitle = true;
    bool captionBand = false;
    WNDPROC previousProc = nullptr;
    std::vector<BYTE> windowImage;
    int windowImageMode = 0;
    COLORREF windowImageColour = 0;
    int captionBandColour = -1;
    int captionBandAlpha = 255;
    std::vector<CaptionButton> captionButtons;  // strip order; index i is button i + 1
    float buttonStripX = 0, buttonStripY = 0, buttonStripWidth = 0, buttonStripHeight = 0;
    HBITMAP captionCacheBitmap = nullptr;
    HGDIOBJ captionCacheDisplaced = nullptr;
    HBITMAP statusCacheBitmap = nullptr;
    HGDIOBJ statusCacheDisplaced = nullptr;
    bool maximized = false, minimized = false;
    int minTrackWidth = 200, minTrackHeight = 150, maxTrackWidth = 0, maxTrackHeight = 0;
    bool resizable = true;
    bool skinCaption = true;
    COLORREF titleColour = 0xFFFFFF;
    int titleEffectColour = 0x808080;  // -1: plain title
    std::wstring titleFont = L"宋体";
    int titleFontSize = 12;
    bool titleBold = true;
    bool titleGlow = false;
    int hoverButton = 0;
    HWND hotControl = nullptr;
    ToolTip captionTooltips;
    int statusHeight = 0;
    RECT statusRect{};
    std::vector<StatusItem> statusItems;
    COLORREF statusTextColour = 0, statusTextColour2 = 0xFFFFFF;
    std::wstring statusFont = L"宋体";
    int statusFontSize = 12;
    std::vector<ButtonRecord> buttons;
    std::vector<EditRecord> edits;
    std::vector<ListRecord> lists;
    std::vector<TrackbarRecord> trackbars;
    std::vector<ProgressRecord> progressBars;
    std::vector<ComboRecord> combos;
    std::vector<UpDownRecord> upDowns;
    std::vector<HeaderRecord> headers;
    std::vector<ToolbarRecord> toolbars;
    bool redrawPending = true;
    HDC backgroundDc = nullptr, captionCacheDc = nullptr, statusCacheDc = nullptr, canvasDc = nullptr;
    int hotKind = 0;
    HWND lastHotControl = nullptr;
    HWND hotParent = nullptr;  // parent of the edit last drawn hovered
    std::vector<ContainerRecord> containers;
    bool mouseInside = false;
    FadeState fadeIn, fadeOut;
    bool hoverTimerOn = false;
    int clientWidth = 0, clientHeight = 0;
};

// The window list: a window's id is its 1-based position.
inline std::vector<std::unique_ptr<WindowRecord>> windowList;

inline int WindowCount() { return static_cast<int>(windowList.size()); }

// Record of window id (1-based); an id outside the list is a fatal index error.
WindowRecord& WindowAt(int windowId);

// The caption button i (1-based) of a window record; fatal when out of range.
CaptionButton& CaptionButtonAt(WindowRecord& record, int index);

}  // namespace kestrune
