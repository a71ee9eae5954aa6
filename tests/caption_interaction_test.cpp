// Caption buttons under real pointer input: hover fades, presses, actions,
// double clicks, resize zones and the maximised size.
#include "caption_test_window.h"
#include "skin/caption_interaction.h"
#include "skin/main_window_proc.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace kestrune {
namespace {

using namespace caption_testing;
using testing::TestWindows;

constexpr int MINIMISE = 1, MAXIMISE = 2, CLOSE = 3;

struct Drawn {
    int button;
    bool pressed;
    int alpha;
    bool operator==(const Drawn&) const = default;
};

void PrintTo(const Drawn& drawn, std::ostream* out) {
    *out << "{button " << drawn.button << (drawn.pressed ? " pressed" : "") << " alpha " << drawn.alpha << "}";
}

std::vector<Drawn> FadeIn(int button) {
    std::vector<Drawn> drawn;
    for (int alpha = 30; alpha <= 240; alpha += 30) drawn.push_back({button, false, alpha});
    return drawn;
}

std::vector<Drawn> FadeOut(int button) {
    std::vector<Drawn> drawn;
    for (int alpha = 210; alpha >= 0; alpha -= 30) drawn.push_back({button, false, alpha});
    return drawn;
}

class CaptionButtons : public ::testing::Test {
protected:
    void SetUp() override {
        firstSizePending = false;
        receivedCommands.clear();
        captionButtonDrawObserver = [this](int, int index, bool pressed, int alpha) {
            drawn_.push_back({index, pressed, alpha});
        };
        MovePointerTo(5, 5);  // away from every test window
    }
    void TearDown() override {
        captionButtonDrawObserver = nullptr;
        windows_.DestroyAll();
        EXPECT_EQ(WindowCount(), 0);
    }

    HWND Skinned(int resizable = 0) { return CreateSkinnedWindow(windows_, resizable); }

    // The timer of the hover fade exists when its tick is waiting.
    static bool FadeTimerRunning(HWND window) {
        Sleep(3 * FADE_TIMER_MS);
        MSG tick;
        return PeekMessageW(&tick, window, WM_TIMER, WM_TIMER, PM_NOREMOVE) &&
               tick.wParam == reinterpret_cast<WPARAM>(window);
    }

