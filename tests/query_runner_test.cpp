// QueryCategory against this machine's WMI, and the runner's own rules.
#include "panel/query_catalogue.h"
#include "panel/query_runner.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"

#include <wbemidl.h>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace kestrune {
namespace {

// ---- WMI asked directly, to compare the reports with -------------------------

template <typename T>
struct ComPtr {
    T* p = nullptr;
    ~ComPtr() {
        if (p) p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

class DirectWmi {
public:
    DirectWmi() {
        ComPtr<IWbemLocator> locator;
        if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                    reinterpret_cast<void**>(&locator)))) {
            return;
        }
        BSTR space = SysAllocString(L"root\\cimv2");
        locator->ConnectServer(space, nullptr, nullptr, nullptr, 0, nullptr, nullptr, &services_.p);
        SysFreeString(space);
    }

    bool connected() const { return services_.p != nullptr; }

    // The first instance of the class (for which accept returns true), or null.
    template <typename Accept>
    IWbemClassObject* FirstInstance(const wchar_t* wmiClass, Accept accept) {
        ComPtr<IEnumWbemClassObject> instances;
        BSTR name = SysAllocString(wmiClass);
        HRESULT hr = services_->CreateInstanceEnum(name, WBEM_FLAG_FORWARD_ONLY, nullptr, &instances.p);
        SysFreeString(name);
        if (FAILED(hr)) return nullptr;
        for (;;) {
            IWbemClassObject* instance = nullptr;
            ULONG count = 0;
            if (instances->Next(WBEM_INFINITE, 1, &instance, &count) != WBEM_S_NO_ERROR || count == 0) return nullptr;
            if (accept(instance)) return instance;
            instance->Release();
        }
    }

private:
    ComPtr<IWbemServices> services_;
};

// A property as the script writes it: text as is, numbers in decimal, Booleans
// as True/False; null and unreadable properties as nothing.
std::optional<std::wstring> PropertyText(IWbemClassObject* instance, const wchar_t* name) {
    VARIANT value;
    VariantInit(&value);
    if (FAILED(instance->Get(name, 0, &value, nullptr, nullptr))) return std::nullopt;
    std::optional<std::wstring> text;
    if (value.vt == VT_BOOL) {
        text = value.boolVal ? L"True" : L"False";
    } else if (value.vt != VT_NULL && value.vt != VT_EMPTY) {
        VARIANT converted;
        VariantInit(&converted);
        if (SUCCEEDED(VariantChangeType(&converted, &value, 0, VT_BSTR))) text = converted.bstrVal;
        VariantClear(&converted);
    }
    VariantClear(&value);
    return text;
}

struct Line {
    const wchar_t* label;
    const wchar_t* property;
    int divisions = 0;         // times divided by 1024 before rounding
    const wchar_t* unit = L"";
    const wchar_t* secondProperty = nullptr;  // written after "×"
};

struct Category {
    int number;
    const wchar_t* wmiClass;
    std::vector<Line> lines;  // a single line with no label: the bare value
};

