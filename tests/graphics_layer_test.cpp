// The graphics object layer against the real GDI+.
#include "graphics/brushes.h"
#include "graphics/graphics.h"
#include "graphics/image.h"
#include "graphics/path.h"
#include "graphics/pen.h"
#include "graphics/fonts.h"
#include "graphics/tooltip.h"
#include "picture_helpers.h"
#include "skin/carried_pictures.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace kestrune {
namespace {

using namespace testing_pictures;

std::vector<BYTE> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(ImageLoading, BytesThatAreNotAPictureLeaveTheObjectEmpty) {
    const std::vector<BYTE> png = SolidPng(8, 8, 0xFF336699);
    const struct {
        const char* what;
        std::vector<BYTE> bytes;
    } cases[] = {
        {"no bytes", {}},
        {"text", Bytes("this is not a picture at all")},
        {"PNG signature only", {png.begin(), png.begin() + 8}},
        {"cut-off PNG", {png.begin(), png.begin() + 40}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Image image;
        EXPECT_FALSE(image.LoadFromBytes(c.bytes));
        EXPECT_NE(lastStatus, Gdiplus::Ok);
        EXPECT_TRUE(image.IsEmpty());
        EXPECT_EQ(image.GetWidth(), 0u);
        EXPECT_FALSE(image.Dispose());

        Bitmap bitmap;
        EXPECT_FALSE(bitmap.CreateFromBytes(c.bytes));
        EXPECT_TRUE(bitmap.IsEmpty());
        EXPECT_EQ(bitmap.GetHeight(), 0u);
    }
}

TEST(ImageLoading, MissingFileFailsAndLeavesTheObjectEmpty) {
    Image image;
    EXPECT_FALSE(image.LoadFromFile(L"Z:\\no\\such\\picture.png"));
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_EQ(image.GetWidth(), 0u);
}

TEST(ImageSaving, PngBytesStartWithTheSignatureAndLoadAgainAtTheSameSize) {
    Image jpeg;
    ASSERT_TRUE(jpeg.LoadFromBytes(ResourceBytes(SKIN_PICTURE)));
    const std::vector<BYTE> png = jpeg.SaveToBytes(PNG_FORMAT_ID);
    EXPECT_TRUE(StartsWithPngSignature(png));

    Bitmap again;
    ASSERT_TRUE(again.CreateFromBytes(png));
    EXPECT_EQ(again.GetWidth(), jpeg.GetWidth());
    EXPECT_EQ(again.GetHeight(), jpeg.GetHeight());
    EXPECT_EQ(again.GetWidth(), 914u);
}

TEST(ImageSaving, PixelsSurviveThePngRoundTrip) {
    Bitmap original;
    ASSERT_TRUE(original.CreateEmpty(3, 2));
    original.SetPixel(0, 0, 0xFF102030);
    original.SetPixel(2, 1, 0x80FFFFFF);
    Bitmap decoded;
    ASSERT_TRUE(decoded.CreateFromBytes(original.SaveToBytes(PNG_FORMAT_ID)));
    EXPECT_EQ(decoded.GetPixel(0, 0), 0xFF102030u);
    EXPECT_EQ(decoded.GetPixel(2, 1), 0x80FFFFFFu);
    EXPECT_EQ(decoded.GetPixel(1, 0), 0u);
}

TEST(ImageSaving, WithoutAFormatIdTheImagesOwnFormatIsUsed) {
    Image png;
    ASSERT_TRUE(png.LoadFromBytes(SolidPng(4, 4, 0xFF00FF00)));
    EXPECT_TRUE(StartsWithPngSignature(png.SaveToBytes()));
}

TEST(ImageSaving, AFormatNoEncoderHasGivesNoBytes) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateEmpty(4, 4));
    EXPECT_TRUE(bitmap.SaveToBytes(L"{00000000-0000-0000-0000-000000000000}").empty());
    EXPECT_NE(lastStatus, Gdiplus::Ok);
}

TEST(ImageSaving, AnEncoderParameterBlockIsAccepted) {
    Image picture;
    ASSERT_TRUE(picture.LoadFromBytes(ResourceBytes(SKIN_PICTURE)));
    ULONG quality = 50;
    const Gdiplus::EncoderParameter parameter{Gdiplus::EncoderQuality, 1, Gdiplus::EncoderParameterValueTypeLong,
                                              &quality};
    const std::vector<BYTE> jpeg =
        picture.SaveToBytes(L"{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}", std::span(&parameter, 1));
    Image again;
    ASSERT_TRUE(again.LoadFromBytes(jpeg));
    EXPECT_EQ(again.GetHeight(), 608u);
}

