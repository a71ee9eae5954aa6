// The skinned window's procedure: state flags, cached painting and detaching.
#include "skin/main_window_proc.h"
#include "skin/skin_attachment.h"
#include "skin/skin_state.h"
#include "skin/window_properties.h"
#include "skin/window_record.h"
#include "support/test_windows.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace kestrune {
namespace {

using testing::PumpMessages;
using testing::TestWindows;

constexpr DWORD STYLE = WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

class SkinnedWindow : public ::testing::Test {
protected:
    void SetUp() override {
        firstSizePending = false;
        SetControlSkinOptions(true, 0, false);  // the program's settings: controls drawn over the skin
    }
    void TearDown() override {
        windows_.DestroyAll();
        EXPECT_EQ(WindowCount(), 0);
        ResetSkinState();
    }

    HWND Skinned(bool visible, int width = 400, int height = 300) {
        HWND window = windows_.Create(STYLE, width, height);
        ApplySkin(window);
        if (visible) {
            ShowWindow(window, SW_SHOW);
            UpdateWindow(window);
            PumpMessages();
        }
        return window;
    }

    static WindowRecord& RecordOf(HWND window) { return WindowAt(GetPropId(window, PROP_ID)); }
    static HGDIOBJ SkinBitmap(HWND window) { return reinterpret_cast<HGDIOBJ>(GetPropValue(window, PROP_SKIN_BITMAP)); }

    TestWindows windows_;
};

TEST_F(SkinnedWindow, TheFirstSizeAfterStartUpNeedsNoNewSkinLaterOnesDo) {
    firstSizePending = true;
    HWND window = Skinned(false);
    WindowRecord& record = RecordOf(window);
    ASSERT_TRUE(record.redrawPending);
    SendMessageW(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 300));
    EXPECT_FALSE(record.redrawPending);
    EXPECT_FALSE(firstSizePending);
    SendMessageW(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 300));
    EXPECT_TRUE(record.redrawPending);
}

TEST_F(SkinnedWindow, ShowingAgainAfterAHideDoesNotRedraw) {
    HWND window = Skinned(true);
    WindowRecord& record = RecordOf(window);
    ASSERT_NE(record.backgroundDc, nullptr) << "the first show renders the skin";
    HGDIOBJ firstSkin = SkinBitmap(window);
    ShowWindow(window, SW_HIDE);
    EXPECT_TRUE(record.hiddenFlag);
    ShowWindow(window, SW_SHOW);
    EXPECT_FALSE(record.presentedAfterShow);
    EXPECT_EQ(SkinBitmap(window), firstSkin);
}

TEST_F(SkinnedWindow, ACachedPaintReusesTheSkinAPendingRedrawReplacesIt) {
    HWND window = Skinned(true);
    WindowRecord& record = RecordOf(window);
    HGDIOBJ skin = SkinBitmap(window);
    ASSERT_NE(skin, nullptr);

    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    EXPECT_EQ(SkinBitmap(window), skin);
    EXPECT_FALSE(record.redrawPending);

    record.redrawPending = true;
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    EXPECT_NE(SkinBitmap(window), skin);
    EXPECT_EQ(GetObjectType(skin), 0u) << "the replaced skin bitmap is deleted";
}

TEST_F(SkinnedWindow, ResizingAndUncoveringLeaveOnlyTheCurrentSkinObjects) {
    HWND window = Skinned(true);
    WindowRecord& record = RecordOf(window);
    std::vector<HGDIOBJ> earlier;
    for (int round = 0; round < 8; ++round) {
        earlier.push_back(SkinBitmap(window));
        SetWindowPos(window, nullptr, 0, 0, 400 + round * 7, 300 + round * 3, SWP_NOMOVE | SWP_NOZORDER);
        HWND cover = testing::CreateTestWindow(WS_POPUP, 60, 60, 300, 200, true);
        DestroyWindow(cover);
        UpdateWindow(window);
        PumpMessages();
    }
    HGDIOBJ current = SkinBitmap(window);
    for (HGDIOBJ old : earlier) {
        if (old != current) {
            EXPECT_EQ(GetObjectType(old), 0u);
        }
    }
    EXPECT_EQ(GetObjectType(current), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_EQ(GetObjectType(record.backgroundDc), static_cast<DWORD>(OBJ_MEMDC));
}

TEST_F(SkinnedWindow, DestructionLeavesNoDcBitmapOrBrushBehind) {
    HWND window = Skinned(false);
    HWND report = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"report", WS_CHILD | WS_VISIBLE | ES_READONLY | ES_MULTILINE,
                                  10, 40, 200, 40, window, nullptr, nullptr, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    RedrawWindow(report, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessages();

    WindowRecord& record = RecordOf(window);
    std::vector<HGDIOBJ> owned = {record.backgroundDc, record.canvasDc, SkinBitmap(window),
                                  reinterpret_cast<HGDIOBJ>(GetPropValue(report, PROP_BRUSH)),
                                  reinterpret_cast<HGDIOBJ>(GetPropValue(report, PROP_BRUSH_BITMAP))};
    if (record.captionCacheDc) owned.push_back(record.captionCacheDc);
    for (std::size_t i = 0; i < owned.size(); ++i) ASSERT_NE(GetObjectType(owned[i]), 0u) << "object " << i;

    DestroyWindow(window);
    EXPECT_EQ(WindowCount(), 0);
    for (HGDIOBJ object : owned) EXPECT_EQ(GetObjectType(object), 0u);
}

TEST_F(SkinnedWindow, DetachingRenumbersTheWindowsAndTheirControls) {
    std::array<HWND, 3> windows{};
    std::array<std::vector<HWND>, 3> controls;
    for (int i = 0; i < 3; ++i) {
        windows[i] = Skinned(false);
        for (int c = 0; c < 2; ++c) {
            HWND button = CreateWindowExW(0, L"Button", L"", WS_CHILD, 0, 0, 10, 10, windows[i], nullptr, nullptr, nullptr);
            WindowAt(i + 1).buttons.emplace_back().hwnd = button;
            SetPropValue(button, PROP_OWNER_ID, i + 1);
            controls[i].push_back(button);
        }
    }
    auto expectNumbering = [&](std::initializer_list<int> alive) {
        int position = 0;
        for (int i : alive) {
            ++position;
            EXPECT_EQ(WindowAt(position).hwnd, windows[i]);
            EXPECT_EQ(GetPropId(windows[i], PROP_ID), position);
            for (HWND control : controls[i]) EXPECT_EQ(GetPropId(control, PROP_OWNER_ID), position);
        }
        EXPECT_EQ(WindowCount(), position);
    };
    DestroyWindow(windows[1]);
    expectNumbering({0, 2});
    DestroyWindow(windows[0]);
    expectNumbering({2});
    DestroyWindow(windows[2]);
    expectNumbering({});
}

}  // namespace
}  // namespace kestrune
