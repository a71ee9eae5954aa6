#include "panel/main_form.h"

#include "panel/query_runner.h"
#include "skin/carried_pictures.h"
#include "skin/skin_attachment.h"
#include "skin/skin_state.h"
#include "skin/window_properties.h"

namespace kestrune {

namespace {

using enum ControlKind;

constexpr FontSpec BYLINE_FONT{L"造字工房情书（非商用）常规体", 29, FW_BOLD, GB2312_CHARSET};

}  // namespace

const std::array<ControlSpec, MAIN_FORM_CONTROL_COUNT> MAIN_FORM_CONTROLS = {{
    {L"透明标签10", TransparentLabel, 32, 0, 96, 24, L"Kestrune", nullptr},
    {L"透明标签8", TransparentLabel, 256, 0, 280, 32, L"Tovrel制作", &BYLINE_FONT},
    {L"按钮1", PushButton, 16, 32, 88, 32, L"计算机名", nullptr},
    {L"透明标签1", TransparentLabel, 128, 32, 400, 32, L"", nullptr},
    {L"按钮2", PushButton, 16, 80, 88, 32, L"主板", nullptr},
    {L"透明标签2", TransparentLabel, 128, 80, 750, 32, L"", nullptr},
    {L"按钮4", PushButton, 16, 128, 88, 32, L"CPU ID", nullptr},
    {L"透明标签3", TransparentLabel, 128, 128, 750, 32, L"", nullptr},
    {L"标签3", Label, 128, 128, 0, 32, L"", nullptr},
    {L"按钮3", PushButton, 16, 176, 88, 32, L"硬盘", nullptr},
    {L"编辑框1", EditBox, 128, 176, 752, 32, L"", nullptr},
    {L"按钮5", PushButton, 16, 224, 88, 32, L"硬盘序列号", nullptr},
    {L"透明标签5", TransparentLabel, 128, 224, 750, 32, L"", nullptr},
    {L"按钮6", PushButton, 16, 272, 88, 32, L"声卡", nullptr},
    {L"编辑框2", EditBox, 128, 272, 752, 32, L"", nullptr},
    {L"按钮7", PushButton, 16, 320, 88, 32, L"显卡", nullptr},
    {L"编辑框3", EditBox, 128, 320, 752, 32, L"", nullptr},
    {L"按钮8", PushButton, 16, 368, 88, 32, L"BIOS", nullptr},
    {L"编辑框4", EditBox, 128, 368, 752, 32, L"", nullptr},
    {L"按钮9", PushButton, 16, 416, 88, 32, L"MAC", nullptr},
    {L"透明标签9", TransparentLabel, 128, 416, 750, 32, L"", nullptr},
    {L"按钮10", PushButton, 16, 464, 88, 32, L"光驱", nullptr},
    {L"透明标签4", TransparentLabel, 128, 464, 750, 32, L"", nullptr},
    {L"按钮11", PushButton, 16, 512, 88, 32, L"操作系统", nullptr},
    {L"编辑框5", EditBox, 128, 512, 752, 32, L"", nullptr},
    {L"按钮12", PushButton, 16, 560, 88, 32, L"高速缓存", nullptr},
    {L"透明标签7", TransparentLabel, 128, 560, 750, 32, L"", nullptr},
    {L"按钮13", PushButton, 16, 608, 88, 32, L"系统插槽", nullptr},
    {L"透明标签6", TransparentLabel, 128, 608, 750, 32, L"", nullptr},
}};

const std::array<QueryButton, QUERY_BUTTON_COUNT> QUERY_BUTTONS = {{
    {L"按钮1", 1, L"透明标签1"},
    {L"按钮2", 2, L"透明标签2"},
    {L"按钮4", 3, L"透明标签3"},
    {L"按钮3", 4, L"编辑框1"},
    {L"按钮5", 5, L"透明标签5"},
    {L"按钮6", 6, L"编辑框2"},
    {L"按钮7", 7, L"编辑框3"},
    {L"按钮8", 8, L"编辑框4"},
    {L"按钮9", 10, L"透明标签9"},
    {L"按钮10", 11, L"透明标签4"},
    {L"按钮11", 12, L"编辑框5"},
    {L"按钮12", 13, L"透明标签7"},
    {L"按钮13", 14, L"透明标签6"},
}};

int MainFormControlNumber(std::wstring_view name) {
    for (std::size_t i = 0; i < MAIN_FORM_CONTROLS.size(); ++i) {
        if (MAIN_FORM_CONTROLS[i].name == name) return static_cast<int>(i) + 1;
    }
    return 0;
}

HWND MainFormControl(HWND window, std::wstring_view name) {
    int number = MainFormControlNumber(name);
    return number ? FormControl(window, number) : nullptr;
}

void RunQueryButton(HWND window, const QueryButton& button) {
    std::wstring report = QueryCategory(button.category);
    SetWindowTextW(MainFormControl(window, button.target), report.c_str());
}

namespace {

void HandleClick(HWND window, int controlNumber) {
    std::wstring_view name = MAIN_FORM_CONTROLS[static_cast<std::size_t>(controlNumber - 1)].name;
    for (const QueryButton& button : QUERY_BUTTONS) {
        if (name == button.button) RunQueryButton(window, button);
    }
}

}  // namespace

HWND CreateMainWindow(int showCommand) {
    FormSpec form{L"", MAIN_WINDOW_X, MAIN_WINDOW_Y, MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT, MAIN_WINDOW_STYLE,
                  MAIN_FORM_CONTROLS, {HandleWindowCreated, HandleClick}};
    return CreateForm(form, showCommand);
}

void HandleWindowCreated(HWND window) {
    SetUpWindowSkin(window, ResourceBytes(SKIN_PICTURE), WindowSkinOptions{.helpButton = 0, .mainMenuButton = 0});
    SetCloseEffect(window, 1);
}

void SetUpWindowSkin(HWND window, std::span<const BYTE> skinPicture, const WindowSkinOptions& options) {
    // Every option goes on as supplied, whether or not our caller gave it.
    COLORREF buttonFace = GetSysColor(COLOR_BTNFACE);
    LoadSkin(L"", skinPicture, buttonFace, static_cast<COLORREF>(options.themeColour), options.fadeMode);
    SetControlSkinOptions(true, 0, false);
    SetThickHoverFrame(true);
    SkinOptions skin;
    skin.captionHeight = 110;
    skin.skinCaption = 1;
    skin.resizable = options.resizable;
    skin.helpButton = options.helpButton;
    skin.mainMenuButton = options.mainMenuButton;
    skin.drawTitle = 1;
    skin.captionBand = 0;
    skin.windowImageMode = 3;
    skin.captionBandAlpha = options.captionBandAlpha;
    ApplySkin(window, skin);
}

bool SetCloseEffect(HWND window, std::optional<int> effect) {
    const int windowId = GetPropId(window, PROP_ID);
    if (windowId < 1 || windowId > WindowCount()) return false;
    WindowAt(windowId).closeEffect = effect.value_or(0);
    return true;
}

}  // namespace kestrune
