// Drawing through the layer lands where and how it was asked to.
#include "graphics/brushes.h"
#include "graphics/fonts.h"
#include "graphics/graphics.h"
#include "graphics/image.h"
#include "graphics/path.h"
#include "graphics/pen.h"

#include <gtest/gtest.h>

namespace kestrune {
namespace {

constexpr Gdiplus::ARGB WHITE = 0xFFFFFFFF, RED = 0xFFFF0000, BLUE = 0xFF0000FF, GREEN = 0xFF00FF00;

// A 40 x 20 white canvas with aliased drawing.
class Canvas : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bitmap_.CreateEmpty(40, 20));
        ASSERT_TRUE(graphics_.FromImage(bitmap_));
        graphics_.Clear(WHITE);
        graphics_.SetSmoothingMode(Gdiplus::SmoothingModeNone);
    }
    void TearDown() override { graphics_.Delete(); }
    Gdiplus::ARGB At(int x, int y) {
        graphics_.Delete();  // flush everything drawn so far into the bitmap
        const Gdiplus::ARGB pixel = bitmap_.GetPixel(x, y);
        graphics_.FromImage(bitmap_);
        graphics_.SetSmoothingMode(Gdiplus::SmoothingModeNone);
        return pixel;
    }

    Bitmap bitmap_;
    Graphics graphics_;
};

TEST_F(Canvas, RectanglesAndPathsFillWhereTheirCoordinatesSay) {
    SolidBrush red;
    ASSERT_TRUE(red.Create(RED));
    ASSERT_TRUE(graphics_.FillRectangle(red, 30, 2, 5, 10));  // x, y, width, height
    GraphicsPath path;
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(path.AddRectangle(2, 10, 8, 5));
    SolidBrush blue;
    blue.Create(BLUE);
    ASSERT_TRUE(graphics_.FillPath(blue, path));

    EXPECT_EQ(At(32, 10), RED);
    EXPECT_EQ(At(32, 15), WHITE);
    EXPECT_EQ(At(5, 12), BLUE);
    EXPECT_EQ(At(5, 8), WHITE);
}

TEST_F(Canvas, AClipKeepsFillsInsideIt) {
    SolidBrush green;
    green.Create(GREEN);
    ASSERT_TRUE(graphics_.SetClipRect(0, 0, 10, 20));
    graphics_.FillRectangle(green, 0, 0, 40, 20);
    EXPECT_EQ(At(5, 5), GREEN);
    EXPECT_EQ(At(20, 5), WHITE);

    GraphicsPath ellipse;
    ellipse.Create();
    ASSERT_TRUE(ellipse.AddEllipse(20, 0, 20, 20));
    ASSERT_TRUE(graphics_.SetClipPath(ellipse));
    SolidBrush red;
    red.Create(RED);
    graphics_.FillRectangle(red, 0, 0, 40, 20);
    EXPECT_EQ(At(30, 10), RED);
    EXPECT_EQ(At(21, 1), WHITE);   // outside the ellipse's corner
    EXPECT_EQ(At(5, 5), GREEN);    // outside the new clip
    ASSERT_TRUE(graphics_.ResetClip());
}

TEST_F(Canvas, ALinearGradientRunsFromItsStartColourToItsEndColour) {
    LinearGradientBrush gradient;
    ASSERT_TRUE(gradient.Create({0, 0}, {40, 0}, RED, BLUE));
    graphics_.FillRectangle(gradient, 0, 0, 40, 20);
    EXPECT_GT((At(1, 5) >> 16) & 0xFF, 230u);  // red at the start
    EXPECT_GT(At(38, 5) & 0xFF, 230u);         // blue at the end

    const Gdiplus::ARGB colours[] = {GREEN, GREEN, RED};
    const Gdiplus::REAL positions[] = {0, 0.5f, 1};
    ASSERT_TRUE(gradient.SetPresetBlend(colours, positions));
    graphics_.FillRectangle(gradient, 0, 0, 40, 20);
    EXPECT_EQ(At(10, 5), GREEN);
    EXPECT_FALSE(gradient.SetPresetBlend(colours, std::span(positions, 2)));
}

