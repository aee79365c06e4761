#include "platform/win32/Win32HidSystem.h"

#include <windows.h>

#include <dbt.h>
#include <setupapi.h>

#include <algorithm>
#include <cstring>

namespace vardex {

namespace {

struct HIDD_ATTRIBUTES_ {
    ULONG Size;
    USHORT VendorID;
    USHORT ProductID;
    USHORT VersionNumber;
};

using HidGetAttributesFn = BOOLEAN(WINAPI*)(HANDLE, HIDD_ATTRIBUTES_*);
using HidGetStringFn = BOOLEAN(WINAPI*)(HANDLE, PVOID, ULONG);
using HidFeatureFn = BOOLEAN(WINAPI*)(HANDLE, PVOID, ULONG);
using GetClassDevsFn = HDEVINFO(WINAPI*)(const GUID*, PCWSTR, HWND, DWORD);
using EnumInterfacesFn = BOOL(WINAPI*)(HDEVINFO, PSP_DEVINFO_DATA, const GUID*, DWORD,
                                       PSP_DEVICE_INTERFACE_DATA);
using GetInterfaceDetailFn = BOOL(WINAPI*)(HDEVINFO, PSP_DEVICE_INTERFACE_DATA,
                                           PSP_DEVICE_INTERFACE_DETAIL_DATA_W, DWORD, PDWORD,
                                           PSP_DEVINFO_DATA);
using DestroyListFn = BOOL(WINAPI*)(HDEVINFO);

// The interface detail of one device is read into a buffer of this size.
constexpr DWORD kDetailBufferSize = 1024;
// Size of the device-interface broadcast record the notification filter passes.
constexpr DWORD kBroadcastRecordSize = 32;

template <typename Fn>
Fn Resolve(void* module, const char* name)
{
    if (module == nullptr)
        return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name)));
}

GUID ToGuid(const SGuid& g)
{
    GUID guid;
    guid.Data1 = g.data1;
    guid.Data2 = g.data2;
    guid.Data3 = g.data3;
    std::memcpy(guid.Data4, g.data4, sizeof guid.Data4);
    return guid;
}

HANDLE ToHandle(HidHandle h) { return reinterpret_cast<HANDLE>(h); }

bool GetHidString(void* module, const char* name, HidHandle h, std::wstring& text)
{
    const auto get = Resolve<HidGetStringFn>(module, name);
    wchar_t buffer[kHidStringChars + 1] = {};
    if (!get || !get(ToHandle(h), buffer, sizeof buffer))
        return false;
    buffer[kHidStringChars] = L'\0';
    text = buffer;
    return true;
}

} // namespace

CWin32HidSystem::~CWin32HidSystem()
{
    for (SLibrary* lib : {&m_Hid, &m_Setup})
        if (lib->module)
            FreeLibrary(static_cast<HMODULE>(lib->module));
}

bool CWin32HidSystem::Acquire(EHidLibrary library)
{
    SLibrary& lib = Slot(library);
    if (lib.module == nullptr)
        lib.module = LoadLibraryW(library == EHidLibrary::kHidClass ? L"hid.dll" : L"setupapi.dll");
    if (lib.module == nullptr)
        return false;
    ++lib.references;
    return true;
}

void CWin32HidSystem::Release(EHidLibrary library)
{
    SLibrary& lib = Slot(library);
    if (lib.references > 0 && --lib.references == 0) {
        FreeLibrary(static_cast<HMODULE>(lib.module));
        lib.module = nullptr;
    }
}

