#include "toolkit/form.h"

#include "toolkit/transparent_label.h"

#include <memory>
#include <vector>

namespace kestrune {

namespace {

// Per-form state, owned by the window from WM_NCCREATE to WM_NCDESTROY.
struct FormState {
    FormEvents events;
    std::vector<HFONT> fonts;  // released with the form
};

FormState* StateOf(HWND form) { return reinterpret_cast<FormState*>(GetWindowLongPtrW(form, GWLP_USERDATA)); }

bool IsTransparentChild(HWND child) { return (GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0; }

RECT ChildRectInParent(HWND child, HWND parent) {
    RECT area;
    GetWindowRect(child, &area);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

// The background never covers a visible opaque control: the form does not clip
// its children (so transparent labels show what lies behind them), so it
// excludes the opaque ones itself.
void EraseBackground(HWND form, HDC dc) {
    int saved = SaveDC(dc);
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child) || IsTransparentChild(child)) continue;
        RECT area = ChildRectInParent(child, form);
        ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
    }
    RECT client;
    GetClientRect(form, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    RestoreDC(dc, saved);
}

// After the form painted an area, the transparent labels over it draw again.
void RefreshTransparentChildren(HWND form, const RECT& painted) {
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child) || !IsTransparentChild(child)) continue;
        RECT area = ChildRectInParent(child, form);
        RECT overlap;
        if (IntersectRect(&overlap, &area, &painted)) InvalidateRect(child, nullptr, FALSE);
    }
}

HWND CreateControl(HWND form, const ControlSpec& spec, int controlNumber) {
    const wchar_t* windowClass = L"Static";
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    switch (spec.kind) {
    case ControlKind::TransparentLabel:
        windowClass = TRANSPARENT_LABEL_CLASS;
        exStyle = WS_EX_TRANSPARENT;
        break;
    case ControlKind::Label:
        style |= SS_LEFT | SS_NOPREFIX;
        break;
    case ControlKind::PushButton:
        windowClass = L"BUTTON";
        style |= BS_PUSHBUTTON | WS_TABSTOP;
        break;
    case ControlKind::EditBox:
        // Reports span several lines: read-only, multi-line, scrollable.
        windowClass = L"Edit";
        style |= ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;
        exStyle = WS_EX_CLIENTEDGE;
        break;
    }
    auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(FIRST_CONTROL_ID + controlNumber - 1));
    return CreateWindowExW(exStyle, windowClass, spec.text ? spec.text : L"", style, spec.x, spec.y, spec.width,
                           spec.height, form, id, GetModuleHandleW(nullptr), nullptr);
}

HFONT FontFor(FormState& state, const FontSpec* spec, HFONT defaultFont) {
    if (!spec) return defaultFont;
    HFONT font = CreateFontFromSpec(*spec);
    if (font) state.fonts.push_back(font);
    return font ? font : defaultFont;
}

LRESULT CALLBACK FormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        // The window takes the state over from CreateForm.
        auto* owner = static_cast<std::unique_ptr<FormState>*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(form, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner->release()));
        break;
    }
    case WM_ERASEBKGND:
        EraseBackground(form, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(form, &paint);
        EndPaint(form, &paint);
        RefreshTransparentChildren(form, paint.rcPaint);
        return 0;
    }
    case WM_COMMAND: {
        FormState* state = StateOf(form);
        int controlNumber = LOWORD(wParam) - FIRST_CONTROL_ID + 1;
        if (state && state->events.clicked && HIWORD(wParam) == BN_CLICKED && lParam != 0 && controlNumber >= 1) {
            state->events.clicked(form, controlNumber);
        }
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY: {
        FormState* state = StateOf(form);
        SetWindowLongPtrW(form, GWLP_USERDATA, 0);
        if (state) {
            for (HFONT font : state->fonts) DeleteObject(font);
            delete state;
        }
        break;
    }
    default:
        break;
    }
    return DefWindowProcW(form, message, wParam, lParam);
}

bool RegisterFormClass() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, FORM_WINDOW_CLASS, &windowClass)) return true;
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = FormProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = FORM_WINDOW_CLASS;
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

HFONT CreateFontFromSpec(const FontSpec& spec) {
    LOGFONTW logFont{};
    logFont.lfHeight = -spec.characterHeight;
    logFont.lfWeight = spec.weight;
    logFont.lfCharSet = spec.charset;
    logFont.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(logFont.lfFaceName, spec.face, LF_FACESIZE);
    return CreateFontIndirectW(&logFont);
}

HWND CreateForm(const FormSpec& spec, int showCommand) {
    if (!RegisterFormClass() || !RegisterTransparentLabelClass()) return nullptr;
    auto owner = std::make_unique<FormState>(FormState{spec.events, {}});
    HWND form = CreateWindowExW(0, FORM_WINDOW_CLASS, spec.title, spec.style, spec.x, spec.y, spec.width, spec.height,
                                nullptr, nullptr, GetModuleHandleW(nullptr), &owner);
    if (!form) return nullptr;
    FormState* state = StateOf(form);
    HFONT defaultFont = CreateFontFromSpec(DEFAULT_FONT);
    if (defaultFont) state->fonts.push_back(defaultFont);
    int controlNumber = 0;
    for (const ControlSpec& control : spec.controls) {
        HWND child = CreateControl(form, control, ++controlNumber);
        if (child) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(*state, control.font, defaultFont)), FALSE);
    }
    if (spec.events.created) spec.events.created(form);
    ShowWindow(form, showCommand);
    UpdateWindow(form);
    return form;
}

HWND FormControl(HWND form, int controlNumber) { return GetDlgItem(form, FIRST_CONTROL_ID + controlNumber - 1); }

}  // namespace kestrune
