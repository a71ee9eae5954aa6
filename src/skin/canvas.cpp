#include "skin/canvas.h"

#include "graphics/graphics.h"
#include "skin/drawing_primitives.h"
#include "skin/skin_geometry.h"
#include "skin/window_properties.h"
#include "skin/window_record.h"

#include <algorithm>
#include <vector>

namespace kestrune {
namespace {

struct MemoryDcEntry {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ displaced = nullptr;
};

std::vector<MemoryDcEntry> memoryDcs;

std::vector<MemoryDcEntry>::iterator FindEntry(HDC dc) {
    return std::find_if(memoryDcs.begin(), memoryDcs.end(), [dc](const MemoryDcEntry& e) { return e.dc == dc; });
}

bool IsExcludedChild(HWND child) { return HasVisibleStyle(child) && !HasTransparentExStyle(child); }

template <typename Visit>
void ForEachExcludedChild(HWND window, Visit visit) {
    for (HWND child = FindWindowExW(window, nullptr, nullptr, nullptr); child;
         child = FindWindowExW(window, child, nullptr, nullptr)) {
        if (IsExcludedChild(child)) visit(child);
    }
}

// The recorded client size children are clamped to; none for a window that is
// neither a skinned window nor carries an owner id.
bool FindClampSize(HWND window, SIZE& size) {
    if (const int id = FindWindowRecord(window)) {
        size = {WindowAt(id).clientWidth, WindowAt(id).clientHeight};
        return true;
    }
    const int ownerId = GetPropId(window, PROP_OWNER_ID);
    if (ownerId == 0) return false;
    size = {0, 0};
    if (ownerId >= 1 && ownerId <= WindowCount()) {
        if (const int container = FindContainerRecord(ownerId, window)) {
            const ContainerRecord& record = WindowAt(ownerId).containers[container - 1];
            size = {record.clientWidth, record.clientHeight};
        }
    }
    return true;
}

}  // namespace

void RegisterMemoryDc(HDC dc, HBITMAP bitmap, HGDIOBJ displaced) {
    if (auto entry = FindEntry(dc); entry != memoryDcs.end()) {
        entry->bitmap = bitmap;
        entry->displaced = displaced;
        return;
    }
    memoryDcs.push_back({dc, bitmap, displaced});
}

bool ReleaseMemoryDc(HDC dc) {
    if (!dc) return false;
    const auto entry = FindEntry(dc);
    if (entry == memoryDcs.end()) return false;
    DeleteObject(SelectObject(dc, entry->displaced));
    DeleteDC(dc);
    memoryDcs.erase(entry);
    return true;
}

int RegisteredMemoryDcCount() { return static_cast<int>(memoryDcs.size()); }

HDC GetDcExcludingChildren(HWND window, HDC dc, bool useGivenDc) {
    if (!useGivenDc) dc = GetDC(window);
    SIZE clamp{};
    const bool clamped = FindClampSize(window, clamp);
    ForEachExcludedChild(window, [&](HWND child) {
        RECT rect = GetRectInParentClient(child);
        rect.left = std::max(rect.left, 0L);
        rect.top = std::max(rect.top, 0L);
        if (clamped) {
            rect.right = std::min(rect.right, clamp.cx);
            rect.bottom = std::min(rect.bottom, clamp.cy);
        }
        rect.right = std::max(rect.right, rect.left);
        rect.bottom = std::max(rect.bottom, rect.top);
        ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    });
    return dc;
}

HDC ExcludeChildrenFromCanvas(HWND window, HDC canvas) {
    ForEachExcludedChild(window, [&](HWND child) {
        const RECT rect = GetRectInSkinWindow(child);
        ExcludeClipRect(canvas, rect.left, rect.top, rect.right, rect.bottom);
    });
    return canvas;
}

HDC ComposeControlBackground(HWND control, const RECT& area) {
    const int width = Width(area), height = Height(area);
    HBITMAP bitmap = CreateDib32(width, height);
    HDC dc = CreateCompatibleDC(nullptr);
    RegisterMemoryDc(dc, bitmap, SelectObject(dc, bitmap));

    int windowId = 0, containerId = 0;
    RECT placed{};
    if (LocateSkinAncestor(control, windowId, containerId)) {
        placed = GetRectInSkinAncestor(control);
    } else {
        if (windowId == 0) windowId = FindOwningWindowRecord(control);
        if (windowId == 0) {
            ReleaseMemoryDc(dc);
            return nullptr;
        }
        placed = GetRectInSkinWindow(control);
    }
    BitBlt(dc, 0, 0, width, height, WindowAt(windowId).backgroundDc, placed.left + area.left,
           placed.top + area.top, SRCCOPY);
    return dc;
}

void CommitToCanvas(HWND control, HDC image, bool isToolbarChild, bool wholeWindow) {
    int windowId = GetPropId(control, isToolbarChild ? PROP_TOOL_OWNER_ID : PROP_OWNER_ID);
    if (windowId == 0) windowId = GetPropId(control, PROP_ID);
    if (windowId < 1 || windowId > WindowCount()) return;
    HDC canvas = WindowAt(windowId).canvasDc;
    const RECT target = wholeWindow ? GetRectInSkinWindow(control) : GetInnerRectInSkinWindow(control);
    ExcludeChildrenFromCanvas(control, canvas);
    BitBlt(canvas, target.left, target.top, Width(target), Height(target), image, 0, 0, SRCCOPY);
    SelectClipRgn(canvas, nullptr);
}

bool PaintControlStandard(HWND control, HDC target, const ControlDrawer& draw, CommitOptions options) {
    RECT client{};
    GetClientRect(control, &client);
    HDC image = ComposeControlBackground(control, client);
    if (!image) return false;
    {
        Graphics graphics;
        graphics.FromHdc(image);
        draw(graphics, client);
    }  // the graphics is gone, and its drawing flushed, before the image is copied
    CommitToCanvas(control, image, options.toolbarChild, options.wholeWindow);
    HDC screen = target ? target : GetDC(control);
    BitBlt(screen, 0, 0, client.right, client.bottom, image, 0, 0, SRCCOPY);
    if (!target) ReleaseDC(control, screen);
    ReleaseMemoryDc(image);
    return true;
}

}  // namespace kestrune
