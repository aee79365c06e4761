#include "platform/emu/EmulatedMouse.h"

#include "profile/MemoryMap.h"

#include <algorithm>

namespace vardex {

namespace {

constexpr std::uint8_t kReadRequest = 0xDF;
constexpr std::uint8_t kWriteRequest = 0xDE;
constexpr std::uint8_t kCommand = 0xC4;
constexpr std::uint8_t kSelectProfile = 7;
constexpr std::uint8_t kErasedByte = 0xFF;

constexpr int kStatusByte = 10;
constexpr int kLaunchKeyByte = 13;
constexpr std::uint8_t kProfileChangeBit = 0x80;
constexpr std::uint8_t kLaunchKeyBit = 0x80;

} // namespace

bool SFault::Strike()
{
    if (count == 0)
        return false;
    if (skip > 0) {
        --skip;
        return false;
    }
    if (count > 0)
        --count;
    return true;
}

CEmulatedMouse::CEmulatedMouse(SEmulatedMouseConfig config) : m_Config(std::move(config))
{
    RestoreFactoryDefaults();
}

std::wstring CEmulatedMouse::InterfacePath(int iface) const
{
    static constexpr wchar_t kHex[] = L"0123456789abcdef";
    auto hex4 = [](std::uint16_t v) {
        std::wstring s(4, L'0');
        for (int i = 3; i >= 0; --i, v >>= 4)
            s[i] = kHex[v & 0xF];
        return s;
    };
    const std::wstring collection = iface == kMainInterface ? L"&mi_00" : m_Config.extraCollection;
    return L"\\\\?\\hid#vid_" + hex4(m_Config.vendorId) + L"&pid_" + hex4(m_Config.productId) +
           collection + L"#" + m_Config.instance + L"&000" + std::to_wstring(iface) +
           L"#{378de44c-56ef-11d1-bc8c-00a0c91405dd}";
}

void CEmulatedMouse::RestoreFactoryDefaults()
{
    m_Eeprom.fill(kErasedByte);
    CDefaultTable defaults;
    defaults.SetTopSensitivityCode(mem::TopSensitivityCode(m_Config.release));
    for (const SDefaultPair& pair : defaults.Pairs())
        m_Eeprom[pair.address] = static_cast<std::uint8_t>(pair.value);
    m_Eeprom[mem::kSignatureLow] = mem::kSignatureLowValue;
    m_Eeprom[mem::kSignatureHigh] = mem::kSignatureHighValue;
}

bool CEmulatedMouse::Reachable()
{
    if (m_Plugged && m_UnplugFault.Strike())
        Unplug();
    return m_Plugged;
}

bool CEmulatedMouse::SetFeature(const std::uint8_t* report, std::size_t length)
{
    if (!Reachable())
        return false;
    const bool ok = length == kFeatureReportLength && !m_SetFault.Strike();
    Record(EReportKind::kSetFeature, report, length, ok);
    if (!ok)
        return false;

    const std::uint8_t request = report[1];
    if (request == kReadRequest) {
        const unsigned address = report[2] | (report[4] << 8);
        m_Reply.fill(0);
        m_Reply[1] = report[2];
        m_Reply[2] = address < kEepromSize ? m_Eeprom[address] : kErasedByte;
        m_Reply[3] = report[4];
    } else if (request == kWriteRequest) {
        const unsigned address = report[2] | (report[4] << 8);
        if (address < kEepromSize)
            m_Eeprom[address] = report[3];
    } else if (request == kCommand) {
        RunCommand(report[2], report[3], report[4]);
    }
    return true;
}

bool CEmulatedMouse::GetFeature(std::uint8_t* report, std::size_t length)
{
    if (!Reachable())
        return false;
    if (length != kFeatureReportLength || m_GetFault.Strike()) {
        Record(EReportKind::kGetFeature, report, std::min(length, kFeatureReportLength), false);
        return false;
    }
    std::array<std::uint8_t, kFeatureReportLength> reply = m_Reply;
    if (m_EchoFault.Strike()) {
        const unsigned next = ((reply[1] | (reply[3] << 8)) + 1) & 0xFFFF;
        reply[1] = static_cast<std::uint8_t>(next);
        reply[3] = static_cast<std::uint8_t>(next >> 8);
    }
    std::copy(reply.begin(), reply.end(), report);
    Record(EReportKind::kGetFeature, report, length, true);
    return true;
}

void CEmulatedMouse::RunCommand(std::uint8_t a1, std::uint8_t a2, std::uint8_t a3)
{
    m_Commands.push_back({a1, a2, a3});
    std::uint8_t& select = m_Eeprom[mem::kProfileSelect];
    if (a1 == kSelectProfile && a2 < (select >> 4))
        select = static_cast<std::uint8_t>((select & 0xF0) | a2);
}

void CEmulatedMouse::Unplug()
{
    if (!m_Plugged)
        return;
    m_Plugged = false;
    if (m_PlugListener)
        m_PlugListener(*this, false);
}

void CEmulatedMouse::Plug()
{
    if (m_Plugged)
        return;
    m_Plugged = true;
    if (m_PlugListener)
        m_PlugListener(*this, true);
}

void CEmulatedMouse::SetPlugListener(std::function<void(CEmulatedMouse&, bool)> listener)
{
    m_PlugListener = std::move(listener);
}

void CEmulatedMouse::PressProfileButton()
{
    std::uint8_t& select = m_Eeprom[mem::kProfileSelect];
    const int count = std::clamp(select >> 4, 1, mem::kProfileCount);
    const int next = (ActiveProfile() + 1) % count;
    select = static_cast<std::uint8_t>((select & 0xF0) | next);
    const int level = m_Eeprom[mem::ProfileBase(next)] & 0x03;
    QueueStatusReport(static_cast<std::uint8_t>(kProfileChangeBit | (next << 4) | level));
}

void CEmulatedMouse::PressSensitivityButton(bool up)
{
    const int profile = std::min(ActiveProfile(), mem::kProfileCount - 1);
    std::uint8_t& option = m_Eeprom[mem::ProfileBase(profile)];
    const int level = std::clamp((option & 0x03) + (up ? 1 : -1), 0, 3);
    option = static_cast<std::uint8_t>((option & ~0x03) | level);
    QueueStatusReport(static_cast<std::uint8_t>((profile << 4) | level));
}

void CEmulatedMouse::QueueStatusReport(std::uint8_t statusByte)
{
    const int profile = (statusByte >> 4) & 0x07;
    const int level = statusByte & 0x03;
    const int base = mem::ProfileBase(std::min(profile, mem::kProfileCount - 1));
    const bool xInGroupB = (m_Eeprom[mem::kGlobalOption] & 0x40) != 0;
    const int xOffset = (xInGroupB ? mem::kGroupBOffset : mem::kGroupAOffset) + level;
    const int yOffset = (xInGroupB ? mem::kGroupAOffset : mem::kGroupBOffset) + level;

    std::vector<std::uint8_t> report(kInputReportLength, 0);
    report[kStatusByte] = statusByte;
    report[kStatusByte + 1] = m_Eeprom[base + yOffset];
    report[kStatusByte + 2] = m_Eeprom[base + xOffset];
    QueueInput(report);
    QueueInput(std::vector<std::uint8_t>(kInputReportLength, 0)); // the button's release
}

void CEmulatedMouse::PressLaunchButton(int slot)
{
    std::vector<std::uint8_t> report(kInputReportLength, 0);
    report[kLaunchKeyByte] =
        static_cast<std::uint8_t>(kLaunchKeyBit | (mem::kButtonSlots * ActiveProfile() + slot));
    QueueInput(report);
    QueueInput(std::vector<std::uint8_t>(kInputReportLength, 0));
}

void CEmulatedMouse::QueueInput(std::vector<std::uint8_t> report)
{
    m_Input.push_back(std::move(report));
}

bool CEmulatedMouse::ReadInput(std::vector<std::uint8_t>& report)
{
    if (!m_Plugged || m_Input.empty())
        return false;
    report = std::move(m_Input.front());
    m_Input.pop_front();
    Record(EReportKind::kInput, report.data(), report.size(), true);
    return true;
}

void CEmulatedMouse::ClearTranscript()
{
    m_Transcript.clear();
    m_Commands.clear();
}

void CEmulatedMouse::Record(EReportKind kind, const std::uint8_t* bytes, std::size_t length, bool ok)
{
    m_Transcript.push_back({kind, std::vector<std::uint8_t>(bytes, bytes + length), ok});
}

} // namespace vardex
