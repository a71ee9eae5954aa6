#include "panel/query_runner.h"

#include "panel/query_catalogue.h"
#include "toolkit/automation.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"

#include <algorithm>
#include <array>

namespace kestrune {

std::wstring QueryCategory(int category) {
    return QueryCategoryWith(SCRIPT_HOST_PROGID, QUERY_SCRIPT, category);
}

std::wstring QueryCategoryWith(const wchar_t* hostProgId, std::wstring_view script, int category) {
    std::array<std::wstring, CATEGORY_COUNT> names;
    std::copy(CATEGORY_NAMES.begin(), CATEGORY_NAMES.end(), names.begin());

    AutomationObject host = AutomationObject::CreateByProgId(hostProgId);
    host.PutProperty(L"Language", L"VBScript");
    host.CallMethod(L"ExecuteStatement", {script}, nullptr);

    // Let the window repaint and stay responsive before WMI is asked.
    PumpWaitingMessages();

    const std::wstring& name = At1(names, category, L"CATEGORY_NAMES");
    Variant answer;
    host.CallMethod(L"Run", {L"GetTrait", name}, answer.get());
    std::wstring text = VariantToText(answer.value());
    answer.Clear();
    return TrimBlanks(text);
}

}  // namespace kestrune
