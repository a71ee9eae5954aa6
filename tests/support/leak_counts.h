// What a routine may leave behind: GDI+ objects of the graphics layer, memory
// DCs in the skin's registry, and GDI objects of any kind.
#pragma once

#include <ostream>

namespace kestrune::testing {

// How many more GDI objects this process could make, to catch leaked handles
// where GetGuiResources does not count them (Wine answers 0). Fills the
// process's GDI handle table with brushes until it refuses one, deletes them
// again and returns how many it took: a routine that leaks n objects lowers
// the answer by n. Nothing else may make GDI objects while it runs.
int FreeGdiHandles();

struct LeakCounts {
    int liveGdiplusObjects = 0;
    int registeredMemoryDcs = 0;
    int freeGdiHandles = 0;

    static LeakCounts Now();
    bool operator==(const LeakCounts&) const = default;
};

inline void PrintTo(const LeakCounts& counts, std::ostream* out) {
    *out << "{GDI+ objects " << counts.liveGdiplusObjects << ", memory DCs " << counts.registeredMemoryDcs
         << ", free GDI handles " << counts.freeGdiHandles << "}";
}

}  // namespace kestrune::testing
