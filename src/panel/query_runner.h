// Runs one category query in a fresh script host and returns its report.
#pragma once

#include <string>

namespace kestrune {

inline constexpr const wchar_t* SCRIPT_HOST_PROGID = L"ScriptControl";

// The trimmed report of the category (1 to 14), empty when the query fails.
// A number outside 1 to 14 is a programming error that ends the process.
// Needs OLE initialised on the calling thread.
std::wstring QueryCategory(int category = 1);

// The same run against a given ProgID and script; the seam tests use to swap
// the host or the script.
std::wstring QueryCategoryWith(const wchar_t* hostProgId, std::wstring_view script, int category);

}  // namespace kestrune
