// What every object of the graphics layer shares: the one last-status value,
// and ownership of one native GDI+ object.
#pragma once

#include "graphics/gdiplus_api.h"

#include <cstddef>
#include <cstdint>
#include <utility>

namespace kestrune {

// Status of the most recent flat GDI+ call made through the layer (0 = Ok).
// Every method overwrites it; nothing resets it.
inline Gdiplus::Status lastStatus = Gdiplus::Ok;

// Native GDI+ objects the layer holds right now, for leak checks (GDI's own
// object counts are not available under Wine).
inline int liveGdiplusObjects = 0;

// Stores status in lastStatus; true when it is Ok.
inline bool RecordStatus(Gdiplus::Status status) {
    lastStatus = status;
    return status == Gdiplus::Ok;
}

// Owns at most one native object. Empty -> filled by a creation call ->
// emptied by the delete call; it can be filled again. A filled object still
// held when the wrapper dies is released then.
template <typename Native, auto ReleaseNative>
class NativeObject {
public:
    NativeObject() = default;
    ~NativeObject() { Reset(); }
    NativeObject(const NativeObject&) = delete;
    NativeObject& operator=(const NativeObject&) = delete;
    NativeObject(NativeObject&& other) noexcept : native_(std::exchange(other.native_, nullptr)) {}
    NativeObject& operator=(NativeObject&& other) noexcept {
        if (this != &other) {
            Reset();
            native_ = std::exchange(other.native_, nullptr);
        }
        return *this;
    }

    bool IsEmpty() const { return native_ == nullptr; }
    Native* GetNative() const { return native_; }
    std::uintptr_t GetHandle() const { return reinterpret_cast<std::uintptr_t>(native_); }
    // Takes ownership of a native object made elsewhere (null empties the wrapper).
    void SetHandle(Native* native) {
        Reset();
        native_ = native;
        if (native_) ++liveGdiplusObjects;
    }

    static void* AllocMemory(std::size_t size) { return Gdiplus::DllExports::GdipAlloc(size); }
    static void FreeMemory(void* memory) { Gdiplus::DllExports::GdipFree(memory); }

protected:
    // The explicit delete: false without a flat call when already empty.
    bool DeleteNative() {
        if (!native_) return false;
        --liveGdiplusObjects;
        return RecordStatus(ReleaseNative(std::exchange(native_, nullptr)));
    }
    // Stores the result of a creation call; a previous object is released first.
    // made is taken by reference: it is read only after the call has written it.
    template <typename Made>
    bool Fill(Gdiplus::Status status, Made* const& made) {
        SetHandle(status == Gdiplus::Ok ? made : nullptr);
        return RecordStatus(status);
    }
    void Reset() {
        if (!native_) return;
        --liveGdiplusObjects;
        ReleaseNative(std::exchange(native_, nullptr));
    }

private:
    Native* native_ = nullptr;
};

}  // namespace kestrune