const std::vector<Category> CATALOGUE = {
    {1, L"Win32_ComputerSystem", {{L"", L"Name"}}},
    {2, L"Win32_BaseBoard", {{L"主板.型号:", L"Product"}}},
    {3, L"Win32_Processor", {{L"CPU.序列号:", L"ProcessorId"}}},
    {4, L"Win32_DiskDrive", {{L"硬盘.型号:", L"Model"}, {L"硬盘.介质类型:", L"MediaType"}, {L"硬盘.制造商:", L"Manufacturer"},
                              {L"硬盘.描述:", L"Description"}, {L"硬盘.磁头柱面数:", L"TotalCylinders"},
                              {L"硬盘.磁头数:", L"TotalHeads"}, {L"硬盘.磁道扇区:", L"SectorsPerTrack"},
                              {L"硬盘.大小:", L"Size", 3, L"GB"}}},
    {5, L"Win32_PhysicalMedia", {{L"硬盘.序列号:", L"SerialNumber"}}},
    {6, L"Win32_SoundDevice", {{L"声卡.型号:", L"Caption"}, {L"声卡.描述:", L"Description"}, {L"声卡.名称:", L"Name"},
                                {L"声卡.制造商:", L"Manufacturer"}}},
    {7, L"Win32_VideoController", {{L"显卡.型号:", L"Caption"},
                                    {L"显卡.当前屏幕分辨率:", L"CurrentHorizontalResolution", 0, L"", L"CurrentVerticalResolution"},
                                    {L"显卡.视频构架:", L"VideoArchitecture"}, {L"显卡.存储器类型:", L"VideoMemoryType"},
                                    {L"显卡.显存:", L"AdapterRAM", 2, L"MB"}, {L"显卡.当前位像素:", L"CurrentBitsPerPixel"},
                                    {L"显卡.名称:", L"Description"}, {L"显卡.最大刷新率:", L"MaxRefreshRate"},
                                    {L"显卡.最低刷新率:", L"MinRefreshRate"}, {L"显卡.适配器DAC类型:", L"AdapterDACType"},
                                    {L"显卡.视频处理器型号:", L"VideoProcessor"}}},
    {8, L"Win32_BIOS", {{L"BIOS.版本号:", L"Name"}, {L"BIOS.制造商:", L"Manufacturer"}, {L"BIOS.安装日期:", L"InstallDate"},
                         {L"BIOS.标题:", L"Caption"}, {L"BIOS.序列号:", L"SerialNumber"},
                         {L"BIOS.SMBIOS的BIOS版本:", L"SMBIOSBIOSVersion"}, {L"BIOS.基本的BIOS:", L"PrimaryBIOS"}}},
    {9, L"Win32_LogicalMemoryConfiguration", {{L"内存.大小:", L"TotalPhysicalMemory", 1, L"MB"}}},
    {10, L"Win32_NetworkAdapterConfiguration", {{L"", L"MACAddress"}}},
    {11, L"Win32_CDROMDrive", {{L"光驱.盘符:", L"Drive"}, {L"光驱.类型:", L"Manufacturer"}, {L"光驱.描述:", L"Description"},
                               {L"光驱.厂家及型号:", L"Caption"}}},
    {12, L"Win32_OperatingSystem", {{L"操作系统.名称及位置:", L"Name"}, {L"操作系统.类型:", L"OSType"},
                                    {L"操作系统.代码集:", L"CodeSet"}, {L"操作系统.安装日期:", L"InstallDate"},
                                    {L"操作系统.分页文件大小:", L"SizeStoredInPagingFiles"}, {L"操作系统.名称:", L"Caption"},
                                    {L"操作系统.内存大小:", L"TotalVisibleMemorySize", 1, L"MB"}}},
    {13, L"Win32_CacheMemory", {{L"高速缓存.级别:", L"Level"}, {L"高速缓存.写入策略:", L"WritePolicy"},
                                {L"高速缓存.正确的错误:", L"ErrorCorrectType"}, {L"高速缓存.缓存类型:", L"CacheType"},
                                {L"高速缓存.结合力:", L"Associativity"}, {L"高速缓存.更换政策:", L"ReplacementPolicy"}}},
    {14, L"Win32_SystemSlot", {{L"系统插槽.名称:", L"SlotDesignation"}, {L"系统插槽.最大数据宽度:", L"MaxDataWidth"}}},
};

std::wstring LineText(IWbemClassObject* instance, const Line& line) {
    std::wstring value = PropertyText(instance, line.property).value_or(L"");
    if (line.divisions > 0 && !value.empty()) {
        double scaled = std::stod(value);
        for (int i = 0; i < line.divisions; ++i) scaled /= 1024;
        value = std::to_wstring(static_cast<long long>(std::nearbyint(scaled)));  // ties to even
    }
    if (line.secondProperty) value += L"\u00D7" + PropertyText(instance, line.secondProperty).value_or(L"");
    return line.label + value + line.unit;
}

