// How many more GDI objects this process could make, to catch leaked handles
// where GetGuiResources does not count them (Wine answers 0).
#pragma once

namespace kestrune::testing {

// Fills the process's GDI handle table with brushes until it refuses one,
// deletes them again and returns how many it took. A routine that leaks n
// objects lowers the answer by n. Nothing else may make GDI objects on this
// thread's process while it runs.
int FreeGdiHandles();

}  // namespace kestrune::testing
