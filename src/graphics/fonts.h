// Fonts and font families, and the string formats that lay text out.
#pragma once

#include "graphics/native_object.h"

#include <string>

namespace kestrune {

class FontFamily : public NativeObject<gdip::GpFontFamily, &gdip::GdipDeleteFontFamily> {
public:
    bool Create(const std::wstring& name);
    bool CreateGenericSansSerif();
    std::wstring GetName() const;  // empty on failure
    bool Delete() { return DeleteNative(); }
};

class Font : public NativeObject<gdip::GpFont, &gdip::GdipDeleteFont> {
public:
    // A font of the named family. When the family cannot be made (not
    // installed) or has no such style, the generic sans-serif family is used
    // at the same size and style, so the text is still drawn.
    bool Create(const std::wstring& familyName, gdip::REAL size, INT style = Gdiplus::FontStyleRegular,
                Gdiplus::Unit unit = Gdiplus::UnitPoint);
    // The font a GDI font handle selects into dc (the DC is left as it was).
    bool CreateFromDc(HDC dc, HFONT font);
    bool GetFamily(FontFamily& family) const;
    INT GetStyle() const;       // 0 on failure
    gdip::REAL GetSize() const;  // 0 on failure
    bool Delete() { return DeleteNative(); }

private:
    bool CreateFromFamily(const FontFamily& family, gdip::REAL size, INT style, Gdiplus::Unit unit);
    static bool DropFamily(FontFamily& family);
};

class StringFormat : public NativeObject<gdip::GpStringFormat, &gdip::GdipDeleteStringFormat> {
public:
    bool Create(INT flags = 0, LANGID language = LANG_NEUTRAL);
    bool SetFlags(INT flags);
    bool SetAlignment(Gdiplus::StringAlignment alignment);
    bool SetLineAlignment(Gdiplus::StringAlignment alignment);
    bool SetTrimming(Gdiplus::StringTrimming trimming);
    bool Delete() { return DeleteNative(); }
};

}  // namespace kestrune
