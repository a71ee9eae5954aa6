// The query script's reports, built from fixed WMI answers instead of this machine's.
#include "support/wmi_fixture.h"

#include <gtest/gtest.h>

namespace kestrune::testing {
namespace {

// One instance per class. Properties left out of a list cannot be read, as on
// WMI providers that do not supply them; Null stands for a null value.
const std::vector<FixtureInstance> MACHINE = {
    {L"Win32_ComputerSystem", LR"v("Name", "WORKSTATION-7")v"},
    {L"Win32_baseboard", LR"v("product", "B450M")v"},
    {L"Win32_Processor", LR"v("ProcessorId", "BFEBFBFF000906EA")v"},
    {L"Win32_DiskDrive", LR"v("Model", "Disk A", "MediaType", "Fixed hard disk media", "Manufacturer", "(Standard disk drives)",
        "Description", "Disk drive", "TotalCylinders", 60801, "TotalHeads", 255, "SectorsPerTrack", 63, "Size", "500105249280")v"},
    {L"Win32_DiskDrive", LR"v("Model", "Disk B", "Size", "1000")v"},
    {L"Win32_PhysicalMedia", LR"v("SerialNumber", "WD-123")v"},
    {L"Win32_SoundDevice", LR"v("Name", "HD Audio", "Manufacturer", "Realtek")v"},
    {L"Win32_VideoController", LR"v("Caption", "GeForce", "CurrentHorizontalResolution", 1920, "CurrentVerticalResolution", 1080,
        "VideoArchitecture", 5, "VideoMemoryType", 2, "AdapterRAM", 1610612736, "CurrentBitsPerPixel", 32,
        "Description", "GeForce GT", "MaxRefreshRate", 75, "MinRefreshRate", Null, "AdapterDACType", "Integrated RAMDAC",
        "VideoProcessor", "GT 730")v"},
    {L"Win32_BIOS", LR"v("Name", "BIOS 1.0", "Manufacturer", "Acme", "InstallDate", Null, "SerialNumber", "SN-1",
        "SMBIOSBIOSVersion", "2.7", "PrimaryBIOS", True)v"},
    {L"Win32_LogicalMemoryConfiguration", LR"v("TotalPhysicalMemory", 3584)v"},
    {L"Win32_NetworkAdapterConfiguration", LR"v("IPEnabled", False, "MacAddress", "00:00:00:00:00:01")v"},
    {L"Win32_NetworkAdapterConfiguration", LR"v("IPEnabled", True, "MacAddress", "00:11:22:33:44:55")v"},
    {L"Win32_NetworkAdapterConfiguration", LR"v("IPEnabled", True, "MacAddress", "66:77:88:99:AA:BB")v"},
    {L"Win32_CDROMDrive", LR"v("Drive", "D:", "Manufacturer", "ASUS", "Description", "CD-ROM Drive", "Caption", "ASUS DRW")v"},
    {L"Win32_OperatingSystem", LR"v("Name", "Windows 7|C:\WINDOWS", "OSType", 18, "CodeSet", "936",
        "InstallDate", "20140101000000.000000+480", "Caption", "Windows 7", "TotalVisibleMemorySize", 2560)v"},
    {L"Win32_CacheMemory", LR"v("Level", 3, "WritePolicy", 2, "ErrorCorrectType", 5, "CacheType", 4,
        "Associativity", 7, "ReplacementPolicy", 1)v"},
    {L"Win32_SystemSlot", LR"v("SlotDesignation", "PCIEX16_1", "MaxDataWidth", 8)v"},
};

struct ReportCase {
    const char* id;
    const wchar_t* category;
    const wchar_t* report;
};

void PrintTo(const ReportCase& c, std::ostream* out) { *out << c.id; }

template <typename Case>
std::string CaseId(const ::testing::TestParamInfo<Case>& info) {
    return info.param.id;
}

class CategoryReport : public ::testing::TestWithParam<ReportCase> {};

TEST_P(CategoryReport, HasItsLabelsInOrderAndNoTrailingBreak) {
    static const std::wstring script = ScriptWithFixture(MACHINE);
    EXPECT_EQ(RunGetTrait(script, GetParam().category), GetParam().report);
}

// The first disk is reported; unreadable properties keep label and unit
// (硬盘.描述 is present, 声卡.型号 is not); Null values keep theirs too.
INSTANTIATE_TEST_SUITE_P(EveryCategory, CategoryReport, ::testing::Values(
    ReportCase{"ComputerName", L"计算机名", L"WORKSTATION-7"},
    ReportCase{"Baseboard", L"主板", L"主板.型号:B450M"},
    ReportCase{"Processor", L"CPUID", L"CPU.序列号:BFEBFBFF000906EA"},
    ReportCase{"DiskDrive", L"硬盘", L"硬盘.型号:Disk A\r\n硬盘.介质类型:Fixed hard disk media\r\n硬盘.制造商:(Standard disk drives)\r\n"
                       L"硬盘.描述:Disk drive\r\n硬盘.磁头柱面数:60801\r\n硬盘.磁头数:255\r\n硬盘.磁道扇区:63\r\n硬盘.大小:466GB"},
    ReportCase{"DiskSerial", L"硬盘序列号", L"硬盘.序列号:WD-123"},
    ReportCase{"Sound", L"声卡", L"声卡.型号:\r\n声卡.描述:\r\n声卡.名称:HD Audio\r\n声卡.制造商:Realtek"},
    ReportCase{"Video", L"显卡", L"显卡.型号:GeForce\r\n显卡.当前屏幕分辨率:1920×1080\r\n显卡.视频构架:5\r\n显卡.存储器类型:2\r\n"
                       L"显卡.显存:1536MB\r\n显卡.当前位像素:32\r\n显卡.名称:GeForce GT\r\n显卡.最大刷新率:75\r\n"
                       L"显卡.最低刷新率:\r\n显卡.适配器DAC类型:Integrated RAMDAC\r\n显卡.视频处理器型号:GT 730"},
    ReportCase{"Bios", L"BIOS", L"BIOS.版本号:BIOS 1.0\r\nBIOS.制造商:Acme\r\nBIOS.安装日期:\r\nBIOS.标题:\r\nBIOS.序列号:SN-1\r\n"
                        L"BIOS.SMBIOS的BIOS版本:2.7\r\nBIOS.基本的BIOS:True"},
    ReportCase{"Memory", L"内存", L"内存.大小:4MB"},
    ReportCase{"Mac", L"MAC", L"00:11:22:33:44:55"},
    ReportCase{"CdRom", L"光驱", L"光驱.盘符:D:\r\n光驱.类型:ASUS\r\n光驱.描述:CD-ROM Drive\r\n光驱.厂家及型号:ASUS DRW"},
    ReportCase{"OperatingSystem", L"操作系统", L"操作系统.名称及位置:Windows 7|C:\\WINDOWS\r\n操作系统.类型:18\r\n操作系统.代码集:936\r\n"
                          L"操作系统.安装日期:20140101000000.000000+480\r\n操作系统.分页文件大小:\r\n操作系统.名称:Windows 7\r\n"
                          L"操作系统.内存大小:2MB"},
    ReportCase{"Cache", L"高速缓存", L"高速缓存.级别:3\r\n高速缓存.写入策略:2\r\n高速缓存.正确的错误:5\r\n高速缓存.缓存类型:4\r\n"
                          L"高速缓存.结合力:7\r\n高速缓存.更换政策:1"},
    ReportCase{"SystemSlot", L"系统插槽", L"系统插槽.名称:PCIEX16_1\r\n系统插槽.最大数据宽度:8"}),
    CaseId<ReportCase>);

struct SizeCase {
    const char* id;
    const wchar_t* category;
    const wchar_t* wmiClass;
    const wchar_t* properties;
    const wchar_t* lastLine;
};

void PrintTo(const SizeCase& c, std::ostream* out) { *out << c.id; }

class SizeRounding : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeRounding, RoundsToTheNearestWithTiesToEven) {
    const SizeCase& c = GetParam();
    std::wstring report = RunGetTrait(ScriptWithFixture({{c.wmiClass, c.properties}}), c.category);
    EXPECT_EQ(report.substr(report.rfind(L'\n') + 1), c.lastLine);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SizeRounding, ::testing::Values(
    SizeCase{"DiskRoundsUp", L"硬盘", L"Win32_DiskDrive", LR"v("Size", "500105249280")v", L"硬盘.大小:466GB"},  // 465.76
    SizeCase{"DiskTieOneAndAHalf", L"硬盘", L"Win32_DiskDrive", LR"v("Size", "1610612736")v", L"硬盘.大小:2GB"},      // 1.5 → even 2
    SizeCase{"DiskTieTwoAndAHalf", L"硬盘", L"Win32_DiskDrive", LR"v("Size", "2684354560")v", L"硬盘.大小:2GB"},      // 2.5 → even 2
    SizeCase{"DiskNullSize", L"硬盘", L"Win32_DiskDrive", LR"v("Size", Null)v", L"硬盘.大小:GB"},
    SizeCase{"DiskUnreadableSize", L"硬盘", L"Win32_DiskDrive", LR"v("Model", "no size")v", L"硬盘.大小:GB"},
    SizeCase{"MemoryTieTwoAndAHalf", L"操作系统", L"Win32_OperatingSystem", LR"v("TotalVisibleMemorySize", 2560)v", L"操作系统.内存大小:2MB"},
    SizeCase{"MemoryTieThreeAndAHalf", L"操作系统", L"Win32_OperatingSystem", LR"v("TotalVisibleMemorySize", 3584)v", L"操作系统.内存大小:4MB"},
    SizeCase{"MemoryFromText", L"操作系统", L"Win32_OperatingSystem", LR"v("TotalVisibleMemorySize", "24683520")v", L"操作系统.内存大小:24105MB"}),
    CaseId<SizeCase>);

TEST(QueryScript, VideoMemoryIsDividedTwiceAndResolutionUsesTheMultiplicationSign) {
    std::wstring report = RunGetTrait(ScriptWithFixture({{L"Win32_VideoController",
        LR"v("AdapterRAM", "1610612736", "CurrentHorizontalResolution", 1920, "CurrentVerticalResolution", 1080)v"}}), L"显卡");
    EXPECT_NE(report.find(L"\r\n显卡.当前屏幕分辨率:1920\u00D71080\r\n"), std::wstring::npos) << report;
    EXPECT_NE(report.find(L"\r\n显卡.显存:1536MB\r\n"), std::wstring::npos) << report;
}

TEST(QueryScript, NamesThatAreNotCategoryKeysGiveNothing) {
    const std::wstring script = ScriptWithFixture(MACHINE);
    for (const wchar_t* name : {L"bios", L"CPU ID", L"Memory", L"", L"BIOS "}) {
        EXPECT_EQ(RunGetTrait(script, name), L"") << "name: [" << name << "]";
    }
}

TEST(QueryScript, MissingInstancesGiveNothing) {
    const std::wstring script = ScriptWithFixture({
        {L"Win32_NetworkAdapterConfiguration", LR"v("IPEnabled", False, "MacAddress", "00:00:00:00:00:01")v"},
        {L"Win32_NetworkAdapterConfiguration", LR"v("MacAddress", "00:00:00:00:00:02")v"},
    });
    EXPECT_EQ(RunGetTrait(script, L"MAC"), L"");  // no adapter with IPEnabled True
    EXPECT_EQ(RunGetTrait(script, L"BIOS"), L"");  // a class without instances
}

TEST(QueryScript, NullNameOfTheUnlabelledCategoriesGivesNothing) {
    const std::wstring script = ScriptWithFixture({
        {L"Win32_ComputerSystem", LR"v("Name", Null)v"},
        {L"Win32_NetworkAdapterConfiguration", LR"v("IPEnabled", True, "MacAddress", Null)v"},
        {L"Win32_NetworkAdapterConfiguration", LR"v("IPEnabled", True, "MacAddress", "00:11:22:33:44:55")v"},
    });
    EXPECT_EQ(RunGetTrait(script, L"计算机名"), L"");
    EXPECT_EQ(RunGetTrait(script, L"MAC"), L"");  // the first enabled adapter answers, even with a null address
}

TEST(QueryScript, AnUnreachableServiceGivesNothing) {
    const std::wstring script = ScriptWithFixture(MACHINE, /*serviceFails=*/true);
    for (const wchar_t* name : {L"计算机名", L"BIOS", L"显卡", L"MAC"}) {
        EXPECT_EQ(RunGetTrait(script, name), L"") << name;
    }
}

}  // namespace
}  // namespace kestrune::testing
