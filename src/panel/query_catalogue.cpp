#include "panel/query_catalogue.h"

#include <cstddef>
#include <iterator>

namespace kestrune {

const std::array<std::wstring_view, CATEGORY_COUNT> CATEGORY_NAMES = {
    L"计算机名", L"主板",   L"CPUID", L"硬盘",   L"硬盘序列号", L"声卡",     L"显卡",
    L"BIOS",     L"内存",   L"MAC",   L"光驱",   L"操作系统",   L"高速缓存", L"系统插槽",
};

// Notes on the script:
// - Properties are read through Prop, so a property the WMI provider does not
//   supply reads as Null: its line keeps its label and unit, like a null value.
// - Sizes are rounded by RoundHalfEven (ties to the even neighbour) rather than
//   by Round, whose tie rule differs between script engines.
// - A category name that matches no case, a class without instances, and "MAC"
//   without an IP-enabled adapter leave the result unassigned (empty).
namespace {

// The script is written below with plain line feeds for readability; the
// constant handed out carries carriage return and line feed between lines.
constexpr wchar_t SCRIPT_SOURCE[] = LR"vbs(Function GetTrait(P)
    Dim Items, Item
    Select Case P
    Case "BIOS": Set Items = Instances("Win32_BIOS")
    Case "硬盘": Set Items = Instances("Win32_DiskDrive")
    Case "硬盘序列号": Set Items = Instances("Win32_PhysicalMedia")
    Case "CPUID": Set Items = Instances("Win32_Processor")
    Case "声卡": Set Items = Instances("Win32_SoundDevice")
    Case "显卡": Set Items = Instances("Win32_VideoController")
    Case "计算机名": Set Items = Instances("Win32_ComputerSystem")
    Case "操作系统": Set Items = Instances("Win32_OperatingSystem")
    Case "主板": Set Items = Instances("Win32_baseboard")
    Case "内存": Set Items = Instances("Win32_LogicalMemoryConfiguration")
    Case "光驱": Set Items = Instances("Win32_CDROMDrive")
    Case "高速缓存": Set Items = Instances("Win32_CacheMemory")
    Case "系统插槽": Set Items = Instances("Win32_SystemSlot")
    Case "MAC": Set Items = Instances("Win32_NetworkAdapterConfiguration")
    Case Else: Exit Function
    End Select
    For Each Item In Items
        Select Case P
        Case "BIOS"
            GetTrait = "BIOS.版本号:" & Prop(Item, "Name") & vbCrLf & _
                "BIOS.制造商:" & Prop(Item, "Manufacturer") & vbCrLf & _
                "BIOS.安装日期:" & Prop(Item, "InstallDate") & vbCrLf & _
                "BIOS.标题:" & Prop(Item, "Caption") & vbCrLf & _
                "BIOS.序列号:" & Prop(Item, "SerialNumber") & vbCrLf & _
                "BIOS.SMBIOS的BIOS版本:" & Prop(Item, "SMBIOSBIOSVersion") & vbCrLf & _
                "BIOS.基本的BIOS:" & Prop(Item, "PrimaryBIOS")
        Case "硬盘"
            GetTrait = "硬盘.型号:" & Prop(Item, "Model") & vbCrLf & _
                "硬盘.介质类型:" & Prop(Item, "MediaType") & vbCrLf & _
                "硬盘.制造商:" & Prop(Item, "Manufacturer") & vbCrLf & _
                "硬盘.描述:" & Prop(Item, "Description") & vbCrLf & _
                "硬盘.磁头柱面数:" & Prop(Item, "TotalCylinders") & vbCrLf & _
                "硬盘.磁头数:" & Prop(Item, "TotalHeads") & vbCrLf & _
                "硬盘.磁道扇区:" & Prop(Item, "SectorsPerTrack") & vbCrLf & _
                "硬盘.大小:" & Scaled(Prop(Item, "Size"), 3) & "GB"
        Case "硬盘序列号"
            GetTrait = "硬盘.序列号:" & Prop(Item, "SerialNumber")
        Case "CPUID"
            GetTrait = "CPU.序列号:" & Prop(Item, "ProcessorId")
        Case "声卡"
            GetTrait = "声卡.型号:" & Prop(Item, "Caption") & vbCrLf & _
                "声卡.描述:" & Prop(Item, "Description") & vbCrLf & _
                "声卡.名称:" & Prop(Item, "Name") & vbCrLf & _
                "声卡.制造商:" & Prop(Item, "Manufacturer")
        Case "显卡"
            GetTrait = "显卡.型号:" & Prop(Item, "Caption") & vbCrLf & _
                "显卡.当前屏幕分辨率:" & Prop(Item, "CurrentHorizontalResolution") & "×" & _
                    Prop(Item, "CurrentVerticalResolution") & vbCrLf & _
                "显卡.视频构架:" & Prop(Item, "VideoArchitecture") & vbCrLf & _
                "显卡.存储器类型:" & Prop(Item, "VideoMemoryType") & vbCrLf & _
                "显卡.显存:" & Scaled(Prop(Item, "AdapterRAM"), 2) & "MB" & vbCrLf & _
                "显卡.当前位像素:" & Prop(Item, "CurrentBitsPerPixel") & vbCrLf & _
                "显卡.名称:" & Prop(Item, "Description") & vbCrLf & _
                "显卡.最大刷新率:" & Prop(Item, "MaxRefreshRate") & vbCrLf & _
                "显卡.最低刷新率:" & Prop(Item, "MinRefreshRate") & vbCrLf & _
                "显卡.适配器DAC类型:" & Prop(Item, "AdapterDACType") & vbCrLf & _
                "显卡.视频处理器型号:" & Prop(Item, "VideoProcessor")
        Case "计算机名"
            GetTrait = Prop(Item, "Name")
        Case "操作系统"
            GetTrait = "操作系统.名称及位置:" & Prop(Item, "Name") & vbCrLf & _
                "操作系统.类型:" & Prop(Item, "OSType") & vbCrLf & _
                "操作系统.代码集:" & Prop(Item, "CodeSet") & vbCrLf & _
                "操作系统.安装日期:" & Prop(Item, "InstallDate") & vbCrLf & _
                "操作系统.分页文件大小:" & Prop(Item, "SizeStoredInPagingFiles") & vbCrLf & _
                "操作系统.名称:" & Prop(Item, "Caption") & vbCrLf & _
                "操作系统.内存大小:" & Scaled(Prop(Item, "TotalVisibleMemorySize"), 1) & "MB"
        Case "主板"
            GetTrait = "主板.型号:" & Prop(Item, "product")
        Case "内存"
            GetTrait = "内存.大小:" & Scaled(Prop(Item, "TotalPhysicalMemory"), 1) & "MB"
        Case "光驱"
            GetTrait = "光驱.盘符:" & Prop(Item, "Drive") & vbCrLf & _
                "光驱.类型:" & Prop(Item, "Manufacturer") & vbCrLf & _
                "光驱.描述:" & Prop(Item, "Description") & vbCrLf & _
                "光驱.厂家及型号:" & Prop(Item, "Caption")
        Case "高速缓存"
            GetTrait = "高速缓存.级别:" & Prop(Item, "Level") & vbCrLf & _
                "高速缓存.写入策略:" & Prop(Item, "WritePolicy") & vbCrLf & _
                "高速缓存.正确的错误:" & Prop(Item, "ErrorCorrectType") & vbCrLf & _
                "高速缓存.缓存类型:" & Prop(Item, "CacheType") & vbCrLf & _
                "高速缓存.结合力:" & Prop(Item, "Associativity") & vbCrLf & _
                "高速缓存.更换政策:" & Prop(Item, "ReplacementPolicy")
        Case "系统插槽"
            GetTrait = "系统插槽.名称:" & Prop(Item, "SlotDesignation") & vbCrLf & _
                "系统插槽.最大数据宽度:" & Prop(Item, "MaxDataWidth")
        Case "MAC"
            If Prop(Item, "IPEnabled") = True Then GetTrait = Prop(Item, "MacAddress")
        End Select
        If P <> "MAC" Or Not IsEmpty(GetTrait) Then Exit For
    Next
End Function

Function Instances(ClassName)
    Set Instances = GetObject("winmgmts:{impersonationLevel=impersonate}").InstancesOf(ClassName)
End Function

Function Prop(Item, Name)
    Prop = Null
    On Error Resume Next
    Prop = Item.Properties_.Item(Name).Value
End Function

Function Scaled(Value, Steps)
    Dim I
    Scaled = Null
    If IsNull(Value) Then Exit Function
    If Not IsNumeric(Value) Then Exit Function
    Scaled = CDbl(Value)
    For I = 1 To Steps
        Scaled = Scaled / 1024
    Next
    Scaled = RoundHalfEven(Scaled)
End Function

Function RoundHalfEven(X)
    RoundHalfEven = Int(X)
    If X - RoundHalfEven > 0.5 Then
        RoundHalfEven = RoundHalfEven + 1
    ElseIf X - RoundHalfEven = 0.5 And RoundHalfEven / 2 <> Int(RoundHalfEven / 2) Then
        RoundHalfEven = RoundHalfEven + 1
    End If
End Function
)vbs";

constexpr std::size_t CountLineFeeds(std::wstring_view text) {
    std::size_t count = 0;
    for (wchar_t c : text) count += (c == L'\n');
    return count;
}

constexpr std::wstring_view SOURCE_TEXT{SCRIPT_SOURCE, std::size(SCRIPT_SOURCE) - 1};
constexpr std::size_t SCRIPT_LENGTH = SOURCE_TEXT.size() + CountLineFeeds(SOURCE_TEXT);

constexpr std::array<wchar_t, SCRIPT_LENGTH> WithCrLf(std::wstring_view text) {
    std::array<wchar_t, SCRIPT_LENGTH> out{};
    std::size_t at = 0;
    for (wchar_t c : text) {
        if (c == L'\n') out[at++] = L'\r';
        out[at++] = c;
    }
    return out;
}

constexpr std::array<wchar_t, SCRIPT_LENGTH> SCRIPT_TEXT = WithCrLf(SOURCE_TEXT);

}  // namespace

const std::wstring_view QUERY_SCRIPT{SCRIPT_TEXT.data(), SCRIPT_TEXT.size()};

}  // namespace kestrune
