// The two picture routines behind LoadSkin: the sampled average colour, and
// the picture faded into the back colour and encoded as PNG.
#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kestrune {

class Bitmap;

inline constexpr int AVERAGE_SAMPLES = 2000;
inline constexpr double FADE_FRACTION = 0.3;

// Now as a day number: days since 30 December 1899, the time of day as fraction.
double CurrentDayNumber();

// The average of `samples` pixels of the picture (read from file when it is
// not empty, else from bytes), as 0xFFBBGGRR. A margin of 1 or more keeps the
// samples within that many columns (rows) of the right (bottom) edge. The
// sample positions depend only on the calendar day and the sample number.
// A picture that does not load gives 0xFF000000. samples must be above 0.
COLORREF ComputeAverageColour(std::span<const BYTE> bytes, int samples, int horizontalMargin = 0,
                              int verticalMargin = 0, const std::wstring& file = {});
// The same for a loaded picture on a given day.
COLORREF AverageColourOnDay(const Bitmap& picture, int samples, int horizontalMargin, int verticalMargin,
                            double dayNumber);

// The picture (file when not empty, else bytes) with two gradient strips
// fading it into backColour: along the right edge (the left edge when
// fadeRight is supplied as 0) and along the bottom edge, each fadeDepth deep
// (W × FADE_FRACTION when left out). PNG bytes; empty when the picture does
// not load.
std::vector<BYTE> PrepareSkinImage(std::span<const BYTE> bytes, std::optional<int> fadeDepth,
                                   COLORREF backColour, std::optional<int> fadeRight = std::nullopt,
                                   const std::wstring& file = {});

}  // namespace kestrune