TEST_F(Canvas, PensDrawLinesRectanglesAndPaths) {
    Pen pen;
    ASSERT_TRUE(pen.Create(RED, 1));
    ASSERT_TRUE(graphics_.DrawLine(pen, 0, 3, 39, 3));
    ASSERT_TRUE(pen.SetWidth(3));
    ASSERT_TRUE(graphics_.DrawRectangle(pen, 20, 8, 10, 8));
    SolidBrush blue;
    blue.Create(BLUE);
    Pen fromBrush;
    ASSERT_TRUE(fromBrush.CreateFromBrush(blue, 1));
    GraphicsPath path;
    path.Create();
    path.AddLine(2, 17, 12, 17);
    ASSERT_TRUE(graphics_.DrawPath(fromBrush, path));

    EXPECT_EQ(At(20, 3), RED);
    EXPECT_EQ(At(20, 12), RED);   // the rectangle's left side
    EXPECT_EQ(At(25, 12), WHITE);  // its inside
    EXPECT_EQ(At(7, 17), BLUE);
}

TEST_F(Canvas, ImagesAndTexturesArePlacedAtTheirPoint) {
    Bitmap dot;
    ASSERT_TRUE(dot.CreateEmpty(2, 2));
    for (int i = 0; i < 4; ++i) dot.SetPixel(i % 2, i / 2, GREEN);
    ASSERT_TRUE(graphics_.DrawImage(dot, 10, 4));
    ASSERT_TRUE(graphics_.DrawImageRect(dot, 20, 0, 10, 10));
    EXPECT_EQ(At(11, 5), GREEN);
    EXPECT_EQ(At(12, 5), WHITE);
    EXPECT_EQ(At(25, 5), GREEN);

    TextureBrush texture;
    ASSERT_TRUE(texture.Create(dot));
    graphics_.FillRectangle(texture, 0, 15, 40, 5);
    EXPECT_EQ(At(33, 17), GREEN);
}

TEST_F(Canvas, APathGradientHasItsCentreColourInTheMiddle) {
    GraphicsPath ellipse;
    ellipse.Create();
    ellipse.AddEllipse(0, 0, 40, 20);
    PathGradientBrush glow;
    ASSERT_TRUE(glow.CreateFromPath(ellipse));
    ASSERT_TRUE(glow.SetCenterColor(RED));
    const Gdiplus::ARGB surround[] = {BLUE};
    ASSERT_TRUE(glow.SetSurroundColors(surround));
    ASSERT_TRUE(glow.SetFocusScales(0.5f, 0.5f));
    graphics_.FillPath(glow, ellipse);
    const Gdiplus::ARGB middle = At(20, 10);
    EXPECT_GT((middle >> 16) & 0xFF, 200u);  // reddish in the middle
    EXPECT_LT(middle & 0xFF, 60u);
    EXPECT_GT(At(1, 10) & 0xFF, 128u);  // bluish at the rim
}

TEST_F(Canvas, LongerTextMeasuresWiderAndStringFormatsApply) {
    Font font;
    ASSERT_TRUE(font.Create(L"Tahoma", 10, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel));
    StringFormat format;
    ASSERT_TRUE(format.Create(Gdiplus::StringFormatFlagsNoWrap));
    ASSERT_TRUE(format.SetAlignment(Gdiplus::StringAlignmentCenter));
    ASSERT_TRUE(format.SetLineAlignment(Gdiplus::StringAlignmentCenter));
    ASSERT_TRUE(format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter));
    ASSERT_TRUE(format.SetFlags(0));
    Gdiplus::RectF shortText{}, longText{};
    ASSERT_TRUE(graphics_.MeasureString(L"硬盘", font, {0, 0, 400, 40}, &format, shortText));
    ASSERT_TRUE(graphics_.MeasureString(L"硬盘序列号", font, {0, 0, 400, 40}, &format, longText));
    EXPECT_GT(shortText.Width, 0);
    EXPECT_GT(longText.Width, shortText.Width);
}

}  // namespace
}  // namespace kestrune
