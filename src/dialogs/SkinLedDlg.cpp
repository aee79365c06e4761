#include "dialogs/SkinLedDlg.h"

#include "device/DirtyBytes.h"

#include "profile/MemoryMap.h"

#include <algorithm>

namespace vardex {

namespace {

constexpr wchar_t kHandleValue[] = L"LED DIAGLOG Handle";
constexpr std::uint32_t kBytePauseMs = 10;
constexpr std::uint32_t kCommandPauseMs = 100;

constexpr int kColourBits = 0x07;
constexpr int kLightingBits = 0x30;
constexpr int kLitLow = 0x10;  // wheel and light pipes
constexpr int kLitHigh = 0x20; // logo

constexpr int kWheel = 0, kLeftPipe = 1, kRightPipe = 2, kLogo = 3;
constexpr int kGroupOfZone[led::kZones] = {0, 1, 1, 2};
// The order the zone bytes are written in.
constexpr int kWriteOrder[led::kZones] = {kWheel, kLeftPipe, kRightPipe, kLogo};

int ColourIndex(int code)
{
    const auto it = std::find(std::begin(led::kColourCode), std::end(led::kColourCode), code & kColourBits);
    return it == std::end(led::kColourCode) ? -1 : static_cast<int>(it - std::begin(led::kColourCode));
}

} // namespace

int CSkinLedDlg::Address(int zone) const
{
    return mem::ProfileBase(m_Profile) + led::kZoneOffset[zone];
}

void CSkinLedDlg::OnInitDialog(WindowHandle window)
{
    m_Written = false;
    for (int zone = 0; zone < led::kZones; ++zone) {
        const int value = Value(zone);
        m_Opened[zone] = value;
        const int colour = ColourIndex(value);
        if (colour < 0) {
            m_ZoneShown[zone] = false; // an unlit picture; the group's pair stays as it was
            continue;
        }
        m_ZoneColour[zone] = colour;
        m_ZoneShown[zone] = (value & kLightingBits) != 0;
        m_GroupOn[kGroupOfZone[zone]] = m_ZoneShown[zone];
    }
    m_Selected = ColourIndex(Value(kLogo));
    m_Ports.settings.SetDword(kHandleValue, static_cast<std::uint32_t>(window));
}

void CSkinLedDlg::Switch(int group, bool on)
{
    m_GroupOn[group] = on;
    switch (group) {
    case 0:
        m_ZoneShown[kWheel] = on;
        Mark(kWheel, (Value(kWheel) & ~kLightingBits) | (on ? kLitLow : 0));
        break;
    case 1: {
        m_ZoneShown[kLeftPipe] = m_ZoneShown[kRightPipe] = on;
        // The right pipe takes the left pipe's whole byte.
        const int v = (Value(kLeftPipe) & ~kLightingBits) | (on ? kLitLow : 0);
        Mark(kLeftPipe, v);
        Mark(kRightPipe, v);
        break;
    }
    default:
        m_ZoneShown[kLogo] = on;
        Mark(kLogo, (Value(kLogo) & ~kLightingBits) | (on ? kLitHigh : 0));
        break;
    }
}

int CSkinLedDlg::OnCommand(int id)
{
    if (id >= led::kFirstColour && id < led::kFirstColour + led::kColours) {
        const int colour = id - led::kFirstColour;
        m_ZoneColour.fill(colour);
        m_Selected = colour;
        for (int zone = 0; zone < led::kZones; ++zone)
            Mark(zone, (Value(zone) & ~kColourBits) | led::kColourCode[colour]);
        return 0;
    }
    switch (id) {
    case led::kWheelOn: Switch(0, true); return 0;
    case led::kWheelOff: Switch(0, false); return 0;
    case led::kPipesOn: Switch(1, true); return 0;
    case led::kPipesOff: Switch(1, false); return 0;
    case led::kLogoOn: Switch(2, true); return 0;
    case led::kLogoOff: Switch(2, false); return 0;
    case led::kApply: Write(); return 0;
    case led::kOk:
        m_Ports.settings.DeleteValue(kHandleValue);
        Write();
        return led::kResultOk;
    case led::kCancel: return Cancel();
    default: return 0;
    }
}

void CSkinLedDlg::Write()
{
    std::array<int, led::kZones> addresses{};
    for (int i = 0; i < led::kZones; ++i)
        addresses[i] = Address(kWriteOrder[i]);
    if (WriteDirtyBytes(m_Ports.device, m_Ports.clock, addresses))
        m_Written = true;
}

int CSkinLedDlg::Cancel()
{
    m_Ports.settings.DeleteValue(kHandleValue);
    if (!m_Written)
        return led::kResultCancel;
    CIcKX22& device = m_Ports.device;
    for (int zone = 0; zone < led::kZones; ++zone) {
        const int address = Address(zone);
        const SShadowEntry& entry = device.Shadow(address);
        if (address >= CIcKX22::kAddressLimit)
            continue;
        if (entry.dirty || entry.valid != 1 || entry.value != m_Opened[zone]) {
            if (device.WriteByte(address, m_Opened[zone]))
                device.StoreClean(address, m_Opened[zone]);
        }
        m_Ports.clock.Sleep(kBytePauseMs);
    }
    device.SendCommand(0, 0, 0);
    m_Ports.clock.Sleep(kCommandPauseMs);
    m_Written = false;
    return led::kResultCancel;
}

} // namespace vardex
