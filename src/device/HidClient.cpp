#include "device/HidClient.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>

namespace vardex {

namespace {

// The mouse's second interface exposes an extra collection in the mouse class that
// answers none of the mouse's reports. The test is case-sensitive.
constexpr wchar_t kExtraCollection[] = L"&mi_01&col03";

// Vendor ids under which the firmware maker's devices are sold. Only the mouse's own
// vendor id is known to us; further ids belong here when they are confirmed.
constexpr unsigned short kMakerVendorIds[] = {0x12CF};

// Texts returned by the Id2... methods live here until the next call.
std::wstring s_ProductString;
std::wstring s_ManufactureString;
std::wstring s_IdString;

bool InIds(const SUsbId* ids, int n, const SHidAttributes& a)
{
    for (int k = 0; k < n; ++k)
        if (ids[k].vid == a.vendorId && ids[k].pid == a.productId)
            return true;
    return false;
}

bool InReleases(const unsigned short* releases, int n, unsigned short release)
{
    return std::find(releases, releases + std::max(n, 0), release) != releases + std::max(n, 0);
}

std::wstring Hex(unsigned value, bool upper, int width)
{
    wchar_t text[16];
    std::swprintf(text, 16, upper ? L"%0*X" : L"%0*x", width, value);
    return text;
}

} // namespace

CHidClient::CHidClient(IHidSystem& hid, IMessageBox& messageBox) : m_Hid(&hid), m_MessageBox(&messageBox)
{
    AcquireLibraries();
    m_LibrariesPresent = m_HidLoaded && m_SetupLoaded ? 1 : 0;
}

CHidClient::CHidClient(const CHidClient& other)
    : m_Hid(other.m_Hid), m_MessageBox(other.m_MessageBox), m_LibrariesPresent(other.m_LibrariesPresent),
      m_InterfaceClass(other.m_InterfaceClass), m_Notification(other.m_Notification),
      m_Recipient(other.m_Recipient), m_Table(other.m_Table)
{
    AcquireLibraries();
}

CHidClient& CHidClient::operator=(const CHidClient& other)
{
    if (this == &other)
        return *this;
    ReleaseLibraries();
    m_Hid = other.m_Hid;
    m_MessageBox = other.m_MessageBox;
    m_LibrariesPresent = other.m_LibrariesPresent;
    m_InterfaceClass = other.m_InterfaceClass;
    m_Notification = other.m_Notification;
    m_Recipient = other.m_Recipient;
    m_Table = other.m_Table;
    AcquireLibraries();
    return *this;
}

// The notification registration outlives the object: it is ended only on request.
CHidClient::~CHidClient()
{
    ReleaseLibraries();
}

void CHidClient::AcquireLibraries()
{
    if (!m_HidLoaded)
        m_HidLoaded = m_Hid->Acquire(EHidLibrary::kHidClass);
    if (!m_SetupLoaded)
        m_SetupLoaded = m_Hid->Acquire(EHidLibrary::kDeviceSetup);
}

void CHidClient::ReleaseLibraries()
{
    if (m_HidLoaded)
        m_Hid->Release(EHidLibrary::kHidClass);
    if (m_SetupLoaded)
        m_Hid->Release(EHidLibrary::kDeviceSetup);
    m_HidLoaded = m_SetupLoaded = false;
}

int CHidClient::LoadDll()
{
    AcquireLibraries();
    return m_HidLoaded && m_SetupLoaded ? 1 : 0;
}

template <typename AttributeTest>
int CHidClient::Enumerate(const SGuid& cls, EPathTest pathTest, AttributeTest accept)
{
    m_Table.clear();
    if (!m_LibrariesPresent)
        return 0;
    m_InterfaceClass = cls;
    std::vector<std::wstring> paths;
    if (!m_Hid->EnumerateInterfaces(cls, kMaxDevices, paths))
        return 0;

    for (const std::wstring& path : paths) {
        if (pathTest == EPathTest::kSkipExtraCollection && path.find(kExtraCollection) != std::wstring::npos)
            continue;
        const HidHandle h = m_Hid->Open(path, EHidAccess::kQuery);
        if (h == kInvalidHidHandle)
            continue;
        SHidAttributes a;
        if (m_Hid->GetAttributes(h, a) && accept(a) && m_Table.size() < kMaxDevices) {
            m_Table.push_back({path.substr(0, kPathChars), Id2ProductString(h), Id2ManufactureString(h),
                               Id2String(a.vendorId, a.productId), a.versionNumber, a.vendorId,
                               a.productId});
        }
        m_Hid->Close(h);
    }
    return m_Table.empty() ? 0 : 1;
}

int CHidClient::CreateDeviceTable(unsigned short vid, unsigned short pid, bool mouseClass)
{
    const bool anyHid = vid == 0 && pid == 0 && !mouseClass;
    const bool hidClassDevice = vid == 0x0C45 && (pid == 0x7300 || pid == 0x7500);
    const SGuid& cls = anyHid || hidClassDevice ? kHidInterfaceClass : kMouseInterfaceClass;
    return Enumerate(cls, EPathTest::kNone, [&](const SHidAttributes& a) {
        return (vid == 0 && pid == 0) || (a.vendorId == vid && a.productId == pid);
    });
}

int CHidClient::CreateDeviceTable(const unsigned short* releases, int n)
{
    return Enumerate(kMouseInterfaceClass, EPathTest::kNone,
                     [&](const SHidAttributes& a) { return InReleases(releases, n, a.versionNumber); });
}

int CHidClient::CreateDeviceTable(const SUsbId* ids, int n)
{
    return Enumerate(kMouseInterfaceClass, EPathTest::kSkipExtraCollection,
                     [&](const SHidAttributes& a) { return InIds(ids, n, a); });
}

int CHidClient::CreateDeviceTable(const SUsbId* ids, int n, unsigned short low, unsigned short high)
{
    return Enumerate(kMouseInterfaceClass, EPathTest::kSkipExtraCollection, [&](const SHidAttributes& a) {
        return low <= a.versionNumber && a.versionNumber <= high && InIds(ids, n, a);
    });
}

int CHidClient::CreateDeviceTable(const SUsbId* ids, int n, unsigned short low, unsigned short high,
                                  unsigned short release)
{
    return Enumerate(kMouseInterfaceClass, EPathTest::kSkipExtraCollection, [&](const SHidAttributes& a) {
        const bool sameFamily = (a.versionNumber >> 8) == (release >> 8);
        return (sameFamily || (low <= a.versionNumber && a.versionNumber <= high)) && InIds(ids, n, a);
    });
}

int CHidClient::CreateDeviceTable(const SUsbId* ids, int n, const unsigned short* releases, int m)
{
    return Enumerate(kMouseInterfaceClass, EPathTest::kSkipExtraCollection, [&](const SHidAttributes& a) {
        return InReleases(releases, m, a.versionNumber) && InIds(ids, n, a);
    });
}

const CHidClient::SEntry* CHidClient::Entry(int i) const
{
    return i >= 0 && i < GetRecognizedDevices() ? &m_Table[i] : nullptr;
}

const wchar_t* CHidClient::GetDevice(int i) const
{
    const SEntry* e = Entry(i);
    return e ? e->path.c_str() : nullptr;
}

const wchar_t* CHidClient::GetDeviceName(int i) const
{
    const SEntry* e = Entry(i);
    return e ? e->product.c_str() : nullptr;
}

const wchar_t* CHidClient::GetVendorName(int i) const
{
    const SEntry* e = Entry(i);
    return e ? e->manufacturer.c_str() : nullptr;
}

const wchar_t* CHidClient::GetDeviceID(int i) const
{
    const SEntry* e = Entry(i);
    return e ? e->id.c_str() : nullptr;
}

unsigned short CHidClient::GetDeviceVID(int i) const
{
    const SEntry* e = Entry(i);
    return e ? e->vid : 0xFFFF;
}

unsigned short CHidClient::GetDevicePID(int i) const
{
    const SEntry* e = Entry(i);
    return e ? e->pid : 0xFFFF;
}

unsigned short CHidClient::GetDeviceVer(int i) const
{
    const SEntry* e = Entry(i);
    return e ? e->release : 0xFFFF;
}

HidHandle CHidClient::Open(int i)
{
    const SEntry* e = Entry(i);
    return e ? m_Hid->Open(e->path, EHidAccess::kWrite) : kInvalidHidHandle;
}

int CHidClient::Close(HidHandle h)
{
    return h != kInvalidHidHandle && m_Hid->Close(h) ? 1 : 0;
}

HidHandle CHidClient::OpenForTransfer(int i)
{
    if (m_Table.empty())
        CreateDeviceTable(0, 0, false);
    const SEntry* e = Entry(i);
    if (!e)
        return kInvalidHidHandle;
    const HidHandle h = m_Hid->Open(e->path, EHidAccess::kWrite);
    if (h == kInvalidHidHandle)
        m_MessageBox->Show(0, e->path, L"Open failed", box::kOk);
    return h;
}

int CHidClient::Write(int i, const void* report, unsigned long length)
{
    const HidHandle h = OpenForTransfer(i);
    if (h == kInvalidHidHandle)
        return 0;
    const bool ok = m_Hid->SetFeature(h, static_cast<const std::uint8_t*>(report), length);
    m_Hid->Close(h);
    return ok ? 1 : 0;
}

int CHidClient::Read(int i, void* report, unsigned long length)
{
    const HidHandle h = OpenForTransfer(i);
    if (h == kInvalidHidHandle)
        return 0;
    const bool ok = m_Hid->GetFeature(h, static_cast<std::uint8_t*>(report), length);
    m_Hid->Close(h);
    return ok ? 1 : 0;
}

int CHidClient::ReadInputReport(int i, void* buffer, unsigned long& length)
{
    const HidHandle h = OpenForTransfer(i);
    if (h == kInvalidHidHandle)
        return 0;
    std::size_t count = 0;
    const bool ok = m_Hid->ReadInput(h, static_cast<std::uint8_t*>(buffer), length, count);
    m_Hid->Close(h);
    length = static_cast<unsigned long>(count);
    return ok ? 1 : 0;
}

int CHidClient::Read(HidHandle h, void* buffer)
{
    std::size_t count = 0;
    if (h == kInvalidHidHandle || !m_Hid->ReadInput(h, static_cast<std::uint8_t*>(buffer), kReadBufferSize, count))
        return 0;
    return static_cast<int>(count);
}

const wchar_t* CHidClient::Id2ProductString(HidHandle h)
{
    if (!m_Hid->GetProductString(h, s_ProductString))
        s_ProductString = L" ";
    return s_ProductString.c_str();
}

const wchar_t* CHidClient::Id2ManufactureString(HidHandle h)
{
    if (!m_Hid->GetManufacturerString(h, s_ManufactureString))
        s_ManufactureString = L" ";
    return s_ManufactureString.c_str();
}

const wchar_t* CHidClient::Id2String(unsigned short vid, unsigned short pid)
{
    s_IdString = L"VID=" + Hex(vid, true, 4) + L", PID=" + Hex(pid, true, 4);
    return s_IdString.c_str();
}

int CHidClient::IsOrlinProduct(unsigned short vid, unsigned short /*pid*/)
{
    return std::find(std::begin(kMakerVendorIds), std::end(kMakerVendorIds), vid) != std::end(kMakerVendorIds);
}

int CHidClient::RegisterNotify(WindowHandle window)
{
    m_Notification = m_Hid->RegisterInterfaceNotify(window, m_InterfaceClass);
    if (m_Notification == 0)
        return 0;
    m_Recipient = window;
    return 1;
}

int CHidClient::UnRegisterNotify()
{
    if (m_Notification == 0 || !m_Hid->UnregisterInterfaceNotify(m_Notification))
        return 0;
    m_Notification = 0;
    m_Recipient = 0;
    return 1;
}

int CHidClient::ReRegisterNotify(WindowHandle window)
{
    if (m_Notification != 0 && !m_Hid->UnregisterInterfaceNotify(m_Notification))
        return 0;
    m_Notification = m_Hid->RegisterInterfaceNotify(window, m_InterfaceClass);
    return m_Notification != 0 ? 1 : 0;
}

int CHidClient::RecoverRegisterNotify()
{
    if (m_Notification != 0 && !m_Hid->UnregisterInterfaceNotify(m_Notification))
        return 0;
    m_Notification = 0;
    if (m_Recipient == 0)
        return 1;
    m_Notification = m_Hid->RegisterInterfaceNotify(m_Recipient, m_InterfaceClass);
    return m_Notification != 0 ? 1 : 0;
}

std::wstring CHidClient::DescribeTable(int what) const
{
    if (what < 0 || what > 4)
        return L"No Slection";
    std::wstring text;
    if (what == 0 || what == 1) {
        text += L"All Hid Interface:\n";
        for (const SEntry& e : m_Table)
            text += e.path + L"\n";
    }
    if (what == 0 || what == 2) {
        text += L"All Hid Device:\n";
        for (const SEntry& e : m_Table)
            text += e.product + L"\n";
    }
    if (what == 0 || what == 3) {
        for (const SEntry& e : m_Table)
            text += L"Device: " + e.id + L"\n";
    }
    if (what == 4) {
        for (std::size_t i = 0; i < m_Table.size(); ++i) {
            const SEntry& e = m_Table[i];
            text += L"[" + std::to_wstring(i) + L"] Device: " + e.id + L"\n      Product=" + e.product +
                    L"\n      Manufacture=" + e.manufacturer + L"\n      VersionNumber=" +
                    Hex(e.release, false, 0) + L"\n";
        }
    }
    return text;
}

void CHidClient::ShowCurrentTable(int what)
{
    m_MessageBox->Show(0, DescribeTable(what), L"HID DEVICE LIST", box::kOk);
}

} // namespace vardex
