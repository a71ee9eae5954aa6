// The skin image of a main-window-sized skinned window, read from its memory DCs.
#include "graphics/image.h"
#include "picture_helpers.h"
#include "skin/canvas.h"
#include "skin/caption_rendering.h"
#include "skin/carried_pictures.h"
#include "skin/frame_rendering.h"
#include "skin/skin_geometry.h"
#include "skin/skin_state.h"
#include "skin/title_rendering.h"
#include "skin/window_properties.h"
#include "skin/window_record.h"
#include "skin_test_windows.h"
#include "toolkit/runtime.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace kestrune {
namespace {

using namespace testing_windows;

constexpr int CLIENT_WIDTH = 875, CLIENT_HEIGHT = 648;
constexpr std::uint32_t BLACK = 0, RED = 0xFF0000;

CaptionButton MakeCaptionButton(int kind, int width, const wchar_t* glyph, const wchar_t* altGlyph = nullptr) {
    CaptionButton button;
    button.kind = kind;
    button.width = width;
    button.height = 18;
    button.glyph = ResourceBytes(glyph);
    if (altGlyph) button.altGlyph = ResourceBytes(altGlyph);
    return button;
}

// Minimise, maximise and close at the top right, laid out as the attachment does.
void AddCaptionButtons(WindowRecord& record, int clientRight) {
    record.captionButtons.push_back(MakeCaptionButton(MINIMIZE_BUTTON, 26, MINIMISE_GLYPH));
    record.captionButtons.push_back(MakeCaptionButton(MAXIMIZE_BUTTON, 26, MAXIMISE_GLYPH, RESTORE_GLYPH));
    record.captionButtons.push_back(MakeCaptionButton(CLOSE_BUTTON, 38, CLOSE_GLYPH));
    const int count = static_cast<int>(record.captionButtons.size());
    int widths = 0;
    for (const CaptionButton& button : record.captionButtons) widths += button.width;
    record.buttonStripWidth = static_cast<float>(widths + count - 1 + 3);
    record.buttonStripX = static_cast<float>(clientRight) - record.buttonStripWidth + 1;
    record.buttonStripHeight = 22;
    for (int i = 0; i < count; ++i) {
        CaptionButton& button = record.captionButtons[static_cast<std::size_t>(i)];
        button.bounds = gdip::RectF(static_cast<float>(static_cast<int>(record.buttonStripX) + 2 + 27 * i), 1,
                                    button.kind == CLOSE_BUTTON ? 40.0f : 26.0f, 18);
    }
}

// Pixels of one row of a column-coded picture: column c has its own colour.
std::uint32_t ColumnColour(int column) { return Rgb(static_cast<BYTE>(column % 256), static_cast<BYTE>(40 + column / 256 * 50), 200); }

std::vector<BYTE> ColumnCodedPng(int width, int height) {
    Bitmap bitmap;
    bitmap.CreateEmpty(width, height);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) bitmap.SetPixel(x, y, 0xFF000000 | ColumnColour(x));
    }
    return bitmap.SaveToBytes(PNG_FORMAT_ID);
}

// A visible 875 x 648 borderless popup at (50, 50) with a skin record like the
// main window's, over a black skin without picture.
class FrameRendering : public ::testing::Test {
protected:
    void SetUp() override {
        savedSkin_ = skinState;
        skinState.skinImage.clear();
        skinState.skinBackColour = 0x000000;
        skinState.fadeMode = 0;
        window_ = CreateTestWindow(nullptr, 50, 50, CLIENT_WIDTH, CLIENT_HEIGHT,
                                   WS_POPUP | WS_VISIBLE | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, nullptr, L"");
        ASSERT_NE(window_, nullptr);
        auto record = std::make_unique<WindowRecord>();
        record->hwnd = window_;
        record->clientWidth = CLIENT_WIDTH;
        record->clientHeight = CLIENT_HEIGHT;
        AddCaptionButtons(*record, CLIENT_WIDTH);
        windowList.push_back(std::move(record));
        SetPropValue(window_, PROP_ID, 1);
        Settle();
    }
    void TearDown() override {
        if (!windowList.empty()) ReleaseWindowDcs(Record());
        windowList.clear();
        DestroyWindow(window_);
        skinState = savedSkin_;
    }

