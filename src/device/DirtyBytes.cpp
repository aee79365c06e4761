#include "device/DirtyBytes.h"

namespace vardex {

namespace {

constexpr std::uint32_t kBytePauseMs = 10;
constexpr std::uint32_t kCommandPauseMs = 100;

} // namespace

bool WriteDirtyBytes(CIcKX22& device, IClock& clock, std::span<const int> addresses)
{
    bool anyDirty = false;
    for (int address : addresses) {
        const SShadowEntry& entry = device.Shadow(address);
        if (!entry.dirty)
            continue;
        anyDirty = true;
        if (address < device.TableSize() && address < CIcKX22::kAddressLimit && device.WriteByte(address, entry.value))
            device.StoreClean(address, entry.value);
        clock.Sleep(kBytePauseMs);
    }
    if (anyDirty) {
        device.SendCommand(0, 0, 0);
        clock.Sleep(kCommandPauseMs);
    }
    return anyDirty;
}

} // namespace vardex
