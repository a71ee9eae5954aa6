#include "skin/skin_image.h"

#include "graphics/brushes.h"
#include "graphics/graphics.h"
#include "graphics/image.h"
#include "skin/colour.h"

#include <cstdlib>

namespace kestrune {
namespace {

constexpr DWORD CLEAR_WHITE = 0x00FFFFFF;

struct SampleRange {
    int first;
    int count;
};

// The last `margin` positions when margin is 1 or more, else all of them.
SampleRange RangeWithin(int size, int margin) {
    return margin >= 1 ? SampleRange{size - margin, margin} : SampleRange{0, size};
}

// Re-seeds the C library's generator and draws one position of the range.
int DrawPosition(unsigned seed, SampleRange range) {
    std::srand(seed);
    const double unit = std::rand() / (RAND_MAX + 1.0);
    return range.first + static_cast<int>(unit * range.count);
}

bool LoadPicture(Bitmap& picture, std::span<const BYTE> bytes, const std::wstring& file) {
    return file.empty() ? picture.CreateFromBytes(bytes) : picture.CreateFromFile(file);
}

bool LoadPicture(Image& picture, std::span<const BYTE> bytes, const std::wstring& file) {
    return file.empty() ? picture.LoadFromBytes(bytes) : picture.LoadFromFile(file);
}

}  // namespace

double CurrentDayNumber() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    double dayNumber = 0;
    SystemTimeToVariantTime(&now, &dayNumber);
    return dayNumber;
}

COLORREF AverageColourOnDay(const Bitmap& picture, int samples, int horizontalMargin, int verticalMargin,
                            double dayNumber) {
    const int width = static_cast<int>(picture.GetWidth());
    const int height = static_cast<int>(picture.GetHeight());
    const SampleRange columns = RangeWithin(width, horizontalMargin);
    const SampleRange rows = RangeWithin(height, verticalMargin);
    long long red = 0, green = 0, blue = 0;
    if (width > 0 && height > 0) {
        for (int i = 1; i <= samples; ++i) {
            const int x = DrawPosition(static_cast<unsigned>(static_cast<long long>(dayNumber + 3.0 * i)), columns);
            const int y = DrawPosition(static_cast<unsigned>(static_cast<long long>(dayNumber + i)), rows);
            const COLORREF colour = ArgbToColorRef(picture.GetPixel(x, y));
            red += GetRValue(colour);
            green += GetGValue(colour);
            blue += GetBValue(colour);
        }
    }
    return 0xFF000000 | RGB(red / samples, green / samples, blue / samples);
}

COLORREF ComputeAverageColour(std::span<const BYTE> bytes, int samples, int horizontalMargin, int verticalMargin,
                              const std::wstring& file) {
    Bitmap picture;
    LoadPicture(picture, bytes, file);
    const COLORREF average = AverageColourOnDay(picture, samples, horizontalMargin, verticalMargin,
                                                CurrentDayNumber());
    picture.Dispose();
    return average;
}

std::vector<BYTE> PrepareSkinImage(std::span<const BYTE> bytes, std::optional<int> fadeDepth, COLORREF backColour,
                                   std::optional<int> fadeRight, const std::wstring& file) {
    Image picture;
    if (!LoadPicture(picture, bytes, file)) return {};
    const int width = static_cast<int>(picture.GetWidth());
    const int height = static_cast<int>(picture.GetHeight());

    Bitmap canvas;
    if (!canvas.CreateEmpty(width, height, PixelFormat32bppARGB)) return {};
    Graphics graphics;
    graphics.FromImage(canvas);
    graphics.SetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
    graphics.DrawImageRect(picture, 0, 0, static_cast<float>(width), static_cast<float>(height), Gdiplus::UnitPixel);

    const int depth = fadeDepth.value_or(static_cast<int>(width * FADE_FRACTION));
    const float w = static_cast<float>(width), h = static_cast<float>(height), d = static_cast<float>(depth);
    const DWORD solidBack = ColorRefToArgb(backColour, 255);
    const DWORD clearBack = ColorRefToArgb(backColour, 0);

    // Each strip starts one pixel past the line its gradient starts on.
    LinearGradientBrush side;
    if (fadeRight.value_or(1) != 0) {
        side.Create({w - d, 0}, {w, 0}, CLEAR_WHITE, solidBack);
        graphics.FillRectangle(side, w - d + 1, 0, d, h);
    } else {
        side.Create({0, 0}, {d, 0}, solidBack, CLEAR_WHITE);
        graphics.FillRectangle(side, 0, 0, d, h);
    }
    LinearGradientBrush bottom;
    bottom.Create({0, h - d}, {0, h}, clearBack, solidBack);
    graphics.FillRectangle(bottom, 0, h - d + 1, w, d);

    bottom.Delete();
    side.Delete();
    graphics.Delete();
    std::vector<BYTE> png = canvas.SaveToBytes(PNG_FORMAT_ID);
    canvas.Dispose();
    picture.Dispose();
    return png;
}

}  // namespace kestrune