    void Settle() {
        for (int i = 0; i < 3; ++i) {
            UpdateWindow(window_);
            PumpWaitingMessages();
        }
    }
    WindowRecord& Record() { return WindowAt(1); }
    Pixels Background() {
        RedrawSkin(1, nullptr, false);
        return ReadPixels(Record().backgroundDc);
    }
    // Only the picture, tint and caption band: no frame, title or buttons.
    void WithoutCaption() { Record().skinCaption = false; }

    // Lets the window's drawing reach the screen without a repaint erasing it.
    void FlushToScreen() {
        ValidateRect(window_, nullptr);
        GdiFlush();
        Sleep(100);
        PumpWaitingMessages();
    }
    // Wine's EqualRgn compares band lists as stored, and a region set on a
    // window comes back with its bands merged: compare the areas instead.
    static bool SameRegion(HRGN a, HRGN b) {
        HRGN difference = CreateRectRgn(0, 0, 0, 0);
        const bool same = CombineRgn(difference, a, b, RGN_XOR) == NULLREGION;
        DeleteObject(difference);
        return same;
    }
    static std::uint32_t ScreenPixel(int x, int y) {
        HDC screen = GetDC(nullptr);
        const COLORREF pixel = GetPixel(screen, 50 + x, 50 + y);
        ReleaseDC(nullptr, screen);
        return Rgb(GetRValue(pixel), GetGValue(pixel), GetBValue(pixel));
    }

    SkinState savedSkin_;
    HWND window_ = nullptr;
};

TEST_F(FrameRendering, TheTitleAreaIs764By42At9And4AndTheTextStartsAt29) {
    const RECT area = TitleArea(1);
    EXPECT_EQ(area.left, 9);
    EXPECT_EQ(area.top, 4);
    EXPECT_EQ(Width(area), 764);
    EXPECT_EQ(Height(area), 42);

    SetWindowTextW(window_, L"");
    const Pixels untitled = Background();
    SetWindowTextW(window_, L"WWWW");
    const Pixels titled = Background();
    int left = CLIENT_WIDTH, top = CLIENT_HEIGHT, changed = 0;
    for (int y = 0; y < CLIENT_HEIGHT; ++y) {
        for (int x = 0; x < CLIENT_WIDTH; ++x) {
            if (titled.At(x, y) == untitled.At(x, y)) continue;
            ++changed;
            left = std::min(left, x);
            top = std::min(top, y);
        }
    }
    EXPECT_GT(changed, 50);
    EXPECT_GE(left, 28);  // the outline reaches one pixel left of the layout rectangle
    EXPECT_LE(left, 32);
    EXPECT_GE(top, 5);
}

TEST_F(FrameRendering, RepaintingTheTitleAloneRestoresExactlyTheTitleArea) {
    SetWindowTextW(window_, L"");
    RedrawSkin(1, nullptr, false);
    HDC background = Record().backgroundDc;
    const POINT inside[] = {{9, 22}, {772, 22}, {300, 4}};
    const POINT outside[] = {{8, 22}, {773, 22}, {300, 3}};
    for (const POINT& p : inside) SetPixel(background, p.x, p.y, RGB(0, 255, 0));
    for (const POINT& p : outside) SetPixel(background, p.x, p.y, RGB(0, 255, 0));

    DrawTitle(1, nullptr, false, L"");
    const Pixels after = ReadPixels(background);
    const Pixels cache = ReadPixels(Record().captionCacheDc);
    for (const POINT& p : inside) EXPECT_EQ(after.At(p.x, p.y), cache.At(p.x, p.y)) << p.x << "," << p.y;
    for (const POINT& p : outside) EXPECT_EQ(after.At(p.x, p.y), Rgb(0, 255, 0)) << p.x << "," << p.y;
}

