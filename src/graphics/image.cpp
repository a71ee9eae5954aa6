#include "graphics/image.h"

#include <cstring>

namespace kestrune {
namespace {

std::wstring GuidText(const GUID& id) {
    wchar_t text[40] = {};
    return StringFromGUID2(id, text, 40) > 0 ? std::wstring(text) : std::wstring();
}

// The class id of the installed encoder whose format id text is formatId.
bool FindEncoder(std::wstring_view formatId, CLSID& encoder) {
    UINT count = 0, size = 0;
    if (!RecordStatus(gdip::GdipGetImageEncodersSize(&count, &size)) || count == 0) return false;
    std::vector<BYTE> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (!RecordStatus(gdip::GdipGetImageEncoders(count, size, codecs))) return false;
    for (UINT i = 0; i < count; ++i) {
        if (GuidText(codecs[i].FormatID) == formatId) {
            encoder = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

// An EncoderParameters block: the count, then the entries.
std::vector<BYTE> ParameterBlock(std::span<const Gdiplus::EncoderParameter> parameters) {
    std::vector<BYTE> block(offsetof(Gdiplus::EncoderParameters, Parameter) +
                            parameters.size() * sizeof(Gdiplus::EncoderParameter));
    auto* header = reinterpret_cast<Gdiplus::EncoderParameters*>(block.data());
    header->Count = static_cast<UINT>(parameters.size());
    std::memcpy(header->Parameter, parameters.data(), parameters.size_bytes());
    return block;
}

}  // namespace

bool Image::FillFromStream(Gdiplus::Status status, gdip::GpImage* const& made) {
    const bool ok = Fill(status, made);
    if (!ok) source_.Release();
    return ok;
}

bool Image::LoadFromFile(const std::wstring& path, bool useColourManagement) {
    Reset();
    source_.Release();
    gdip::GpImage* made = nullptr;
    const auto status = useColourManagement ? gdip::GdipLoadImageFromFileICM(path.c_str(), &made)
                                            : gdip::GdipLoadImageFromFile(path.c_str(), &made);
    return Fill(status, made);
}

bool Image::LoadFromBytes(std::span<const BYTE> bytes, bool useColourManagement) {
    Reset();
    source_.Fill(bytes);
    gdip::GpImage* made = nullptr;
    const auto status = useColourManagement ? gdip::GdipLoadImageFromStreamICM(source_.Stream(), &made)
                                            : gdip::GdipLoadImageFromStream(source_.Stream(), &made);
    return FillFromStream(status, made);
}

std::vector<BYTE> Image::SaveToBytes(std::wstring_view formatId,
                                     std::span<const Gdiplus::EncoderParameter> parameters) const {
    std::wstring wanted(formatId);
    if (wanted.empty()) {
        GUID raw{};
        if (!RecordStatus(gdip::GdipGetImageRawFormat(GetNative(), &raw))) return {};
        wanted = GuidText(raw);
    }
    CLSID encoder{};
    if (!FindEncoder(wanted, encoder)) {
        lastStatus = Gdiplus::UnknownImageFormat;
        return {};
    }
    const std::vector<BYTE> block = ParameterBlock(parameters);
    const auto* encoderParameters =
        parameters.empty() ? nullptr : reinterpret_cast<const Gdiplus::EncoderParameters*>(block.data());
    MemoryStream target;
    if (!target.CreateEmpty()) return {};
    if (!RecordStatus(gdip::GdipSaveImageToStream(GetNative(), target.Stream(), &encoder, encoderParameters))) {
        return {};
    }
    return target.Bytes();
}

bool Image::SaveToFile(const std::wstring& path, std::wstring_view formatId) const {
    CLSID encoder{};
    if (!FindEncoder(formatId, encoder)) {
        lastStatus = Gdiplus::UnknownImageFormat;
        return false;
    }
    return RecordStatus(gdip::GdipSaveImageToFile(GetNative(), path.c_str(), &encoder, nullptr));
}

UINT Image::GetWidth() const {
    UINT width = 0;
    return RecordStatus(gdip::GdipGetImageWidth(GetNative(), &width)) ? width : 0;
}

UINT Image::GetHeight() const {
    UINT height = 0;
    return RecordStatus(gdip::GdipGetImageHeight(GetNative(), &height)) ? height : 0;
}

Gdiplus::PixelFormat Image::GetPixelFormat() const {
    Gdiplus::PixelFormat format = 0;
    return RecordStatus(gdip::GdipGetImagePixelFormat(GetNative(), &format)) ? format : 0;
}

bool Image::Dispose() {
    if (IsEmpty()) return false;
    const bool ok = DeleteNative();
    source_.Release();
    return ok;
}

bool Bitmap::CreateFromFile(const std::wstring& path, bool useColourManagement) {
    Reset();
    source_.Release();
    gdip::GpBitmap* made = nullptr;
    const auto status = useColourManagement ? gdip::GdipCreateBitmapFromFileICM(path.c_str(), &made)
                                            : gdip::GdipCreateBitmapFromFile(path.c_str(), &made);
    return Fill(status, made);
}

bool Bitmap::CreateFromBytes(std::span<const BYTE> bytes, bool useColourManagement) {
    Reset();
    source_.Fill(bytes);
    gdip::GpBitmap* made = nullptr;
    const auto status = useColourManagement ? gdip::GdipCreateBitmapFromStreamICM(source_.Stream(), &made)
                                            : gdip::GdipCreateBitmapFromStream(source_.Stream(), &made);
    return FillFromStream(status, made);
}

bool Bitmap::CreateEmpty(int width, int height, Gdiplus::PixelFormat format) {
    Reset();
    source_.Release();
    gdip::GpBitmap* made = nullptr;
    return Fill(gdip::GdipCreateBitmapFromScan0(width, height, 0, format, nullptr, &made), made);
}

bool Bitmap::CreateFromIcon(HICON icon) {
    Reset();
    source_.Release();
    gdip::GpBitmap* made = nullptr;
    return Fill(gdip::GdipCreateBitmapFromHICON(icon, &made), made);
}

bool Bitmap::CreateFromHBitmap(HBITMAP bitmap) {
    Reset();
    source_.Release();
    gdip::GpBitmap* made = nullptr;
    return Fill(gdip::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &made), made);
}

GdiHandle<HBITMAP> Bitmap::ToHBitmap(gdip::ARGB background) const {
    HBITMAP made = nullptr;
    if (!RecordStatus(gdip::GdipCreateHBITMAPFromBitmap(GetNativeBitmap(), &made, background))) return {};
    return GdiHandle<HBITMAP>(made);
}

gdip::ARGB Bitmap::GetPixel(int x, int y) const {
    gdip::ARGB colour = 0;
    return RecordStatus(gdip::GdipBitmapGetPixel(GetNativeBitmap(), x, y, &colour)) ? colour : 0;
}

bool Bitmap::SetPixel(int x, int y, gdip::ARGB colour) {
    return RecordStatus(gdip::GdipBitmapSetPixel(GetNativeBitmap(), x, y, colour));
}

}  // namespace kestrune
