// Skin state: colour conversion, LoadSkin, the control options, and the two
// picture routines behind LoadSkin.
#include "graphics/image.h"
#include "picture_helpers.h"
#include "skin/carried_pictures.h"
#include "skin/colour.h"
#include "skin/skin_image.h"
#include "skin/skin_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace kestrune {
namespace {

using namespace testing_pictures;

TEST(ColourConversion, ColorRefToArgbSwapsRedAndBlueAndSetsTheAlpha) {
    const struct {
        COLORREF colour;
        BYTE alpha;
        bool useAlpha;
        DWORD argb;
    } cases[] = {
        {0xFFFFFF, 150, true, 0x96FFFFFF},
        {0xDDCA22, 100, true, 0x6422CADD},
        {0xDDCA22, 100, false, 0xFF22CADD},
        {0xDDCA22, 200, true, 0xC822CADD},
        {0x000000, 90, true, 0x5A000000},
        {0xAB563412, 7, true, 0x07123456},   // the colour's own top byte never survives
        {0xAB563412, 7, false, 0xFF123456},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << c.colour << " alpha " << int(c.alpha));
        EXPECT_EQ(ColorRefToArgb(c.colour, c.alpha, c.useAlpha), c.argb);
    }
}

TEST(ColourConversion, ArgbToColorRefDropsAlphaAndReportsItWhenAsked) {
    BYTE alpha = 0;
    EXPECT_EQ(ArgbToColorRef(0x6422CADD, &alpha), 0xDDCA22u);
    EXPECT_EQ(alpha, 0x64);
    EXPECT_EQ(ArgbToColorRef(0xFF123456), 0x563412u);
    for (COLORREF colour : {0x000000u, 0xFFFFFFu, 0x0000FFu, 0xFF0000u, 0x123456u, 0xDDCA22u}) {
        for (BYTE a : {BYTE{0}, BYTE{1}, BYTE{128}, BYTE{255}}) {
            BYTE back = 0;
            EXPECT_EQ(ArgbToColorRef(ColorRefToArgb(colour, a), &back), colour);
            EXPECT_EQ(back, a);
        }
    }
}

TEST(SkinStateDefaults, ResetGivesTheStartUpValues) {
    skinState.themeColour = 1;
    skinState.skinImage = {1, 2, 3};
    skinState.skinControls = false;
    skinState.controlWhiteAlpha = 0;
    skinState.drawTrackbarFrame = false;
    skinState.thickHoverFrame = false;
    ResetSkinState();
    EXPECT_EQ(skinState.themeColour, 0xDDCA22u);
    EXPECT_EQ(skinState.skinBackColour, 0u);
    EXPECT_EQ(skinState.fadeMode, 0);
    EXPECT_TRUE(skinState.skinImage.empty());
    EXPECT_TRUE(skinState.skinControls);
    EXPECT_EQ(skinState.controlWhiteAlpha, 160);
    EXPECT_FALSE(skinState.controlsTransparent);
    EXPECT_TRUE(skinState.drawTrackbarFrame);
    EXPECT_TRUE(skinState.thickHoverFrame);
}

TEST(ControlSkinOptions, ASuppliedWhiteWashMakesControlsTransparent) {
    ResetSkinState();
    SetControlSkinOptions(true);
    EXPECT_TRUE(skinState.skinControls);
    EXPECT_EQ(skinState.controlWhiteAlpha, 160);
    EXPECT_FALSE(skinState.controlsTransparent);
    EXPECT_TRUE(skinState.drawTrackbarFrame);

    SetControlSkinOptions(true, 0, false);
    EXPECT_EQ(skinState.controlWhiteAlpha, 0);
    EXPECT_TRUE(skinState.controlsTransparent);
    EXPECT_FALSE(skinState.drawTrackbarFrame);

    SetControlSkinOptions(false);  // left out again: back to the defaults
    EXPECT_FALSE(skinState.skinControls);
    EXPECT_EQ(skinState.controlWhiteAlpha, 160);
    EXPECT_FALSE(skinState.controlsTransparent);
    EXPECT_TRUE(skinState.drawTrackbarFrame);

    SetThickHoverFrame(false);
    EXPECT_FALSE(skinState.thickHoverFrame);
}

class LoadSkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSkinState();
        picture_.assign(ResourceBytes(SKIN_PICTURE).begin(), ResourceBytes(SKIN_PICTURE).end());
        ASSERT_FALSE(picture_.empty());
    }
    // Marks every field so a test sees which ones LoadSkin changed.
    static void MarkState() {
        skinState.themeColour = 0x010101;
        skinState.skinBackColour = 0x020202;
        skinState.fadeMode = 7;
        skinState.skinImage = {9, 9, 9};
    }
    static Bitmap Decoded(const std::vector<BYTE>& bytes) {
        Bitmap bitmap;
        bitmap.CreateFromBytes(bytes);
        return bitmap;
    }

    std::vector<BYTE> picture_;
};

TEST_F(LoadSkinTest, NothingSuppliedOnlyResetsTheThemeColour) {
    MarkState();
    LoadSkin(L"", {});
    EXPECT_EQ(skinState.themeColour, DEFAULT_THEME_COLOUR);
    EXPECT_EQ(skinState.skinBackColour, 0x020202u);
    EXPECT_EQ(skinState.fadeMode, 7);
    EXPECT_EQ(skinState.skinImage, (std::vector<BYTE>{9, 9, 9}));

    LoadSkin(L"", {}, std::nullopt, 0x123456);
    EXPECT_EQ(skinState.themeColour, 0x123456u);
    LoadSkin(L"", {}, std::nullopt, THEME_FOLLOWS_BACK_COLOUR);  // nothing to follow: unchanged
    EXPECT_EQ(skinState.themeColour, 0x123456u);
}

