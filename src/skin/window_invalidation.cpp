#include "skin/window_invalidation.h"

#include "skin/drawing_primitives.h"
#include "skin/window_record.h"

namespace kestrune {
namespace {

template <typename Records>
void InvalidateChildRecords(HWND parent, const Records& records, BOOL erase) {
    for (const auto& record : records) {
        if (record.hwnd && GetParent(record.hwnd) == parent) InvalidateRect(record.hwnd, nullptr, erase);
    }
}

}  // namespace

void InvalidateDirectChildren(int windowId) {
    const WindowRecord& record = WindowAt(windowId);
    const HWND window = record.hwnd;
    for (const ListRecord& list : record.lists) {
        if (list.hwnd && GetParent(list.hwnd) == window) InvalidateWithChildren(list.hwnd, true);
    }
    InvalidateChildRecords(window, record.combos, TRUE);
    InvalidateChildRecords(window, record.edits, TRUE);
    InvalidateChildRecords(window, record.buttons, FALSE);
    InvalidateChildRecords(window, record.trackbars, FALSE);
    InvalidateChildRecords(window, record.progressBars, FALSE);
    InvalidateChildRecords(window, record.upDowns, FALSE);
}

void InvalidateWithChildren(HWND window, bool withChildren) {
    InvalidateRect(window, nullptr, TRUE);
    if (withChildren) InvalidateVisibleChildren(window);
}

void InvalidateVisibleChildren(HWND window) {
    for (HWND child = FindWindowExW(window, nullptr, nullptr, nullptr); child;
         child = FindWindowExW(window, child, nullptr, nullptr)) {
        if (HasVisibleStyle(child)) InvalidateRect(child, nullptr, TRUE);
    }
}

void MarkControlBackgroundsStale(HWND window, bool containersOnly) {
    const int windowId = FindWindowRecord(window);
    if (windowId == 0) return;
    WindowRecord& record = WindowAt(windowId);
    for (ContainerRecord& container : record.containers) {
        container.backgroundStale = true;
        container.canvasStale = true;
    }
    if (containersOnly) return;
    for (ToolbarRecord& toolbar : record.toolbars) toolbar.stale = true;
    for (ListRecord& list : record.lists) list.stale = true;
}

}  // namespace kestrune
