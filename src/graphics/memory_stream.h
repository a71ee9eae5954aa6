// A block of global memory seen as an IStream, for pictures held in memory.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <span>
#include <utility>
#include <vector>

namespace kestrune {

// Streams held right now, for leak checks.
inline int liveMemoryStreams = 0;

class MemoryStream {
public:
    MemoryStream() = default;
    ~MemoryStream() { Release(); }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;
    MemoryStream(MemoryStream&& other) noexcept
        : block_(std::exchange(other.block_, nullptr)), stream_(std::exchange(other.stream_, nullptr)) {}
    MemoryStream& operator=(MemoryStream&& other) noexcept {
        if (this != &other) {
            Release();
            block_ = std::exchange(other.block_, nullptr);
            stream_ = std::exchange(other.stream_, nullptr);
        }
        return *this;
    }

    // A new stream holding a copy of bytes; false (and empty) when memory or
    // the stream cannot be had. Replaces any stream held before.
    bool Fill(std::span<const BYTE> bytes);
    // A new empty stream to write into.
    bool CreateEmpty();
    // Everything written to the stream so far.
    std::vector<BYTE> Bytes() const;

    IStream* Stream() const { return stream_; }
    bool IsEmpty() const { return stream_ == nullptr; }
    // Releases the stream, then frees its memory block.
    void Release();

private:
    HGLOBAL block_ = nullptr;
    IStream* stream_ = nullptr;
};

}  // namespace kestrune