TEST_F(LoadSkinTest, ABackColourAloneEmptiesTheImageAndKeepsTheFadeMode) {
    const struct {
        const char* what;
        std::optional<COLORREF> theme;
        COLORREF expectedTheme;
    } cases[] = {
        {"theme left out", std::nullopt, DEFAULT_THEME_COLOUR},
        {"theme supplied", 0x00FF00, 0x00FF00},
        {"theme follows the back colour", THEME_FOLLOWS_BACK_COLOUR, 0x345678},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MarkState();
        LoadSkin(L"", {}, 0x345678, c.theme, 1);
        EXPECT_TRUE(skinState.skinImage.empty());
        EXPECT_EQ(skinState.skinBackColour, 0x345678u);
        EXPECT_EQ(skinState.themeColour, c.expectedTheme);
        EXPECT_EQ(skinState.fadeMode, 7);
    }
}

TEST_F(LoadSkinTest, WithoutABackColourThePicturesAverageIsUsedAndTheThemeCanFollowIt) {
    const COLORREF average = ComputeAverageColour(picture_, AVERAGE_SAMPLES);
    MarkState();
    LoadSkin(L"", picture_, std::nullopt, THEME_FOLLOWS_BACK_COLOUR);
    EXPECT_EQ(skinState.skinBackColour, average);
    EXPECT_EQ(skinState.themeColour, average);
    EXPECT_EQ(skinState.fadeMode, DEFAULT_FADE_MODE);
    EXPECT_EQ(skinState.skinImage, picture_);  // mode 4 keeps the JPEG as it is

    LoadSkin(L"", picture_, 0x0000FF, THEME_FOLLOWS_BACK_COLOUR, 4);
    EXPECT_EQ(skinState.skinBackColour, 0x0000FFu);
    EXPECT_EQ(skinState.themeColour, 0x0000FFu);
}

TEST_F(LoadSkinTest, FadeModesZeroAndOneStoreAPngOfThePicturesSize) {
    for (int mode : {FADE_RIGHT_AND_BOTTOM, FADE_LEFT_AND_BOTTOM}) {
        SCOPED_TRACE(mode);
        LoadSkin(L"", picture_, GetSysColor(COLOR_BTNFACE), 0, mode);
        EXPECT_EQ(skinState.fadeMode, mode);
        EXPECT_EQ(skinState.themeColour, 0u);
        ASSERT_TRUE(StartsWithPngSignature(skinState.skinImage));
        const Bitmap image = Decoded(skinState.skinImage);
        EXPECT_EQ(image.GetWidth(), 914u);
        EXPECT_EQ(image.GetHeight(), 608u);
    }
}

TEST_F(LoadSkinTest, AFileWinsOverBytesAndIsReencodedAsPngInOtherModes) {
    const std::wstring file = BesideTestProgram(L"skin-file-test.png");
    ASSERT_TRUE(WriteFileBytes(file, SolidPng(30, 20, 0xFF204060)));
    LoadSkin(file, picture_, std::nullopt, std::nullopt, 4);
    DeleteFileW(file.c_str());
    EXPECT_EQ(skinState.skinBackColour, 0xFF604020u);
    ASSERT_TRUE(StartsWithPngSignature(skinState.skinImage));
    EXPECT_EQ(Decoded(skinState.skinImage).GetWidth(), 30u);
}

TEST_F(LoadSkinTest, BytesThatAreNotAPictureGiveBlackAndNoImage) {
    const std::vector<BYTE> junk(500, 0x5A);
    LoadSkin(L"", junk, std::nullopt, std::nullopt, 0);
    EXPECT_EQ(skinState.skinBackColour, 0xFF000000u);
    EXPECT_TRUE(skinState.skinImage.empty());
}

TEST(AverageColour, IsTheColourOfAUniformPictureWithTheTopByteSet) {
    EXPECT_EQ(ComputeAverageColour(SolidPng(16, 9, 0xFF123456), 50), 0xFF563412u);
    EXPECT_EQ(ComputeAverageColour(SolidPng(16, 9, 0x80FFFFFF), 50), 0xFFFFFFFFu);  // alpha is ignored
}

TEST(AverageColour, MarginsKeepTheSamplesAlongTheRightEdge) {
    const std::vector<BYTE> png = SolidPng(40, 10, 0xFF000000, 0xFF00FF00);
    EXPECT_EQ(ComputeAverageColour(png, 100, 1, 0), 0xFF00FF00u);
    const COLORREF all = ComputeAverageColour(png, 400);
    EXPECT_LT(GetGValue(all), 0x40);  // one column of forty
}

TEST(AverageColour, TheTimeOfDayDoesNotMoveTheSamples) {
    Bitmap picture;
    ASSERT_TRUE(picture.CreateFromBytes(ResourceBytes(SKIN_PICTURE)));
    EXPECT_EQ(AverageColourOnDay(picture, 200, 0, 0, 46000.01), AverageColourOnDay(picture, 200, 0, 0, 46000.99));

    const std::span<const BYTE> bytes = ResourceBytes(SKIN_PICTURE);
    EXPECT_EQ(ComputeAverageColour(bytes, AVERAGE_SAMPLES), ComputeAverageColour(bytes, AVERAGE_SAMPLES));
}

TEST(AverageColour, APictureThatDoesNotLoadIsBlack) {
    const std::vector<BYTE> junk = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'};
    EXPECT_EQ(ComputeAverageColour(junk, AVERAGE_SAMPLES), 0xFF000000u);
    EXPECT_EQ(ComputeAverageColour({}, AVERAGE_SAMPLES, 0, 0, L"Z:\\missing.jpg"), 0xFF000000u);
}

}  // namespace
}  // namespace kestrune
