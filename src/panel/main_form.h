// The main window: its form, the query buttons and their handlers.
#pragma once

#include "toolkit/form.h"

#include <windows.h>

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace kestrune {

inline constexpr int MAIN_FORM_CONTROL_COUNT = 29;
extern const std::array<ControlSpec, MAIN_FORM_CONTROL_COUNT> MAIN_FORM_CONTROLS;

// One query button: the category it asks for and the control its report goes to.
struct QueryButton {
    const wchar_t* button;
    int category;
    const wchar_t* target;
};

inline constexpr int QUERY_BUTTON_COUNT = 13;
extern const std::array<QueryButton, QUERY_BUTTON_COUNT> QUERY_BUTTONS;

inline constexpr int MAIN_WINDOW_X = 50;
inline constexpr int MAIN_WINDOW_Y = 50;
inline constexpr int MAIN_WINDOW_WIDTH = 875;
inline constexpr int MAIN_WINDOW_HEIGHT = 648;
// No system caption or border: the skin draws them.
inline constexpr DWORD MAIN_WINDOW_STYLE = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// 1-based number of the named control in MAIN_FORM_CONTROLS, 0 when unknown.
int MainFormControlNumber(std::wstring_view name);

// The named control of the main window.
HWND MainFormControl(HWND window, std::wstring_view name);

// Creates and shows the main window.
HWND CreateMainWindow(int showCommand);

// Runs the button's query and writes the report into its target control.
void RunQueryButton(HWND window, const QueryButton& button);

void HandleWindowCreated(HWND window);

// Options of SetUpWindowSkin; each is 0 when left out.
struct WindowSkinOptions {
    int fadeMode = 0;
    int helpButton = 0;
    int mainMenuButton = 0;
    int resizable = 0;
    int themeColour = 0;
    int captionBandAlpha = 0;
};

void SetUpWindowSkin(HWND window, std::span<const BYTE> skinPicture, const WindowSkinOptions& options = {});

// Selects the close animation of a skinned window; false when the window is not skinned.
bool SetCloseEffect(HWND window, std::optional<int> effect = std::nullopt);

}  // namespace kestrune
