// The pictures carried in the executable's resources.
#include "graphics/image.h"
#include "skin/carried_pictures.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace kestrune {
namespace {

using Pixels = std::set<std::pair<int, int>>;  // (column, row)

struct Run {
    int row, first, last;
};

Pixels FromRuns(std::initializer_list<Run> runs) {
    Pixels pixels;
    for (const Run& run : runs)
        for (int x = run.first; x <= run.last; ++x) pixels.insert({x, run.row});
    return pixels;
}

Pixels OpaquePixels(const Bitmap& picture) {
    Pixels opaque;
    for (int y = 0; y < static_cast<int>(picture.GetHeight()); ++y)
        for (int x = 0; x < static_cast<int>(picture.GetWidth()); ++x)
            if (picture.GetPixel(x, y) >> 24 == 0xFF) opaque.insert({x, y});
    return opaque;
}

TEST(CarriedPictures, EachLoadsAtItsSize) {
    const struct {
        const wchar_t* name;
        UINT width, height;
    } pictures[] = {
        {SKIN_PICTURE, 914, 608},    {CHECK_MARK_GLYPH, 13, 12}, {UP_ARROW_GLYPH, 7, 4},
        {DOWN_ARROW_GLYPH, 7, 4},    {LEFT_ARROW_GLYPH, 4, 7},   {RIGHT_ARROW_GLYPH, 4, 7},
        {HELP_GLYPH, 26, 18},        {MAIN_MENU_GLYPH, 26, 18},  {MINIMISE_GLYPH, 26, 18},
        {MAXIMISE_GLYPH, 26, 18},    {RESTORE_GLYPH, 26, 18},    {CLOSE_GLYPH, 38, 18},
    };
    for (const auto& p : pictures) {
        SCOPED_TRACE(::testing::Message() << static_cast<const void*>(p.name));
        Bitmap picture;
        ASSERT_TRUE(picture.CreateFromBytes(ResourceBytes(p.name), true)) << lastStatus;
        EXPECT_EQ(picture.GetWidth(), p.width);
        EXPECT_EQ(picture.GetHeight(), p.height);
    }
}

TEST(CarriedPictures, TheSkinPictureIsABaselineJfifJpeg) {
    const std::span<const BYTE> bytes = ResourceBytes(SKIN_PICTURE);
    ASSERT_GT(bytes.size(), 11u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xD8);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[6]), 4), "JFIF");
    bool baseline = false, progressive = false;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        baseline |= bytes[i] == 0xFF && bytes[i + 1] == 0xC0;
        progressive |= bytes[i] == 0xFF && bytes[i + 1] == 0xC2;
    }
    EXPECT_TRUE(baseline);
    EXPECT_FALSE(progressive);
}

TEST(CarriedPictures, TheCheckMarksOpaquePixelsAreTheTick) {
    Bitmap tick;
    ASSERT_TRUE(tick.CreateFromBytes(ResourceBytes(CHECK_MARK_GLYPH)));
    EXPECT_EQ(OpaquePixels(tick), FromRuns({{0, 11, 12}, {1, 10, 11}, {2, 8, 10}, {3, 7, 10}, {4, 6, 9},
                                            {5, 0, 2}, {5, 6, 8}, {6, 1, 3}, {6, 5, 8}, {7, 2, 7},
                                            {8, 3, 7}, {9, 4, 6}, {10, 4, 6}, {11, 5, 5}}));
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 13; ++x) {
            const Gdiplus::ARGB pixel = tick.GetPixel(x, y);
            if (pixel >> 24 == 0xFF) {
                EXPECT_GT((pixel >> 8) & 0xFF, (pixel >> 16) & 0xFF) << x << "," << y;  // green over red
            } else {
                EXPECT_EQ(pixel, 0x00FFFFFFu) << x << "," << y;  // clear white
            }
        }
    }
    EXPECT_EQ(tick.GetPixel(6, 7), 0xFF5C9309u);  // the stroke's core
}

