// Any bytes as a profile file: refused as a bad format, or placed without touching
// anything outside the shown profile's block and macro slots.
#include "platform/emu/EmulatedHidSystem.h"
#include "platform/emu/VirtualClock.h"
#include "profile/ProfileFile.h"

#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vardex;
    static CVirtualClock clock;
    static CEmulatedHidSystem hid(clock);
    static auto shadow = std::make_unique<CIcKX22>(hid, clock);
    shadow->ResetShadow();

    std::span<const std::uint8_t> payload;
    if (!ParseProfileFile({data, size}, payload))
        return 0;
    const int p = size % mem::kProfileCount;
    CMacroSlotFlags loaded;
    PlaceProfile(*shadow, p, payload, loaded);
    for (int a = 0; a < CIcKX22::kShadowSize; ++a) {
        const bool inBlock = a >= mem::ProfileBase(p) && a < mem::ProfileBase(p) + mem::kProfileBytesUsed;
        const bool inSlots = a >= mem::MacroSlot(p, 0) && a < mem::MacroSlot(p, 0) + 9 * mem::kMacroSlotSize;
        if (shadow->Shadow(a).dirty && !inBlock && !inSlots)
            std::abort();
    }
    return 0;
}