// The report built from WMI directly; nullopt when the class has no instance here.
std::optional<std::wstring> ExpectedReport(DirectWmi& wmi, const Category& category) {
    auto accept = [&](IWbemClassObject* instance) {
        return category.number != 10 || PropertyText(instance, L"IPEnabled") == L"True";
    };
    IWbemClassObject* instance = wmi.FirstInstance(category.wmiClass, accept);
    if (!instance) return std::nullopt;
    std::wstring report;
    for (const Line& line : category.lines) {
        if (!report.empty()) report += L"\r\n";
        report += LineText(instance, line);
    }
    instance->Release();
    return report;
}

TEST(QueryCategoryOnThisMachine, AgreesLineByLineWithWmiAskedDirectly) {
    DirectWmi wmi;
    ASSERT_TRUE(wmi.connected());
    int reported = 0;
    for (const Category& category : CATALOGUE) {
        SCOPED_TRACE(::testing::Message() << "category " << category.number);
        std::wstring report = QueryCategory(category.number);
        std::optional<std::wstring> expected = ExpectedReport(wmi, category);
        if (!expected) {
            EXPECT_EQ(report, L"") << "no instance here, so no report";
            continue;
        }
        ++reported;
        EXPECT_EQ(report, *expected);
        EXPECT_FALSE(report.empty());
        if (category.lines.front().label[0]) {
            EXPECT_EQ(report.rfind(category.lines.front().label, 0), 0u) << "starts with its label";
        }
        EXPECT_EQ(report, TrimBlanks(report)) << "no blanks at either end";
    }
    EXPECT_GE(reported, 5) << "this machine's WMI answers most categories";
}

TEST(QueryCategoryOnThisMachine, LeftOutCategoryIsTheComputerName) {
    EXPECT_EQ(QueryCategory(), QueryCategory(1));
    EXPECT_FALSE(QueryCategory().empty());
}

TEST(QueryCategory, UnavailableScriptHostGivesEmptyText) {
    for (int category : {1, 7, 14}) {
        EXPECT_EQ(QueryCategoryWith(L"Kestrune.NoSuchScriptHost", QUERY_SCRIPT, category), L"");
    }
}

struct AnswerCase {
    const char* id;
    const wchar_t* expression;  // what GetTrait returns, in VBScript
    const wchar_t* text;
};

void PrintTo(const AnswerCase& c, std::ostream* out) { *out << c.id; }

class ScriptAnswer : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(ScriptAnswer, BecomesTrimmedText) {
    std::wstring script = L"Function GetTrait(P)\r\n    GetTrait = " + std::wstring(GetParam().expression) + L"\r\nEnd Function\r\n";
    EXPECT_EQ(QueryCategoryWith(SCRIPT_HOST_PROGID, script, 4), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Answers, ScriptAnswer, ::testing::Values(
    AnswerCase{"Blanks", L"\"  a  b \"", L"a  b"},
    AnswerCase{"IdeographicSpaces", L"\"\u3000 x\u3000\"", L"x"},
    AnswerCase{"LineBreaksAndTabsStay", L"\"a\" & vbCrLf & \"b\" & vbTab & vbCrLf", L"a\r\nb\t\r\n"},
    AnswerCase{"Number", L"42", L"42"},
    AnswerCase{"Boolean", L"True", L"True"},
    AnswerCase{"Null", L"Null", L""},
    AnswerCase{"Empty", L"Empty", L""},
    AnswerCase{"NameOfTheCategory", L"P", L"硬盘"}),
    [](const auto& info) { return std::string(info.param.id); });

TEST(QueryCategoryDeathTest, OutOfRangeCategoryIsAFatalIndexError) {
    for (int category : {0, 15}) {
        EXPECT_EXIT(
            {
                SetFatalErrorPresenter(PresentOnStandardError);
                QueryCategory(category);
            },
            ::testing::ExitedWithCode(FATAL_EXIT_CODE), "index out of range: CATEGORY_NAMES");
    }
}

}  // namespace
}  // namespace kestrune
