// The close animations: their frames, and what a closing skinned window shows.
#include "caption_test_window.h"
#include "skin/carried_pictures.h"
#include "skin/close_animation.h"
#include "skin/main_window_proc.h"
#include "skin/skin_state.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace kestrune {

void PrintTo(const LayeredFrame& frame, std::ostream* out) {
    *out << "{" << frame.x << ", " << frame.y << ", " << frame.width << " x " << frame.height << ", alpha "
         << frame.alpha << ", pause " << frame.pauseMs << "}";
}

namespace {

using namespace caption_testing;

constexpr RECT WINDOW_875_BY_648{0, 0, 875, 648};

TEST(CloseAnimationFrames, ShrinkTowardTheCentreAndFadeOut) {
    const CloseAnimationFrameList frames = CloseAnimationFrames(SHRINK_AND_FADE, WINDOW_875_BY_648);
    for (int i = 1; i <= 10; ++i) {
        SCOPED_TRACE(i);
        const LayeredFrame& frame = frames[i - 1];
        EXPECT_EQ(frame, (LayeredFrame{43 * i, 32 * i, 875 - 87 * i, 648 - 64 * i, 255 - 25 * i, 20 - i}));
    }
    EXPECT_EQ(frames.back(), (LayeredFrame{430, 320, 5, 8, 5, 10}));
}

TEST(CloseAnimationFrames, PulseShrinksForFiveFramesAndGrowsBackForFive) {
    const struct {
        int frame, width, height;
    } sizes[] = {{1, 858, 636}, {5, 790, 588}, {6, 807, 600}, {10, 875, 648}};
    const CloseAnimationFrameList frames = CloseAnimationFrames(PULSE_AND_FADE, WINDOW_875_BY_648);
    for (const auto& size : sizes) {
        SCOPED_TRACE(size.frame);
        const LayeredFrame& frame = frames[size.frame - 1];
        EXPECT_EQ(frame.width, size.width);
        EXPECT_EQ(frame.height, size.height);
        EXPECT_EQ(frame.alpha, 255 - 25 * size.frame);
        EXPECT_EQ(frame.pauseMs, 20 - 2 * size.frame);
    }
    EXPECT_EQ(frames[4].x, 4 * 8 + 8) << "trunc(x + 8.5) five times";
}

TEST(CloseAnimationFrames, PositionsAreTruncatedTowardZero) {
    const CloseAnimationFrameList frames = CloseAnimationFrames(SHRINK_AND_FADE, {-100, -51, 775, 597});
    EXPECT_EQ(frames[0].x, -56) << "trunc(-100 + 43.5), not floor";
    EXPECT_EQ(frames[1].x, -12) << "trunc(-56 + 43.5)";
    EXPECT_EQ(frames[0].y, -19);
}

TEST(LayeredStyle, ClickThroughIsAddedOnlyToAWindowWithNeither) {
    const struct {
        DWORD before;
        bool clickThrough;
        DWORD after;
    } cases[] = {
        {0, true, WS_EX_LAYERED | WS_EX_TRANSPARENT},
        {WS_EX_TRANSPARENT, true, WS_EX_TRANSPARENT},
        {WS_EX_TRANSPARENT, false, WS_EX_LAYERED | WS_EX_TRANSPARENT},
        {0, false, WS_EX_LAYERED},
    };
    for (const auto& c : cases) {
        HWND window = CreateWindowExW(c.before, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        SetLayeredStyle(window, c.clickThrough);
        EXPECT_EQ(GetWindowLongW(window, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TRANSPARENT), static_cast<LONG>(c.after));
        ClearLayeredStyle(window);
        EXPECT_EQ(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
        DestroyWindow(window);
    }
}

class ClosingWindow : public ::testing::Test {
protected:
    void SetUp() override {
        firstSizePending = false;
        // The carried skin, so the saved mid-animation frame shows the real look.
        LoadSkin(L"", ResourceBytes(SKIN_PICTURE), GetSysColor(COLOR_BTNFACE), 0, 0);
    }
    void TearDown() override {
        layeredFrameObserver = nullptr;
        ResetSkinState();
        windows_.DestroyAll();
        EXPECT_EQ(WindowCount(), 0);
    }
    testing::TestWindows windows_;
};

TEST_F(ClosingWindow, PlaysTheSelectedEffectOnTheScreenThenIsDestroyed) {
    for (int effect : {NO_CLOSE_EFFECT, SHRINK_AND_FADE, PULSE_AND_FADE}) {
        SCOPED_TRACE(effect);
        HWND window = CreateSkinnedWindow(windows_);
        RecordOf(window).closeEffect = effect;
        RECT start;
        GetWindowRect(window, &start);
        std::vector<LayeredFrame> pushed;
        std::vector<RECT> shown;
        bool layered = true;
        layeredFrameObserver = [&](HWND animated, const LayeredFrame& frame) {
            pushed.push_back(frame);
            RECT now;
            GetWindowRect(animated, &now);
            shown.push_back(now);
            layered = layered && (GetWindowLongW(animated, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
            if (effect == SHRINK_AND_FADE && pushed.size() == 3) {
                SaveScreenArea({0, 0, WINDOW_X * 2 + WINDOW_WIDTH, WINDOW_Y * 2 + WINDOW_HEIGHT},
                               L"close-animation-frame-3.png");
            }
        };
        SendMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindow(window));
        if (effect == NO_CLOSE_EFFECT) {
            EXPECT_TRUE(pushed.empty());
            continue;
        }
        const CloseAnimationFrameList expected = CloseAnimationFrames(effect, start);
        ASSERT_EQ(pushed, std::vector<LayeredFrame>(expected.begin(), expected.end()));
        EXPECT_TRUE(layered);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            SCOPED_TRACE(i + 1);
            EXPECT_EQ(shown[i].left, pushed[i].x);
            EXPECT_EQ(shown[i].top, pushed[i].y);
            EXPECT_EQ(shown[i].right - shown[i].left, pushed[i].width);
            EXPECT_EQ(shown[i].bottom - shown[i].top, pushed[i].height);
        }
    }
}

}  // namespace
}  // namespace kestrune
