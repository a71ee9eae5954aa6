// Creates a window and its controls from a form description, and raises the
// form's created and clicked events.
#pragma once

#include <windows.h>

#include <span>

namespace kestrune {

enum class ControlKind { TransparentLabel, Label, PushButton, EditBox };

struct FontSpec {
    const wchar_t* face;
    int characterHeight;  // pixels
    int weight;
    BYTE charset;
};

// The toolkit's own font for controls that name none.
inline constexpr FontSpec DEFAULT_FONT{L"宋体", 12, FW_NORMAL, GB2312_CHARSET};

struct ControlSpec {
    const wchar_t* name;
    ControlKind kind;
    int x, y, width, height;  // client coordinates of the form
    const wchar_t* text;
    const FontSpec* font;  // null: DEFAULT_FONT
};

struct FormEvents {
    void (*created)(HWND form) = nullptr;
    void (*clicked)(HWND form, int controlNumber) = nullptr;  // a push button was pressed
};

struct FormSpec {
    const wchar_t* title;
    int x, y, width, height;  // the window rectangle
    DWORD style;
    std::span<const ControlSpec> controls;
    FormEvents events;
};

inline constexpr const wchar_t* FORM_WINDOW_CLASS = L"KestruneForm";

// Control n (1-based, in form order) carries the control id FIRST_CONTROL_ID + n - 1.
inline constexpr int FIRST_CONTROL_ID = 1001;

// Creates the window hidden, creates its controls, raises created, then shows
// the window with showCommand. Destroying the window ends the message loop.
HWND CreateForm(const FormSpec& form, int showCommand);

// Control n (1-based) of a form, or null.
HWND FormControl(HWND form, int controlNumber);

// Font handle the form made from a spec (shared by all controls using it).
HFONT CreateFontFromSpec(const FontSpec& spec);

}  // namespace kestrune
