// Ownership of one GDI object (bitmap, brush, font, region...).
#pragma once

#include <windows.h>

#include <utility>

namespace kestrune {

template <typename Handle>
class GdiHandle {
public:
    GdiHandle() = default;
    explicit GdiHandle(Handle handle) : handle_(handle) {}
    ~GdiHandle() { Reset(); }
    GdiHandle(const GdiHandle&) = delete;
    GdiHandle& operator=(const GdiHandle&) = delete;
    GdiHandle(GdiHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiHandle& operator=(GdiHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle Release() { return std::exchange(handle_, nullptr); }
    void Reset(Handle handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

}  // namespace kestrune
