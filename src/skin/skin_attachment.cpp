#include "skin/skin_attachment.h"

#include "graphics/fonts.h"
#include "skin/caption_interaction.h"
#include "skin/carried_pictures.h"
#include "skin/control_installers.h"
#include "skin/drawing_primitives.h"
#include "skin/main_window_proc.h"
#include "skin/skin_image.h"
#include "skin/skin_state.h"
#include "skin/window_properties.h"

#include <algorithm>
#include <cmath>

namespace kestrune {

namespace {

CaptionButton MakeCaptionButton(CaptionButtonKind kind) {
    switch (kind) {
    case HELP_BUTTON: return {26, 18, ResourceBytes(HELP_GLYPH), {}, kind, L"帮助"};
    case MAIN_MENU_BUTTON: return {26, 18, ResourceBytes(MAIN_MENU_GLYPH), {}, kind, L"主菜单"};
    case MINIMIZE_BUTTON: return {26, 18, ResourceBytes(MINIMISE_GLYPH), {}, kind, L"最小化"};
    case MAXIMIZE_BUTTON: return {26, 18, ResourceBytes(MAXIMISE_GLYPH), ResourceBytes(RESTORE_GLYPH), kind, L"最大化"};
    case CLOSE_BUTTON: break;
    }
    return {38, 18, ResourceBytes(CLOSE_GLYPH), {}, CLOSE_BUTTON, L"关闭"};
}

std::vector<BYTE> PrepareWindowPicture(std::span<const BYTE> picture, int mode, COLORREF colour) {
    if (mode == FADE_RIGHT_AND_BOTTOM) return PrepareSkinImage(picture, std::nullopt, colour);
    if (mode == FADE_LEFT_AND_BOTTOM) return PrepareSkinImage(picture, std::nullopt, colour, 0);
    return {picture.begin(), picture.end()};
}

void AddCaptionButtons(WindowRecord& record) {
    record.captionButtons.clear();
    if (record.helpButton) record.captionButtons.push_back(MakeCaptionButton(HELP_BUTTON));
    if (record.mainMenuButton) record.captionButtons.push_back(MakeCaptionButton(MAIN_MENU_BUTTON));
    if (record.minimizeBox) record.captionButtons.push_back(MakeCaptionButton(MINIMIZE_BUTTON));
    if (record.maximizeBox) record.captionButtons.push_back(MakeCaptionButton(MAXIMIZE_BUTTON));
    if (record.closeButton) record.captionButtons.push_back(MakeCaptionButton(CLOSE_BUTTON));
    int widths = 0;
    for (const CaptionButton& button : record.captionButtons) widths += button.width;
    record.buttonStripWidth = static_cast<float>(widths + static_cast<int>(record.captionButtons.size()) - 1 + 3);
    record.buttonStripHeight = CAPTION_STRIP_HEIGHT;
    record.buttonStripY = 0;
}

}  // namespace

void ApplySkin(HWND window, const SkinOptions& options) {
    auto record = std::make_unique<WindowRecord>();
    if (FindWindowRecord(window) != 0) return;

    LONG style = GetWindowLongW(window, GWL_STYLE);
    SetWindowLongW(window, GWL_STYLE, style & ~WS_CLIPCHILDREN);
    RECT client;
    GetClientRect(window, &client);
    if (!recordedCaptionButtonAction) recordedCaptionButtonAction = PerformCaptionButtonAction;
    BORDER_WIDTH = 3;

    record->hwnd = window;
    record->captionHeight = std::max(options.captionHeight.value_or(MIN_CAPTION_HEIGHT), MIN_CAPTION_HEIGHT);
    record->helpButton = options.helpButton.value_or(0) != 0;
    record->mainMenuButton = options.mainMenuButton.value_or(0) != 0;
    record->minimizeBox = (style & WS_MINIMIZEBOX) != 0;
    record->maximizeBox = (style & WS_MAXIMIZEBOX) != 0;
    record->skinCaption = options.skinCaption.value_or(1) != 0;
    record->closeButton = options.hideCloseButton.value_or(0) == 0 && record->skinCaption;
    record->resizable = options.resizable.value_or(1) != 0;
    record->drawTitle = options.drawTitle.value_or(1) != 0;
    record->captionBand = options.captionBand.value_or(0) != 0;
    record->windowImageMode = options.windowImageMode.value_or(skinState.fadeMode);
    record->captionBandColour = options.captionBandColour.value_or(-1);
    record->captionBandAlpha = options.captionBandAlpha.value_or(255);
    record->maxTrackWidth = GetSystemMetrics(SM_CXSCREEN);
    record->maxTrackHeight = GetSystemMetrics(SM_CYSCREEN);

    if (!options.windowPicture.empty()) {
        record->windowImageColour = ComputeAverageColour(options.windowPicture, AVERAGE_SAMPLES);
        record->windowImage = PrepareWindowPicture(options.windowPicture, record->windowImageMode, record->windowImageColour);
    }

    AddCaptionButtons(*record);
    record->buttonStripX = static_cast<float>(client.right - BORDER_WIDTH) - record->buttonStripWidth - 2;

    SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) | WS_SYSMENU);

    windowList.push_back(std::move(record));
    const int windowId = WindowCount();
    WindowRecord& added = WindowAt(windowId);
    added.clientWidth = client.right;
    added.clientHeight = client.bottom;

    if (added.skinCaption && added.captionTooltips.Create(window)) {
        for (std::size_t i = 0; i < added.captionButtons.size(); ++i) {
            added.captionTooltips.AddTool(added.captionButtons[i].name, static_cast<UINT>(i + 1), RECT{});
        }
    }
    LayoutCaptionButtons(windowId);

    if (options.statusHeight.value_or(0) >= 1) {
        added.statusHeight = *options.statusHeight;
        added.statusItems = options.statusItems.value_or(std::vector<StatusItem>{StatusItem{}});
        added.statusTextColour = 0;
        added.statusTextColour2 = 0xFFFFFF;
        added.statusFont = L"宋体";
        added.statusFontSize = 12;
    }
    LayoutStatusArea(windowId);

    RunControlInstallers(windowId, window);

    added.redrawPending = true;
    added.previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MainWindowProc)));
    SetPropValue(window, PROP_PREVIOUS_PROC, reinterpret_cast<LONG_PTR>(added.previousProc));
    SetPropValue(window, PROP_ID, windowId);
}

