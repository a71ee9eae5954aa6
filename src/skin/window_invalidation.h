// Invalidation of a skinned window's controls after its skin was rebuilt, and
// the stale flags of the control backgrounds painters cache.
#pragma once

#include <windows.h>

namespace kestrune {

// Invalidates the window's skinned controls that are its direct children:
// list controls with their children, edit and combo boxes with erase, the
// other kinds without.
void InvalidateDirectChildren(int windowId);

// Invalidates the window with erase and, when withChildren, every visible child.
void InvalidateWithChildren(HWND window, bool withChildren);

void InvalidateVisibleChildren(HWND window);

// Flags the cached backgrounds of the window's containers stale, and unless
// containersOnly also those of its toolbars and list controls.
void MarkControlBackgroundsStale(HWND window, bool containersOnly);

}  // namespace kestrune
