// The shared drawing pieces of the skin, on real windows and real GDI.
#include "graphics/brushes.h"
#include "graphics/graphics.h"
#include "graphics/path.h"
#include "skin/canvas.h"
#include "skin/drawing_primitives.h"
#include "skin/skin_geometry.h"
#include "skin/window_properties.h"
#include "skin/window_record.h"
#include "skin_test_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kestrune {
namespace {

using namespace testing_windows;

std::vector<gdip::PointF> PathPoints(const GraphicsPath& path) {
    INT count = 0;
    gdip::GdipGetPointCount(path.GetNative(), &count);
    std::vector<gdip::PointF> points(static_cast<std::size_t>(count));
    gdip::GdipGetPathPoints(path.GetNative(), points.data(), count);
    return points;
}

// Corners: the figure starts where the top-right arc starts, half a diameter
// left of the right edge; the bottom-right arc, one unit larger, starts on the
// right edge half its diameter above the bottom.
TEST(RoundRectFigure, TheCornerDiameterIsClampedToOneToAHundred) {
    const struct {
        int diameter;
        float used;
    } cases[] = {{0, 1}, {-5, 1}, {1, 1}, {7, 7}, {100, 100}, {250, 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.diameter);
        GraphicsPath path;
        path.Create();
        AddRoundRectFigure(path, 10, 20, 300, 300, c.diameter);
        const std::vector<gdip::PointF> points = PathPoints(path);
        ASSERT_GE(points.size(), 8u);
        EXPECT_NEAR(points.front().X, 310 - c.used / 2, 0.01);
        EXPECT_NEAR(points.front().Y, 20, 0.01);
        // The right edge runs from the end of the top-right arc down to the
        // start of the bottom-right one (arc control points lie beyond them).
        float rightEdgeTop = -1e9f, rightEdgeBottom = 1e9f;
        for (const gdip::PointF& p : points) {
            if (std::abs(p.X - 310) > 0.01) continue;
            if (p.Y < 170) rightEdgeTop = std::max(rightEdgeTop, p.Y);
            if (p.Y > 170) rightEdgeBottom = std::min(rightEdgeBottom, p.Y);
        }
        EXPECT_NEAR(rightEdgeTop, 20 + c.used / 2, 0.01);
        EXPECT_NEAR(rightEdgeBottom, 320 - (c.used + 1) / 2, 0.01);
    }
}

class SkinWindowTest : public ::testing::Test {
protected:
    void TearDown() override {
        windowList.clear();
        for (HWND window : windows_) DestroyWindow(window);
    }
    HWND TopLevel(int width, int height, DWORD style = WS_POPUP | WS_VISIBLE) {
        HWND window = CreateTestWindow(nullptr, 100, 100, width, height, style);
        windows_.push_back(window);
        return window;
    }
    // A record for the window, with its id in "Hw_lbID".
    WindowRecord& AddRecord(HWND window, int clientWidth, int clientHeight) {
        auto record = std::make_unique<WindowRecord>();
        record->hwnd = window;
        record->clientWidth = clientWidth;
        record->clientHeight = clientHeight;
        windowList.push_back(std::move(record));
        SetPropValue(window, PROP_ID, WindowCount());
        return *windowList.back();
    }

    std::vector<HWND> windows_;
};

using ClientBox = SkinWindowTest;

TEST_F(ClientBox, OfABorderlessWindowIsTheWholeWindow) {
    HWND window = TopLevel(120, 80);
    const RECT box = GetClientBoxInWindow(window);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, 120);
    EXPECT_EQ(box.bottom, 80);
}

TEST_F(ClientBox, OfABorderedEditTakesInItsScrollBarAndLeavesTheBorder) {
    HWND window = TopLevel(300, 200);
    HWND edit = CreateTestWindow(window, 10, 10, 120, 70, WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE,
                                 WS_EX_CLIENTEDGE, L"Edit");
    ASSERT_EQ(GetSystemMetrics(SM_CXEDGE), 2);
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    RECT client{};
    GetClientRect(edit, &client);
    ASSERT_EQ(client.right, 120 - 4 - bar);

    const RECT box = GetClientBoxInWindow(edit);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.top, 2);
    EXPECT_EQ(box.right, 2 + client.right + bar);
    EXPECT_EQ(box.bottom, 2 + client.bottom);

    AddRecord(window, 300, 200);
    RECT windowRect{}, editRect{};
    GetWindowRect(window, &windowRect);
    GetWindowRect(edit, &editRect);
    const RECT inner = GetInnerRectInSkinWindow(edit);
    EXPECT_EQ(inner.left, editRect.left - windowRect.left + 2);
    EXPECT_EQ(inner.top, editRect.top - windowRect.top + 2);
    EXPECT_EQ(inner.right, editRect.right - windowRect.left - 2);
    EXPECT_EQ(inner.bottom, editRect.bottom - windowRect.top - 2);
}