void LayoutCaptionButtons(int windowId) {
    WindowRecord& record = WindowAt(windowId);
    RECT client;
    GetClientRect(record.hwnd, &client);
    record.buttonStripX = static_cast<float>(client.right) - record.buttonStripWidth + 1;
    record.buttonStripHeight = CAPTION_STRIP_HEIGHT;
    const float left = std::trunc(record.buttonStripX) + 2;
    const float top = std::trunc(record.buttonStripY) + 1;
    for (std::size_t i = 0; i < record.captionButtons.size(); ++i) {
        CaptionButton& button = record.captionButtons[i];
        button.bounds = {left + 27.0f * static_cast<float>(i), top, button.kind == CLOSE_BUTTON ? 40.0f : 26.0f, 18.0f};
        const auto x = static_cast<LONG>(button.bounds.X);
        const auto y = static_cast<LONG>(button.bounds.Y);
        RECT area{x, y, x + static_cast<LONG>(button.bounds.Width), y + static_cast<LONG>(button.bounds.Height)};
        if (record.captionTooltips.GetWindow()) {
            record.captionTooltips.SetToolRect(static_cast<UINT>(i + 1), area);
            record.captionTooltips.SetToolText(static_cast<UINT>(i + 1), button.name);
        }
    }
}

void LayoutStatusArea(int windowId) {
    WindowRecord& record = WindowAt(windowId);
    if (record.statusHeight <= 0) return;
    RECT client;
    GetClientRect(record.hwnd, &client);
    const int top = client.bottom - record.statusHeight - BORDER_WIDTH - 1;
    record.statusRect = {BORDER_WIDTH, top, client.right - BORDER_WIDTH, top + record.statusHeight};
    int x = record.statusRect.left;
    for (StatusItem& item : record.statusItems) {
        const LONG right = item.width < 0 ? record.statusRect.right : std::min<LONG>(x + item.width, record.statusRect.right);
        item.rect = {x, top, right, record.statusRect.bottom};
        x = right;
    }
}

ControlFont ReadControlFont(HWND control) {
    auto fontHandle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (!fontHandle) return {L"宋体", 12, 0};
    ControlFont result{L"宋体", 12, 0};
    HDC dc = GetDC(control);
    Font font;
    if (font.CreateFromDc(dc, fontHandle)) {
        const gdip::REAL size = font.GetSize();
        result.size = std::fabs(size) > 1e-7f ? static_cast<int>(size) : 12;
        result.style = font.GetStyle();
        FontFamily family;
        if (font.GetFamily(family)) {
            std::wstring name = family.GetName();
            if (!name.empty()) result.faceName = name;
            family.Delete();
        }
        font.Delete();
    }
    ReleaseDC(control, dc);
    return result;
}

}  // namespace kestrune
