// Macro slots in the shadow image: 128 bytes holding the script length L, the time
// base, the repeat mode and L script bytes. Decoding fills the command list from a
// slot; writing places a command list's lines into a slot with MarkByte.
#pragma once

#include "device/IcKX22.h"
#include "macro/SkinLVCmdList.h"

#include <span>

namespace vardex {

namespace slot {
inline constexpr int kLengthOffset = 0;
inline constexpr int kTimeBaseOffset = 1;
inline constexpr int kModeOffset = 2;
inline constexpr int kScriptOffset = 3;
inline constexpr int kModeMask = 0x07;
inline constexpr int kModeOnce = 5;
inline constexpr int kModeWhileHeld = 7;
inline constexpr int kModeUntilNextKey = 4;
} // namespace slot

// The slot's script length, at most the 125 bytes a slot holds.
int ScriptLength(const CIcKX22& shadow, int slotAddress);

// 2 x (unit / 25), at least 2.
int TimeBase(int delayUnitMs);

// Refills list with the lines of the slot's script. Lines that would take it past
// its capacity are left out; nothing outside the slot's 128 bytes is read.
void DecodeSlot(const CIcKX22& shadow, int slotAddress, CSkinLVCmdList& list);

// Places the lines' script bytes, the length byte and the time base into the slot;
// the repeat mode byte is the caller's. A line that would take the script past 125
// bytes is left out with all after it. Returns the number of script bytes placed.
int WriteScript(std::span<const MacroLine> lines, CIcKX22& shadow, int slotAddress, int timeBase);

} // namespace vardex
