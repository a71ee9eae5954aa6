#include "skin/main_window_proc.h"

namespace kestrune {

// Deactivation trims nothing until the trim helper is carried.
void TrimWorkingSet() {}

}  // namespace kestrune
