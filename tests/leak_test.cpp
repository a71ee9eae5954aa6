// Every GDI+ object and memory stream the skin routines make is released,
// for good pictures and bad ones alike.
#include "graphics/image.h"
#include "graphics/fonts.h"
#include "picture_helpers.h"
#include "skin/carried_pictures.h"
#include "skin/skin_image.h"
#include "skin/skin_state.h"

#include <gtest/gtest.h>

#include <functional>

namespace kestrune {
namespace {

TEST(NoLeaks, SkinRoutinesReleaseEverythingTheyMake) {
    const std::span<const BYTE> picture = ResourceBytes(SKIN_PICTURE);
    const std::vector<BYTE> junk(300, 0x42);
    const std::wstring missingFile = L"Z:\\no\\such\\skin.jpg";
    const struct {
        const char* what;
        std::function<void()> run;
    } routines[] = {
        {"prepare a picture", [&] { PrepareSkinImage(picture, std::nullopt, 0xF0F0F0); }},
        {"prepare junk", [&] { PrepareSkinImage(junk, std::nullopt, 0xF0F0F0); }},
        {"prepare a missing file", [&] { PrepareSkinImage({}, 5, 0, 0, missingFile); }},
        {"average of a picture", [&] { ComputeAverageColour(picture, 50); }},
        {"average of junk", [&] { ComputeAverageColour(junk, 50); }},
        {"load skin, mode 0", [&] { LoadSkin(L"", picture, 0xF0F0F0, 0, 0); }},
        {"load skin, mode 1", [&] { LoadSkin(L"", picture, std::nullopt, std::nullopt, 1); }},
        {"load skin from a missing file", [&] { LoadSkin(missingFile, {}, std::nullopt, std::nullopt, 4); }},
        {"load junk", [&] { Image image; image.LoadFromBytes(junk); }},
        {"font fallback",
         [&] {
             Font font;
             font.Create(L"Kestrune No Such Family", 9);
             FontFamily family;
             font.GetFamily(family);
         }},
    };
    for (const auto& r : routines) {
        SCOPED_TRACE(r.what);
        const int objects = liveGdiplusObjects, streams = liveMemoryStreams;
        r.run();
        EXPECT_EQ(liveGdiplusObjects, objects);
        EXPECT_EQ(liveMemoryStreams, streams);
    }
    ResetSkinState();
}

TEST(NoLeaks, ALoadedImageHoldsOneStreamUntilDisposed) {
    const int objects = liveGdiplusObjects, streams = liveMemoryStreams;
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromBytes(ResourceBytes(CHECK_MARK_GLYPH)));
    EXPECT_EQ(liveGdiplusObjects, objects + 1);
    EXPECT_EQ(liveMemoryStreams, streams + 1);
    EXPECT_EQ(bitmap.GetWidth(), 13u);  // still readable: GDI+ may decode lazily from the stream
    bitmap.Dispose();
    EXPECT_EQ(liveGdiplusObjects, objects);
    EXPECT_EQ(liveMemoryStreams, streams);
}

}  // namespace
}  // namespace kestrune
