// The button skin: which buttons are skinned, how each state looks, and how
// real pointer input drives the hover, pressed and double-click behaviour.
#include "graphics/image.h"
#include "graphics/native_object.h"
#include "skin/carried_pictures.h"
#include "skin/controls/button_skin.h"
#include "skin/skin_attachment.h"
#include "skin/skin_state.h"
#include "skin/window_properties.h"
#include "skin/window_record.h"
#include "skin_test_windows.h"
#include "support/leak_counts.h"
#include "support/real_input.h"
#include "support/test_windows.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace kestrune {
namespace {

using namespace testing;
using testing_windows::ClientPixels;
using testing_windows::MemorySurface;
using testing_windows::Pixels;
using testing_windows::ReadPixels;

constexpr int BUTTON_WIDTH = 90, BUTTON_HEIGHT = 30;

int clicksSeen = 0;
WNDPROC parentClassProc = nullptr;

LRESULT CALLBACK CountingParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) ++clicksSeen;
    return CallWindowProcW(parentClassProc, window, message, wParam, lParam);
}

void MoveTo(HWND window, int x, int y) { MovePointerToClient(window, POINT{x, y}); }
void MouseButton(DWORD flags) { SendInputs({Mouse(flags)}); }

class ButtonSkin : public ::testing::Test {
protected:
    void SetUp() override {
        SetControlSkinOptions(true, 0, true);
        clicksSeen = 0;
        parent_ = windows_.Create(WS_POPUP, 400, 200);
        parentClassProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(parent_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingParentProc)));
    }
    void TearDown() override {
        windows_.DestroyAll();
        ResetSkinState();
    }

    HWND AddButton(DWORD type, int x, int y = 40, const wchar_t* text = L"Press") {
        return CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | type, x, y, BUTTON_WIDTH, BUTTON_HEIGHT,
                               parent_, nullptr, GetModuleHandleW(nullptr), nullptr);
    }

    // A push button, a checked check box and a checked radio button, skinned
    // and shown.
    std::tuple<HWND, HWND, HWND> AddEveryKindChecked() {
        HWND push = AddButton(BS_PUSHBUTTON, 10);
        HWND check = AddButton(BS_AUTOCHECKBOX, 110);
        HWND radio = AddButton(BS_AUTORADIOBUTTON, 210);
        SkinAndShow();
        SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
        return {push, check, radio};
    }

    void SkinAndShow() {
        ApplySkin(parent_);
        SetWindowPos(parent_, HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        SetForegroundWindow(parent_);
        UpdateWindow(parent_);
        PumpMessages();
    }

    WindowRecord& Record() { return WindowAt(GetPropId(parent_, PROP_ID)); }

    // The push button painted with state into memory.
    static Pixels Painted(HWND button, UINT state) {
        MemorySurface surface(BUTTON_WIDTH, BUTTON_HEIGHT);
        PaintPushButton(button, surface.Dc(), state, RECT{0, 0, BUTTON_WIDTH, BUTTON_HEIGHT});
        return ReadPixels(surface.Dc());
    }

    testing::TestWindows windows_;
    HWND parent_ = nullptr;
};

