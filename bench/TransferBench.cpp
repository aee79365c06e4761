// Real time the protocol code spends on whole transfers against the emulated mouse.
// The pauses of the protocol run in virtual time, so this measures the host side only.
#include "device/IcKX22.h"
#include "device/TransferEngine.h"
#include "platform/emu/MemoryRegistry.h"
#include "platform/emu/VirtualWindowRuntime.h"
#include "platform/emu/EmulatedHidSystem.h"
#include "platform/emu/VirtualClock.h"
#include "profile/MemoryMap.h"

#include <benchmark/benchmark.h>

namespace vardex {
namespace {

struct SBench {
    CVirtualClock clock;
    CEmulatedHidSystem hid{clock};
    CEmulatedMouse& mouse = hid.AddMouse();
    CIcKX22 kx{hid, clock};
    CDefaultTable table;

    SBench() { kx.SetDevicePath(mouse.InterfacePath(CEmulatedMouse::kMainInterface).c_str()); }
};

// The 342 addresses of the default table, read into the shadow as the first load does.
void WholeRead(benchmark::State& state)
{
    SBench b;
    for (auto _ : state) {
        for (const SDefaultPair& pair : b.table.Pairs()) {
            int value = 0;
            if (!b.kx.ReadByte(pair.address, value))
                state.SkipWithError("read failed");
            b.kx.StoreClean(pair.address, value);
        }
        b.mouse.ClearTranscript();
    }
    state.counters["bytes"] = benchmark::Counter(static_cast<double>(state.iterations() * CDefaultTable::kSize),
                                                 benchmark::Counter::kIsRate);
}
BENCHMARK(WholeRead)->Unit(benchmark::kMillisecond);

// One profile's 68 bytes marked with new values and flushed.
void ProfileWrite(benchmark::State& state)
{
    SBench b;
    int round = 0;
    for (auto _ : state) {
        ++round;
        for (const SDefaultPair& pair : b.table.ProfilePairs(0)) {
            b.kx.MarkByte(pair.address, (pair.value + round) & 0xFF, 0);
            if (!b.kx.FlushByte(pair.address))
                state.SkipWithError("write failed");
        }
        b.mouse.ClearTranscript();
    }
}
BENCHMARK(ProfileWrite)->Unit(benchmark::kMicrosecond);

// The whole-EEPROM load as the program runs it: one byte when it starts, then one per
// 10 ms tick of the main window's timer, here in virtual time.
struct SNoView final : ITransferView {
    bool InLoadingView() const override { return true; }
    void EnterLoadingView() override {}
    void SetLoadingRange(int) override {}
    void SetLoadingPosition(int) override {}
    void HideLoadingProgress() override {}
    void EnablePage(bool) override {}
    void HideWindow() override {}
    void ExitProgram() override {}
    void LoadCompleted() override {}
};
struct SNoProgress final : IProgressDialog {
    WindowHandle Window() const override { return 0; }
    void SetTotal(int) override {}
    void ClearProgress() override {}
    void EndWithOk() override {}
};
struct SNoMessages final : IShowMessage {
    void ShowMessage(int, const std::wstring&) override {}
};

void WholeLoadOnTicks(benchmark::State& state)
{
    SBench b;
    CVirtualWindowRuntime windows(b.clock);
    CMemoryRegistry registry;
    CSettingsKey settings(registry);
    SNoView view;
    SNoProgress progress;
    SNoMessages messages;
    CTransferEngine engine({b.kx, b.clock, windows, 1, messages, settings, view, progress}, b.table);
    engine.SetConnected(true);
    std::int64_t ticks = 0;
    for (auto _ : state) {
        engine.LoadWholeEeprom();
        while (auto timer = windows.FireNext()) {
            engine.OnTimer(timer->id);
            ++ticks;
        }
        b.mouse.ClearTranscript();
    }
    state.counters["ticks/load"] = static_cast<double>(ticks) / static_cast<double>(state.iterations());
    state.counters["per tick"] = benchmark::Counter(static_cast<double>(ticks),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(WholeLoadOnTicks)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vardex
