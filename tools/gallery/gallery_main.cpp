// The control gallery: one skinned window holding every control family the
// skin draws. With a file name argument it saves a screenshot there and quits.
#include "panel/main_form.h"
#include "remote_panel.h"
#include "skin/carried_pictures.h"
#include "skin/skin_engine.h"
#include "skin/skin_state.h"

#include <windows.h>

#include <string>

namespace {

constexpr const wchar_t* GALLERY_CLASS = L"KestruneGallery";

HWND Add(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int width,
         int height, DWORD exStyle = 0) {
    HWND control = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                   parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return control;
}

std::wstring LongText() {
    std::wstring text;
    for (int i = 1; i <= 30; ++i) {
        text += L"Line " + std::to_wstring(i) + L": a report line long enough to scroll sideways as well\r\n";
    }
    return text;
}

void AddControls(HWND window) {
    const int top = 120;
    Add(window, L"BUTTON", L"Normal", BS_PUSHBUTTON, 20, top, 100, 30);
    Add(window, L"BUTTON", L"Default", BS_DEFPUSHBUTTON, 130, top, 100, 30);
    HWND disabled = Add(window, L"BUTTON", L"Disabled", BS_PUSHBUTTON, 240, top, 100, 30);
    EnableWindow(disabled, FALSE);
    HWND checked = Add(window, L"BUTTON", L"Checked box", BS_AUTOCHECKBOX, 20, top + 45, 120, 20);
    SendMessageW(checked, BM_SETCHECK, BST_CHECKED, 0);
    Add(window, L"BUTTON", L"Unchecked box", BS_AUTOCHECKBOX, 150, top + 45, 120, 20);
    HWND radio = Add(window, L"BUTTON", L"Radio one", BS_AUTORADIOBUTTON | WS_GROUP, 20, top + 75, 120, 20);
    SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
    Add(window, L"BUTTON", L"Radio two", BS_AUTORADIOBUTTON, 150, top + 75, 120, 20);
    HWND triState = Add(window, L"BUTTON", L"Three-state", BS_AUTO3STATE | WS_GROUP, 280, top + 45, 120, 20);
    SendMessageW(triState, BM_SETCHECK, BST_INDETERMINATE, 0);
    // A group box paints only its frame and label; as a transparent window the
    // skin behind it is painted first and shows inside the frame.
    Add(window, L"BUTTON", L"Group box", BS_GROUPBOX, 280, top + 70, 140, 60, WS_EX_TRANSPARENT);
    Add(window, L"Edit", L"Single-line edit", ES_AUTOHSCROLL, 20, top + 110, 240, 24, WS_EX_CLIENTEDGE);
    Add(window, L"Edit", LongText().c_str(),
        ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL, 20, top + 145, 300, 150,
        WS_EX_CLIENTEDGE);
    struct ComboPlace {
        DWORD style;
        int x, y, width, height;
    };
    const ComboPlace combos[] = {{CBS_SIMPLE, 530, top + 145, 150, 100},
                                 {CBS_DROPDOWN, 340, top + 145, 170, 200},
                                 {CBS_DROPDOWNLIST, 340, top + 185, 170, 200}};
    for (int i = 0; i < 3; ++i) {
        const ComboPlace& place = combos[i];
        HWND combo = Add(window, L"ComboBox", L"", place.style | WS_VSCROLL, place.x, place.y, place.width, place.height);
        for (const wchar_t* item : {L"Apple", L"Banana", L"Cherry"}) {
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
        SendMessageW(combo, CB_SETCURSEL, i, 0);
    }
}

LRESULT CALLBACK GalleryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    kestrune::SkinEngineSession skinEngine;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = GalleryProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = GALLERY_CLASS;
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, GALLERY_CLASS, L"Kestrune control gallery", WS_POPUP | WS_MINIMIZEBOX, 60, 60,
                                  720, 480, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) return 1;
    AddControls(window);
    kestrune::SetUpWindowSkin(window, kestrune::ResourceBytes(kestrune::SKIN_PICTURE));
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG message;
    if (argc > 1) {
        for (int round = 0; round < 50; ++round) {
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
            Sleep(20);
        }
        const bool saved = kestrune::remote::SaveWindowScreenshot(window, argv[1]);
        DestroyWindow(window);
        return saved ? 0 : 2;
    }
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