TEST(ObjectLifecycle, DisposeEmptiesOnceAndTheObjectCanBeFilledAgain) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateEmpty(10, 5));
    EXPECT_TRUE(bitmap.Dispose());
    EXPECT_TRUE(bitmap.IsEmpty());

    lastStatus = Gdiplus::Aborted;  // a second Dispose makes no flat call
    EXPECT_FALSE(bitmap.Dispose());
    EXPECT_EQ(lastStatus, Gdiplus::Aborted);

    ASSERT_TRUE(bitmap.CreateFromBytes(SolidPng(7, 3, 0xFFFF0000)));
    EXPECT_EQ(bitmap.GetWidth(), 7u);
    EXPECT_EQ(bitmap.GetPixel(6, 2), 0xFFFF0000u);
    EXPECT_TRUE(bitmap.Dispose());
}

TEST(ObjectLifecycle, EveryKindDeletesOnceWithoutTouchingTheLastStatusTheSecondTime) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateEmpty(4, 4));
    Graphics graphics;
    Pen pen;
    SolidBrush solid;
    LinearGradientBrush gradient;
    GraphicsPath path;
    StringFormat format;
    Font font;
    ASSERT_TRUE(graphics.FromImage(bitmap));
    ASSERT_TRUE(pen.Create(0xFF000000, 2));
    ASSERT_TRUE(solid.Create(0xFF00FF00));
    ASSERT_TRUE(gradient.Create({0, 0}, {4, 0}, 0xFF000000, 0xFFFFFFFF));
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(format.Create());
    ASSERT_TRUE(font.Create(L"Tahoma", 9));

    const struct {
        const char* kind;
        std::function<bool()> remove;
    } kinds[] = {
        {"graphics", [&] { return graphics.Delete(); }}, {"pen", [&] { return pen.Delete(); }},
        {"solid brush", [&] { return solid.Delete(); }}, {"gradient", [&] { return gradient.Delete(); }},
        {"path", [&] { return path.Delete(); }},         {"string format", [&] { return format.Delete(); }},
        {"font", [&] { return font.Delete(); }},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.kind);
        EXPECT_TRUE(k.remove());
        lastStatus = Gdiplus::Aborted;
        EXPECT_FALSE(k.remove());
        EXPECT_EQ(lastStatus, Gdiplus::Aborted);
    }
}

TEST(Bitmaps, EmptyBitmapIsUnpremultiplied32BitArgbByDefault) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateEmpty(5, 3));
    EXPECT_EQ(bitmap.GetPixelFormat(), static_cast<Gdiplus::PixelFormat>(PixelFormat32bppARGB));
    // Premultiplied storage would lose the colour of a half-transparent pixel.
    ASSERT_TRUE(bitmap.SetPixel(4, 2, 0x40123456));
    EXPECT_EQ(bitmap.GetPixel(4, 2), 0x40123456u);
}

TEST(Bitmaps, ExportsAGdiBitmapOfItsSize) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateEmpty(12, 7));
    const GdiHandle<HBITMAP> exported = bitmap.ToHBitmap(0xFFFFFFFF);
    ASSERT_TRUE(exported);
    BITMAP info{};
    ASSERT_NE(GetObjectW(exported.Get(), sizeof(info), &info), 0);
    EXPECT_EQ(info.bmWidth, 12);
    EXPECT_EQ(info.bmHeight, 7);
}

TEST(Bitmaps, MadeFromTheApplicationIcon) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromIcon(LoadApplicationIcon()));
    EXPECT_EQ(bitmap.GetWidth(), static_cast<UINT>(GetSystemMetrics(SM_CXICON)));
    EXPECT_FALSE(Bitmap().CreateFromIcon(nullptr));
}

TEST(LastStatus, FollowsTheMostRecentCall) {
    Image empty;
    empty.GetWidth();
    EXPECT_EQ(lastStatus, Gdiplus::InvalidParameter);
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateEmpty(2, 2));
    EXPECT_EQ(lastStatus, Gdiplus::Ok);
    EXPECT_EQ(bitmap.GetPixel(5, 5), 0u);  // outside the bitmap
    EXPECT_NE(lastStatus, Gdiplus::Ok);
    EXPECT_EQ(bitmap.GetWidth(), 2u);
    EXPECT_EQ(lastStatus, Gdiplus::Ok);
}

