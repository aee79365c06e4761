#include "macro/MacroSlotCodec.h"

#include "profile/MemoryMap.h"

#include <algorithm>
#include <optional>

namespace vardex {

using namespace macro;

namespace {

// The bytes of one slot, read once; whatever lies outside the shadow reads as 0.
class CSlotBytes {
public:
    CSlotBytes(const CIcKX22& shadow, int slotAddress)
    {
        for (int i = 0; i < mem::kMacroSlotSize; ++i) {
            const int address = slotAddress + i;
            m_Bytes[static_cast<std::size_t>(i)] =
                address >= 0 && address < CIcKX22::kShadowSize
                    ? static_cast<std::uint8_t>(shadow.Shadow(address).value & 0xFF)
                    : 0;
        }
    }
    // Script byte i; an instruction that runs past the slot's end reads 0 there.
    std::uint8_t Script(int i) const
    {
        const int at = slot::kScriptOffset + i;
        return at < mem::kMacroSlotSize ? m_Bytes[static_cast<std::size_t>(at)] : 0;
    }
    std::uint8_t At(int offset) const { return m_Bytes[static_cast<std::size_t>(offset)]; }

private:
    std::array<std::uint8_t, mem::kMacroSlotSize> m_Bytes{};
};

// The line of the instruction at script byte i, and how many bytes it takes; an
// unknown extended subtype gives no line.
std::optional<MacroLine> ReadInstruction(const CSlotBytes& bytes, int i, int& taken)
{
    MacroLine line;
    line.opcode = bytes.Script(i);
    const int subtype = line.opcode == kExtended ? bytes.Script(i + 1) : 0;
    const SInstructionKind kind = InstructionKind(line.opcode, static_cast<std::uint8_t>(subtype));
    taken = kind.length;
    if (line.opcode == kExtended && kind.iconClass == 0)
        return std::nullopt;
    for (int k = 1; k < kind.length; ++k)
        line.operands[static_cast<std::size_t>(k - 1)] = bytes.Script(i + k);
    line.length = kind.length;
    return line;
}

} // namespace

int ScriptLength(const CIcKX22& shadow, int slotAddress)
{
    if (slotAddress < 0 || slotAddress >= CIcKX22::kShadowSize)
        return 0;
    return std::min(shadow.Shadow(slotAddress).value & 0xFF, kCapacity);
}

int TimeBase(int delayUnitMs)
{
    return std::max(2, 2 * (delayUnitMs / kDelayUnitMs));
}

void DecodeSlot(const CIcKX22& shadow, int slotAddress, CSkinLVCmdList& list)
{
    list.Clear();
    const CSlotBytes bytes(shadow, slotAddress);
    const int length = std::min<int>(bytes.At(slot::kLengthOffset), kCapacity);
    for (int i = 0; i < length;) {
        if (bytes.Script(i) == kDelayStep) {
            list.Append(kDelayStep, bytes.Script(i + 1)); // dropped with no line or no room
            i += kDelayStepLength;
            continue;
        }
        int taken = 1;
        if (auto line = ReadInstruction(bytes, i, taken))
            list.AppendLine(std::move(*line)); // refused past the capacity
        i += taken;
    }
    list.ResolveJumpsAgain();
}

int WriteScript(std::span<const MacroLine> lines, CIcKX22& shadow, int slotAddress, int timeBase)
{
    int total = 0;
    for (const MacroLine& line : lines) {
        const std::vector<std::uint8_t> bytes = EncodeLine(line);
        if (total + static_cast<int>(bytes.size()) > kCapacity)
            break;
        for (std::uint8_t b : bytes)
            shadow.MarkByte(slotAddress + slot::kScriptOffset + total++, b, 0);
    }
    shadow.MarkByte(slotAddress + slot::kLengthOffset, total, 0);
    shadow.MarkByte(slotAddress + slot::kTimeBaseOffset, timeBase, 0);
    return total;
}

} // namespace vardex