    TestWindows windows_;
    std::vector<Drawn> drawn_;
};

TEST_F(CaptionButtons, HoverFadesInMovesToTheNeighbourAndFadesOutWhenThePointerLeaves) {
    HWND window = Skinned();
    WindowRecord& record = RecordOf(window);
    RECT strip{WINDOW_X + WINDOW_WIDTH - 110, WINDOW_Y, WINDOW_X + WINDOW_WIDTH, WINDOW_Y + 26};

    ASSERT_TRUE(MovePointerToClient(window, ButtonCentre(window, MINIMISE)));
    ASSERT_TRUE(PumpUntil([&] { return record.fadeIn.step == 8; }));
    EXPECT_EQ(drawn_, FadeIn(MINIMISE));
    EXPECT_TRUE(record.hoverTimerOn);
    EXPECT_TRUE(SaveScreenArea(strip, L"caption-hover-minimise.png"));

    // Straight onto the neighbour: one fades out while the other fades in, tick by tick.
    drawn_.clear();
    ASSERT_TRUE(MovePointerToClient(window, ButtonCentre(window, MAXIMISE)));
    ASSERT_TRUE(PumpUntil([&] { return record.fadeIn.step == 8 && record.fadeOut.step == 8; }));
    std::vector<Drawn> both;
    for (int step = 0; step < 8; ++step) {
        both.push_back(FadeIn(MAXIMISE)[step]);
        both.push_back(FadeOut(MINIMISE)[step]);
    }
    EXPECT_EQ(drawn_, both);
    EXPECT_TRUE(SaveScreenArea(strip, L"caption-hover-maximise.png"));

    // Resting on a button: both fades are over, yet the timer keeps ticking.
    drawn_.clear();
    EXPECT_TRUE(FadeTimerRunning(window));
    for (int round = 0; round < 5; ++round) testing::PumpMessages(), Sleep(FADE_TIMER_MS);
    EXPECT_TRUE(record.hoverTimerOn);
    EXPECT_EQ(record.fadeIn.button, MAXIMISE) << "the fade state is kept while resting";
    EXPECT_TRUE(drawn_.empty());
    EXPECT_TRUE(FadeTimerRunning(window));

    ASSERT_TRUE(MovePointerToClient(window, ButtonCentre(window, CLOSE)));
    ASSERT_TRUE(PumpUntil([&] { return record.fadeIn.step == 8 && record.fadeOut.step == 8; }));
    EXPECT_TRUE(SaveScreenArea(strip, L"caption-hover-close.png"));

    // Out of the window while lit: the fade-out finishes and the timer stops.
    drawn_.clear();
    ASSERT_TRUE(MovePointerTo(5, 5));
    ASSERT_TRUE(PumpUntil([&] { return !record.hoverTimerOn; }));
    EXPECT_EQ(drawn_, FadeOut(CLOSE));
    EXPECT_EQ(record.hoverButton, 0);
    EXPECT_EQ(record.fadeOut.button, 0);
    EXPECT_FALSE(KillTimer(window, reinterpret_cast<UINT_PTR>(window))) << "the fade timer is gone";
}

TEST_F(CaptionButtons, LeavingTheStripForTheCaptionBandFadesOutAndStopsTheTimer) {
    HWND window = Skinned();
    WindowRecord& record = RecordOf(window);
    ASSERT_TRUE(MovePointerToClient(window, ButtonCentre(window, CLOSE)));
    ASSERT_TRUE(PumpUntil([&] { return record.fadeIn.step == 8; }));
    drawn_.clear();
    ASSERT_TRUE(MovePointerToClient(window, {400, 60}));
    ASSERT_TRUE(PumpUntil([&] { return !record.hoverTimerOn && record.fadeOut.button == 0; }));
    EXPECT_EQ(drawn_, FadeOut(CLOSE));
    EXPECT_FALSE(KillTimer(window, reinterpret_cast<UINT_PTR>(window)));
}

// Presses near the top edge: the strip claims only y >= 3; the button under
// the pointer still looks pressed.
TEST_F(CaptionButtons, APressNearTheTopEdgeIsNotClaimedByTheStrip) {
    const struct {
        const char* what;
        int resizable;
        int xFromRight;  // x = client right - xFromRight; 0: the maximise button's centre
        int y;
        int pressedButton;
        std::vector<WPARAM> commands;
    } cases[] = {
        {"y 2 over a button, fixed size", 0, 0, 2, MAXIMISE, {}},
        {"y 1 on the buttons' top edge, resizable: top edge", 1, 0, 1, 0, {0xF003}},
        {"y 2 over a button, resizable: top edge", 1, 0, 2, MAXIMISE, {0xF003}},
        {"y 3 over a button, resizable: the strip owns it", 1, 0, 3, MAXIMISE, {}},
        {"x = R - 10, y 2: top-right corner, zone 6", 1, 10, 2, CLOSE, {0xF005}},
        {"caption band, fixed size: moves", 0, 500, 60, 0, {MOVE_STARTED}},
        {"caption band, resizable: moves", 1, 500, 60, 0, {MOVE_STARTED}},
        {"below the caption band, resizable: nothing", 1, 500, CAPTION_HEIGHT + 1, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HWND window = Skinned(c.resizable);
        RECT client;
        GetClientRect(window, &client);
        const int x = c.xFromRight ? client.right - c.xFromRight : ButtonCentre(window, MAXIMISE).x;
        drawn_.clear();
        receivedCommands.clear();
        PostMouse(window, WM_LBUTTONDOWN, x, c.y);
        EXPECT_EQ(receivedCommands, c.commands);
        EXPECT_EQ(hoveredCaptionButton, c.pressedButton);
        if (c.pressedButton) {
            EXPECT_EQ(drawn_, (std::vector<Drawn>{{c.pressedButton, true, 0}}));
        }
        DestroyWindow(window);
    }
}

TEST_F(CaptionButtons, TheResizeZonesAreTestedInOrder) {
    const RECT client{0, 0, 875, 648};
    const struct {
        int x, y, zone;
    } cases[] = {
        {875 - 10, 2, 6}, {875 - 11, 2, 3}, {3, 300, 1},  {872, 300, 2}, {400, 645, 4},
        {10, 10, 5},      {10, 638, 7},     {865, 638, 8}, {4, 300, 0},  {400, 300, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(SizingZoneAt(c.x, c.y, client), c.zone) << c.x << ", " << c.y;
}

TEST_F(CaptionButtons, TheButtonsMinimiseAndClose) {
    const struct {
        int button;
        std::function<bool(HWND)> done;
    } cases[] = {
        {MINIMISE, [](HWND window) { return IsIconic(window) && RecordOf(window).minimized; }},
        {CLOSE, [](HWND window) { return !IsWindow(window); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        HWND window = Skinned();
        const POINT centre = ButtonCentre(window, c.button);
        PostMouse(window, WM_LBUTTONDOWN, centre.x, centre.y);
        if (c.button == CLOSE) {
            const RECT strip{WINDOW_X + WINDOW_WIDTH - 110, WINDOW_Y, WINDOW_X + WINDOW_WIDTH, WINDOW_Y + 26};
            EXPECT_TRUE(SaveScreenArea(strip, L"caption-pressed-close.png"));
        }
        PostMouse(window, WM_LBUTTONUP, centre.x, centre.y);
        EXPECT_TRUE(PumpUntil([&] { return c.done(window); }));
        if (IsWindow(window)) DestroyWindow(window);
    }
}

TEST_F(CaptionButtons, TheMaximiseButtonTogglesAndAloneClearsTheMaximisedState) {
    HWND window = Skinned();
    WindowRecord& record = RecordOf(window);
    auto click = [&] {
        const POINT centre = ButtonCentre(window, MAXIMISE);  // the buttons follow the right edge
        PostMouse(window, WM_LBUTTONDOWN, centre.x, centre.y);
        PostMouse(window, WM_LBUTTONUP, centre.x, centre.y);
    };
    click();
    EXPECT_TRUE(record.maximized);
    EXPECT_TRUE(IsZoomed(window));
    EXPECT_EQ(CaptionButtonAt(record, MAXIMISE).name, L"还原");

    SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);  // as the system menu would
    EXPECT_FALSE(IsZoomed(window));
    EXPECT_TRUE(record.maximized) << "only the button clears it";
    EXPECT_EQ(CaptionButtonAt(record, MAXIMISE).name, L"还原");

    ShowWindow(window, SW_MAXIMIZE);
    click();
    EXPECT_FALSE(record.maximized);
    EXPECT_FALSE(IsZoomed(window));
    EXPECT_EQ(CaptionButtonAt(record, MAXIMISE).name, L"最大化");
}

TEST_F(CaptionButtons, ADoubleClickInTheCaptionBandMaximisesOnlyAResizableWindow) {
    const struct {
        int resizable, y;
        bool maximised;
    } cases[] = {
        {0, CAPTION_HEIGHT, false}, {0, 40, false}, {1, CAPTION_HEIGHT, true}, {1, CAPTION_HEIGHT + 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "resizable " << c.resizable << ", y " << c.y);
        HWND window = Skinned(c.resizable);
        PostMouse(window, WM_LBUTTONDBLCLK, 400, c.y);
        EXPECT_EQ(RecordOf(window).maximized, c.maximised);
        EXPECT_EQ(IsZoomed(window) != 0, c.maximised);
        DestroyWindow(window);
    }
}

TEST_F(CaptionButtons, TrackingSizesAndTheFullScreenCorrection) {
    HWND window = Skinned();
    WindowRecord& record = RecordOf(window);
    MINMAXINFO info{};
    info.ptMaxSize = {1111, 999};
    SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 200);
    EXPECT_EQ(info.ptMinTrackSize.y, 150);
    EXPECT_EQ(info.ptMaxTrackSize.x, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(info.ptMaxTrackSize.y, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(info.ptMaxSize.x, 1111) << "left as the system filled it";

    // Sized over the whole screen by someone else: the window counts as maximised
    // and keeps clear of the taskbar.
    ASSERT_FALSE(record.maximized);
    SetWindowPos(window, nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER);
    EXPECT_TRUE(record.maximized);
    RECT taskbar{};
    if (HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr)) GetWindowRect(tray, &taskbar);
    const SIZE expected = MaximizedSize({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, taskbar);
    RECT now;
    GetWindowRect(window, &now);
    EXPECT_EQ(now.right - now.left, expected.cx);
    EXPECT_EQ(now.bottom - now.top, expected.cy);
}

TEST(MaximisedSize, FollowsTheTaskbar) {
    const SIZE screen{1024, 768};
    const struct {
        const char* what;
        RECT taskbar;
        bool visible;
        SIZE maximised, tracking;
    } cases[] = {
        {"bottom, 40 high", {0, 728, 1024, 768}, true, {1024, 728}, {1024, 728}},
        {"bottom, auto-hidden", {0, 766, 1024, 806}, true, {1024, 768}, {1024, 768}},
        {"top, pushed above the screen", {0, -38, 1024, 2}, true, {1024, 768}, {1024, 768}},
        {"none found", {0, 0, 0, 0}, false, {1024, 768}, {1024, 768}},
        {"left, 60 wide", {0, 0, 60, 768}, true, {964, 768}, {964, 768}},
        {"left, hidden", {0, 0, 60, 768}, false, {964, 768}, {1024, 768}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const SIZE maximised = MaximizedSize(screen, c.taskbar);
        const SIZE tracking = MaximizedTrackSize(screen, c.taskbar, c.visible);
        EXPECT_EQ(maximised.cx, c.maximised.cx);
        EXPECT_EQ(maximised.cy, c.maximised.cy);
        EXPECT_EQ(tracking.cx, c.tracking.cx);
        EXPECT_EQ(tracking.cy, c.tracking.cy);
    }
}

}  // namespace
}  // namespace kestrune
