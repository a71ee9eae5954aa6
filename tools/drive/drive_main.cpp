// kestrune-drive: starts Kestrune, presses every query button in order, prints
// each button's caption and report, saves a screenshot and closes the program.
//   kestrune-drive [screenshot.png]
#include "remote_panel.h"
#include "toolkit/text.h"

#include <cstdio>

namespace {

void Print(std::wstring_view text) {
    std::string bytes = kestrune::ToUtf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    using namespace kestrune;
    remote::RemoteProgram program;
    if (!program.Start(remote::SiblingPath(L"kestrune.exe"))) {
        Print(L"kestrune-drive: the program did not open its window\n");
        return 1;
    }
    int status = 0;
    for (const QueryButton& button : QUERY_BUTTONS) {
        HWND control = MainFormControl(program.window(), button.button);
        std::optional<std::wstring> report = remote::PressQueryButton(program.window(), button);
        if (!report) status = 1;
        Print(L"== " + GetWindowTextString(control) + L" ==\n" + report.value_or(L"(no answer in time)") + L"\n\n");
        std::fflush(stdout);
    }
    if (argc > 1) {
        Sleep(300);  // let the last repaints reach the screen
        if (remote::SaveWindowScreenshot(program.window(), argv[1])) {
            Print(L"screenshot saved\n");
        } else {
            Print(L"kestrune-drive: the screenshot could not be saved\n");
            status = 1;
        }
    }
    long exitCode = program.Close();
    return exitCode == 0 ? status : 1;
}