TEST_F(ButtonSkin, OnlyPlainPushButtonsCheckBoxesAndAutomaticRadioButtonsAreSkinned) {
    struct Case {
        DWORD type;
        int kind;  // -1: no record
    };
    const Case cases[] = {
        {BS_PUSHBUTTON, PUSH_BUTTON},        {BS_DEFPUSHBUTTON, PUSH_BUTTON}, {BS_CHECKBOX, CHECK_BOX},
        {BS_AUTOCHECKBOX, CHECK_BOX},        {BS_AUTORADIOBUTTON, RADIO_BUTTON}, {BS_RADIOBUTTON, -1},
        {BS_3STATE, -1},                     {BS_AUTO3STATE, -1},           {BS_GROUPBOX, -1},
        {BS_OWNERDRAW, -1},
    };
    std::vector<HWND> buttons;
    for (const Case& c : cases) buttons.push_back(AddButton(c.type, 0));
    SkinAndShow();
    ApplySkin(parent_);  // skinning again registers nothing twice
    std::size_t registered = 0;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(i);
        const int id = GetPropId(buttons[i], PROP_ID);
        if (cases[i].kind < 0) {
            EXPECT_EQ(id, 0);
            EXPECT_EQ(GetWindowLongPtrW(buttons[i], GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&ButtonProc), false);
            continue;
        }
        ++registered;
        ASSERT_GE(id, 1);
        const ButtonRecord& record = Record().buttons.at(static_cast<std::size_t>(id - 1));
        EXPECT_EQ(record.hwnd, buttons[i]);
        EXPECT_EQ(record.kind, cases[i].kind);
        EXPECT_EQ(record.text, L"Press");
        EXPECT_EQ(record.textEffectColour, -1);
        const bool ownerDrawn = (GetWindowLongPtrW(buttons[i], GWL_STYLE) & 0xF) == BS_OWNERDRAW;
        EXPECT_EQ(ownerDrawn, cases[i].kind == PUSH_BUTTON);
    }
    EXPECT_EQ(Record().buttons.size(), registered);
}

TEST_F(ButtonSkin, DisabledIsAFlatGreySquareWhateverElseTheStateSays) {
    HWND button = AddButton(BS_PUSHBUTTON, 10, 40, L"");
    SkinAndShow();
    const Pixels disabled = Painted(button, ODS_DISABLED);
    EXPECT_EQ(disabled.At(0, 0), 0xC0C0C0u) << "the rounded corners are covered";
    EXPECT_EQ(disabled.At(BUTTON_WIDTH / 2, BUTTON_HEIGHT / 2), 0xC0C0C0u);
    EXPECT_NE(disabled.At(BUTTON_WIDTH / 2, BUTTON_HEIGHT - 1), 0xC0C0C0u) << "a faint outline";
    EXPECT_EQ(Painted(button, ODS_DISABLED | ODS_FOCUS | ODS_SELECTED | HOVER_STATE), disabled);
}

TEST_F(ButtonSkin, EachStateHasItsOwnLookAndHoverWinsOverFocus) {
    HWND button = AddButton(BS_PUSHBUTTON, 10);
    SkinAndShow();
    const Pixels normal = Painted(button, 0), hover = Painted(button, HOVER_STATE),
                 focus = Painted(button, ODS_FOCUS), pressed = Painted(button, ODS_SELECTED);
    EXPECT_NE(normal, hover);
    EXPECT_NE(normal, focus);
    EXPECT_NE(normal, pressed);
    EXPECT_NE(hover, focus);
    EXPECT_EQ(Painted(button, HOVER_STATE | ODS_FOCUS), hover);
}

TEST_F(ButtonSkin, TheThemeChangeRetintsEverythingButTheFocusGlow) {
    const auto [push, check, radio] = AddEveryKindChecked();
    auto looks = [&] {
        PumpMessages();
        RepaintButton(check, 0, false);
        RepaintButton(radio, 0, false);
        return std::vector<Pixels>{Painted(push, HOVER_STATE), Painted(push, ODS_SELECTED), Painted(push, ODS_FOCUS),
                                   ClientPixels(check), ClientPixels(radio)};
    };
    const std::vector<Pixels> before = looks();
    skinState.themeColour = 0x2040F0;
    const std::vector<Pixels> after = looks();
    EXPECT_NE(after[0], before[0]) << "hover tint";
    EXPECT_NE(after[1], before[1]) << "pressed fill";
    EXPECT_EQ(after[2], before[2]) << "the focus glow keeps its own colour";
    EXPECT_NE(after[3], before[3]) << "check mark";
    EXPECT_NE(after[4], before[4]) << "radio dot";
}

