// The main window's controls, created in this process so their drawing can be read.
#include "panel/main_form.h"
#include "graphics/image.h"
#include "remote_panel.h"
#include "skin/skin_state.h"
#include "skin/window_record.h"
#include "skin/window_properties.h"
#include "support/leak_counts.h"
#include "support/real_input.h"
#include "toolkit/runtime.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace kestrune {
namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = CreateMainWindow(SW_SHOW);
        ASSERT_NE(window_, nullptr);
        SetForegroundWindow(window_);
        Settle();
    }
    void TearDown() override {
        if (IsWindow(window_)) DestroyWindow(window_);
        // The form posts WM_QUIT when destroyed; take it off the queue.
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    void Settle() {
        for (int i = 0; i < 5; ++i) {
            UpdateWindow(window_);
            PumpWaitingMessages();
            Sleep(20);
        }
    }

    // Pixels of the control's rectangle, as far as it lies inside the window,
    // as they are on screen.
    std::vector<COLORREF> ScreenPixels(HWND control) {
        RECT controlArea, windowArea, area;
        GetWindowRect(control, &controlArea);
        GetWindowRect(window_, &windowArea);
        InflateRect(&windowArea, -3, -3);  // inside the skin's frame lines
        IntersectRect(&area, &controlArea, &windowArea);
        std::vector<COLORREF> pixels;
        HDC screen = GetDC(nullptr);
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) pixels.push_back(GetPixel(screen, x, y));
        }
        ReleaseDC(nullptr, screen);
        return pixels;
    }

    static int DarkPixels(const std::vector<COLORREF>& pixels) {
        int dark = 0;
        for (COLORREF pixel : pixels) dark += (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel)) < 3 * 96;
        return dark;
    }

    HWND window_ = nullptr;
};

