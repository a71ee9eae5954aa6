// The background of a skinned window: colour, picture, tint and caption band,
// and the rounded double frame line.
#pragma once

#include <windows.h>

namespace kestrune {

class Bitmap;
class Graphics;

// Placement modes of the skin picture.
inline constexpr int PLACE_TOP_LEFT = 0;
inline constexpr int PLACE_TOP_RIGHT = 1;
inline constexpr int PLACE_CENTRED = 2;
inline constexpr int PLACE_STRETCHED = 3;
inline constexpr int PLACE_MIRRORED_STRIP = 4;

// Loads the picture that applies to the window (its own, else the skin's) into
// picture; for the mirrored-strip mode the picture becomes a strip of the
// client width with every other tile mirrored. covered receives the part of
// area (client coordinates) the placed picture lies over. False when no
// picture applies or it cannot be decoded.
bool PlaceSkinImage(int windowId, const RECT& area, Bitmap& picture, RECT& covered);

void PaintSkinBackground(Graphics& graphics, int windowId);

void DrawFrameBorder(int windowId, Graphics& graphics);

}  // namespace kestrune
