#include "skin/working_set_trim.h"

#include "skin/carried_pictures.h"
#include "skin/main_window_proc.h"

#include <span>
#include <string>

namespace kestrune {
namespace {

// A kernel handle closed with its holder.
class KernelHandle {
public:
    explicit KernelHandle(HANDLE handle) : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    ~KernelHandle() {
        if (handle_) CloseHandle(handle_);
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;
    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HANDLE handle_;
};

bool WriteWholeFile(const std::wstring& path, std::span<const BYTE> bytes) {
    bool complete = false;
    {
        KernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        DWORD written = 0;
        complete = WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                   written == bytes.size();
    }
    if (!complete) DeleteFileW(path.c_str());  // never leave half a program to run
    return complete;
}

}  // namespace

std::wstring TrimProgramPath() {
    const DWORD length = GetEnvironmentVariableW(L"windir", nullptr, 0);
    std::wstring directory(length, L'\0');
    if (length > 0) directory.resize(GetEnvironmentVariableW(L"windir", directory.data(), length));
    return directory + L"\\empty.exe";
}

void TrimWorkingSet() {
    TrimOutcome outcome;
    outcome.programPath = TrimProgramPath();
    if (GetFileAttributesW(outcome.programPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        outcome.written = WriteWholeFile(outcome.programPath, ResourceBytes(TRIM_PROGRAM_IMAGE));
    }
    outcome.commandLine = outcome.programPath + L" " + std::to_wstring(GetCurrentProcessId());
    std::wstring commandLine = outcome.commandLine;  // CreateProcessW may write to it
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    outcome.started = CreateProcessW(outcome.programPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                     nullptr, nullptr, &startup, &process) != 0;
    if (outcome.started) {
        KernelHandle thread(process.hThread);
        KernelHandle helper(process.hProcess);
        WaitForSingleObject(helper.Get(), INFINITE);
        GetExitCodeProcess(helper.Get(), &outcome.exitCode);
    }
    lastTrimOutcome = std::move(outcome);
}

}  // namespace kestrune
