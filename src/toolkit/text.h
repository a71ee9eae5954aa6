// Text helpers: UTF-16 inside the program, UTF-8 at the console.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace kestrune {

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

// Removes blanks (U+0020 and the ideographic space U+3000) at both ends;
// tabs and line breaks stay.
std::wstring TrimBlanks(std::wstring_view text);

// The whole text of a window (its caption or edit contents).
std::wstring GetWindowTextString(HWND window);

}  // namespace kestrune