// Draws black text on white and counts the pixels that are no longer white.
int InkedPixels(const Font& font, std::wstring_view text) {
    Bitmap canvas;
    canvas.CreateEmpty(200, 60);
    Graphics graphics;
    graphics.FromImage(canvas);
    graphics.Clear(0xFFFFFFFF);
    SolidBrush ink;
    ink.Create(0xFF000000);
    graphics.DrawString(text, font, {0, 0, 200, 60}, nullptr, ink);
    graphics.Delete();
    int inked = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) inked += canvas.GetPixel(x, y) != 0xFFFFFFFF;
    return inked;
}

TEST(Fonts, AMissingFamilyFallsBackToSansSerifAtTheSameSizeAndStyle) {
    FontFamily missing;
    ASSERT_FALSE(missing.Create(L"Kestrune No Such Family"));

    Font font;
    ASSERT_TRUE(font.Create(L"Kestrune No Such Family", 20, Gdiplus::FontStyleBold, Gdiplus::UnitPixel));
    EXPECT_EQ(lastStatus, Gdiplus::Ok);
    EXPECT_FLOAT_EQ(font.GetSize(), 20);
    EXPECT_EQ(font.GetStyle(), Gdiplus::FontStyleBold);
    FontFamily family;
    ASSERT_TRUE(font.GetFamily(family));
    FontFamily sansSerif;
    ASSERT_TRUE(sansSerif.CreateGenericSansSerif());
    EXPECT_EQ(family.GetName(), sansSerif.GetName());
    EXPECT_GT(InkedPixels(font, L"Kestrune"), 50);
}

TEST(Fonts, TheWindowsTextFontDrawsWhetherOrNotItIsInstalled) {
    Font font;
    ASSERT_TRUE(font.Create(L"宋体", 12));
    EXPECT_GT(InkedPixels(font, L"硬盘序列号"), 50);
}

TEST(Fonts, AFontFromADcCarriesTheGdiFontsFamilySizeAndStyle) {
    FontFamily sansSerif;
    ASSERT_TRUE(sansSerif.CreateGenericSansSerif());
    const std::wstring face = sansSerif.GetName();
    ASSERT_FALSE(face.empty());
    GdiHandle<HFONT> gdiFont(CreateFontW(-18, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                                         face.c_str()));
    ASSERT_TRUE(gdiFont);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ before = GetCurrentObject(dc, OBJ_FONT);

    Font font;
    EXPECT_TRUE(font.CreateFromDc(dc, gdiFont.Get()));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), before);
    DeleteDC(dc);

    EXPECT_EQ(font.GetStyle(), Gdiplus::FontStyleBold | Gdiplus::FontStyleItalic);
    EXPECT_NEAR(font.GetSize(), 18, 0.5);
    FontFamily family;
    ASSERT_TRUE(font.GetFamily(family));
    EXPECT_EQ(family.GetName(), face);
}

TEST(ToolTips, ToolsAreAddedToTheOwnerAndTheirTextsChange) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 100, 40, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    {
        ToolTip tip;
        ASSERT_TRUE(tip.Create(owner, true));
        EXPECT_TRUE(GetWindowLongW(tip.GetWindow(), GWL_STYLE) & TTS_BALLOON);
        EXPECT_EQ(SendMessageW(tip.GetWindow(), TTM_GETMAXTIPWIDTH, 0, 0), 600);
        ASSERT_TRUE(tip.AddTool(L"关闭", 1));
        ASSERT_TRUE(tip.AddTool(L"最小化", 2, RECT{0, 0, 20, 20}));
        EXPECT_EQ(SendMessageW(tip.GetWindow(), TTM_GETTOOLCOUNT, 0, 0), 2);
        tip.SetToolText(2, L"还原");

        wchar_t text[32] = {};
        TTTOOLINFOW info{};
        info.cbSize = TTTOOLINFOW_V1_SIZE;
        info.hwnd = owner;
        info.uId = 2;
        info.lpszText = text;
        SendMessageW(tip.GetWindow(), TTM_GETTEXTW, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_STREQ(text, L"还原");
        HWND window = tip.GetWindow();
        tip.Destroy();
        EXPECT_FALSE(IsWindow(window));
    }
    DestroyWindow(owner);
}

}  // namespace
}  // namespace kestrune
