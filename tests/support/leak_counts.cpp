#include "support/leak_counts.h"

#include "graphics/native_object.h"
#include "skin/canvas.h"

#include <windows.h>

#include <vector>

namespace kestrune::testing {

int FreeGdiHandles() {
    // Far above both Windows' per-process quota (10,000) and Wine's table (64K).
    constexpr std::size_t LIMIT = 100000;
    std::vector<HBRUSH> brushes;
    brushes.reserve(LIMIT);
    while (brushes.size() < LIMIT) {
        HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        if (!brush) break;
        brushes.push_back(brush);
    }
    for (HBRUSH brush : brushes) DeleteObject(brush);
    return static_cast<int>(brushes.size());
}

LeakCounts LeakCounts::Now() { return {kestrune::liveGdiplusObjects, RegisteredMemoryDcCount(), FreeGdiHandles()}; }

}  // namespace kestrune::testing
