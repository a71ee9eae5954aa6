// The working-set trim on deactivation, and the carried helper program itself.
#include "caption_test_window.h"
#include "skin/carried_pictures.h"
#include "skin/main_window_proc.h"
#include "skin/working_set_trim.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrune {
namespace {

using namespace caption_testing;

std::vector<BYTE> ReadWholeFile(const std::wstring& path) {
    std::vector<BYTE> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) read = 0;
    bytes.resize(read);
    CloseHandle(file);
    return bytes;
}

// Runs a program with a command line and returns its exit code.
DWORD RunProgram(const std::wstring& program, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return 0xDEAD;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 0xDEAD;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

std::wstring WindowsDirectory() {
    wchar_t directory[MAX_PATH] = {};
    GetWindowsDirectoryW(directory, MAX_PATH);
    return directory;
}

class Deactivation : public ::testing::Test {
protected:
    void SetUp() override {
        firstSizePending = false;
        lastTrimOutcome = {};
        const DWORD length = GetEnvironmentVariableW(L"windir", savedWindir_, MAX_PATH);
        ASSERT_GT(length, 0u);
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"windir", savedWindir_);
        windows_.DestroyAll();
    }
    void Deactivate(HWND window) { SendMessageW(window, WM_ACTIVATEAPP, FALSE, 0); }

    wchar_t savedWindir_[MAX_PATH] = {};
    testing::TestWindows windows_;
};

TEST_F(Deactivation, WritesTheHelperToTheWindowsDirectoryAndRunsItOnThisProcess) {
    const std::wstring helper = WindowsDirectory() + L"\\empty.exe";
    DeleteFileW(helper.c_str());
    ASSERT_EQ(GetFileAttributesW(helper.c_str()), INVALID_FILE_ATTRIBUTES);
    HWND window = CreateSkinnedWindow(windows_);
    RecordOf(window).active = true;

    Deactivate(window);
    EXPECT_FALSE(RecordOf(window).active);
    EXPECT_EQ(lastTrimOutcome.programPath, helper);
    EXPECT_TRUE(lastTrimOutcome.written);
    const std::span<const BYTE> carried = ResourceBytes(TRIM_PROGRAM_IMAGE);
    ASSERT_FALSE(carried.empty());
    EXPECT_EQ(ReadWholeFile(helper), std::vector<BYTE>(carried.begin(), carried.end()));
    EXPECT_TRUE(lastTrimOutcome.started);
    EXPECT_EQ(lastTrimOutcome.commandLine, helper + L" " + std::to_wstring(GetCurrentProcessId()));
    EXPECT_EQ(lastTrimOutcome.exitCode, 0u);

    // Present now: run again, not written again.
    Deactivate(window);
    EXPECT_FALSE(lastTrimOutcome.written);
    EXPECT_TRUE(lastTrimOutcome.started);
    EXPECT_EQ(lastTrimOutcome.exitCode, 0u);
}

TEST_F(Deactivation, AWindowsDirectoryThatDoesNotExistChangesNothingElse) {
    ASSERT_TRUE(SetEnvironmentVariableW(L"windir", L"C:\\kestrune-no-such-directory"));
    HWND window = CreateSkinnedWindow(windows_);
    RecordOf(window).active = true;
    Deactivate(window);
    EXPECT_FALSE(RecordOf(window).active);
    EXPECT_FALSE(lastTrimOutcome.written);
    EXPECT_FALSE(lastTrimOutcome.started);
    EXPECT_EQ(GetFileAttributesW(L"C:\\kestrune-no-such-directory"), INVALID_FILE_ATTRIBUTES);
    SendMessageW(window, WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_TRUE(RecordOf(window).active);
}

TEST(TrimHelper, ExitsWithZeroOnlyWhenItTrimmedTheGivenProcess) {
    const std::wstring helper = testing_pictures::BesideTestProgram(L"trim-helper-copy.exe");
    const std::span<const BYTE> carried = ResourceBytes(TRIM_PROGRAM_IMAGE);
    ASSERT_TRUE(testing_pictures::WriteFileBytes(helper, carried));
    const struct {
        std::wstring arguments;
        bool trimmed;
    } cases[] = {
        {std::to_wstring(GetCurrentProcessId()), true},
        {L"", false},
        {L"12abc", false},
        {L"4000000000", false},  // no such process
    };
    for (const auto& c : cases) {
        const DWORD exitCode = RunProgram(helper, c.arguments);
        EXPECT_NE(exitCode, 0xDEADu);
        EXPECT_EQ(exitCode == 0, c.trimmed) << "arguments \"" << ::testing::PrintToString(c.arguments) << "\"";
    }
    DeleteFileW(helper.c_str());
}

}  // namespace
}  // namespace kestrune
