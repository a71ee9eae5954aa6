// Edit and combo box skins and the emulated scroll bars, on real windows with
// real keyboard and pointer input.
#include "skin/carried_pictures.h"
#include "skin/colour.h"
#include "skin/controls/edit_combo_skin.h"
#include "skin/controls/scroll_bar_skin.h"
#include "skin/skin_attachment.h"
#include "skin/skin_state.h"
#include "skin/window_properties.h"
#include "skin/window_record.h"
#include "skin_test_windows.h"
#include "support/leak_counts.h"
#include "support/real_input.h"
#include "support/test_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

namespace kestrune {
namespace {

using namespace testing;
using testing_windows::MemorySurface;
using testing_windows::Pixels;
using testing_windows::ReadPixels;
using testing_windows::WindowPixels;

// colour at alpha over background, 0x00RRGGBB from a Windows colour.
std::uint32_t Over(std::uint32_t background, COLORREF colour, int alpha) {
    auto mix = [&](int shift, int channel) {
        const int under = static_cast<int>((background >> shift) & 0xFF);
        return static_cast<std::uint32_t>((channel * alpha + under * (255 - alpha) + 127) / 255) << shift;
    };
    return mix(16, GetRValue(colour)) | mix(8, GetGValue(colour)) | mix(0, GetBValue(colour));
}

bool Near(std::uint32_t a, std::uint32_t b) {
    for (int shift : {0, 8, 16}) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 3) return false;
    }
    return true;
}

std::wstring Lines(int count) {
    std::wstring text;
    for (int i = 1; i <= count; ++i) text += L"line " + std::to_wstring(i) + L" of a long report, wide enough\r\n";
    return text;
}

class EditSkin : public ::testing::Test {
protected:
    void SetUp() override {
        SetControlSkinOptions(true, 0, true);
        parent_ = windows_.Create(WS_POPUP, 420, 320);
        edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", Lines(40).c_str(),
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                    ES_AUTOHSCROLL | ES_WANTRETURN,
                                20, 40, 200, 120, parent_, nullptr, GetModuleHandleW(nullptr), nullptr);
        plain_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 240, 40, 150,
                                 24, parent_, nullptr, GetModuleHandleW(nullptr), nullptr);
        combo_ = CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 240, 90, 150, 200,
                                 parent_, nullptr, GetModuleHandleW(nullptr), nullptr);
        for (const wchar_t* item : {L"first", L"second", L"third"}) {
            SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
        SendMessageW(combo_, CB_SETCURSEL, 1, 0);
        ApplySkin(parent_);
        SetWindowPos(parent_, HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        SetForegroundWindow(parent_);
        UpdateWindow(parent_);
        Settle();
    }
    void TearDown() override {
        windows_.DestroyAll();
        ResetSkinState();
    }

    WindowRecord& Record() { return WindowAt(GetPropId(parent_, PROP_ID)); }
    EditRecord& EditOf(HWND edit) { return Record().edits.at(static_cast<std::size_t>(GetPropId(edit, PROP_ID) - 1)); }

    // The skin background at a point of the control's window rectangle.
    std::uint32_t SkinAt(HWND control, int x, int y) {
        RECT box, outer;
        GetWindowRect(control, &box);
        GetWindowRect(parent_, &outer);
        const COLORREF colour = GetPixel(Record().backgroundDc, box.left - outer.left + x, box.top - outer.top + y);
        return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    }

    RECT VBarRect() { return VInfo().rcScrollBar; }

    SCROLLBARINFO VInfo() {
        SCROLLBARINFO info{};
        info.cbSize = sizeof(info);
        GetScrollBarInfo(edit_, OBJID_VSCROLL, &info);
        return info;
    }

    // The carried picture under the controls, so that frames and text have
    // a light background to show against.
    void UsePicture() {
        LoadSkin(L"", ResourceBytes(SKIN_PICTURE), GetSysColor(COLOR_BTNFACE));
        Settle();
    }

    // Dark pixels in the given rows and columns of what the window shows.
    static int DarkPixels(const Pixels& shown, int left, int top, int right, int bottom) {
        int dark = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                const std::uint32_t p = shown.At(x, y);
                dark += ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 3 * 96;
            }
        }
        return dark;
    }

    static void PointAt(HWND window, int x, int y) { MovePointerToWindow(window, x, y); }

    testing::TestWindows windows_;
    HWND parent_ = nullptr, edit_ = nullptr, plain_ = nullptr, combo_ = nullptr;
};

