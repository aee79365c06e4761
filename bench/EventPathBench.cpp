// The mouse-side event path: the read completion filter per input report, and the
// display's work for the largest image it shows (the 280 x 123 level panel).
#include "controls/Shape.h"
#include "driver/SieveControlDevice.h"
#include "osd/OsdWnd.h"
#include "platform/emu/GeneratedSkin.h"
#include "platform/emu/MemoryRegistry.h"
#include "platform/emu/RecordingOsdSurface.h"
#include "platform/emu/VirtualWindowRuntime.h"
#include "support/OsdHarness.h"

#include <benchmark/benchmark.h>

#include <array>
#include <atomic>

namespace vardex {
namespace {

// A spin lock as the kernel's costs at least: one atomic exchange and one store.
class CAtomicSpinLock final : public ISpinLock {
public:
    void Acquire() override
    {
        while (m_Taken.exchange(true, std::memory_order_acquire)) {
        }
    }
    void Release() override { m_Taken.store(false, std::memory_order_release); }

private:
    std::atomic<bool> m_Taken{false};
};

class CNoObjects final : public IKernelObjects {
public:
    std::int32_t ReferenceEvent(std::uint64_t, void*&) override { return sieve::kInvalidHandle; }
    void Dereference(void*) override {}
};

// Reports as the mouse sends them: mostly movement, now and then a status or a key.
void ReadCompletionFilter(benchmark::State& state)
{
    CAtomicSpinLock lock;
    CNoObjects objects;
    sieve::SieveControlDevice control(0, lock, objects);
    std::uint8_t on[] = {sieve::kCmdFilter, 1};
    sieve::SRequest enable{sieve::EMajor::kWrite, 0, on, 2};
    control.Dispatch(enable);

    std::array<std::array<std::uint8_t, 16>, 8> reports{};
    reports[3][10] = 0x92;
    reports[3][11] = 0x10;
    reports[3][12] = 0x20;
    reports[6][13] = 0x85;
    std::size_t i = 0;
    for (auto _ : state) {
        std::array<std::uint8_t, 16>& report = reports[i++ & 7];
        control.FilterReport(report.data(), 16);
        report[sieve::kWheelByte] = 0;
        benchmark::DoNotOptimize(report.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ReadCompletionFilter);

// The shape of the composed level panel alone.
void DisplayPanelShape(benchmark::State& state)
{
    test::SOsdHarness display;
    display.osd.OnCreate(0x100);
    display.osd.OnDisplayMessage(0, SStatusWord::Make(3, 0, false, 9, 72));
    const SImage& panel = display.osd.Composed();
    for (auto _ : state)
        benchmark::DoNotOptimize(ShapeFromBitmap({panel.width, panel.height, panel.pixels}, osd::kKeyColour));
}
BENCHMARK(DisplayPanelShape)->Unit(benchmark::kMicrosecond);

// A whole level event: the panel and its eight digits loaded, composed and shaped.
void DisplayLevelEvent(benchmark::State& state)
{
    test::SOsdHarness display;
    display.osd.OnCreate(0x100);
    int level = 0;
    for (auto _ : state)
        display.osd.OnDisplayMessage(0, SStatusWord::Make(level++ & 3, 0, false, 9, 72));
}
BENCHMARK(DisplayLevelEvent)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vardex
