#include "graphics/fonts.h"

namespace kestrune {

bool FontFamily::Create(const std::wstring& name) {
    gdip::GpFontFamily* made = nullptr;
    return Fill(gdip::GdipCreateFontFamilyFromName(name.c_str(), nullptr, &made), made);
}

bool FontFamily::CreateGenericSansSerif() {
    gdip::GpFontFamily* made = nullptr;
    return Fill(gdip::GdipGetGenericFontFamilySansSerif(&made), made);
}

std::wstring FontFamily::GetName() const {
    WCHAR name[LF_FACESIZE] = {};
    if (!RecordStatus(gdip::GdipGetFamilyName(GetNative(), name, LANG_NEUTRAL))) return {};
    return name;
}

bool Font::Create(const std::wstring& familyName, gdip::REAL size, INT style, Gdiplus::Unit unit) {
    FontFamily named;
    if (named.Create(familyName) && CreateFromFamily(named, size, style, unit)) return DropFamily(named);
    FontFamily sansSerif;
    if (sansSerif.CreateGenericSansSerif() && CreateFromFamily(sansSerif, size, style, unit)) {
        return DropFamily(sansSerif);
    }
    SetHandle(nullptr);
    return false;
}

bool Font::DropFamily(FontFamily& family) {
    // The font holds its own reference to its family; lastStatus stays the font's.
    const Gdiplus::Status creation = lastStatus;
    family.Delete();
    lastStatus = creation;
    return true;
}

bool Font::CreateFromFamily(const FontFamily& family, gdip::REAL size, INT style, Gdiplus::Unit unit) {
    gdip::GpFont* made = nullptr;
    return Fill(gdip::GdipCreateFont(family.GetNative(), size, style, static_cast<Gdiplus::GpUnit>(unit), &made),
                made);
}

bool Font::CreateFromDc(HDC dc, HFONT font) {
    HGDIOBJ previous = SelectObject(dc, font);
    gdip::GpFont* made = nullptr;
    const auto status = gdip::GdipCreateFontFromDC(dc, &made);
    if (previous) SelectObject(dc, previous);
    return Fill(status, made);
}

bool Font::GetFamily(FontFamily& family) const {
    gdip::GpFontFamily* made = nullptr;
    const auto status = gdip::GdipGetFamily(GetNative(), &made);
    family.SetHandle(status == Gdiplus::Ok ? made : nullptr);
    return RecordStatus(status);
}

INT Font::GetStyle() const {
    INT style = 0;
    return RecordStatus(gdip::GdipGetFontStyle(GetNative(), &style)) ? style : 0;
}

gdip::REAL Font::GetSize() const {
    gdip::REAL size = 0;
    return RecordStatus(gdip::GdipGetFontSize(GetNative(), &size)) ? size : 0;
}

bool StringFormat::Create(INT flags, LANGID language) {
    gdip::GpStringFormat* made = nullptr;
    return Fill(gdip::GdipCreateStringFormat(flags, language, &made), made);
}

bool StringFormat::SetFlags(INT flags) { return RecordStatus(gdip::GdipSetStringFormatFlags(GetNative(), flags)); }

bool StringFormat::SetAlignment(Gdiplus::StringAlignment alignment) {
    return RecordStatus(gdip::GdipSetStringFormatAlign(GetNative(), alignment));
}

bool StringFormat::SetLineAlignment(Gdiplus::StringAlignment alignment) {
    return RecordStatus(gdip::GdipSetStringFormatLineAlign(GetNative(), alignment));
}

bool StringFormat::SetTrimming(Gdiplus::StringTrimming trimming) {
    return RecordStatus(gdip::GdipSetStringFormatTrimming(GetNative(), trimming));
}

}  // namespace kestrune