TEST_F(EditSkin, FrameIsFaintWhenIdleThemedWhenFocusedDoubledWhenHovered) {
    const int y = 12;
    const std::uint32_t skin = SkinAt(plain_, 0, y), innerSkin = SkinAt(plain_, 1, y);
    const COLORREF theme = skinState.themeColour;
    PaintEditFrame(plain_, false, true, false, true);
    EXPECT_TRUE(Near(WindowPixels(plain_).At(0, y), Over(skin, 0x000000, 80)));
    EXPECT_TRUE(Near(WindowPixels(plain_).At(1, y), innerSkin)) << "a transparent wash leaves the skin";
    PaintEditFrame(plain_, true, true, false, true);
    EXPECT_TRUE(Near(WindowPixels(plain_).At(0, y), Over(skin, theme, 180)));
    PaintEditFrame(plain_, false, true, true, true);
    EXPECT_TRUE(Near(WindowPixels(plain_).At(1, y), Over(innerSkin, theme, 180)));
    EXPECT_TRUE(Near(WindowPixels(plain_).At(0, y), Over(Over(skin, 0xFFFFFF, 60), theme, 90)));
}

TEST_F(EditSkin, TextSitsOnTheSkinAndTypingWorks) {
    InvalidateRect(plain_, nullptr, TRUE);
    UpdateWindow(plain_);
    Settle();
    const RECT area = LocateClientArea(plain_);
    const Pixels shown = WindowPixels(plain_);
    for (int x : {120, 140}) {
        EXPECT_TRUE(Near(shown.At(area.left + x, area.top + 4), SkinAt(plain_, area.left + x, area.top + 4))) << x;
    }
    SetFocus(plain_);
    SendInputs({Key('K'), Key('K', true), Key('J'), Key('J', true)});
    wchar_t text[16] = {};
    EXPECT_TRUE(PumpUntil([&] { return GetWindowTextW(plain_, text, 16) == 2; }));
    EXPECT_STREQ(text, L"kj");
    SendInputs({Key(VK_SHIFT), Key(VK_HOME), Key(VK_HOME, true), Key(VK_SHIFT, true)});
    DWORD start = 1, end = 0;
    EXPECT_TRUE(PumpUntil([&] {
        SendMessageW(plain_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return start == 0 && end == 2;
    }));
}

TEST_F(EditSkin, EmulatedBarsCoverTheSystemBarsAndFollowTheThumb) {
    const EditRecord& record = EditOf(edit_);
    ASSERT_NE(record.vScrollBar, nullptr);
    ASSERT_NE(record.hScrollBar, nullptr);
    EXPECT_EQ(reinterpret_cast<HWND>(GetPropValue(record.vScrollBar, PROP_SCROLL_OWNER)), edit_);
    RECT bar;
    GetWindowRect(record.vScrollBar, &bar);
    const RECT system = VBarRect();
    EXPECT_TRUE(EqualRect(&bar, &system));
    GetWindowRect(record.hScrollBar, &bar);
    SCROLLBARINFO horizontal{};
    horizontal.cbSize = sizeof(horizontal);
    GetScrollBarInfo(edit_, OBJID_HSCROLL, &horizontal);
    EXPECT_TRUE(EqualRect(&bar, &horizontal.rcScrollBar));

    auto thumbFollows = [&] {
        const SCROLLBARINFO info = VInfo();
        return record.vScrollParts[2].top == info.xyThumbTop && record.vScrollParts[2].bottom == info.xyThumbBottom;
    };
    struct Step {
        const char* name;
        std::function<void()> act;
    };
    const Step steps[] = {
        {"wheel", [&] { PointAt(edit_, 60, 40); Settle(); SendInputs({Mouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(-WHEEL_DELTA))}); }},
        {"keys", [&] { SetFocus(edit_); SendInputs({Key(VK_CONTROL), Key(VK_END), Key(VK_END, true), Key(VK_CONTROL, true)}); }},
        {"arrow click", [&] { PointAt(record.vScrollBar, 8, 8); Settle();
                              SendInputs({Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)}); }},
        {"thumb drag", [&] {
             // One batch: the scroll bar's tracking loop runs until the button is up.
             const SCROLLBARINFO info = VInfo();
             PointAt(record.vScrollBar, 8, (info.xyThumbTop + info.xyThumbBottom) / 2);
             Settle();
             SendInputs({Mouse(MOUSEEVENTF_LEFTDOWN), Absolute(record.vScrollBar, 8, 25),
                         Mouse(MOUSEEVENTF_LEFTUP)});
         }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        const int before = VInfo().xyThumbTop;
        step.act();
        EXPECT_TRUE(PumpUntil([&] { return VInfo().xyThumbTop != before; })) << "the edit scrolled";
        Settle();
        EXPECT_TRUE(thumbFollows());
    }
}