// Children of a 300 x 200 window, and what clipping through
// GetDcExcludingChildren leaves of a red fill over a black surface.
class ExcludingChildren : public SkinWindowTest {
protected:
    void SetUp() override {
        parent_ = TopLevel(300, 200);
        CreateTestWindow(parent_, 180, 10, 60, 30, WS_CHILD | WS_VISIBLE);                       // past the clamp
        CreateTestWindow(parent_, -10, -10, 30, 30, WS_CHILD | WS_VISIBLE);                      // above and left
        CreateTestWindow(parent_, 50, 60, 30, 30, WS_CHILD);                                     // hidden
        CreateTestWindow(parent_, 100, 60, 30, 30, WS_CHILD | WS_VISIBLE, WS_EX_TRANSPARENT);  // transparent
    }
    // Pixels left unpainted by a red fill through the parent's clip.
    std::vector<RECT> UnpaintedAreas() {
        MemorySurface surface(300, 200);
        HDC dc = GetDcExcludingChildren(parent_, surface.Dc(), true);
        EXPECT_EQ(dc, surface.Dc());
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        const RECT all{0, 0, 300, 200};
        FillRect(dc, &all, red);
        DeleteObject(red);
        const Pixels pixels = ReadPixels(surface.Dc());
        std::vector<RECT> unpainted;  // one 1 x 1 rectangle per pixel
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 300; ++x) {
                if (pixels.At(x, y) != Rgb(255, 0, 0)) unpainted.push_back({x, y, x + 1, y + 1});
            }
        }
        return unpainted;
    }
    static void ExpectExactly(const std::vector<RECT>& unpainted, std::vector<RECT> expected) {
        std::size_t expectedCount = 0;
        for (const RECT& r : expected) expectedCount += static_cast<std::size_t>(Width(r) * Height(r));
        EXPECT_EQ(unpainted.size(), expectedCount);
        for (const RECT& pixel : unpainted) {
            const POINT p{pixel.left, pixel.top};
            const bool inExpected =
                std::any_of(expected.begin(), expected.end(), [&](const RECT& r) { return PtInRect(&r, p); });
            if (!inExpected) {
                ADD_FAILURE() << "pixel " << p.x << "," << p.y << " was left out";
                return;
            }
        }
    }

    HWND parent_ = nullptr;
};

TEST_F(ExcludingChildren, OfASkinnedWindowClampsToItsRecordedClientSize) {
    AddRecord(parent_, 200, 150);
    ExpectExactly(UnpaintedAreas(), {{180, 10, 200, 40}, {0, 0, 20, 20}});
}

TEST_F(ExcludingChildren, OfAContainerClampsToTheContainersRecordedSize) {
    WindowRecord& owner = AddRecord(TopLevel(50, 50), 50, 50);
    owner.containers.push_back({parent_, 190, 30});
    SetPropValue(parent_, PROP_OWNER_ID, 1);
    ExpectExactly(UnpaintedAreas(), {{180, 10, 190, 30}, {0, 0, 20, 20}});
}

TEST_F(ExcludingChildren, OfAControlThatIsNoContainerExcludesNothing) {
    AddRecord(TopLevel(50, 50), 50, 50);
    SetPropValue(parent_, PROP_OWNER_ID, 1);
    ExpectExactly(UnpaintedAreas(), {});
}

TEST_F(ExcludingChildren, OfAnUnregisteredWindowIsNotClamped) {
    ExpectExactly(UnpaintedAreas(), {{180, 10, 240, 40}, {0, 0, 20, 20}});
}

TEST(MemoryDcRegistry, ReleasingAReRegisteredDcDeletesTheLatestBitmapOnce) {
    const int before = RegisteredMemoryDcCount();
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP first = CreateDib32(4, 4), second = CreateDib32(4, 4);
    HGDIOBJ initial = SelectObject(dc, first);
    RegisterMemoryDc(dc, first, initial);
    SelectObject(dc, second);
    RegisterMemoryDc(dc, second, initial);
    EXPECT_EQ(RegisteredMemoryDcCount(), before + 1);

    EXPECT_TRUE(ReleaseMemoryDc(dc));
    EXPECT_EQ(RegisteredMemoryDcCount(), before);
    EXPECT_EQ(GetObjectType(second), 0u);
    EXPECT_EQ(GetObjectType(dc), 0u);
    EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BITMAP));  // not the registry's any more
    DeleteObject(first);

    EXPECT_FALSE(ReleaseMemoryDc(dc));
    EXPECT_FALSE(ReleaseMemoryDc(nullptr));
}

