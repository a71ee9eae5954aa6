#include "skin/main_window_proc.h"

#include "skin/caption_interaction.h"
#include "skin/close_animation.h"
#include "skin/controls/button_skin.h"
#include "skin/controls/edit_combo_skin.h"
#include "skin/controls/scroll_bar_skin.h"
#include "skin/canvas.h"
#include "skin/drawing_primitives.h"
#include "skin/skin_geometry.h"
#include "skin/frame_rendering.h"
#include "skin/title_rendering.h"
#include "skin/window_invalidation.h"
#include "skin/skin_attachment.h"
#include "skin/skin_state.h"
#include "skin/window_properties.h"
#include "skin/window_record.h"

#include <windowsx.h>
#include <commctrl.h>

namespace kestrune {

namespace {

LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropValue(window, PROP_PREVIOUS_PROC));
    return previous ? CallWindowProcW(previous, window, message, wParam, lParam)
                    : DefWindowProcW(window, message, wParam, lParam);
}

bool ControlsTransparentAndSkinned() { return skinState.skinControls && skinState.controlsTransparent; }

// Frees the brush and bitmap last handed out for a child's colour message.
void FreeControlBrush(HWND control) {
    if (HGDIOBJ brush = reinterpret_cast<HGDIOBJ>(GetPropValue(control, PROP_BRUSH))) DeleteObject(brush);
    if (HGDIOBJ bitmap = reinterpret_cast<HGDIOBJ>(GetPropValue(control, PROP_BRUSH_BITMAP))) DeleteObject(bitmap);
    // Cleared, so a handle value Windows hands out again is never deleted twice.
    SetPropValue(control, PROP_BRUSH, 0);
    SetPropValue(control, PROP_BRUSH_BITMAP, 0);
}

// A brush painting what lies behind the control, so its text sits on the skin.
LRESULT PatternBrush(HWND control, HDC dc) {
    SetTextColor(dc, static_cast<COLORREF>(GetPropValue(control, PROP_TEXT_COLOUR)));
    SetBkMode(dc, TRANSPARENT);
    FreeControlBrush(control);
    HBITMAP background = MakeEditBackgroundBitmap(control);
    HBRUSH brush = background ? CreatePatternBrush(background) : nullptr;
    SetPropValue(control, PROP_BRUSH, reinterpret_cast<LONG_PTR>(brush));
    SetPropValue(control, PROP_BRUSH_BITMAP, reinterpret_cast<LONG_PTR>(background));
    return reinterpret_cast<LRESULT>(brush);
}

