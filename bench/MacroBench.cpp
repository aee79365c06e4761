// Decoding a full 125-byte macro slot into the command list and writing it back, the
// work LOAD and SAVE do around their transfers.
#include "macro/MacroSlotCodec.h"
#include "platform/emu/EmulatedHidSystem.h"
#include "platform/emu/VirtualClock.h"
#include "profile/MemoryMap.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace vardex {
namespace {

// A script of every kind of line, with delays and jumps, filled to 125 bytes.
void FillFullScript(CSkinLVCmdList& list)
{
    list.Clear();
    list.Append(macro::kLoopStart, 3);
    while (list.UsedBytes() + 14 <= macro::kCapacity) {
        list.Append(0x04);
        list.Append(macro::kDelayStep, 20);
        list.Append(0x84);
        list.Append(macro::kMotion, -5, 7);
        list.AppendExtended(macro::kGoto, 0);
    }
    while (list.UsedBytes() < macro::kCapacity)
        list.Append(macro::kNop);
}

void DecodeEncodeFullSlot(benchmark::State& state)
{
    CVirtualClock clock;
    CEmulatedHidSystem hid(clock);
    auto shadow = std::make_unique<CIcKX22>(hid, clock);
    const int slot = mem::MacroSlot(2, 5);
    CSkinLVCmdList list;
    FillFullScript(list);
    WriteScript(list.Lines(), *shadow, slot, 2);
    std::int64_t lines = 0;
    for (auto _ : state) {
        DecodeSlot(*shadow, slot, list);
        benchmark::DoNotOptimize(WriteScript(list.Lines(), *shadow, slot, 2));
        lines += list.Count();
    }
    state.counters["lines/s"] = benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsRate);
    state.counters["lines"] = list.Count();
}
BENCHMARK(DecodeEncodeFullSlot);

} // namespace
} // namespace vardex
