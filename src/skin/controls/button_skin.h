// Push buttons, check boxes and automatic radio buttons drawn in the glassy,
// theme-tinted look.
#pragma once

#include <windows.h>

#include <vector>

namespace kestrune {

class Graphics;
class GraphicsPath;

// State word of the painters: owner-draw item-state bits plus the hover bit.
inline constexpr UINT HOVER_STATE = 0x40;

bool IsPushButtonStyle(HWND button);
bool IsCheckBoxStyle(HWND button);
bool IsAutoRadioStyle(HWND button);

void InstallPushButtonSkins(int windowId, HWND parent);
void InstallCheckRadioSkins(int windowId, HWND parent);

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);

void RepaintButton(HWND button, UINT state, bool hover);
void PaintPushButton(HWND button, HDC target, UINT state, const RECT& rect);
void PaintRadioButton(HWND button, UINT state);
void PaintCheckBox(HWND button, UINT state);

// Strokes path count times with widths 1..count; inside a clip equal to the
// path this gives an inner glow.
void StrokePathLayers(Graphics& graphics, const GraphicsPath& path, int count, COLORREF colour, BYTE alpha);

// PNG bytes of the check mark recoloured in the theme colour.
std::vector<BYTE> TintCheckMark();

}  // namespace kestrune