TEST_F(FrameRendering, PresentingGivesTheRoundedRegionAndPutsTheImageOnScreen) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    RedrawSkin(1, nullptr, false);
    EXPECT_EQ(GetWindowRgn(window_, region), ERROR);  // no region yet
    EXPECT_EQ(ScreenPixel(400, 300), Rgb(255, 0, 255));
    EXPECT_FALSE(Record().redrawPending);
    EXPECT_EQ(Record().clientWidth, CLIENT_WIDTH);

    skinState.skinBackColour = RGB(0, 0, 255);
    RedrawSkin(1, nullptr, true);
    ASSERT_NE(GetWindowRgn(window_, region), ERROR);
    HRGN expected = CreateRoundRectRgn(0, 0, 876, 649, 5, 5);
    EXPECT_TRUE(SameRegion(region, expected));
    FlushToScreen();
    EXPECT_EQ(ScreenPixel(400, 300), Rgb(0, 0, 255));
    DeleteObject(expected);
    DeleteObject(region);
}

TEST_F(FrameRendering, RedrawingWithoutPresentingLeavesScreenAndRegionAlone) {
    skinState.skinBackColour = RGB(0, 0, 255);
    RedrawSkin(1, nullptr, true);
    FlushToScreen();
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    HRGN before = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(ScreenPixel(400, 300), Rgb(0, 0, 255));

    skinState.skinBackColour = RGB(0, 200, 0);
    SetWindowRgn(window_, CreateRectRgn(0, 0, 600, 600), FALSE);
    GetWindowRgn(window_, before);
    RedrawSkin(1, nullptr, false);
    GetWindowRgn(window_, region);
    EXPECT_TRUE(EqualRgn(region, before));
    FlushToScreen();
    EXPECT_EQ(ScreenPixel(400, 300), Rgb(0, 0, 255));
    EXPECT_EQ(ReadPixels(Record().backgroundDc).At(400, 300), Rgb(0, 200, 0));
    EXPECT_EQ(ReadPixels(Record().canvasDc).At(400, 300), Rgb(0, 200, 0));
    DeleteObject(before);
    DeleteObject(region);
}

struct PixelCheck {
    int x, y;
    std::uint32_t rgb;
};

