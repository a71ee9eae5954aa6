// Test entry point: OLE and GDI+ are running on the test thread, as in the program.
#include "graphics/gdiplus_session.h"
#include "toolkit/runtime.h"

#include <gtest/gtest.h>

int wmain(int argc, wchar_t** argv) {
    kestrune::OleSession ole;
    kestrune::GdiplusSession gdiplus;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
