#include "Probe.h"

#include "profile/MemoryMap.h"

#include <cstdio>
#include <ostream>

namespace vardex {

namespace {

constexpr SUsbId kMouseIds[] = {{0x12CF, 0x0182}};
constexpr unsigned short kLowestRelease = 0x1502;
constexpr unsigned short kHighestRelease = 0x1504;

std::string HexRelease(unsigned short release)
{
    char text[8];
    std::snprintf(text, sizeof text, "%x", release);
    return text;
}

} // namespace

std::string Narrow(const wchar_t* text)
{
    std::string narrow;
    for (; text && *text; ++text)
        narrow += *text < 0x80 ? static_cast<char>(*text) : '?';
    return narrow;
}

int ProbeMouse(CHidClient& devices, CIcKX22& protocol, const std::function<int(int)>& chooser, std::ostream& out)
{
    devices.CreateDeviceTable(kMouseIds, 1, kLowestRelease, kHighestRelease);
    protocol.ResetShadow();
    const int count = devices.GetRecognizedDevices();
    if (count == 0) {
        out << "No Gamer Mouse Connected!\n";
        return kProbeNoMouse;
    }

    int selected = 0;
    if (count > 1) {
        out << "More than one Gamer Mouse connected!  Please select one mouse.\n";
        for (int i = 0; i < count; ++i)
            out << "  [" << i << "] " << HexRelease(devices.GetDeviceVer(i)) << ": "
                << Narrow(devices.GetDeviceName(i)) << "\n";
        selected = chooser(count);
        if (selected < 0 || selected >= count) {
            out << "No mouse chosen.\n";
            return kProbeCancelled;
        }
    }

    const unsigned short release = devices.GetDeviceVer(selected);
    if ((release >> 8) == 0x15) {
        protocol.SetProductWord(release);
        protocol.SetTableSize(CIcKX22::kShadowSize);
    }
    out << "Mouse: " << Narrow(devices.GetDeviceName(selected)) << " (" << Narrow(devices.GetDeviceID(selected))
        << ", release " << HexRelease(release) << ")\n";
    if (!protocol.OpenAndIdentify(devices.GetDevice(selected))) {
        out << "The mouse did not pass the identity check.\n";
        return kProbeNoMouse;
    }
    if (devices.GetDeviceVID(selected) != kMouseIds[0].vid || devices.GetDevicePID(selected) != kMouseIds[0].pid) {
        out << "The mouse did not pass the product check.\n";
        return kProbeNoMouse;
    }
    out << "Identity: signature bytes confirmed\n";

    int select = 0;
    if (!protocol.ReadByte(mem::kProfileSelect, select)) {
        out << "Error: Failed to LOAD MOUSE CONFIGURE!\n";
        return kProbeNoMouse;
    }
    protocol.StoreClean(mem::kProfileSelect, select);
    out << "Active profile: " << (select & 0x07) + 1 << " of " << (select >> 4) << "\n";
    return kProbeFound;
}

} // namespace vardex
