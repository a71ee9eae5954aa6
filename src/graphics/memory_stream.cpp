#include "graphics/memory_stream.h"

#include <algorithm>
#include <cstring>

namespace kestrune {

bool MemoryStream::Fill(std::span<const BYTE> bytes) {
    if (bytes.empty()) return CreateEmpty();
    Release();
    block_ = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size());
    if (!block_) return false;
    void* memory = GlobalLock(block_);
    if (!memory) {
        Release();
        return false;
    }
    std::memcpy(memory, bytes.data(), bytes.size());
    GlobalUnlock(block_);
    if (FAILED(CreateStreamOnHGlobal(block_, FALSE, &stream_))) {
        stream_ = nullptr;
        Release();
        return false;
    }
    ++liveMemoryStreams;
    return true;
}

bool MemoryStream::CreateEmpty() {
    Release();
    // The stream allocates (and grows) its own block; Release frees it.
    if (FAILED(CreateStreamOnHGlobal(nullptr, FALSE, &stream_))) {
        stream_ = nullptr;
        return false;
    }
    ++liveMemoryStreams;
    return true;
}

std::vector<BYTE> MemoryStream::Bytes() const {
    if (!stream_) return {};
    STATSTG status{};
    if (FAILED(stream_->Stat(&status, STATFLAG_NONAME))) return {};
    HGLOBAL block = nullptr;
    if (FAILED(GetHGlobalFromStream(stream_, &block))) return {};
    const SIZE_T size = std::min<SIZE_T>(GlobalSize(block), static_cast<SIZE_T>(status.cbSize.QuadPart));
    const auto* memory = static_cast<const BYTE*>(GlobalLock(block));
    if (!memory) return {};
    std::vector<BYTE> bytes(memory, memory + size);
    GlobalUnlock(block);
    return bytes;
}

void MemoryStream::Release() {
    if (stream_) {
        // The stream may have moved its memory: free the block it holds now.
        HGLOBAL current = nullptr;
        if (SUCCEEDED(GetHGlobalFromStream(stream_, &current)) && current) block_ = current;
        stream_->Release();
        stream_ = nullptr;
        --liveMemoryStreams;
    }
    if (block_) {
        GlobalFree(block_);
        block_ = nullptr;
    }
}

}  // namespace kestrune