TEST_F(ButtonSkin, CheckMarkIsTintedInTheThemeColour) {
    skinState.themeColour = 0xDDCA22;
    Bitmap glyph, tinted;
    ASSERT_TRUE(glyph.CreateFromBytes(ResourceBytes(CHECK_MARK_GLYPH)));
    ASSERT_TRUE(tinted.CreateFromBytes(TintCheckMark()));
    ASSERT_EQ(tinted.GetWidth(), 13u);
    ASSERT_EQ(tinted.GetHeight(), 12u);
    int cores = 0;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 13; ++x) {
            const gdip::ARGB original = glyph.GetPixel(x, y);
            if ((original & 0xFFFFFF) == 0xFFFFFF) {
                EXPECT_EQ(tinted.GetPixel(x, y), original);
            } else if ((original & 0xFFFFFF) == 0x5C9309) {
                ++cores;
                EXPECT_EQ(tinted.GetPixel(x, y), 0xAD0C7407u) << x << "," << y;
            }
        }
    }
    EXPECT_GT(cores, 0) << "the glyph's stroke core";
}

TEST_F(ButtonSkin, HoverIsDrawnOncePerEntryAndTheFocusGlowAfterLeaving) {
    HWND first = AddButton(BS_PUSHBUTTON, 10);
    HWND second = AddButton(BS_PUSHBUTTON, 150);
    SkinAndShow();
    SetFocus(first);
    PumpMessages();
    const Pixels hover = Painted(first, HOVER_STATE), glow = Painted(first, ODS_FOCUS);
    const Pixels secondHover = Painted(second, HOVER_STATE), secondNormal = Painted(second, 0);

    MoveTo(first, 20, 10);
    ASSERT_TRUE(PumpUntil([&] { return ClientPixels(first) == hover; })) << "hovered and focused shows hover";

    // A mark on the screen stays while the pointer moves inside the button.
    HDC screen = GetDC(first);
    SetPixel(screen, 45, 15, RGB(255, 0, 0));
    ReleaseDC(first, screen);
    MoveTo(first, 30, 12);
    Settle();
    EXPECT_NE(ClientPixels(first), hover) << "a move inside the button repaints nothing";

    MoveTo(second, 20, 10);
    EXPECT_TRUE(PumpUntil([&] { return ClientPixels(second) == secondHover; }));
    EXPECT_TRUE(PumpUntil([&] { return ClientPixels(first) == glow; })) << "focus glow after leaving";
    MoveTo(parent_, 5, 150);
    EXPECT_TRUE(PumpUntil([&] { return ClientPixels(second) == secondNormal; }));
}

TEST_F(ButtonSkin, DraggingOffKeepsThePushedLookAndADoubleClickActsOnce) {
    HWND button = AddButton(BS_PUSHBUTTON, 10);
    SkinAndShow();
    MoveTo(button, 20, 10);
    Settle();
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(PumpUntil([&] { return SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED; }));
    const Pixels pushed = ClientPixels(button);
    MoveTo(parent_, 300, 150);
    Settle();
    EXPECT_EQ(ClientPixels(button), pushed);
    MouseButton(MOUSEEVENTF_LEFTUP);
    Settle();
    EXPECT_EQ(clicksSeen, 0) << "released off the button";

    MoveTo(button, 20, 10);
    Settle();
    INPUT clicks[4] = {};
    for (int i = 0; i < 4; ++i) {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    SendInput(4, clicks, sizeof(INPUT));
    PumpUntil([&] { return clicksSeen >= 2; });
    EXPECT_EQ(clicksSeen, 1);
}

TEST_F(ButtonSkin, RepaintingEveryKindAThousandTimesLeaksNothing) {
    const auto [push, check, radio] = AddEveryKindChecked();
    auto repaint = [&](int times) {
        for (int i = 0; i < times; ++i) {
            const UINT state = (i % 2 ? HOVER_STATE : 0) | (i % 3 ? ODS_FOCUS : 0) | (i % 5 ? 0 : ODS_SELECTED);
            RepaintButton(push, state, i % 7 == 0);
            RepaintButton(check, state, i % 2 == 0);
            RepaintButton(radio, state, i % 2 == 1);
        }
    };
    repaint(35);  // every combination once, so anything made once and kept is made now
    const testing::LeakCounts before = testing::LeakCounts::Now();
    repaint(1000);
    EXPECT_EQ(testing::LeakCounts::Now(), before);
}

}  // namespace
}  // namespace kestrune
