// Test entry point: OLE is running on the test thread, as in the program.
#include "toolkit/runtime.h"

#include <gtest/gtest.h>

int wmain(int argc, wchar_t** argv) {
    kestrune::OleSession ole;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
