// The faded skin image: where its strips start and what they fade into.
#include "graphics/image.h"
#include "picture_helpers.h"
#include "skin/carried_pictures.h"
#include "skin/colour.h"
#include "skin/skin_image.h"
#include "skin/skin_state.h"

#include <gtest/gtest.h>

namespace kestrune {
namespace {

using namespace testing_pictures;

int Red(Gdiplus::ARGB argb) { return (argb >> 16) & 0xFF; }
int Green(Gdiplus::ARGB argb) { return (argb >> 8) & 0xFF; }
int Blue(Gdiplus::ARGB argb) { return argb & 0xFF; }
int Brightness(Gdiplus::ARGB argb) { return Red(argb) + Green(argb) + Blue(argb); }

Bitmap Decoded(std::span<const BYTE> bytes) {
    Bitmap bitmap;
    bitmap.CreateFromBytes(bytes);
    return bitmap;
}

// A 20 x 20 white picture faded into black, 10 pixels deep.
class FadedWhiteSquare : public ::testing::Test {
protected:
    static constexpr int SIZE = 20, DEPTH = 10;
    static constexpr Gdiplus::ARGB WHITE = 0xFFFFFFFF;

    Bitmap Faded(std::optional<int> fadeRight) {
        return Decoded(PrepareSkinImage(SolidPng(SIZE, SIZE, WHITE), DEPTH, 0x000000, fadeRight));
    }
};

TEST_F(FadedWhiteSquare, TheRightStripStartsOnePixelPastItsGradientLine) {
    const Bitmap faded = Faded(std::nullopt);
    ASSERT_EQ(faded.GetWidth(), 20u);
    for (int y = 0; y <= SIZE - DEPTH; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(faded.GetPixel(SIZE - DEPTH, y), WHITE);               // column 10 untouched
        EXPECT_LT(Brightness(faded.GetPixel(SIZE - DEPTH + 1, y)), 3 * 250);  // column 11 darkened
        EXPECT_LT(Brightness(faded.GetPixel(SIZE - 1, y)), 3 * 40);          // nearly black at the edge
        EXPECT_EQ(faded.GetPixel(0, y), WHITE);
    }
}

TEST_F(FadedWhiteSquare, TheBottomStripStartsOnePixelPastItsGradientLine) {
    const Bitmap faded = Faded(std::nullopt);
    for (int x = 0; x <= SIZE - DEPTH; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(faded.GetPixel(x, SIZE - DEPTH), WHITE);
        EXPECT_LT(Brightness(faded.GetPixel(x, SIZE - DEPTH + 1)), 3 * 250);
        EXPECT_LT(Brightness(faded.GetPixel(x, SIZE - 1)), 3 * 40);
    }
}

TEST_F(FadedWhiteSquare, WithTheSideFlagZeroTheLeftEdgeFades) {
    const Bitmap faded = Faded(0);
    for (int y = 0; y <= SIZE - DEPTH; ++y) {
        SCOPED_TRACE(y);
        EXPECT_LT(Brightness(faded.GetPixel(0, y)), 3 * 40);
        EXPECT_LT(Brightness(faded.GetPixel(DEPTH - 1, y)), 3 * 255);
        EXPECT_EQ(faded.GetPixel(DEPTH, y), WHITE);
        EXPECT_EQ(faded.GetPixel(SIZE - 1, y), WHITE);
    }
}

TEST(PreparedSkinImage, FadesIntoTheBackColourAndStaysOpaque) {
    const Bitmap faded = Decoded(PrepareSkinImage(SolidPng(30, 30, 0xFFFFFFFF), 10, 0x0000FF));
    const Gdiplus::ARGB corner = faded.GetPixel(29, 29);
    EXPECT_EQ(corner >> 24, 0xFFu);
    EXPECT_GT(Red(corner), 200);  // 0x0000FF is red
    EXPECT_LT(Blue(corner), 60);
}

TEST(PreparedSkinImage, APictureThatDoesNotLoadGivesNoBytes) {
    const std::vector<BYTE> junk(64, 0xEE);
    EXPECT_TRUE(PrepareSkinImage(junk, std::nullopt, 0xFFFFFF).empty());
}

// The carried 914 x 608 picture in fade mode 0: 274-pixel strips from
// column 641 and row 335.
class PreparedSkinPicture : public ::testing::Test {
protected:
    static constexpr int FIRST_FADED_COLUMN = 641, FIRST_FADED_ROW = 335, DEPTH = 274;

