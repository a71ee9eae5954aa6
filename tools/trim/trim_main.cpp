// The working-set trim helper Kestrune carries: given the decimal id of a
// process, it trims that process's working set. Exit code 0 when trimmed,
// 1 for a missing or malformed id, 2 when the process cannot be opened, 3
// when the trim fails.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 1;
    wchar_t* end = nullptr;
    const unsigned long id = std::wcstoul(argv[1], &end, 10);
    if (end == argv[1] || *end != L'\0' || id == 0) return 1;
    HANDLE process = OpenProcess(PROCESS_SET_QUOTA | PROCESS_QUERY_INFORMATION, FALSE, id);
    if (!process) return 2;
    const BOOL trimmed = SetProcessWorkingSetSize(process, static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
    CloseHandle(process);
    return trimmed ? 0 : 3;
}
