#include "support/wmi_fixture.h"

#include "panel/query_catalogue.h"
#include "panel/query_runner.h"
#include "toolkit/automation.h"

#include <algorithm>

namespace kestrune::testing {

namespace {

constexpr const wchar_t* FIXTURE_CLASSES = LR"vbs(
Class FixtureProperty
    Public Value
End Class

Class FixtureObject
    Private Pairs
    Public Sub Init(Values)
        Pairs = Values
    End Sub
    Public Function Properties_()
        Set Properties_ = Me
    End Function
    Public Function Item(Name)
        Dim I, Found
        For I = 0 To UBound(Pairs) Step 2
            If Pairs(I) = Name Then
                Set Found = New FixtureProperty
                Found.Value = Pairs(I + 1)
                Set Item = Found
                Exit Function
            End If
        Next
        Err.Raise 438
    End Function
End Class

Function NewFixtureObject(Values)
    Dim Made
    Set Made = New FixtureObject
    Made.Init Values
    Set NewFixtureObject = Made
End Function

Class FixtureWmi
    Public Fails
    Public Function InstancesOf(ClassName)
        If Fails Then Err.Raise 462
        Set InstancesOf = FixtureInstancesOf(ClassName)
    End Function
End Class
)vbs";

void ReplaceAll(std::wstring& text, std::wstring_view from, std::wstring_view to) {
    for (std::size_t at = text.find(from); at != std::wstring::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

}  // namespace

std::wstring ScriptWithFixture(const std::vector<FixtureInstance>& instances, bool serviceFails) {
    std::wstring script(QUERY_SCRIPT);
    ReplaceAll(script, WMI_MONIKER_CALL, L"FixtureService");
    script += FIXTURE_CLASSES;
    // A dictionary's keys enumerate in insertion order, as For Each needs.
    script += L"\nFunction FixtureInstancesOf(ClassName)\n    Dim Found\n"
              L"    Set Found = CreateObject(\"Scripting.Dictionary\")\n";
    for (const FixtureInstance& instance : instances) {
        std::wstring properties = instance.properties;  // one statement: one line
        std::replace(properties.begin(), properties.end(), L'\n', L' ');
        script += L"    If ClassName = \"" + instance.wmiClass + L"\" Then Found.Add NewFixtureObject(Array(" +
                  properties + L")), 0\n";
    }
    script += L"    Set FixtureInstancesOf = Found\nEnd Function\n";
    script += L"Dim FixtureService\nSet FixtureService = New FixtureWmi\n";
    script += serviceFails ? L"FixtureService.Fails = True\n" : L"FixtureService.Fails = False\n";
    return script;
}

std::wstring RunGetTrait(const std::wstring& script, const std::wstring& name) {
    AutomationObject host = AutomationObject::CreateByProgId(SCRIPT_HOST_PROGID);
    host.PutProperty(L"Language", L"VBScript");
    host.CallMethod(L"ExecuteStatement", {script}, nullptr);
    Variant answer;
    host.CallMethod(L"Run", {L"GetTrait", name}, answer.get());
    return VariantToText(answer.value());
}

}  // namespace kestrune::testing
