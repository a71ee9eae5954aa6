// Memory DCs, child-excluding clips, the background composer and the canvas
// commit, and the standard paint sequence every control painter follows.
#pragma once

#include <windows.h>

#include <functional>

namespace kestrune {

class Graphics;

// The memory-DC registry: one entry per DC, so any painter can release a DC
// it did not create. Registering a known DC replaces its bitmap and displaced object.
void RegisterMemoryDc(HDC dc, HBITMAP bitmap, HGDIOBJ displaced);
// Selects the displaced object back, deletes the bitmap and the DC and drops
// the entry; false for null or an unregistered DC.
bool ReleaseMemoryDc(HDC dc);
int RegisteredMemoryDcCount();

// dc (GetDC of the window unless useGivenDc) with the window's visible,
// non-transparent children excluded from its clip region. Children are
// clamped to the recorded client size of the window or of its container. The
// caller releases the DC.
HDC GetDcExcludingChildren(HWND window, HDC dc, bool useGivenDc);

// Excludes the window's visible, non-transparent children from canvas, in
// canvas coordinates.
HDC ExcludeChildrenFromCanvas(HWND window, HDC canvas);

// A registered memory DC of area's size holding the skin background behind
// that part of the control (area in the control's window coordinates); null
// when the control has no owning window record. Release with ReleaseMemoryDc.
HDC ComposeControlBackground(HWND control, const RECT& area);

// Copies image into the owning window's canvasDc at the control's inner
// rectangle (its whole rectangle when wholeWindow), its children left out.
void CommitToCanvas(HWND control, HDC image, bool isToolbarChild, bool wholeWindow);

struct CommitOptions {
    bool toolbarChild = false;
    bool wholeWindow = false;
};

// Draws the control on graphics, whose surface already holds the background;
// client is the control's client rectangle.
using ControlDrawer = std::function<void(Graphics& graphics, const RECT& client)>;

// The standard paint sequence: compose the background behind the client
// area, draw, commit to the canvas and copy to target (GetDC of the control
// when target is null). False when the control has no skinned window.
bool PaintControlStandard(HWND control, HDC target, const ControlDrawer& draw, CommitOptions options = {});

}  // namespace kestrune
