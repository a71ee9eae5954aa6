// The engine's start-up: GDI+, the application icon and the skin defaults,
// run once before the first window is created.
#pragma once

#include <windows.h>

namespace kestrune {

// The GDI+ token of the start-up, 0 when GDI+ is not running.
inline ULONG_PTR graphicsToken = 0;
// The title icon of skinned windows (shared: never destroyed).
inline HICON applicationIcon = nullptr;

// GdiplusStartup with the given version and no output structure; 0 on failure.
ULONG_PTR StartGraphics(UINT32 version = 1);
void ShutdownGraphics(ULONG_PTR token);

void InitSkinEngine();

// The engine running for the life of the holder: InitSkinEngine on creation,
// GDI+ shut down again at the end.
class SkinEngineSession {
public:
    SkinEngineSession() { InitSkinEngine(); }
    ~SkinEngineSession() {
        ShutdownGraphics(graphicsToken);
        graphicsToken = 0;
    }
    SkinEngineSession(const SkinEngineSession&) = delete;
    SkinEngineSession& operator=(const SkinEngineSession&) = delete;
    bool IsRunning() const { return graphicsToken != 0; }
};

}  // namespace kestrune