TEST(ScrollBarArrows, AreAsLongAsTheMetricUntilTheBarIsTooShortForThem) {
    struct Case {
        int barLength, metric, expected;
    } const cases[] = {{120, 17, 17}, {39, 17, 17}, {38, 17, 17}, {37, 17, 16}, {30, 17, 13}, {5, 17, 0}, {4, 17, 0}, {0, 17, 0}};
    for (const Case& c : cases) EXPECT_EQ(ArrowButtonLength(c.barLength, c.metric), c.expected) << c.barLength;
}

// Laid out by the system's arrow size, whatever GetScrollBarInfo reports as
// the line-button length: the thumb and the buttons span the bar's width and
// the glyphs sit in the middle of their buttons.
TEST_F(EditSkin, ThumbAndArrowButtonsSpanTheBarWithCentredGlyphs) {
    const EditRecord& record = EditOf(edit_);
    PaintEmulatedVScrollBar(edit_, HOT_NONE);
    RECT box;
    GetWindowRect(record.vScrollBar, &box);
    const int w = box.right - box.left, h = box.bottom - box.top;
    const int L = GetSystemMetrics(SM_CYVSCROLL);
    ASSERT_EQ(w, GetSystemMetrics(SM_CXVSCROLL));
    const SCROLLBARINFO info = VInfo();
    const RECT thumb{1, info.xyThumbTop, L + 1, info.xyThumbBottom};
    EXPECT_TRUE(EqualRect(&record.vScrollParts[2], &thumb));

    const Pixels bar = WindowPixels(record.vScrollBar);
    // Black glyph pixels inside the button (without a picture the track's
    // edge over the bare background is dark as well).
    auto darkColumns = [&](int top, int bottom) {
        int first = w, last = -1;
        for (int y = top; y < bottom; ++y) {
            for (int x = 2; x < w - 2; ++x) {
                const std::uint32_t p = bar.At(x, y);
                if (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 150) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        }
        return std::pair{first, last};
    };
    const std::pair centred{(L - 7) / 2, (L - 7) / 2 + 6};
    EXPECT_EQ(darkColumns(3, 15), centred) << "up arrow";
    EXPECT_EQ(darkColumns(h - 15, h - 3), centred) << "down arrow";
}

// Whatever repaints the edit (its frame, its text, a focus change, a scroll),
// the screen keeps showing the emulated bars, never the system's.
TEST_F(EditSkin, RepaintingTheEditNeverUncoversTheSystemBars) {
    const EditRecord& record = EditOf(edit_);
    auto onScreen = [](HWND bar) { return WindowPixels(bar); };
    PaintEmulatedVScrollBar(edit_, HOT_NONE);
    PaintEmulatedHScrollBar(edit_, HOT_NONE);
    const Pixels vBar = onScreen(record.vScrollBar), hBar = onScreen(record.hScrollBar);
    struct Step {
        const char* name;
        std::function<void()> act;
    };
    const Step steps[] = {
        {"frame and client", [&] { RedrawWindow(edit_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW); }},
        {"client only", [&] { InvalidateRect(edit_, nullptr, TRUE); UpdateWindow(edit_); }},
        {"focus and back", [&] { SetFocus(edit_); Settle(); SetFocus(plain_); }},
        {"new text", [&] { SetWindowTextW(edit_, Lines(40).c_str()); }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        Settle();
        EXPECT_TRUE(onScreen(record.vScrollBar) == vBar) << "vertical bar";
        EXPECT_TRUE(onScreen(record.hScrollBar) == hBar) << "horizontal bar";
    }
}

TEST_F(EditSkin, BarsHideShowAndMoveWithTheirEdit) {
    const EditRecord& record = EditOf(edit_);
    ShowWindow(edit_, SW_HIDE);
    Settle();
    EXPECT_FALSE(IsWindowVisible(record.vScrollBar));
    EXPECT_FALSE(IsWindowVisible(record.hScrollBar));
    ShowWindow(edit_, SW_SHOW);
    Settle();
    EXPECT_TRUE(IsWindowVisible(record.vScrollBar));
    MoveWindow(edit_, 30, 60, 180, 140, TRUE);
    Settle();
    RECT bar;
    GetWindowRect(record.vScrollBar, &bar);
    const RECT system = VBarRect();
    EXPECT_TRUE(EqualRect(&bar, &system));
}

TEST_F(EditSkin, DropDownListTakesItsSelectionAsTextAndOpens) {
    wchar_t text[16] = {};
    GetWindowTextW(combo_, text, 16);
    EXPECT_STREQ(text, L"second") << "the selection at registration becomes the text";
    PointAt(combo_, 140, 10);
    Settle();
    SendInputs({Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)});
    EXPECT_TRUE(PumpUntil([&] { return SendMessageW(combo_, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    SendMessageW(combo_, CB_SHOWDROPDOWN, FALSE, 0);
}

// The frame is themed while the pointer is over the combo box or it has the
// focus, faint otherwise; the drop-down button is themed only on hover.
TEST_F(EditSkin, ComboFrameFollowsPointerAndFocus) {
    UsePicture();
    RECT box;
    GetWindowRect(combo_, &box);
    const int y = (box.bottom - box.top) / 2;
    const std::uint32_t skin = SkinAt(combo_, 0, y);
    const COLORREF theme = skinState.themeColour;
    struct Step {
        const char* name;
        std::function<void()> act;
        COLORREF colour;
        int alpha;
    };
    const Step steps[] = {
        {"idle", [&] { SetFocus(plain_); PointAt(parent_, 10, 300); }, 0x000000, 80},
        {"pointer over it", [&] { PointAt(combo_, 40, y); }, theme, 200},
        {"pointer gone", [&] { PointAt(parent_, 10, 300); }, 0x000000, 80},
        {"focused", [&] { SetFocus(combo_); }, theme, 200},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        Settle();
        EXPECT_TRUE(Near(WindowPixels(combo_).At(0, y), Over(skin, step.colour, step.alpha)));
    }
}

// The same with real input for an edit with a 3D edge: the bright double
// frame when the pointer arrives, the themed one with the focus.
TEST_F(EditSkin, EditFrameFollowsPointerAndFocus) {
    UsePicture();
    const int y = 12;
    const std::uint32_t skin = SkinAt(plain_, 0, y);
    const COLORREF theme = skinState.themeColour;
    struct Step {
        const char* name;
        std::function<void()> act;
        std::uint32_t expected;
    };
    const Step steps[] = {
        {"idle", [&] { SetFocus(combo_); PointAt(parent_, 10, 300); }, Over(skin, 0x000000, 80)},
        {"pointer arrives", [&] { PointAt(plain_, 40, y); }, Over(Over(skin, 0xFFFFFF, 60), theme, 90)},
        {"pointer gone", [&] { PointAt(parent_, 10, 300); }, Over(skin, 0x000000, 80)},
        {"focused", [&] { SetFocus(plain_); }, Over(skin, theme, 180)},
        {"focus gone", [&] { SetFocus(combo_); }, Over(skin, 0x000000, 80)},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        Settle();
        EXPECT_TRUE(Near(WindowPixels(plain_).At(0, y), step.expected));
    }
}

// A drop-down list shows its selection in the engine's own text, whether it is
// picked from the opened list with the keyboard or set by the program.
TEST_F(EditSkin, DropDownListDrawsTheSelectionItShows) {
    UsePicture();
    RECT box;
    GetWindowRect(combo_, &box);
    const int width = box.right - box.left, height = box.bottom - box.top;
    auto textArea = [&] {
        const Pixels shown = WindowPixels(combo_);
        std::vector<std::uint32_t> area;
        for (int y = 2; y < height - 2; ++y) {
            for (int x = 2; x < width - 20; ++x) area.push_back(shown.At(x, y));
        }
        return area;
    };
    const auto second = textArea();
    EXPECT_GT(DarkPixels(WindowPixels(combo_), 2, 2, width - 20, height - 2), 10) << "\"second\" is drawn";

    SetFocus(combo_);
    PointAt(combo_, width - 8, height / 2);
    Settle();
    SendInputs({Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)});
    ASSERT_TRUE(PumpUntil([&] { return SendMessageW(combo_, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    SendInputs({Key(VK_DOWN), Key(VK_DOWN, true), Key(VK_RETURN), Key(VK_RETURN, true)});
    ASSERT_TRUE(PumpUntil([&] { return SendMessageW(combo_, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
    Settle();
    EXPECT_EQ(SendMessageW(combo_, CB_GETCURSEL, 0, 0), 2);
    const auto third = textArea();
    EXPECT_NE(third, second) << "\"third\" replaced \"second\"";
    EXPECT_GT(DarkPixels(WindowPixels(combo_), 2, 2, width - 20, height - 2), 10);

    SendMessageW(combo_, CB_SETCURSEL, 1, 0);
    SetFocus(plain_);
    PointAt(parent_, 10, 300);
    Settle();
    EXPECT_EQ(textArea(), second) << "back to \"second\", drawn as before";
}

// Without a white-wash alpha the controls are not transparent: the edit's
// ring and the combo box are opaque white over the skin, and the edit's
// background and colours are left to Windows.
TEST(OpaqueControls, RingAndComboAreWhiteAndEditsKeepTheirOwnBackground) {
    SetControlSkinOptions(true);
    ASSERT_FALSE(skinState.controlsTransparent);
    LoadSkin(L"", ResourceBytes(SKIN_PICTURE), GetSysColor(COLOR_BTNFACE));
    TestWindows windows;
    HWND parent = windows.Create(WS_POPUP, 420, 200);
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE, 20, 40, 150, 24, parent,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND combo = CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 200, 40, 150, 200,
                                 parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    ApplySkin(parent);
    SetWindowPos(parent, HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    UpdateWindow(parent);
    Settle();

    const std::uint32_t white = 0xFFFFFF, idleFrame = Over(white, 0x000000, 80);
    const Pixels editShown = WindowPixels(edit);
    EXPECT_TRUE(Near(editShown.At(0, 12), idleFrame)) << "the frame over the white ring";
    EXPECT_EQ(editShown.At(1, 12), white) << "the ring";
    const std::uint32_t windowColour = (GetRValue(GetSysColor(COLOR_WINDOW)) << 16) |
                                       (GetGValue(GetSysColor(COLOR_WINDOW)) << 8) | GetBValue(GetSysColor(COLOR_WINDOW));
    const RECT client = LocateClientArea(edit);
    EXPECT_EQ(editShown.At(client.left + 60, client.top + 8), windowColour) << "Windows' own background";
    const Pixels comboShown = WindowPixels(combo);
    EXPECT_EQ(comboShown.At(60, 3), white);
    EXPECT_TRUE(Near(comboShown.At(0, 10), idleFrame));

    HDC dc = GetDC(edit);
    SendMessageW(parent, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
    ReleaseDC(edit, dc);
    EXPECT_EQ(GetPropValue(edit, PROP_BRUSH), 0) << "no skin brush handed out";
    ResetSkinState();
}

TEST_F(EditSkin, RepaintingAThousandTimesLeaksNothing) {
    const int comboId = GetPropId(combo_, PROP_ID), windowId = GetPropId(parent_, PROP_ID);
    auto repaint = [&](int times) {
        for (int i = 0; i < times; ++i) {
            PaintEditFrame(edit_, i % 2 == 0, true, i % 3 == 0, true);
            PaintComboBox(windowId, comboId, i % 2 == 0, false, false);
            PaintEmulatedVScrollBar(edit_, i % 5);
            PaintEmulatedHScrollBar(edit_, i % 5);
            SendMessageW(parent_, WM_CTLCOLOREDIT, 0, reinterpret_cast<LPARAM>(plain_));
        }
    };
    repaint(30);  // every combination once, so anything made once and kept is made now
    const testing::LeakCounts before = testing::LeakCounts::Now();
    repaint(1000);
    EXPECT_EQ(testing::LeakCounts::Now(), before);
    auto brush = reinterpret_cast<HGDIOBJ>(GetPropValue(plain_, PROP_BRUSH));
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH)) << "only the last brush is kept";
}

}  // namespace
}  // namespace kestrune
