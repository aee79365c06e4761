// Random sequences of command-list operations: the used bytes never pass the capacity
// and always add up, and every tracked jump points at the start of its target line.
#include "macro/SkinLVCmdList.h"

#include <cstdlib>

namespace {

using namespace vardex;

void CheckInvariants(const CSkinLVCmdList& list)
{
    int used = 0;
    for (const MacroLine& line : list.Lines())
        used += line.length;
    if (used != list.UsedBytes() || used > list.Capacity())
        std::abort();
    for (const JumpLink& j : list.Jumps()) {
        if (j.sourceLine < 0 || j.sourceLine >= list.Count() || j.targetLine >= list.Count())
            std::abort();
        if (list.Line(j.sourceLine).Target() != j.targetOffset)
            std::abort();
        if (j.targetLine >= 0 && list.StartOffset(j.targetLine) != j.targetOffset)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CSkinLVCmdList list;
    list.SetUp(SMacroTexts{});
    std::size_t i = 0;
    auto next = [&]() -> int { return i < size ? data[i++] : 0; };
    while (i < size) {
        const int op = next();
        const int arg = next();
        // Jumps aim at the start of a line that exists, as the editor's lines do.
        const int target = list.Count() ? list.StartOffset(arg % list.Count()) : 0;
        switch (op % 12) {
        case 0:
            list.Append(static_cast<std::uint8_t>(arg));
            break;
        case 1:
            list.Append(macro::kDelayStep, arg);
            break;
        case 2:
            list.Append(macro::kMotion, arg * 77, -arg);
            break;
        case 3:
            list.Append(macro::kLoopEnd, target);
            break;
        case 4:
            list.AppendExtended(arg & 1 ? macro::kIfLocks : macro::kIfVariables, arg * 131, target);
            break;
        case 5:
            list.AppendExtended(arg & 1 ? macro::kGoto : macro::kCall, target);
            break;
        case 6:
            list.SetSelectedDelay(arg * 40);
            break;
        case 7:
            list.DeleteSelected();
            break;
        case 8:
            list.MoveSelectedUp();
            break;
        case 9:
            list.MoveSelectedDown();
            break;
        case 10:
            list.Select(arg % (list.Count() + 1));
            break;
        default:
            list.Deselect(arg % (list.Count() + 1));
            break;
        }
        CheckInvariants(list);
    }
    return 0;
}