    void SetUp() override {
        original_ = Decoded(ResourceBytes(SKIN_PICTURE));
        ASSERT_EQ(original_.GetWidth(), 914u);
    }
    Bitmap Prepared(COLORREF backColour) {
        ResetSkinState();
        LoadSkin(L"", ResourceBytes(SKIN_PICTURE), backColour, 0, FADE_RIGHT_AND_BOTTOM);
        return Decoded(skinState.skinImage);
    }

    Bitmap original_;
};

TEST_F(PreparedSkinPicture, StripsStartAtColumn641AndRow335) {
    EXPECT_EQ(static_cast<int>(914 * FADE_FRACTION), DEPTH);
    const Bitmap faded = Prepared(0x000000);
    int darkerColumnPixels = 0, darkerRowPixels = 0;
    for (int y = 0; y < FIRST_FADED_ROW; ++y) {
        ASSERT_EQ(faded.GetPixel(FIRST_FADED_COLUMN - 1, y), original_.GetPixel(FIRST_FADED_COLUMN - 1, y)) << y;
        const Gdiplus::ARGB inside = faded.GetPixel(FIRST_FADED_COLUMN, y);
        ASSERT_LE(Brightness(inside), Brightness(original_.GetPixel(FIRST_FADED_COLUMN, y))) << y;
        darkerColumnPixels += inside != original_.GetPixel(FIRST_FADED_COLUMN, y);
    }
    for (int x = 0; x < FIRST_FADED_COLUMN; ++x) {
        ASSERT_EQ(faded.GetPixel(x, FIRST_FADED_ROW - 1), original_.GetPixel(x, FIRST_FADED_ROW - 1)) << x;
        const Gdiplus::ARGB inside = faded.GetPixel(x, FIRST_FADED_ROW);
        ASSERT_LE(Brightness(inside), Brightness(original_.GetPixel(x, FIRST_FADED_ROW))) << x;
        darkerRowPixels += inside != original_.GetPixel(x, FIRST_FADED_ROW);
    }
    EXPECT_GT(darkerColumnPixels, FIRST_FADED_ROW / 2);
    EXPECT_GT(darkerRowPixels, FIRST_FADED_COLUMN / 2);
    // Half-way through a strip the picture is clearly darker; at the edge, black.
    EXPECT_LT(Brightness(faded.GetPixel(FIRST_FADED_COLUMN + DEPTH / 2, 100)),
              Brightness(original_.GetPixel(FIRST_FADED_COLUMN + DEPTH / 2, 100)) - 60);
    EXPECT_LT(Brightness(faded.GetPixel(913, 100)), 3 * 12);
    EXPECT_LT(Brightness(faded.GetPixel(100, 607)), 3 * 12);
}

TEST_F(PreparedSkinPicture, FadesIntoTheButtonFaceColour) {
    const COLORREF buttonFace = GetSysColor(COLOR_BTNFACE);
    const Bitmap faded = Prepared(buttonFace);
    const std::vector<BYTE> png = faded.SaveToBytes(PNG_FORMAT_ID);
    // For a person to look at: build/prepared-skin.png.
    WriteFileBytes(BesideTestProgram(L"..\\..\\prepared-skin.png"), png);

    for (const POINT corner : {POINT{913, 607}, POINT{913, 0}, POINT{0, 607}}) {
        SCOPED_TRACE(::testing::Message() << corner.x << "," << corner.y);
        const COLORREF pixel = ArgbToColorRef(faded.GetPixel(corner.x, corner.y));
        EXPECT_NEAR(GetRValue(pixel), GetRValue(buttonFace), 6);
        EXPECT_NEAR(GetGValue(pixel), GetGValue(buttonFace), 6);
        EXPECT_NEAR(GetBValue(pixel), GetBValue(buttonFace), 6);
    }
    EXPECT_EQ(faded.GetPixel(0, 0), original_.GetPixel(0, 0));
}

}  // namespace
}  // namespace kestrune
