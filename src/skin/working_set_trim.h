// The working-set trim run each time the application is deactivated: the
// carried helper is written to the Windows directory when missing and run
// hidden with this process's id.
#pragma once

#include <windows.h>

#include <string>

namespace kestrune {

// What the last trim did; failures are not reported otherwise.
struct TrimOutcome {
    std::wstring programPath;
    bool written = false;  // the helper was missing and has been written
    bool started = false;
    std::wstring commandLine;
    DWORD exitCode = STILL_ACTIVE;
};

inline TrimOutcome lastTrimOutcome;

// "%windir%\empty.exe".
std::wstring TrimProgramPath();

}  // namespace kestrune
