// A tooltip control that shows texts for rectangles of one owner window.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace kestrune {

class ToolTip {
public:
    ToolTip() = default;
    ~ToolTip() { Destroy(); }
    ToolTip(const ToolTip&) = delete;
    ToolTip& operator=(const ToolTip&) = delete;

    // A "tooltips_class32" window (balloon-shaped when asked), 600 pixels wide at most.
    bool Create(HWND owner, bool balloon = false);
    // rect: in the owner's client coordinates; its whole client area when left out.
    bool AddTool(const std::wstring& text, UINT id, std::optional<RECT> rect = std::nullopt);
    void SetToolRect(UINT id, const RECT& rect);
    void SetToolText(UINT id, const std::wstring& text);
    void Destroy();

    HWND GetWindow() const { return window_; }

private:
    HWND window_ = nullptr;
    HWND owner_ = nullptr;
};

}  // namespace kestrune
