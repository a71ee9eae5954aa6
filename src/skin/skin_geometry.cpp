#include "skin/skin_geometry.h"

#include "skin/drawing_primitives.h"
#include "skin/window_record.h"

namespace kestrune {
namespace {

RECT WindowRectOf(HWND window) {
    RECT rect{};
    if (window) GetWindowRect(window, &rect);
    return rect;
}

int ScrollBarExtent(HWND window, LONG objectId, bool vertical) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!GetScrollBarInfo(window, objectId, &info)) return 0;
    return vertical ? Width(info.rcScrollBar) : Height(info.rcScrollBar);
}

}  // namespace

RECT GetRectInParentClient(HWND window) {
    if (FindWindowRecord(window)) return {};
    RECT rect = WindowRectOf(window);
    MapWindowPoints(nullptr, GetAncestor(window, GA_PARENT), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT GetRectRelativeTo(HWND reference, HWND window) {
    const RECT origin = WindowRectOf(reference);
    RECT rect = WindowRectOf(window);
    OffsetRect(&rect, -origin.left, -origin.top);
    return rect;
}

RECT GetRectInSkinWindow(HWND window) {
    const int owner = FindOwningWindowRecord(window);
    return GetRectRelativeTo(owner ? WindowAt(owner).hwnd : nullptr, window);
}

RECT GetRectInSkinAncestor(HWND window) {
    if (FindWindowRecord(window)) return {};
    for (HWND parent = GetParent(window); parent; parent = GetParent(parent)) {
        if (FindWindowRecord(parent)) return GetRectRelativeTo(parent, window);
    }
    return {};
}

RECT GetClientBoxInWindow(HWND window) {
    const RECT outer = WindowRectOf(window);
    RECT client{};
    GetClientRect(window, &client);
    int boxWidth = client.right, boxHeight = client.bottom;
    if (HasVScrollStyle(window)) boxWidth += ScrollBarExtent(window, OBJID_VSCROLL, true);
    if (HasHScrollStyle(window)) boxHeight += ScrollBarExtent(window, OBJID_HSCROLL, false);
    const int left = (Width(outer) - boxWidth) / 2, top = (Height(outer) - boxHeight) / 2;
    return {left, top, left + boxWidth, top + boxHeight};
}

RECT GetInnerRectInSkinWindow(HWND window) {
    const int owner = FindOwningWindowRecord(window);
    const RECT skin = WindowRectOf(owner ? WindowAt(owner).hwnd : nullptr);
    const RECT outer = WindowRectOf(window);
    const RECT box = GetClientBoxInWindow(window);
    return {outer.left - skin.left + box.left, outer.top - skin.top + box.top, outer.right - skin.left - box.left,
            outer.bottom - skin.top - box.top};
}

}  // namespace kestrune
