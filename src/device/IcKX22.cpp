#include "device/IcKX22.h"

#include "profile/MemoryMap.h"

#include <cassert>

namespace vardex {

namespace {

constexpr std::uint8_t kReadRequest = 0xDF;
constexpr std::uint8_t kWriteRequest = 0xDE;
constexpr std::uint8_t kCommand = 0xC4;

std::uint8_t Low(int address) { return static_cast<std::uint8_t>(address & 0xFF); }
std::uint8_t High(int address) { return static_cast<std::uint8_t>((address >> 8) & 0xFF); }

} // namespace

CIcKX22::CIcKX22(IHidSystem& hid, IClock& clock) : m_Hid(hid), m_Clock(clock), m_Shadow(kShadowSize)
{
    m_HidLoaded = m_Hid.Acquire(EHidLibrary::kHidClass);
    m_SetupLoaded = m_Hid.Acquire(EHidLibrary::kDeviceSetup);
    m_LastError = m_HidLoaded && m_SetupLoaded ? kx22::kNoDeviceChosen : kx22::kNoError;
}

CIcKX22::~CIcKX22()
{
    if (m_HidLoaded)
        m_Hid.Release(EHidLibrary::kHidClass);
    if (m_SetupLoaded)
        m_Hid.Release(EHidLibrary::kDeviceSetup);
}

void CIcKX22::ResetShadow()
{
    m_DevicePath.clear();
    m_LastError = kx22::kNoError;
    std::fill(m_Shadow.begin(), m_Shadow.end(), SShadowEntry{});
    m_ProductWord = kInitialProductWord;
    m_TableSize = kShadowSize;
}

int CIcKX22::SetDevicePath(const wchar_t* path)
{
    if (path == nullptr || *path == L'\0') {
        m_LastError = kx22::kEmptyPath;
        m_DevicePath.clear();
        return 0;
    }
    m_DevicePath = std::wstring(path).substr(0, kPathChars);
    return 1;
}

int CIcKX22::OpenAndIdentify(const wchar_t* path)
{
    if (!SetDevicePath(path))
        return 0;
    const HidHandle h = m_Hid.Open(m_DevicePath, EHidAccess::kWrite);
    if (h == kInvalidHidHandle) {
        m_LastError = kx22::kOpenFailed;
        m_DevicePath.clear();
        return 0;
    }
    m_Hid.Close(h);
    return CheckIdentity();
}

int CIcKX22::CheckIdentity()
{
    int value = 0;
    if (!ReadByteVerified(mem::kSignatureLow, value) || value != mem::kSignatureLowValue)
        return 0;
    if ((m_ProductWord >> 8) != 0x15)
        return 0;
    return ReadByteVerified(mem::kSignatureHigh, value) && value == mem::kSignatureHighValue ? 1 : 0;
}

int CIcKX22::Transfer(bool get)
{
    if (m_DevicePath.empty()) {
        m_LastError = kx22::kNoPath;
        return 0;
    }
    const HidHandle h = m_Hid.Open(m_DevicePath, EHidAccess::kWrite);
    if (h == kInvalidHidHandle) {
        m_LastError = kx22::kOpenFailed;
        return 0;
    }
    const bool ok = get ? m_Hid.GetFeature(h, m_Report.data(), m_Report.size())
                        : m_Hid.SetFeature(h, m_Report.data(), m_Report.size());
    if (!ok) {
        m_LastError = get ? kx22::kGetFeatureFailed : kx22::kSetFeatureFailed;
        Pause();
    }
    m_Hid.Close(h);
    return ok ? 1 : 0;
}

int CIcKX22::SendReport() { return Transfer(false); }
int CIcKX22::GetReport() { return Transfer(true); }

int CIcKX22::ReadByte(int address, int& value)
{
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        m_Report[0] = 0x00;
        m_Report[1] = kReadRequest;
        m_Report[2] = Low(address);
        m_Report[3] = 0x00;
        m_Report[4] = High(address);
        if (SendReport()) {
            m_Report.fill(0);
            if (GetReport() && m_Report[1] == Low(address) && m_Report[3] == High(address)) {
                value = m_Report[2];
                return 1;
            }
        }
        Pause();
    }
    return 0;
}

int CIcKX22::ReadByteVerified(int address, int& value)
{
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        int first = 0;
        int second = 0;
        if (ReadByte(address, first) && ReadByte(address, second) && first == second) {
            value = first;
            return 1;
        }
    }
    return 0;
}

int CIcKX22::SendWithRetries(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3, std::uint8_t b4)
{
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        m_Report[0] = 0x00;
        m_Report[1] = b1;
        m_Report[2] = b2;
        m_Report[3] = b3;
        m_Report[4] = b4;
        if (SendReport())
            return 1;
        Pause();
    }
    return 0;
}

int CIcKX22::WriteByte(int address, int value)
{
    if (address < 0 || address >= kAddressLimit)
        return 0;
    return SendWithRetries(kWriteRequest, Low(address), static_cast<std::uint8_t>(value), High(address));
}

int CIcKX22::SendCommand(int a1, int a2, int a3)
{
    m_Report[5] = 0x00;
    return SendWithRetries(kCommand, static_cast<std::uint8_t>(a1), static_cast<std::uint8_t>(a2),
                           static_cast<std::uint8_t>(a3));
}

int CIcKX22::MarkByte(int address, int value, int validFlag)
{
    if (address < 0 || address >= kShadowSize)
        return 0;
    SShadowEntry& entry = m_Shadow[address];
    if (value != entry.value) {
        entry.value = value;
        entry.dirty = 1;
        return 1;
    }
    if (entry.valid != 1) {
        entry.value = value;
        entry.dirty = 1;
        entry.valid = static_cast<std::uint8_t>(validFlag);
        return 1;
    }
    return entry.dirty ? 1 : 0;
}

int CIcKX22::FlushByte(int address)
{
    if (address < 0 || address >= m_TableSize || address >= kAddressLimit)
        return 0;
    SShadowEntry& entry = m_Shadow[address];
    if (!entry.dirty)
        return 1;
    if (!WriteByte(address, entry.value))
        return 0;
    entry.valid = 1;
    entry.dirty = 0;
    return 1;
}

SShadowEntry& CIcKX22::Shadow(int address)
{
    assert(address >= 0 && address < kShadowSize && "shadow address out of range");
    return m_Shadow[address];
}

const SShadowEntry& CIcKX22::Shadow(int address) const
{
    assert(address >= 0 && address < kShadowSize && "shadow address out of range");
    return m_Shadow[address];
}

void CIcKX22::StoreClean(int address, int value)
{
    SShadowEntry& entry = Shadow(address);
    entry.value = value;
    entry.valid = 1;
    entry.dirty = 0;
}

} // namespace vardex
