#include "graphics/tooltip.h"

#include <commctrl.h>

namespace kestrune {
namespace {

constexpr LPARAM MAX_TIP_WIDTH = 600;

TTTOOLINFOW ToolInfo(HWND owner, UINT id) {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V1_SIZE;
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = id;
    return info;
}

}  // namespace

bool ToolTip::Create(HWND owner, bool balloon) {
    Destroy();
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    const DWORD style = TTS_ALWAYSTIP | (balloon ? TTS_BALLOON : 0);
    window_ = CreateWindowExW(0, TOOLTIPS_CLASSW, L"", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window_) return false;
    owner_ = owner;
    SendMessageW(window_, TTM_SETMAXTIPWIDTH, 0, MAX_TIP_WIDTH);
    return true;
}

bool ToolTip::AddTool(const std::wstring& text, UINT id, std::optional<RECT> rect) {
    TTTOOLINFOW info = ToolInfo(owner_, id);
    if (rect) {
        info.rect = *rect;
    } else {
        GetClientRect(owner_, &info.rect);
    }
    info.lpszText = const_cast<wchar_t*>(text.c_str());
    return SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void ToolTip::SetToolRect(UINT id, const RECT& rect) {
    TTTOOLINFOW info = ToolInfo(owner_, id);
    info.rect = rect;
    SendMessageW(window_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTip::SetToolText(UINT id, const std::wstring& text) {
    TTTOOLINFOW info = ToolInfo(owner_, id);
    info.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(window_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTip::Destroy() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
    owner_ = nullptr;
}

}  // namespace kestrune
