// Attaching the skin: the window record, its caption buttons and the subclassing.
#include "skin/main_window_proc.h"
#include "skin/skin_attachment.h"
#include "skin/window_properties.h"
#include "skin/window_record.h"
#include "support/test_windows.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

namespace kestrune {
namespace {

using testing::TestWindows;

class SkinAttachment : public ::testing::Test {
protected:
    void TearDown() override {
        windows_.DestroyAll();
        EXPECT_EQ(WindowCount(), 0) << "every skinned window detached on destruction";
    }
    TestWindows windows_;
};

struct CaptionHeightCase {
    const char* id;
    std::optional<int> given;
    int height;
};

class CaptionHeight : public SkinAttachment, public ::testing::WithParamInterface<CaptionHeightCase> {};

TEST_P(CaptionHeight, IsAtLeast25) {
    HWND window = windows_.Create(WS_POPUP);
    SkinOptions options;
    options.captionHeight = GetParam().given;
    ApplySkin(window, options);
    ASSERT_EQ(WindowCount(), 1);
    EXPECT_EQ(WindowAt(1).captionHeight, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Heights, CaptionHeight,
                         ::testing::Values(CaptionHeightCase{"Ten", 10, 25}, CaptionHeightCase{"LeftOut", std::nullopt, 25},
                                           CaptionHeightCase{"Main", 110, 110}),
                         [](const auto& info) { return std::string(info.param.id); });

struct StripCase {
    const char* id;
    DWORD style;
    SkinOptions options;
    std::vector<int> kinds;  // caption buttons in strip order
    int stripWidth;
};

class CaptionStrip : public SkinAttachment, public ::testing::WithParamInterface<StripCase> {};

TEST_P(CaptionStrip, HoldsTheButtonsOfTheStyleAndOptions) {
    const StripCase& c = GetParam();
    HWND window = windows_.Create(c.style, 500, 300);
    ApplySkin(window, c.options);
    ASSERT_EQ(WindowCount(), 1);
    WindowRecord& record = WindowAt(1);
    std::vector<int> kinds;
    for (const CaptionButton& button : record.captionButtons) kinds.push_back(button.kind);
    EXPECT_EQ(kinds, c.kinds);
    EXPECT_EQ(record.buttonStripWidth, c.stripWidth);
    EXPECT_EQ(record.buttonStripHeight, 22);

    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(record.buttonStripX, client.right - c.stripWidth + 1);
    for (std::size_t i = 0; i < record.captionButtons.size(); ++i) {
        const CaptionButton& button = record.captionButtons[i];
        EXPECT_EQ(button.bounds.X, client.right - c.stripWidth + 1 + 2 + 27 * static_cast<int>(i));
        EXPECT_EQ(button.bounds.Y, 1);
        EXPECT_EQ(button.bounds.Width, button.kind == CLOSE_BUTTON ? 40 : 26);
        EXPECT_EQ(button.bounds.Height, 18);
        EXPECT_FALSE(button.glyph.empty());
        EXPECT_EQ(button.altGlyph.empty(), button.kind != MAXIMIZE_BUTTON);
    }
    const bool tooltips = record.captionTooltips.GetWindow() != nullptr;
    EXPECT_EQ(tooltips, c.options.skinCaption.value_or(1) != 0);
    if (tooltips) {
        EXPECT_EQ(SendMessageW(record.captionTooltips.GetWindow(), TTM_GETTOOLCOUNT, 0, 0),
                  static_cast<LRESULT>(record.captionButtons.size()));
    }
}

SkinOptions WithSkinCaption(int value) {
    SkinOptions options;
    options.skinCaption = value;
    return options;
}
SkinOptions WithHiddenClose(int value) {
    SkinOptions options;
    options.hideCloseButton = value;
    return options;
}
SkinOptions WithEveryButton() {
    SkinOptions options;
    options.helpButton = 1;
    options.mainMenuButton = 1;
    return options;
}

constexpr DWORD BOXES = WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

INSTANTIATE_TEST_SUITE_P(Strips, CaptionStrip, ::testing::Values(
    StripCase{"CloseOnly", WS_POPUP, {}, {CLOSE_BUTTON}, 41},
    StripCase{"MinimiseMaximiseClose", BOXES, {}, {MINIMIZE_BUTTON, MAXIMIZE_BUTTON, CLOSE_BUTTON}, 95},
    StripCase{"NoSkinCaptionNoClose", BOXES, WithSkinCaption(0), {MINIMIZE_BUTTON, MAXIMIZE_BUTTON}, 56},
    StripCase{"CloseKeptWithZero", WS_POPUP, WithHiddenClose(0), {CLOSE_BUTTON}, 41},
    StripCase{"CloseHidden", BOXES, WithHiddenClose(1), {MINIMIZE_BUTTON, MAXIMIZE_BUTTON}, 56},
    StripCase{"EveryButton", BOXES, WithEveryButton(),
              {HELP_BUTTON, MAIN_MENU_BUTTON, MINIMIZE_BUTTON, MAXIMIZE_BUTTON, CLOSE_BUTTON}, 149}),
    [](const auto& info) { return std::string(info.param.id); });

TEST_F(SkinAttachment, TwiceOnOneWindowLeavesOneRecordAndOneSubclassing) {
    HWND window = windows_.Create(BOXES);
    ApplySkin(window);
    ApplySkin(window);
    EXPECT_EQ(WindowCount(), 1);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(MainWindowProc));
    EXPECT_NE(GetPropValue(window, PROP_PREVIOUS_PROC), reinterpret_cast<LONG_PTR>(MainWindowProc));
    EXPECT_EQ(SendMessageW(window, testing::TEST_PING, 0, 0), testing::TEST_PING_ANSWER) << "reaches the window's own procedure";
    EXPECT_EQ(GetPropId(window, PROP_ID), 1);
}

TEST_F(SkinAttachment, ClearsClipChildrenAndAddsTheSystemMenu) {
    HWND window = windows_.Create(WS_POPUP | WS_CLIPCHILDREN);
    ApplySkin(window);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CLIPCHILDREN, 0);
    EXPECT_EQ(style & WS_SYSMENU, WS_SYSMENU);
    EXPECT_TRUE(WindowAt(1).closeButton);
}

TEST_F(SkinAttachment, DetachingRestoresTheProcedureBeforeTheWindowGoes) {
    HWND window = windows_.Create(WS_POPUP);
    ApplySkin(window);
    DetachSkin(window);
    EXPECT_EQ(WindowCount(), 0);
    EXPECT_NE(GetWindowLongPtrW(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(MainWindowProc));
    EXPECT_EQ(SendMessageW(window, testing::TEST_PING, 0, 0), testing::TEST_PING_ANSWER);
}

}  // namespace
}  // namespace kestrune
