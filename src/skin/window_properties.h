// The window properties through which skinned windows and controls find their
// records. Every value is a 32-bit integer; a property never set reads as 0.
#pragma once

#include <windows.h>

namespace kestrune {

inline constexpr const wchar_t* PROP_ID = L"Hw_lbID";               // window id, or id within a kind's list
inline constexpr const wchar_t* PROP_OWNER_ID = L"Hw_FuID";         // owning window id of a control
inline constexpr const wchar_t* PROP_PREVIOUS_PROC = L"Hw_hProc";   // the replaced window procedure
inline constexpr const wchar_t* PROP_TOOL_ID = L"Kj_lbID";          // toolbar family: id in `toolbars`
inline constexpr const wchar_t* PROP_TOOL_OWNER_ID = L"Kj_FuID";    // toolbar family: owning window id
inline constexpr const wchar_t* PROP_TOOL_PREVIOUS_PROC = L"Kj_hProc";
inline constexpr const wchar_t* PROP_TEXT_COLOUR = L"Kj_Ztys";      // 0x00BBGGRR
inline constexpr const wchar_t* PROP_BRUSH = L"Kj_dxjb";            // brush last handed out for WM_CTLCOLOR
inline constexpr const wchar_t* PROP_BRUSH_BITMAP = L"Kj_wtjb";     // the bitmap behind that brush
inline constexpr const wchar_t* PROP_INITIAL_BITMAP = L"Ck_Ycjdx";  // backgroundDc's bitmap when it was made
inline constexpr const wchar_t* PROP_SKIN_BITMAP = L"Ck_wtjbdx";    // the bitmap in backgroundDc now
inline constexpr const wchar_t* PROP_SCROLL_OWNER = L"Mngd_zct";    // control of an emulated scroll bar

inline LONG_PTR GetPropValue(HWND window, const wchar_t* name) {
    return reinterpret_cast<LONG_PTR>(GetPropW(window, name));
}

inline void SetPropValue(HWND window, const wchar_t* name, LONG_PTR value) {
    SetPropW(window, name, reinterpret_cast<HANDLE>(value));
}

inline int GetPropId(HWND window, const wchar_t* name) { return static_cast<int>(GetPropValue(window, name)); }

}  // namespace kestrune