TEST_F(MainWindow, ANewLabelTextRepaintsWhatLiesBehindTheOldOne) {
    HWND label = MainFormControl(window_, L"透明标签2");
    SetWindowTextW(label, L"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    Settle();
    int wide = DarkPixels(ScreenPixels(label));
    EXPECT_GT(wide, 100) << "the text is drawn";

    SetWindowTextW(label, L"i");
    Settle();
    int narrow = DarkPixels(ScreenPixels(label));
    EXPECT_GT(narrow, 0);
    EXPECT_LT(narrow * 10, wide) << "the old text is gone, not overprinted";

    SetWindowTextW(label, L"");
    Settle();
    EXPECT_EQ(DarkPixels(ScreenPixels(label)), 0);
}

TEST_F(MainWindow, ReportEditsAreReadOnlyAndScrollToTheirLastLine) {
    HWND edit = MainFormControl(window_, L"编辑框3");
    LONG style = GetWindowLongW(edit, GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_TRUE(style & WS_VSCROLL);

    std::wstring report;
    for (int line = 1; line <= 11; ++line) report += (line > 1 ? L"\r\n显卡.第" : L"显卡.第") + std::to_wstring(line);
    SetWindowTextW(edit, report.c_str());
    EXPECT_EQ(SendMessageW(edit, EM_GETLINECOUNT, 0, 0), 11);
    SendMessageW(edit, WM_VSCROLL, SB_BOTTOM, 0);
    LRESULT firstVisible = SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
    EXPECT_GT(firstVisible, 0);
    EXPECT_LE(firstVisible, 10);

    SendMessageW(edit, WM_CHAR, L'x', 1);
    wchar_t text[512] = {};
    GetWindowTextW(edit, text, 512);
    EXPECT_EQ(report, text) << "typing does not change a report";
}

TEST_F(MainWindow, TheBylineFontIsBoldCjkAt29Pixels) {
    HWND byline = MainFormControl(window_, L"透明标签8");
    auto font = reinterpret_cast<HFONT>(SendMessageW(byline, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW logFont{};
    ASSERT_TRUE(GetObjectW(font, sizeof logFont, &logFont));
    EXPECT_EQ(logFont.lfHeight, -29);
    EXPECT_EQ(logFont.lfWeight, FW_BOLD);
    EXPECT_EQ(logFont.lfCharSet, GB2312_CHARSET);

    // Whatever face the font mapper picked has glyphs for the byline.
    HDC dc = GetDC(byline);
    HGDIOBJ old = SelectObject(dc, font);
    WORD glyphs[2] = {};
    EXPECT_EQ(GetGlyphIndicesW(dc, L"制作", 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS), 2u);
    EXPECT_NE(glyphs[0], 0xFFFF);
    EXPECT_NE(glyphs[1], 0xFFFF);
    SelectObject(dc, old);
    ReleaseDC(byline, dc);
}

TEST_F(MainWindow, CreationLoadsTheCarriedSkinFadedIntoTheButtonFace) {
    EXPECT_EQ(skinState.themeColour, 0u);
    EXPECT_EQ(skinState.skinBackColour, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(skinState.fadeMode, 0);
    EXPECT_TRUE(skinState.skinControls);
    EXPECT_EQ(skinState.controlWhiteAlpha, 0);
    EXPECT_TRUE(skinState.controlsTransparent);
    EXPECT_FALSE(skinState.drawTrackbarFrame);
    EXPECT_TRUE(skinState.thickHoverFrame);

    ASSERT_GE(skinState.skinImage.size(), 8u);
    EXPECT_EQ(std::memcmp(skinState.skinImage.data(), "\x89PNG\r\n\x1a\n", 8), 0);
    Bitmap picture;
    ASSERT_TRUE(picture.CreateFromBytes(skinState.skinImage));
    EXPECT_EQ(picture.GetWidth(), 914u);
    EXPECT_EQ(picture.GetHeight(), 608u);
    picture.Dispose();
}

TEST_F(MainWindow, ShowsItsSkinOnScreen) {
    RECT area;
    GetWindowRect(window_, &area);
    HDC screen = GetDC(nullptr);
    auto at = [&](int x, int y) { return GetPixel(screen, area.left + x, area.top + y); };

    const COLORREF middle = at(700, 250);  // the picture, behind an empty transparent label
    EXPECT_GT(GetBValue(middle), GetRValue(middle) + 20) << "light cyan and blue";

    const COLORREF faded = at(860, 630);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_NEAR(GetRValue(faded), GetRValue(face), 24);
    EXPECT_NEAR(GetGValue(faded), GetGValue(face), 24);
    EXPECT_NEAR(GetBValue(faded), GetBValue(face), 24);

    const COLORREF frame = at(0, 324);  // the dark outer frame line
    EXPECT_LT(GetRValue(frame) + GetGValue(frame) + GetBValue(frame), 3 * 140);

    int whiteGlyphPixels = 0;  // the close glyph's white cross at the top right
    for (int y = 1; y < 19; ++y) {
        for (int x = 875 - 40; x < 875 - 2; ++x) {
            const COLORREF pixel = at(x, y);
            whiteGlyphPixels += GetRValue(pixel) > 235 && GetGValue(pixel) > 235 && GetBValue(pixel) > 235;
        }
    }
    EXPECT_GT(whiteGlyphPixels, 10);
    ReleaseDC(nullptr, screen);
    remote::SaveWindowScreenshot(window_, remote::SiblingPath(L"..\\..\\kestrune-skinned.png"));
}

// The 显卡 report is longer than its edit; clicks on the down arrow of the
// emulated bar, where it shows inside the window, bring its last line into
// view. Screenshots show a hovered button with the focused, scrolled report,
// and a button held down.
TEST_F(MainWindow, TheVideoReportScrollsToItsLastLineWithTheEmulatedBar) {
    HWND button = FindWindowExW(window_, nullptr, nullptr, L"显卡");
    ASSERT_NE(button, nullptr);
    HWND edit = GetWindow(button, GW_HWNDNEXT);
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(remote::PressButton(button));
    Settle();
    const int lines = static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
    ASSERT_GT(lines, 2);

    const WindowRecord& record = WindowAt(GetPropId(window_, PROP_ID));
    const EditRecord& report = record.edits.at(static_cast<std::size_t>(GetPropId(edit, PROP_ID) - 1));
    ASSERT_NE(report.vScrollBar, nullptr);
    ASSERT_TRUE(IsWindowVisible(report.vScrollBar));
    RECT bar, windowArea, shown;
    GetWindowRect(report.vScrollBar, &bar);
    GetWindowRect(window_, &windowArea);
    InflateRect(&windowArea, -3, -3);
    ASSERT_TRUE(IntersectRect(&shown, &bar, &windowArea));
    ASSERT_GE(shown.right - shown.left, 8) << "most of the bar lies inside the window";
    const POINT downArrow{(shown.left + shown.right) / 2, bar.bottom - 4};
    const RECT& lastArrow = report.vScrollParts[1];
    const POINT inBar{downArrow.x - bar.left, downArrow.y - bar.top};
    ASSERT_TRUE(PtInRect(&lastArrow, inBar)) << "the point is on the emulated down arrow";

    // A click into the report gives it the focus.
    RECT editBox;
    GetWindowRect(edit, &editBox);
    testing::MovePointerTo(editBox.left + 40, editBox.top + 10);
    testing::LeftClick();
    Settle();
    EXPECT_EQ(GetFocus(), edit);

    RECT client;
    GetClientRect(edit, &client);
    auto lastVisibleLine = [&] {
        return static_cast<int>(HIWORD(SendMessageW(edit, EM_CHARFROMPOS, 0, MAKELPARAM(2, client.bottom - 2))));
    };
    testing::MovePointerTo(downArrow);
    Settle();
    for (int click = 0; click < 2 * lines && lastVisibleLine() < lines - 1; ++click) {
        testing::LeftClick();
        Settle();
    }
    EXPECT_EQ(lastVisibleLine(), lines - 1) << "the last line is in view";
    EXPECT_GT(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    GetScrollBarInfo(edit, OBJID_VSCROLL, &info);
    EXPECT_EQ(report.vScrollParts[2].top, info.xyThumbTop) << "the emulated thumb follows the real one";
    EXPECT_EQ(report.vScrollParts[2].bottom, info.xyThumbBottom);

    RECT hovered;
    GetWindowRect(FindWindowExW(window_, nullptr, nullptr, L"主板"), &hovered);
    testing::MovePointerTo({hovered.left + 20, hovered.top + 10});
    for (int i = 0; i < 20; ++i) Settle();
    remote::SaveWindowScreenshot(window_, remote::SiblingPath(L"..\\..\\kestrune-controls.png"));

    // Held down, then dragged off and let go: pushed on screen, no query.
    HWND held = FindWindowExW(window_, nullptr, nullptr, L"声卡");
    HWND heldTarget = GetWindow(held, GW_HWNDNEXT);
    RECT heldBox;
    GetWindowRect(held, &heldBox);
    testing::MovePointerTo({heldBox.left + 20, heldBox.top + 10});
    Settle();
    testing::SendInputs({testing::Mouse(MOUSEEVENTF_LEFTDOWN)});
    for (int i = 0; i < 5; ++i) Settle();
    EXPECT_TRUE(SendMessageW(held, BM_GETSTATE, 0, 0) & BST_PUSHED);
    remote::SaveWindowScreenshot(window_, remote::SiblingPath(L"..\\..\\kestrune-pressed.png"));
    testing::MovePointerTo({heldBox.left + 20, heldBox.bottom + 40});
    Settle();
    testing::SendInputs({testing::Mouse(MOUSEEVENTF_LEFTUP)});
    Settle();
    EXPECT_EQ(GetWindowTextLengthW(heldTarget), 0) << "let go off the button: nothing ran";
}

// Redrawing the whole window with every control, over and over, leaves no
// GDI or GDI+ object and no memory DC behind.
TEST_F(MainWindow, RedrawingEveryControlLeaksNothing) {
    ASSERT_TRUE(remote::PressButton(FindWindowExW(window_, nullptr, nullptr, L"显卡")));
    auto redraw = [&](int times) {
        for (int i = 0; i < times; ++i) {
            RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            PumpWaitingMessages();
        }
    };
    redraw(3);
    const testing::LeakCounts before = testing::LeakCounts::Now();
    redraw(100);
    EXPECT_EQ(testing::LeakCounts::Now(), before);
}

}  // namespace
}  // namespace kestrune