TEST(CarriedPictures, ArrowsAreBlackTrianglesOnClearWhite) {
    const struct {
        const wchar_t* name;
        Pixels opaque;
    } arrows[] = {
        {UP_ARROW_GLYPH, FromRuns({{0, 3, 3}, {1, 2, 4}, {2, 1, 5}, {3, 0, 6}})},
        {DOWN_ARROW_GLYPH, FromRuns({{0, 0, 6}, {1, 1, 5}, {2, 2, 4}, {3, 3, 3}})},
        {LEFT_ARROW_GLYPH,
         FromRuns({{0, 3, 3}, {1, 2, 3}, {2, 1, 3}, {3, 0, 3}, {4, 1, 3}, {5, 2, 3}, {6, 3, 3}})},
        {RIGHT_ARROW_GLYPH,
         FromRuns({{0, 0, 0}, {1, 0, 1}, {2, 0, 2}, {3, 0, 3}, {4, 0, 2}, {5, 0, 1}, {6, 0, 0}})},
    };
    for (const auto& arrow : arrows) {
        SCOPED_TRACE(::testing::Message() << static_cast<const void*>(arrow.name));
        Bitmap glyph;
        ASSERT_TRUE(glyph.CreateFromBytes(ResourceBytes(arrow.name)));
        EXPECT_EQ(OpaquePixels(glyph), arrow.opaque);
        for (const auto& [x, y] : arrow.opaque) EXPECT_EQ(glyph.GetPixel(x, y), 0xFF000000u);
    }
}

TEST(CarriedPictures, CaptionGlyphsAreOpaqueOnlyOnTheirWhiteStrokes) {
    const struct {
        const wchar_t* name;
        bool edgeLine;
    } glyphs[] = {{HELP_GLYPH, false},    {MAIN_MENU_GLYPH, false}, {MINIMISE_GLYPH, true},
                  {MAXIMISE_GLYPH, true}, {RESTORE_GLYPH, true},    {CLOSE_GLYPH, true}};
    for (const auto& g : glyphs) {
        SCOPED_TRACE(::testing::Message() << static_cast<const void*>(g.name));
        Bitmap glyph;
        ASSERT_TRUE(glyph.CreateFromBytes(ResourceBytes(g.name)));
        const Pixels opaque = OpaquePixels(glyph);
        EXPECT_GT(opaque.size(), 8u);
        for (const auto& [x, y] : opaque) EXPECT_EQ(glyph.GetPixel(x, y), 0xFFFFFFFFu);
        int shadowPixels = 0;  // dark and half-transparent
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < static_cast<int>(glyph.GetWidth()); ++x) {
                const Gdiplus::ARGB pixel = glyph.GetPixel(x, y);
                shadowPixels += (pixel & 0xFFFFFF) == 0 && (pixel >> 24) > 20 && (pixel >> 24) < 255;
            }
        EXPECT_GT(shadowPixels, 8);
        // The faint white line along the top row and the left column.
        const Gdiplus::ARGB corner = glyph.GetPixel(0, 0);
        if (g.edgeLine) {
            EXPECT_EQ(corner & 0xFFFFFF, 0xFFFFFFu);
            EXPECT_GT(corner >> 24, 20u);
            EXPECT_LT(corner >> 24, 128u);
        } else {
            EXPECT_LT(corner >> 24, 10u);
        }
    }
}

TEST(CarriedPictures, TheApplicationIconIsFoundByIdAndByName) {
    EXPECT_NE(LoadApplicationIcon(), nullptr);
    EXPECT_NE(LoadImageW(GetModuleHandleW(nullptr), DEFAULT_ICON, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED),
              nullptr);
    EXPECT_TRUE(ResourceBytes(L"NO_SUCH_PICTURE").empty());
}

}  // namespace
}  // namespace kestrune
