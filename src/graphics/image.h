// Images and bitmaps: pictures loaded from files or bytes, made empty,
// drawn on, read pixel by pixel and encoded back into bytes.
#pragma once

#include "graphics/gdi_handle.h"
#include "graphics/memory_stream.h"
#include "graphics/native_object.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

// Image format ids in the braced text form StringFromGUID2 writes.
inline constexpr std::wstring_view PNG_FORMAT_ID = L"{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr std::wstring_view BMP_FORMAT_ID = L"{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";

class Image : public NativeObject<gdip::GpImage, &gdip::GdipDisposeImage> {
public:
    Image() = default;
    // The native image goes first: GDI+ may still read from its stream.
    ~Image() { Reset(); }
    Image(Image&&) noexcept = default;
    Image& operator=(Image&& other) noexcept {
        if (this != &other) {
            Reset();  // the native image before the stream it reads from
            NativeObject::operator=(std::move(other));
            source_ = std::move(other.source_);
        }
        return *this;
    }

    bool LoadFromFile(const std::wstring& path, bool useColourManagement = false);
    // The image keeps a copy of the bytes in its own stream while it lives.
    bool LoadFromBytes(std::span<const BYTE> bytes, bool useColourManagement = false);

    // Encodes with the installed encoder whose format id is formatId (the
    // image's own raw format when empty). Empty on failure.
    std::vector<BYTE> SaveToBytes(std::wstring_view formatId = {},
                                  std::span<const Gdiplus::EncoderParameter> parameters = {}) const;
    // Saves to a file; the format defaults to BMP.
    bool SaveToFile(const std::wstring& path, std::wstring_view formatId = BMP_FORMAT_ID) const;

    UINT GetWidth() const;
    UINT GetHeight() const;
    Gdiplus::PixelFormat GetPixelFormat() const;

    // Releases the image and its stream; false on an empty object.
    bool Dispose();

protected:
    bool FillFromStream(Gdiplus::Status status, gdip::GpImage* const& made);

    MemoryStream source_;
};

class Bitmap : public Image {
public:
    bool CreateFromFile(const std::wstring& path, bool useColourManagement = false);
    bool CreateFromBytes(std::span<const BYTE> bytes, bool useColourManagement = false);
    // Stride 0 and no scan lines: GDI+ owns the pixels.
    bool CreateEmpty(int width, int height, Gdiplus::PixelFormat format = PixelFormat32bppARGB);
    bool CreateFromIcon(HICON icon);
    // A copy of a GDI bitmap's pixels; the GDI bitmap stays the caller's.
    bool CreateFromHBitmap(HBITMAP bitmap);

    // A GDI bitmap of the picture over background (null on failure).
    GdiHandle<HBITMAP> ToHBitmap(gdip::ARGB background) const;

    gdip::ARGB GetPixel(int x, int y) const;  // 0 on failure
    bool SetPixel(int x, int y, gdip::ARGB colour);

    gdip::GpBitmap* GetNativeBitmap() const { return static_cast<gdip::GpBitmap*>(GetNative()); }
};

}  // namespace kestrune
