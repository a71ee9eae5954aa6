// The real program, started and driven from outside as a user would.
#include "panel/main_form.h"
#include "panel/query_runner.h"
#include "remote_panel.h"
#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrune {
namespace {

struct ExpectedControl {
    const wchar_t* windowClass;
    int x, y, width, height;
    const wchar_t* text;
};

// The form as a user sees it, in creation (tab) order.
const std::vector<ExpectedControl> FORM = {
    {L"KestruneTransparentLabel", 32, 0, 96, 24, L"Kestrune"},
    {L"KestruneTransparentLabel", 256, 0, 280, 32, L"Tovrel制作"},
    {L"Button", 16, 32, 88, 32, L"计算机名"},   {L"KestruneTransparentLabel", 128, 32, 400, 32, L""},
    {L"Button", 16, 80, 88, 32, L"主板"},       {L"KestruneTransparentLabel", 128, 80, 750, 32, L""},
    {L"Button", 16, 128, 88, 32, L"CPU ID"},    {L"KestruneTransparentLabel", 128, 128, 750, 32, L""},
    {L"Static", 128, 128, 0, 32, L""},
    {L"Button", 16, 176, 88, 32, L"硬盘"},       {L"Edit", 128, 176, 752, 32, L""},
    {L"Button", 16, 224, 88, 32, L"硬盘序列号"}, {L"KestruneTransparentLabel", 128, 224, 750, 32, L""},
    {L"Button", 16, 272, 88, 32, L"声卡"},       {L"Edit", 128, 272, 752, 32, L""},
    {L"Button", 16, 320, 88, 32, L"显卡"},       {L"Edit", 128, 320, 752, 32, L""},
    {L"Button", 16, 368, 88, 32, L"BIOS"},       {L"Edit", 128, 368, 752, 32, L""},
    {L"Button", 16, 416, 88, 32, L"MAC"},        {L"KestruneTransparentLabel", 128, 416, 750, 32, L""},
    {L"Button", 16, 464, 88, 32, L"光驱"},       {L"KestruneTransparentLabel", 128, 464, 750, 32, L""},
    {L"Button", 16, 512, 88, 32, L"操作系统"},   {L"Edit", 128, 512, 752, 32, L""},
    {L"Button", 16, 560, 88, 32, L"高速缓存"},   {L"KestruneTransparentLabel", 128, 560, 750, 32, L""},
    {L"Button", 16, 608, 88, 32, L"系统插槽"},   {L"KestruneTransparentLabel", 128, 608, 750, 32, L""},
};

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

RECT RectInParent(HWND child) {
    RECT area;
    GetWindowRect(child, &area);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

class RunningProgram : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(program_.Start(remote::SiblingPath(L"kestrune.exe"))); }
    HWND window() const { return program_.window(); }
    remote::RemoteProgram program_;
};

TEST_F(RunningProgram, OpensItsBorderlessWindowWithTheWholeForm) {
    RECT area;
    GetWindowRect(window(), &area);
    EXPECT_EQ(area.left, 50);
    EXPECT_EQ(area.top, 50);
    EXPECT_EQ(area.right - area.left, 875);
    EXPECT_EQ(area.bottom - area.top, 648);
    LONG style = GetWindowLongW(window(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0) << "the skin draws caption and frame";
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    EXPECT_EQ(GetWindowTextString(window()), L"");

    // The form's controls in their order, and one emulated scroll bar over each report edit.
    std::vector<HWND> children;
    int scrollBars = 0;
    for (HWND child = GetWindow(window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetPropW(child, L"Mngd_zct")) {
            ++scrollBars;
            continue;
        }
        children.push_back(child);
    }
    EXPECT_EQ(scrollBars, 5);
    ASSERT_EQ(children.size(), FORM.size());
    for (std::size_t i = 0; i < FORM.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << "control " << i + 1);
        const ExpectedControl& expected = FORM[i];
        EXPECT_EQ(ClassOf(children[i]), expected.windowClass);
        RECT box = RectInParent(children[i]);
        EXPECT_EQ(box.left, expected.x);
        EXPECT_EQ(box.top, expected.y);
        EXPECT_EQ(box.right - box.left, expected.width);
        EXPECT_EQ(box.bottom - box.top, expected.height);
        EXPECT_EQ(GetWindowTextString(children[i]), expected.text);
        bool transparent = GetWindowLongW(children[i], GWL_EXSTYLE) & WS_EX_TRANSPARENT;
        EXPECT_EQ(transparent, ClassOf(children[i]) == L"KestruneTransparentLabel");
    }
}

TEST_F(RunningProgram, EveryButtonFillsItsTargetWithTheReportOfItsCategory) {
    for (const QueryButton& button : QUERY_BUTTONS) {
        SCOPED_TRACE(::testing::Message() << "category " << button.category);
        EXPECT_EQ(remote::PressQueryButton(window(), button), std::optional(QueryCategory(button.category)));
    }
}

TEST_F(RunningProgram, PressingAButtonAgainReplacesItsReport) {
    const QueryButton& disk = QUERY_BUTTONS[3];  // 硬盘: a multi-line report in an edit box
    std::wstring first = remote::PressQueryButton(window(), disk).value_or(L"");
    ASSERT_NE(first.find(L"\r\n"), std::wstring::npos);
    EXPECT_EQ(remote::PressQueryButton(window(), disk), std::optional(first));
}

TEST_F(RunningProgram, AClickWithTheMouseRunsTheQuery) {
    const QueryButton& name = QUERY_BUTTONS[0];
    HWND button = MainFormControl(window(), name.button);
    HWND target = MainFormControl(window(), name.target);
    SetForegroundWindow(window());
    RECT box;
    GetWindowRect(button, &box);
    SetCursorPos((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
    std::wstring expected = QueryCategory(name.category);
    std::wstring shown;
    for (int waited = 0; waited < 10000 && shown != expected; waited += 50) {
        Sleep(50);
        shown = GetWindowTextString(target);
    }
    EXPECT_EQ(shown, expected);
}

TEST_F(RunningProgram, AltF4ClosesItAndTheProgramEnds) {
    SetForegroundWindow(window());
    INPUT keys[4] = {};
    for (INPUT& key : keys) key.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_MENU;
    keys[1].ki.wVk = VK_F4;
    keys[2].ki.wVk = VK_F4;
    keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
    keys[3].ki.wVk = VK_MENU;
    keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, keys, sizeof(INPUT));
    ASSERT_EQ(WaitForSingleObject(program_.process(), 10000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(program_.process(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
}

TEST(ProgramDriver, PrintsEveryReportAndSavesAScreenshot) {
    std::wstring shot = remote::SiblingPath(L"..\\..\\kestrune-e2e.png");
    DeleteFileW(shot.c_str());
    std::wstring commandLine = L"\"" + remote::SiblingPath(L"kestrune-drive.exe") + L"\" \"" + shot + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info));
    ASSERT_EQ(WaitForSingleObject(info.hProcess, 8 * remote::PRESS_TIMEOUT_MS), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(info.hProcess, &exitCode);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_NE(GetFileAttributesW(shot.c_str()), INVALID_FILE_ATTRIBUTES) << "screenshot saved";
}

}  // namespace
}  // namespace kestrune
