// The engine-wide skin state and the operations that change it.
#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kestrune {

inline constexpr COLORREF DEFAULT_THEME_COLOUR = 0xDDCA22;  // RGB #22CADD
// As LoadSkin's theme colour: the theme colour follows the skin back colour.
inline constexpr COLORREF THEME_FOLLOWS_BACK_COLOUR = 0xFFFFFFFF;
inline constexpr int DEFAULT_FADE_MODE = 4;  // picture unchanged
inline constexpr int DEFAULT_CONTROL_WHITE_ALPHA = 160;

// Fade modes of LoadSkin and of the background placement.
inline constexpr int FADE_RIGHT_AND_BOTTOM = 0;
inline constexpr int FADE_LEFT_AND_BOTTOM = 1;

// The members start with the values the skin has before the first LoadSkin.
struct SkinState {
    COLORREF themeColour = DEFAULT_THEME_COLOUR;
    COLORREF skinBackColour = 0;
    int fadeMode = 0;
    std::vector<BYTE> skinImage;  // encoded picture: PNG once faded or re-encoded
    bool skinControls = true;
    int controlWhiteAlpha = DEFAULT_CONTROL_WHITE_ALPHA;
    bool controlsTransparent = false;
    bool drawTrackbarFrame = true;
    bool thickHoverFrame = true;
};

// The one skin state of the process.
inline SkinState skinState;

// Puts the start-up values back (part of the engine's start-up).
void ResetSkinState();

// Loads the skin picture from skinFile (when not empty) or skinBytes and
// derives the back colour, theme colour, fade mode and prepared image from it.
// Left-out arguments: back colour sampled from the picture, theme colour
// DEFAULT_THEME_COLOUR, fade mode DEFAULT_FADE_MODE. With nothing to load and
// no back colour only the theme colour is reset. Repaints skinned windows.
void LoadSkin(const std::wstring& skinFile, std::span<const BYTE> skinBytes,
              std::optional<COLORREF> backColour = std::nullopt,
              std::optional<COLORREF> themeColour = std::nullopt,
              std::optional<int> fadeMode = std::nullopt);

// A supplied white-wash alpha also makes controls draw their own backgrounds.
void SetControlSkinOptions(bool skinControls, std::optional<int> controlWhiteAlpha = std::nullopt,
                           std::optional<bool> drawTrackbarFrame = std::nullopt);

void SetThickHoverFrame(bool thick);

// Rebuilds and invalidates every visible skinned window, its controls and the
// cached control backgrounds after the skin changed.
void RepaintSkinnedWindows();

}  // namespace kestrune
