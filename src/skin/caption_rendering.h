// The caption buttons in their three looks, and the separators between them.
#pragma once

#include <windows.h>

namespace kestrune {

class Graphics;
class GraphicsPath;

// Where button i (1-based) is drawn: one pixel left of its bounds, one below
// the strip's top, at its glyph size.
RECT CaptionButtonRect(int windowId, int index);

// Draws button index into backgroundDc. Pressed: restores it from the caption
// cache, draws the pressed look and copies it to the screen (hoverAlpha and
// graphics are not used). Normal and hover (hoverAlpha 0..255): into a full
// redraw with graphics; alone (graphics may be null) on its own graphics,
// then copied to the screen. Index 0 draws nothing.
void DrawCaptionButton(int windowId, int index, Graphics* graphics, bool intoFullRedraw, bool pressed,
                       int hoverAlpha);

// The hover layer under a button's glyph: restores the button's background,
// then shade, colour layer and highlight line at strength alpha.
void DrawCaptionButtonHover(Graphics& graphics, int windowId, int index, int alpha);

// Left edge, top edge, a rounded top-right corner and the right edge; open.
void AddTopRightRoundedOutline(GraphicsPath& path, int x, int y, int width, int height, int diameter);

// Separator lines left of button index and left of the next button.
void DrawButtonSeparators(int windowId, int index, Graphics& graphics);

}  // namespace kestrune
