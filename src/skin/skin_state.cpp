#include "skin/skin_state.h"

#include "graphics/image.h"
#include "skin/frame_rendering.h"
#include "skin/skin_image.h"
#include "skin/window_invalidation.h"
#include "skin/window_record.h"

namespace kestrune {
namespace {

// Fade modes other than 0 and 1 keep the picture: bytes as they are, a file
// re-encoded as PNG.
std::vector<BYTE> UnfadedSkinImage(const std::wstring& skinFile, std::span<const BYTE> skinBytes) {
    if (skinFile.empty()) return {skinBytes.begin(), skinBytes.end()};
    Image picture;
    picture.LoadFromFile(skinFile);
    std::vector<BYTE> png = picture.SaveToBytes(PNG_FORMAT_ID);
    picture.Dispose();
    return png;
}

std::vector<BYTE> SkinImageFor(int fadeMode, const std::wstring& skinFile, std::span<const BYTE> skinBytes,
                               COLORREF backColour) {
    switch (fadeMode) {
        case FADE_RIGHT_AND_BOTTOM:
            return PrepareSkinImage(skinBytes, std::nullopt, backColour, std::nullopt, skinFile);
        case FADE_LEFT_AND_BOTTOM:
            return PrepareSkinImage(skinBytes, std::nullopt, backColour, 0, skinFile);
        default:
            return UnfadedSkinImage(skinFile, skinBytes);
    }
}

}  // namespace

void ResetSkinState() { skinState = SkinState{}; }

void LoadSkin(const std::wstring& skinFile, std::span<const BYTE> skinBytes, std::optional<COLORREF> backColour,
              std::optional<COLORREF> themeColour, std::optional<int> fadeMode) {
    const bool themeFollowsBack = themeColour == THEME_FOLLOWS_BACK_COLOUR;
    if (!themeFollowsBack) skinState.themeColour = themeColour.value_or(DEFAULT_THEME_COLOUR);

    const bool hasPicture = !skinFile.empty() || !skinBytes.empty();
    if (!hasPicture && !backColour) return;

    if (hasPicture) {
        const COLORREF average = ComputeAverageColour(skinBytes, AVERAGE_SAMPLES, 0, 0, skinFile);
        skinState.skinBackColour = backColour.value_or(average);
        skinState.fadeMode = fadeMode.value_or(DEFAULT_FADE_MODE);
        skinState.skinImage = SkinImageFor(skinState.fadeMode, skinFile, skinBytes, skinState.skinBackColour);
    } else {
        skinState.skinImage.clear();
        skinState.skinBackColour = *backColour;
    }
    if (themeFollowsBack) skinState.themeColour = skinState.skinBackColour;

    RepaintSkinnedWindows();
}

void SetControlSkinOptions(bool skinControls, std::optional<int> controlWhiteAlpha,
                           std::optional<bool> drawTrackbarFrame) {
    skinState.skinControls = skinControls;
    skinState.controlWhiteAlpha = controlWhiteAlpha.value_or(DEFAULT_CONTROL_WHITE_ALPHA);
    skinState.controlsTransparent = controlWhiteAlpha.has_value();
    skinState.drawTrackbarFrame = drawTrackbarFrame.value_or(true);
}

void SetThickHoverFrame(bool thick) { skinState.thickHoverFrame = thick; }

void RepaintSkinnedWindows() {
    for (int id = 1; id <= WindowCount(); ++id) {
        const HWND window = WindowAt(id).hwnd;
        if (!IsWindowVisible(window)) continue;
        RedrawSkin(id, nullptr, false);
        InvalidateRect(window, nullptr, FALSE);
        MarkControlBackgroundsStale(window, false);
        InvalidateVisibleChildren(window);
    }
}

}  // namespace kestrune
