// The pictures carried in the executable's resources (resources/kestrune.rc).
#pragma once

#include <windows.h>

#include <span>

namespace kestrune {

// RT_RCDATA resource names.
inline constexpr const wchar_t* SKIN_PICTURE = L"SKIN_PICTURE";            // 914 x 608 JPEG
inline constexpr const wchar_t* CHECK_MARK_GLYPH = L"CHECK_MARK_GLYPH";    // 13 x 12 PNG
inline constexpr const wchar_t* UP_ARROW_GLYPH = L"UP_ARROW_GLYPH";        // 7 x 4 PNG
inline constexpr const wchar_t* DOWN_ARROW_GLYPH = L"DOWN_ARROW_GLYPH";    // 7 x 4 PNG
inline constexpr const wchar_t* LEFT_ARROW_GLYPH = L"LEFT_ARROW_GLYPH";    // 4 x 7 PNG
inline constexpr const wchar_t* RIGHT_ARROW_GLYPH = L"RIGHT_ARROW_GLYPH";  // 4 x 7 PNG
// Caption-button glyphs: 26 x 18 PNGs, the close glyph 38 x 18.
inline constexpr const wchar_t* HELP_GLYPH = L"HELP_GLYPH";
inline constexpr const wchar_t* MAIN_MENU_GLYPH = L"MAIN_MENU_GLYPH";
inline constexpr const wchar_t* MINIMISE_GLYPH = L"MINIMISE_GLYPH";
inline constexpr const wchar_t* MAXIMISE_GLYPH = L"MAXIMISE_GLYPH";
inline constexpr const wchar_t* RESTORE_GLYPH = L"RESTORE_GLYPH";
inline constexpr const wchar_t* CLOSE_GLYPH = L"CLOSE_GLYPH";

// The working-set trim helper program (tools/trim), written out and run by TrimWorkingSet.
inline constexpr const wchar_t* TRIM_PROGRAM_IMAGE = L"TRIM_PROGRAM_IMAGE";

// Icon resources: the application icon, and the name tried when it is missing.
inline constexpr WORD APPLICATION_ICON_ID = 0x81;
inline constexpr const wchar_t* DEFAULT_ICON = L"DEFAULT_ICON";

// The bytes of an RT_RCDATA resource of the executable; empty when it is
// missing. Resource memory lives as long as the module: nothing to release.
std::span<const BYTE> ResourceBytes(const wchar_t* name);

// The application icon (0x81, else "DEFAULT_ICON") at the system's icon size;
// null when neither exists. Shared icon: never destroyed.
HICON LoadApplicationIcon();

}  // namespace kestrune
