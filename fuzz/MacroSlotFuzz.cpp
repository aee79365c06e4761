// Any bytes in a macro slot: decoding reads nothing outside the shadow image, holds
// at most the slot's 125 bytes of lines, and what it holds saves back within the slot.
#include "macro/MacroSlotCodec.h"
#include "platform/emu/EmulatedHidSystem.h"
#include "platform/emu/VirtualClock.h"
#include "profile/MemoryMap.h"

#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vardex;
    static CVirtualClock clock;
    static CEmulatedHidSystem hid(clock);
    static auto shadow = std::make_unique<CIcKX22>(hid, clock);
    static CSkinLVCmdList list;
    if (size < 1)
        return 0;
    shadow->ResetShadow();
    // The first byte picks the slot: the last slots of the map and the shadow's very
    // end included.
    const int slotAddress = data[0] & 1 ? CIcKX22::kShadowSize - mem::kMacroSlotSize + (data[0] >> 1) % 128
                                        : mem::MacroSlot(4, data[0] % 9);
    for (std::size_t i = 1; i < size && slotAddress + static_cast<int>(i) - 1 < CIcKX22::kShadowSize; ++i)
        shadow->StoreClean(slotAddress + static_cast<int>(i) - 1, data[i]);

    DecodeSlot(*shadow, slotAddress, list);
    int used = 0;
    for (const MacroLine& line : list.Lines())
        used += line.length;
    if (used != list.UsedBytes() || used > macro::kCapacity)
        std::abort();
    for (const JumpLink& j : list.Jumps())
        if (j.targetLine >= list.Count() || list.Line(j.sourceLine).Target() != j.targetOffset)
            std::abort();

    if (slotAddress + mem::kMacroSlotSize <= CIcKX22::kShadowSize) {
        const int total = WriteScript(list.Lines(), *shadow, slotAddress, 2);
        if (total != used)
            std::abort(); // every decoded line encodes to its own length
    }
    return 0;
}