LRESULT HollowBrush(HWND control, HDC dc) {
    SetTextColor(dc, static_cast<COLORREF>(GetPropValue(control, PROP_TEXT_COLOUR)));
    SetBkMode(dc, TRANSPARENT);
    FreeControlBrush(control);
    // A stock object: handed out, never stored, so nothing deletes it.
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

bool IsOwnerDrawnListBox(HWND control) {
    return (GetWindowLongW(control, GWL_STYLE) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

// The window's area of canvasDc, put back on screen around its unskinned children.
void RestoreFromCanvas(const WindowRecord& record) {
    HDC dc = GetDC(record.hwnd);
    for (HWND child = GetWindow(record.hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child) || GetPropValue(child, PROP_OWNER_ID) != 0) continue;
        RECT area = GetRectInParentClient(child);
        ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
    }
    RECT bounds;
    GetWindowRect(record.hwnd, &bounds);
    BitBlt(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top, record.canvasDc, 0, 0, SRCCOPY);
    ReleaseDC(record.hwnd, dc);
}

void NotifyFromChild(HWND control, UINT code) {
    if (control && code == EN_CHANGE && GetClassNameText(control) == L"Edit") {
        PaintEmulatedVScrollBar(control, HOT_NONE);  // new text moves the thumb
        PaintEmulatedHScrollBar(control, HOT_NONE);
    }
    if (!control || !ControlsTransparentAndSkinned()) return;
    const std::wstring kind = GetClassNameText(control);
    if (kind == L"Edit") {
        if (code == EN_VSCROLL || code == EN_HSCROLL || code == EN_UPDATE || code == EN_CHANGE) {
            InvalidateRect(control, nullptr, code != EN_CHANGE);
        }
    } else if (kind == L"ListBox") {
        if (code == LBN_SELCHANGE || code == LBN_SELCANCEL) InvalidateRect(control, nullptr, FALSE);
    } else if (kind == L"ComboBox") {
        if (code == CBN_SELCHANGE || code == CBN_KILLFOCUS) InvalidateRect(control, nullptr, FALSE);
    }
}

LRESULT Paint(HWND window, int windowId, WindowRecord& record, WPARAM wParam, LPARAM lParam) {
    PAINTSTRUCT paint;
    HDC paintDc = BeginPaint(window, &paint);
    if (record.minimized) {
        record.redrawPending = false;
        EndPaint(window, &paint);
    } else if (record.redrawPending) {
        RedrawSkin(windowId, nullptr, true);
        if (record.restorePending) {
            record.restorePending = false;
            RefreshListViews(window);
        }
        EndPaint(window, &paint);
        record.backgroundErased = false;
        record.presentedAfterShow = false;
    } else {
        PresentCachedFrame(windowId, paintDc);
        EndPaint(window, &paint);
        InvalidateTransparentChildren(window);
        record.redrawPending = false;
    }
    return DefWindowProcW(window, WM_PAINT, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int windowId = GetPropId(window, PROP_ID);
    if (windowId < 1 || windowId > WindowCount() || WindowAt(windowId).hwnd != window) {
        return PassOn(window, message, wParam, lParam);
    }
    WindowRecord& record = WindowAt(windowId);
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);

    switch (message) {
    case WM_CLOSE:
        if (record.closeEffect == PULSE_AND_FADE) CloseAnimationPulse(window);
        else if (record.closeEffect == SHRINK_AND_FADE) CloseAnimationShrink(window);
        break;
    case WM_DESTROY:
        // The children still exist here; the colour brushes they were handed
        // go with the window, whether or not a control skin owns the child.
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            FreeControlBrush(child);
        }
        break;
    case WM_NCDESTROY:
        DetachSkin(window);
        KillTimer(window, reinterpret_cast<UINT_PTR>(window));
        return PassOn(window, message, wParam, lParam);
    case WM_SIZING:
        record.sizing = true;
        break;
    case WM_MOVING:
        record.moving = true;
        break;
    case WM_EXITSIZEMOVE:
        record.moving = record.sizing = false;
        break;
    case WM_SHOWWINDOW:
        if (wParam == TRUE && !record.hiddenFlag) {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            RedrawSkin(windowId, nullptr, true);
            EndPaint(window, &paint);
            record.presentedAfterShow = true;
            record.redrawPending = false;
            record.hiddenFlag = false;
        } else {
            record.hiddenFlag = true;
            record.presentedAfterShow = false;
        }
        break;
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        if (record.redrawPending && !record.sizing && record.canvasDc && !record.presentedAfterShow &&
            !record.backgroundErased) {
            RestoreFromCanvas(record);
            record.backgroundErased = true;
        }
        return 1;
    case WM_PAINT:
        return Paint(window, windowId, record, wParam, lParam);
    case WM_MOUSEMOVE:
        OnCaptionMouseMove(windowId, x, y);
        break;
    case WM_MOUSEHOVER:
        record.mouseInside = true;
        break;
    case WM_MOUSELEAVE:
        OnCaptionMouseLeave(windowId);
        break;
    case WM_TIMER:
        if (wParam == reinterpret_cast<WPARAM>(window)) OnCaptionTimer(windowId);
        break;
    case WM_LBUTTONDOWN:
        OnCaptionButtonDown(windowId, x, y);
        break;
    case WM_LBUTTONUP:
        OnCaptionButtonUp(windowId, x, y);
        break;
    case WM_LBUTTONDBLCLK:
        OnCaptionDoubleClick(windowId, x, y);
        break;
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(windowId, *reinterpret_cast<MINMAXINFO*>(lParam));
        break;
    case WM_WINDOWPOSCHANGED:
        OnWindowPosChanged(windowId, *reinterpret_cast<const WINDOWPOS*>(lParam));
        LayoutCaptionButtons(windowId);
        if (record.statusHeight > 0) LayoutStatusArea(windowId);
        break;
    case WM_SIZE:
        if (!record.minimized) MarkControlBackgroundsStale(window, false);
        record.hoverButton = 0;
        if (firstSizePending) {
            record.redrawPending = false;
            firstSizePending = false;
        } else {
            record.redrawPending = true;
        }
        break;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_MAXIMIZE:
            record.maximized = true;
            record.redrawPending = true;
            break;
        case SC_RESTORE:
            record.redrawPending = true;
            record.minimized = false;
            break;
        case SC_MINIMIZE:
            record.redrawPending = true;
            record.minimized = true;
            break;
        default:
            break;
        }
        break;
    case WM_QUERYOPEN:
        record.minimized = false;
        record.restorePending = true;
        break;
    case WM_SETTEXT:
        if (record.drawTitle && record.skinCaption) {
            DrawTitle(windowId, nullptr, false, reinterpret_cast<const wchar_t*>(lParam));
        }
        break;
    case WM_DRAWITEM: {
        DRAWITEMSTRUCT copy = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        DispatchDrawItem(windowId, copy);
        break;
    }
    case WM_CTLCOLOREDIT: {
        auto control = reinterpret_cast<HWND>(lParam);
        if (GetClassNameText(GetParent(control)) != L"ComboBox" && ControlsTransparentAndSkinned() && record.backgroundDc) {
            return PatternBrush(control, reinterpret_cast<HDC>(wParam));
        }
        break;
    }
    case WM_CTLCOLORSTATIC:
        // Before the skin is first rendered there is nothing to show behind
        // the control: it keeps its own colours until then.
        if (ControlsTransparentAndSkinned() && record.backgroundDc) {
            return PatternBrush(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
        }
        break;
    case WM_CTLCOLORLISTBOX: {
        auto control = reinterpret_cast<HWND>(lParam);
        if (skinState.skinControls && GetClassNameText(control) == L"ListBox" && !IsOwnerDrawnListBox(control) &&
            skinState.controlsTransparent) {
            return HollowBrush(control, reinterpret_cast<HDC>(wParam));
        }
        break;
    }
    case WM_CTLCOLORBTN:
        if (ControlsTransparentAndSkinned()) return HollowBrush(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
        break;
    case WM_ACTIVATEAPP:
        record.active = wParam != 0;
        if (wParam == 0) TrimWorkingSet();
        break;
    case WM_ACTIVATE:
        record.active = LOWORD(wParam) != WA_INACTIVE;
        break;
    case WM_COMMAND:
        NotifyFromChild(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        break;
    case WM_NOTIFY: {
        const NMHDR header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.code == TVN_ITEMEXPANDINGA || header.code == TVN_ITEMEXPANDEDA) {
            InvalidateRect(header.hwndFrom, nullptr, TRUE);
        }
        break;
    }
    default:
        break;
    }
    return PassOn(window, message, wParam, lParam);
}

void PresentCachedFrame(int windowId, HDC paintDc) {
    WindowRecord& record = WindowAt(windowId);
    RECT bounds;
    GetWindowRect(record.hwnd, &bounds);
    // Right after the first show the paint DC may not cover the window: take a DC of its own.
    HDC dc = record.presentedAfterShow ? GetDC(record.hwnd) : paintDc;
    GetDcExcludingChildren(record.hwnd, dc, true);
    BitBlt(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top, record.backgroundDc, 0, 0, SRCCOPY);
    if (dc != paintDc) ReleaseDC(record.hwnd, dc);
}

void RefreshListViews(HWND window) {
    const int windowId = FindWindowRecord(window);
    if (windowId == 0) return;
    for (ListRecord& list : WindowAt(windowId).lists) {
        if (IsWindowVisible(list.hwnd) && GetClassNameText(list.hwnd) == L"SysListView32") {
            list.stale = true;
            InvalidateRect(list.hwnd, nullptr, TRUE);
        }
    }
}

void InvalidateTransparentChildren(HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (HasTransparentExStyle(child)) InvalidateRect(child, nullptr, FALSE);
    }
}

void DispatchDrawItem(int windowId, const DRAWITEMSTRUCT& drawItem) {
    if (drawItem.CtlType != ODT_BUTTON) return;
    const int buttonId = GetPropId(drawItem.hwndItem, PROP_ID);
    WindowRecord& record = WindowAt(windowId);
    if (buttonId < 1 || buttonId > static_cast<int>(record.buttons.size())) return;
    const ButtonRecord& button = record.buttons[buttonId - 1];
    if (button.hwnd != drawItem.hwndItem || button.kind != PUSH_BUTTON) return;
    PaintPushButton(drawItem.hwndItem, drawItem.hDC, drawItem.itemState, drawItem.rcItem);
}

void DetachSkin(HWND window) {
    const int windowId = FindWindowRecord(window);
    if (windowId == 0) return;
    WindowRecord& record = WindowAt(windowId);
    for (const EditRecord& edit : record.edits) FreeControlBrush(edit.hwnd);
    ReleaseWindowDcs(record);
    SetWindowLongPtrW(window, GWLP_WNDPROC, GetPropValue(window, PROP_PREVIOUS_PROC));
    windowList.erase(windowList.begin() + (windowId - 1));

    for (int id = 1; id <= WindowCount(); ++id) {
        WindowRecord& remaining = WindowAt(id);
        SetPropValue(remaining.hwnd, PROP_ID, id);
        auto renumber = [id](const auto& records) {
            for (const auto& control : records) SetPropValue(control.hwnd, PROP_OWNER_ID, id);
        };
        renumber(remaining.buttons);
        renumber(remaining.edits);
        renumber(remaining.lists);
        renumber(remaining.trackbars);
        renumber(remaining.progressBars);
        renumber(remaining.combos);
        renumber(remaining.upDowns);
        renumber(remaining.headers);
        renumber(remaining.containers);
        for (const ToolbarRecord& toolbar : remaining.toolbars) SetPropValue(toolbar.hwnd, PROP_TOOL_OWNER_ID, id);
    }
}

}  // namespace kestrune
