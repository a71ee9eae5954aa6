// A text label with no background of its own: it draws its text straight over
// whatever its parent painted behind it.
#pragma once

#include <windows.h>

namespace kestrune {

inline constexpr const wchar_t* TRANSPARENT_LABEL_CLASS = L"KestruneTransparentLabel";

// Registers the label class once per process; true when it is available.
bool RegisterTransparentLabelClass();

}  // namespace kestrune
