// The fourteen hardware categories and the VBScript text that answers them.
#pragma once

#include <array>
#include <string_view>

namespace kestrune {

inline constexpr int CATEGORY_COUNT = 14;

// 1-based in use: category number n is CATEGORY_NAMES[n - 1].
extern const std::array<std::wstring_view, CATEGORY_COUNT> CATEGORY_NAMES;

// Defines GetTrait(P), which returns the report of category name P (or nothing),
// plus the two small helpers it reads properties and rounds sizes with.
extern const std::wstring_view QUERY_SCRIPT;

// The moniker through which the script reaches WMI; tests swap it for a fixture.
inline constexpr std::wstring_view WMI_MONIKER_CALL =
    L"GetObject(\"winmgmts:{impersonationLevel=impersonate}\")";

}  // namespace kestrune