bool CWin32HidSystem::EnumerateInterfaces(const SGuid& cls, int maxCount, std::vector<std::wstring>& paths)
{
    paths.clear();
    const auto getClassDevs = Resolve<GetClassDevsFn>(m_Setup.module, "SetupDiGetClassDevsW");
    const auto enumInterfaces = Resolve<EnumInterfacesFn>(m_Setup.module, "SetupDiEnumDeviceInterfaces");
    const auto getDetail = Resolve<GetInterfaceDetailFn>(m_Setup.module, "SetupDiGetDeviceInterfaceDetailW");
    const auto destroyList = Resolve<DestroyListFn>(m_Setup.module, "SetupDiDestroyDeviceInfoList");
    if (!getClassDevs || !enumInterfaces || !getDetail || !destroyList)
        return false;

    const GUID guid = ToGuid(cls);
    const HDEVINFO list = getClassDevs(&guid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (list == INVALID_HANDLE_VALUE)
        return false;

    alignas(8) unsigned char buffer[kDetailBufferSize];
    auto* detail = reinterpret_cast<PSP_DEVICE_INTERFACE_DETAIL_DATA_W>(buffer);
    for (DWORD index = 0; static_cast<int>(index) < maxCount; ++index) {
        SP_DEVICE_INTERFACE_DATA iface{};
        iface.cbSize = sizeof iface;
        if (!enumInterfaces(list, nullptr, &guid, index, &iface))
            break; // no more items
        std::memset(buffer, 0, sizeof buffer);
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (!getDetail(list, &iface, detail, kDetailBufferSize, nullptr, nullptr))
            break;
        paths.emplace_back(detail->DevicePath);
    }
    destroyList(list);
    return true;
}

HidHandle CWin32HidSystem::Open(const std::wstring& path, EHidAccess access)
{
    const DWORD rights = access == EHidAccess::kWrite ? GENERIC_WRITE : 0;
    const HANDLE h = CreateFileW(path.c_str(), rights, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    return reinterpret_cast<HidHandle>(h);
}

bool CWin32HidSystem::Close(HidHandle handle)
{
    return handle != kInvalidHidHandle && CloseHandle(ToHandle(handle));
}

bool CWin32HidSystem::GetAttributes(HidHandle handle, SHidAttributes& attributes)
{
    const auto get = Resolve<HidGetAttributesFn>(m_Hid.module, "HidD_GetAttributes");
    HIDD_ATTRIBUTES_ raw{};
    raw.Size = sizeof raw;
    if (!get || !get(ToHandle(handle), &raw))
        return false;
    attributes = {raw.VendorID, raw.ProductID, raw.VersionNumber};
    return true;
}

bool CWin32HidSystem::GetProductString(HidHandle handle, std::wstring& text)
{
    return GetHidString(m_Hid.module, "HidD_GetProductString", handle, text);
}

bool CWin32HidSystem::GetManufacturerString(HidHandle handle, std::wstring& text)
{
    return GetHidString(m_Hid.module, "HidD_GetManufacturerString", handle, text);
}

bool CWin32HidSystem::SetFeature(HidHandle handle, const std::uint8_t* report, std::size_t length)
{
    const auto set = Resolve<HidFeatureFn>(m_Hid.module, "HidD_SetFeature");
    return set && set(ToHandle(handle), const_cast<std::uint8_t*>(report), static_cast<ULONG>(length));
}

bool CWin32HidSystem::GetFeature(HidHandle handle, std::uint8_t* report, std::size_t length)
{
    const auto get = Resolve<HidFeatureFn>(m_Hid.module, "HidD_GetFeature");
    return get && get(ToHandle(handle), report, static_cast<ULONG>(length));
}

bool CWin32HidSystem::ReadInput(HidHandle handle, std::uint8_t* buffer, std::size_t capacity,
                                std::size_t& bytesRead)
{
    DWORD count = 0;
    const bool ok = ReadFile(ToHandle(handle), buffer, static_cast<DWORD>(capacity), &count, nullptr);
    bytesRead = ok ? count : 0;
    return ok;
}

NotifyHandle CWin32HidSystem::RegisterInterfaceNotify(WindowHandle recipient, const SGuid& cls)
{
    alignas(8) unsigned char record[kBroadcastRecordSize] = {};
    auto* filter = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(record);
    filter->dbcc_size = kBroadcastRecordSize;
    filter->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter->dbcc_reserved = 0;
    filter->dbcc_classguid = ToGuid(cls);
    const HDEVNOTIFY notify = RegisterDeviceNotificationW(reinterpret_cast<HWND>(recipient), filter,
                                                          DEVICE_NOTIFY_WINDOW_HANDLE);
    return reinterpret_cast<NotifyHandle>(notify);
}

bool CWin32HidSystem::UnregisterInterfaceNotify(NotifyHandle registration)
{
    return UnregisterDeviceNotification(reinterpret_cast<HDEVNOTIFY>(registration));
}

} // namespace vardex