// A 300 x 200 skinned window whose background has a different colour in every
// pixel, and controls directly on it, in a container and with a border.
class ControlBackground : public SkinWindowTest {
protected:
    void SetUp() override {
        window_ = TopLevel(300, 200);
        WindowRecord& record = AddRecord(window_, 300, 200);
        record.backgroundDc = background_.Dc();
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 300; ++x) SetPixel(background_.Dc(), x, y, RGB(x % 256, y, x / 256 * 100 + 50));
        }
        direct_ = CreateTestWindow(window_, 40, 30, 50, 20, WS_CHILD | WS_VISIBLE);
        HWND container = CreateTestWindow(window_, 100, 80, 150, 100, WS_CHILD | WS_VISIBLE);
        record.containers.push_back({container, 150, 100});
        SetPropValue(container, PROP_OWNER_ID, 1);
        inContainer_ = CreateTestWindow(container, 10, 15, 40, 20, WS_CHILD | WS_VISIBLE);
        bordered_ = CreateTestWindow(window_, 20, 120, 70, 40, WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE);
        for (HWND control : {direct_, inContainer_, bordered_}) SetPropValue(control, PROP_OWNER_ID, 1);
    }
    void TearDown() override {
        WindowAt(1).backgroundDc = nullptr;
        SkinWindowTest::TearDown();
    }
    // The background under area of the control, read straight from the window's background.
    Pixels Behind(HWND control, const RECT& area) {
        RECT windowRect{}, controlRect{};
        GetWindowRect(window_, &windowRect);
        GetWindowRect(control, &controlRect);
        return Crop(ReadPixels(background_.Dc()), controlRect.left - windowRect.left + area.left,
                    controlRect.top - windowRect.top + area.top, Width(area), Height(area));
    }

    MemorySurface background_{300, 200};
    HWND window_ = nullptr, direct_ = nullptr, inContainer_ = nullptr, bordered_ = nullptr;
};

TEST_F(ControlBackground, IsExactlyTheWindowBackgroundBehindEveryControl) {
    const int registered = RegisteredMemoryDcCount();
    RECT client{};
    GetClientRect(direct_, &client);
    const struct {
        const char* what;
        HWND control;
        RECT area;
    } cases[] = {
        {"on the window", direct_, client},
        {"in a container", inContainer_, client},
        {"client area of a bordered control", bordered_, GetClientBoxInWindow(bordered_)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HDC composed = ComposeControlBackground(c.control, c.area);
        ASSERT_NE(composed, nullptr);
        EXPECT_EQ(ReadPixels(composed), Behind(c.control, c.area));
        EXPECT_TRUE(ReleaseMemoryDc(composed));
    }
    EXPECT_EQ(RegisteredMemoryDcCount(), registered);
}

TEST_F(ControlBackground, IsNothingForAWindowOutsideTheSkin) {
    const int registered = RegisteredMemoryDcCount();
    HWND stranger = TopLevel(40, 40);
    EXPECT_EQ(ComposeControlBackground(stranger, {0, 0, 40, 40}), nullptr);
    EXPECT_EQ(RegisteredMemoryDcCount(), registered);
}

// The standard paint: the control's drawing over its background lands in the
// canvas at the control's place and nowhere else.
TEST_F(ControlBackground, StandardPaintCommitsTheDrawingToTheCanvas) {
    MemorySurface canvas(300, 200);
    WindowAt(1).canvasDc = canvas.Dc();
    const RECT all{0, 0, 300, 200};
    FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const int registered = RegisteredMemoryDcCount();

    const bool painted = PaintControlStandard(inContainer_, nullptr, [](Graphics& graphics, const RECT& client) {
        EXPECT_EQ(Width(client), 40);
        SolidBrush red;
        red.Create(0xFFFF0000);
        graphics.FillRectangle(red, 0, 0, 20, static_cast<float>(client.bottom));
    });
    WindowAt(1).canvasDc = nullptr;
    ASSERT_TRUE(painted);
    EXPECT_EQ(RegisteredMemoryDcCount(), registered);

    RECT windowRect{}, controlRect{};
    GetWindowRect(window_, &windowRect);
    GetWindowRect(inContainer_, &controlRect);
    OffsetRect(&controlRect, -windowRect.left, -windowRect.top);
    const Pixels pixels = ReadPixels(canvas.Dc());
    const Pixels background = ReadPixels(background_.Dc());
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 300; ++x) {
            const POINT p{x, y};
            const bool inControl = PtInRect(&controlRect, p);
            const std::uint32_t expected = !inControl                     ? 0
                                           : x < controlRect.left + 20 ? Rgb(255, 0, 0)
                                                                        : background.At(x, y);
            if (pixels.At(x, y) != expected) {
                ADD_FAILURE() << "canvas pixel " << x << "," << y;
                return;
            }
        }
    }
}

}  // namespace
}  // namespace kestrune