TEST_F(FrameRendering, EveryPlacementModePutsThePictureWhereItBelongs) {
    WithoutCaption();
    const std::vector<BYTE> small = ColumnCodedPng(100, 50), wide = ColumnCodedPng(1000, 50);
    // Stretching samples beyond the picture's last pixels: only a mild stretch
    // keeps the far corner pure.
    const std::vector<BYTE> uniform = testing_pictures::SolidPng(800, 600, 0xFFFF0000);
    const struct {
        const char* what;
        int mode;
        const std::vector<BYTE>& picture;
        std::vector<PixelCheck> checks;
    } cases[] = {
        {"0: top left", 0, small, {{0, 0, ColumnColour(0)}, {99, 49, ColumnColour(99)}, {100, 0, BLACK}, {0, 50, BLACK}}},
        {"1: top right", 1, small, {{775, 0, ColumnColour(0)}, {874, 49, ColumnColour(99)}, {774, 0, BLACK}, {874, 50, BLACK}}},
        {"1: wider than the window, at a negative x", 1, wide,
         {{0, 10, ColumnColour(125)}, {500, 49, ColumnColour(625)}, {874, 10, ColumnColour(999)}, {500, 50, BLACK}}},
        {"2: centred", 2, small,
         {{387, 299, ColumnColour(0)}, {486, 348, ColumnColour(99)}, {386, 299, BLACK}, {487, 348, BLACK}, {387, 298, BLACK}}},
        {"3: stretched", 3, uniform, {{0, 0, RED}, {437, 323, RED}, {873, 646, RED}}},
        {"other: not drawn", 7, small, {{0, 0, BLACK}, {437, 323, BLACK}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        skinState.fadeMode = c.mode;
        skinState.skinImage = c.picture;
        const Pixels pixels = Background();
        for (const PixelCheck& check : c.checks) {
            EXPECT_EQ(pixels.At(check.x, check.y), check.rgb) << check.x << "," << check.y;
        }
    }
}

TEST_F(FrameRendering, ModeFourTilesThePictureWithEveryOtherTileMirrored) {
    WithoutCaption();
    skinState.fadeMode = 4;
    skinState.skinImage = ColumnCodedPng(300, 20);
    const Pixels pixels = Background();
    for (int x = 0; x < CLIENT_WIDTH; ++x) {
        const int tile = x / 300, column = tile % 2 == 1 ? 299 - x % 300 : x % 300;
        ASSERT_EQ(pixels.At(x, 10), ColumnColour(column)) << "x " << x;
    }
    EXPECT_EQ(pixels.At(874, 19), ColumnColour(274));  // the last tile is cut after 275 columns
    EXPECT_EQ(pixels.At(874, 20), BLACK);
}

TEST_F(FrameRendering, ACaptionBandWithoutTintStillGetsTheWhiteGradient) {
    WithoutCaption();
    Record().captionBand = true;
    Record().captionBandColour = -1;
    const Pixels pixels = Background();
    const auto grey = [&](int y) { return static_cast<int>(pixels.At(400, y) & 0xFF); };
    EXPECT_NEAR(grey(0), 150, 6);
    for (int y = 1; y < 25; ++y) EXPECT_LE(grey(y), grey(y - 1)) << "row " << y;
    EXPECT_LT(grey(24), 15);
    EXPECT_EQ(pixels.At(400, 25), BLACK);
    EXPECT_EQ(pixels.At(400, 300), BLACK);
}

// The maximise button (button 2) in one of its looks, as backgroundDc holds it.
Pixels MaximiseButtonLook(int look) {
    RedrawSkin(1, nullptr, false);
    if (look == 1) DrawCaptionButton(1, 2, nullptr, false, false, 120);
    if (look == 2) DrawCaptionButton(1, 2, nullptr, false, true, 0);
    const RECT button = CaptionButtonRect(1, 2);
    return Crop(ReadPixels(WindowAt(1).backgroundDc), button.left, button.top, Width(button), Height(button));
}

TEST_F(FrameRendering, TheMaximiseButtonShowsTheRestoreGlyphExactlyWhileMaximised) {
    CaptionButton& maximise = CaptionButtonAt(Record(), 2);
    for (const auto& [look, name] : {std::pair{0, "normal"}, {1, "hover"}, {2, "pressed"}}) {
        SCOPED_TRACE(name);
        maximise.glyph = ResourceBytes(MAXIMISE_GLYPH);
        maximise.altGlyph = ResourceBytes(RESTORE_GLYPH);
        Record().maximized = true;
        const Pixels maximised = MaximiseButtonLook(look);
        Record().maximized = false;
        const Pixels normal = MaximiseButtonLook(look);
        std::swap(maximise.glyph, maximise.altGlyph);  // the restore glyph drawn as the plain one
        const Pixels restoreGlyph = MaximiseButtonLook(look);
        EXPECT_EQ(maximised, restoreGlyph);
        EXPECT_NE(maximised, normal);
    }
}

// The band a caption button and its separators cover.
Pixels AroundCaptionButton(int index) {
    const RECT button = CaptionButtonRect(1, index);
    return Crop(ReadPixels(WindowAt(1).backgroundDc), button.left - 2, 0, Width(button) + 4, Height(button) + 3);
}

TEST_F(FrameRendering, AFadedOutOrReleasedButtonLooksAsBefore) {
    const struct {
        const char* what;
        std::function<void(int)> draw;
    } sequences[] = {
        {"hover 240, then faded to 0",
         [](int i) {
             for (int alpha = 30; alpha <= 240; alpha += 30) DrawCaptionButton(1, i, nullptr, false, false, alpha);
             DrawCaptionButton(1, i, nullptr, false, false, 0);
         }},
        {"pressed, then released",
         [](int i) {
             DrawCaptionButton(1, i, nullptr, false, true, 0);
             DrawCaptionButton(1, i, nullptr, false, false, 0);
         }},
    };
    RedrawSkin(1, nullptr, false);
    for (int i = 1; i <= 3; ++i) {
        DrawCaptionButton(1, i, nullptr, false, false, 0);
        const Pixels before = AroundCaptionButton(i);
        for (const auto& sequence : sequences) {
            SCOPED_TRACE(::testing::Message() << "button " << i << ": " << sequence.what);
            sequence.draw(i);
            EXPECT_EQ(AroundCaptionButton(i), before);
        }
    }
}

TEST_F(FrameRendering, RedrawsAndReleasesLeaveNoObjectBehind) {
    const int gdiplusObjects = liveGdiplusObjects, registered = RegisteredMemoryDcCount();
    SetWindowTextW(window_, L"Kestrune");
    for (int round = 0; round < 50; ++round) {
        // Outlined, glowing and plain titles in turn.
        Record().titleGlow = round % 3 == 1;
        Record().titleEffectColour = round % 3 == 2 ? -1 : 0x808080;
        std::vector<HGDIOBJ> made;
        for (int redraw = 0; redraw < 2; ++redraw) {
            RedrawSkin(1, nullptr, redraw == 1);
            DrawCaptionButton(1, 1, nullptr, false, false, 90);
            DrawCaptionButton(1, 3, nullptr, false, true, 0);
            DrawTitle(1, nullptr, false, L"Kestrune");
            const WindowRecord& record = Record();
            for (HGDIOBJ object : {HGDIOBJ(record.captionCacheDc), HGDIOBJ(record.captionCacheBitmap),
                                   HGDIOBJ(record.statusCacheDc), HGDIOBJ(record.canvasDc),
                                   reinterpret_cast<HGDIOBJ>(GetPropValue(window_, PROP_SKIN_BITMAP))}) {
                ASSERT_NE(GetObjectType(object), 0u);
                made.push_back(object);
            }
        }
        made.push_back(Record().backgroundDc);
        ReleaseWindowDcs(Record());
        for (HGDIOBJ object : made) ASSERT_EQ(GetObjectType(object), 0u) << "round " << round;
        ASSERT_EQ(liveGdiplusObjects, gdiplusObjects);
        ASSERT_EQ(RegisteredMemoryDcCount(), registered);
    }
}

// The main window's look with the carried skin picture, saved to
// build/skinned-frame.png for a person to look at.
TEST_F(FrameRendering, TheCarriedSkinRendersAndIsSavedForInspection) {
    LoadSkin(L"", ResourceBytes(SKIN_PICTURE), GetSysColor(COLOR_BTNFACE), 0, 0);
    SetWindowTextW(window_, L"Kestrune");
    RedrawSkin(1, nullptr, true);
    Pixels pixels = ReadPixels(Record().backgroundDc);
    ASSERT_EQ(pixels.width, CLIENT_WIDTH);
    ASSERT_EQ(pixels.height, CLIENT_HEIGHT);

    Bitmap picture;
    gdip::GpBitmap* made = nullptr;
    ASSERT_EQ(gdip::GdipCreateBitmapFromScan0(CLIENT_WIDTH, CLIENT_HEIGHT, CLIENT_WIDTH * 4, PixelFormat32bppRGB,
                                              reinterpret_cast<BYTE*>(pixels.rgb.data()), &made),
              Gdiplus::Ok);
    picture.SetHandle(made);
    EXPECT_TRUE(picture.SaveToFile(testing_pictures::BesideTestProgram(L"..\\..\\skinned-frame.png"), PNG_FORMAT_ID));
}

}  // namespace
}  // namespace kestrune
