// GDI+ running for the life of the holder: made once at start-up, before any
// object of the graphics layer.
#pragma once

#include "graphics/gdiplus_api.h"

namespace kestrune {

class GdiplusSession {
public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input{};
        input.GdiplusVersion = 1;
        ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession() {
        if (ok_) Gdiplus::GdiplusShutdown(token_);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool IsRunning() const { return ok_; }

private:
    ULONG_PTR token_ = 0;
    bool ok_ = false;
};

}  // namespace kestrune
