#include "device/TransferEngine.h"

#include "platform/emu/EmulatedHidSystem.h"
#include "platform/emu/MemoryRegistry.h"
#include "platform/emu/VirtualWindowRuntime.h"
#include "support/Bytes.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <memory>

namespace vardex {
namespace {

using test::SShownMessage;
using Command = std::array<std::uint8_t, 3>;

constexpr WindowHandle kMainWindow = 0x700;
constexpr WindowHandle kProgressWindow = 0x702;

struct CView final : ITransferView {
    bool InLoadingView() const override { return loadingView; }
    void EnterLoadingView() override { loadingView = true; }
    void SetLoadingRange(int count) override { range = count; }
    void SetLoadingPosition(int index) override { position = index; }
    void HideLoadingProgress() override { progressHidden = true; }
    void EnablePage(bool enable) override { pageEnabled = enable; }
    void HideWindow() override { hidden = true; }
    void ExitProgram() override { exited = true; }
    void LoadCompleted() override { ++completed; }

    bool loadingView = false;
    int range = 0;
    int position = 0;
    bool progressHidden = false;
    bool pageEnabled = true;
    bool hidden = false;
    bool exited = false;
    int completed = 0;
};

struct CProgress final : IProgressDialog {
    WindowHandle Window() const override { return kProgressWindow; }
    void SetTotal(int count) override { total = count; }
    void ClearProgress() override { cleared = true; }
    void EndWithOk() override { ++endedWithOk; }

    int total = 0;
    bool cleared = false;
    int endedWithOk = 0;
};

class TransferEngineTest : public ::testing::Test {
protected:
    TransferEngineTest()
    {
        kx->SetDevicePath(mouse.InterfacePath(CEmulatedMouse::kMainInterface).c_str());
        defaults.SetTopSensitivityCode(mem::TopSensitivityCode(mouse.Config().release));
        engine.SetConnected(true);
    }

    // Runs the timers until none is left; returns the number of ticks.
    int Pump()
    {
        int ticks = 0;
        while (auto timer = windows.FireNext()) {
            EXPECT_EQ(timer->window, kMainWindow);
            engine.OnTimer(timer->id);
            if (++ticks > 100000)
                break;
        }
        return ticks;
    }

    // The shadow as the whole load leaves it: every listed byte valid and clean.
    void LoadShadow()
    {
        for (const SDefaultPair& pair : defaults.Pairs())
            kx->StoreClean(pair.address, mouse.Eeprom()[pair.address]);
    }

    // Puts a script of `length` bytes into every macro slot of profile p, dirty.
    void MarkScripts(int p, int length)
    {
        for (int s = 0; s < mem::kButtonSlots; ++s) {
            const int slot = mem::MacroSlot(p, s);
            kx->MarkByte(slot, length, 0);
            for (int offset = 1; offset <= length + 2; ++offset)
                kx->MarkByte(slot + offset, 0x40 + offset, 0);
        }
    }

    // How many leading entries of the list were transferred: those before the failure
    // are done, every one from it on is untouched.
    int DonePrefix(const std::vector<int>& list, bool (*done)(const SShadowEntry&))
    {
        int k = 0;
        while (k < static_cast<int>(list.size()) && done(kx->Shadow(list[k])))
            ++k;
        for (std::size_t i = k; i < list.size(); ++i)
            EXPECT_FALSE(done(kx->Shadow(list[i]))) << "entry " << i;
        return k;
    }

    std::vector<Command> IndicatorCommands() const
    {
        std::vector<Command> out;
        for (const Command& c : mouse.Commands())
            if (c[0] == 3 && c[1] != 3)
                out.push_back(c);
        return out;
    }

    CVirtualClock clock;
    CEmulatedHidSystem hid{clock};
    CEmulatedMouse& mouse = hid.AddMouse();
    std::unique_ptr<CIcKX22> kx = std::make_unique<CIcKX22>(hid, clock);
    CVirtualWindowRuntime windows{clock};
    test::CRecordingMessages messages;
    CMemoryRegistry registry;
    CSettingsKey settings{registry};
    CView view;
    CProgress progress;
    CDefaultTable defaults;
    CTransferEngine engine{{*kx, clock, windows, kMainWindow, messages, settings, view, progress}, defaults};
};

TEST_F(TransferEngineTest, WholeLoadReadsEveryListedByteOnePerTick)
{
    mouse.Eeprom()[mem::kProfileSelect] = 0x53;
    ASSERT_EQ(engine.LoadWholeEeprom(), 1);
    EXPECT_TRUE(view.loadingView);
    EXPECT_EQ(view.range, 342);
    EXPECT_TRUE(engine.Busy());
    const int ticks = Pump();

    EXPECT_EQ(ticks, 341) << "the first byte is read when the load starts";
    EXPECT_EQ(clock.NowMs(), 40u + 341u * xfer::kTickMs);
    for (const SDefaultPair& pair : defaults.Pairs()) {
        const SShadowEntry& e = kx->Shadow(pair.address);
        ASSERT_EQ(e.value, mouse.Eeprom()[pair.address]) << pair.address;
        ASSERT_EQ(e.valid, 1);
        ASSERT_EQ(e.dirty, 0);
    }
    EXPECT_EQ(view.completed, 1);
    EXPECT_TRUE(view.progressHidden);
    EXPECT_FALSE(engine.Busy());
    EXPECT_TRUE(messages.shown.empty());

    const auto& commands = mouse.Commands();
    ASSERT_GE(commands.size(), 3u);
    EXPECT_EQ(commands.front(), (Command{2, 0, 0}));
    EXPECT_EQ(commands[1], (Command{3, 3, 0}));
    EXPECT_EQ(commands.back(), (Command{3, 3, 3}));
    // Every tenth byte: (3,0,n) then (3,1,n+1), n running 0 ... 7, 0.
    const auto indicators = IndicatorCommands();
    ASSERT_EQ(indicators.size(), 2u * 34u);
    for (std::size_t i = 0; i < indicators.size(); i += 2) {
        const std::uint8_t n = static_cast<std::uint8_t>((i / 2) % 8);
        EXPECT_EQ(indicators[i], (Command{3, 0, n}));
        EXPECT_EQ(indicators[i + 1], (Command{3, 1, static_cast<std::uint8_t>((n + 1) % 8)}));
    }
}

TEST_F(TransferEngineTest, StartedByAutomationSendsNoIndicatorCommands)
{
    engine.SetStartedByAutomation(true);
    ASSERT_EQ(engine.LoadWholeEeprom(), 1);
    Pump();
    EXPECT_EQ(mouse.Commands(), (std::vector<Command>{{2, 0, 0}}));
    EXPECT_EQ(view.completed, 1);
}

TEST_F(TransferEngineTest, NothingRunsWithoutAMouse)
{
    engine.SetConnected(false);
    EXPECT_EQ(engine.LoadWholeEeprom(), 0);
    EXPECT_EQ(engine.SaveProfileToMouse(0), 0);
    EXPECT_EQ(engine.ResetProfileToDefaults(0), 0);
    EXPECT_EQ(engine.FetchProfileMacros(0), 0);
    EXPECT_EQ(messages.shown, (std::vector<SShownMessage>(4, {msg::kNoMouse, L""})));
    EXPECT_TRUE(mouse.Transcript().empty());
}

TEST_F(TransferEngineTest, FirstByteOfTheLoadFailing)
{
    mouse.Unplug();
    EXPECT_EQ(engine.LoadWholeEeprom(), 0);
    EXPECT_EQ(messages.shown, (std::vector<SShownMessage>{{msg::kLoadConfigureFailed, L""}}));
    EXPECT_TRUE(view.loadingView) << "the window stays in the loading view";
    EXPECT_TRUE(view.progressHidden);
    EXPECT_FALSE(view.exited);
    EXPECT_FALSE(engine.Busy());
    EXPECT_TRUE(engine.Connected());
    EXPECT_FALSE(windows.AnyTimer());
}

TEST_F(TransferEngineTest, LaterByteOfTheLoadFailingEndsTheProgram)
{
    mouse.UnplugFault() = {120, 1}; // the mouse vanishes some fifty bytes in
    ASSERT_EQ(engine.LoadWholeEeprom(), 1);
    Pump();
    EXPECT_TRUE(view.hidden);
    EXPECT_TRUE(view.exited);
    EXPECT_EQ(messages.shown, (std::vector<SShownMessage>{{msg::kLoadConfigureFailed, L""}}));
    EXPECT_EQ(view.completed, 0);
    const int read = DonePrefix(engine.List(), [](const SShadowEntry& e) { return e.valid == 1; });
    EXPECT_GT(read, 40);
    EXPECT_LT(read, 60);
}

TEST_F(TransferEngineTest, ShortSaveWritesAtOnce)
{
    LoadShadow();
    // One button changed: its type and one parameter differ from the defaults.
    kx->MarkByte(mem::ButtonType(1, 3), 2, 0);
    kx->MarkByte(mem::ButtonParam(1, 3, 0), 1, 0);
    kx->MarkByte(mem::ButtonParam(1, 3, 1), 27, 0);
    mouse.ClearTranscript();

    EXPECT_EQ(engine.SaveProfileToMouse(1), 0);
    EXPECT_EQ(engine.List(), (std::vector<int>{mem::ButtonType(1, 3), mem::ButtonParam(1, 3, 0),
                                               mem::ButtonParam(1, 3, 1)}));
    EXPECT_EQ(mouse.Eeprom()[mem::ButtonParam(1, 3, 1)], 27);
    EXPECT_TRUE(mouse.Commands().empty()) << "no indicator commands on the short path";
    EXPECT_EQ(test::SentReports(mouse).size(), 3u);
    EXPECT_EQ(clock.NowMs(), 3u * 10u);
    EXPECT_FALSE(windows.AnyTimer());
    EXPECT_EQ(progress.total, 0);
    EXPECT_EQ(kx->Shadow(mem::ButtonType(1, 3)).dirty, 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TransferEngineTest, LongSaveRunsOnTheTimerWithProgress)
{
    LoadShadow();
    MarkScripts(2, 5); // nine slots of eight used bytes each
    mouse.ClearTranscript();
    settings.SetDword(L"DIAGLOG Handle", kProgressWindow);

    ASSERT_EQ(engine.SaveProfileToMouse(2), 1);
    const int count = static_cast<int>(engine.List().size());
    EXPECT_EQ(count, 9 + 9 * 7) << "the length bytes, then the rest of each slot's used bytes";
    EXPECT_EQ(progress.total, count);
    EXPECT_FALSE(view.pageEnabled);
    Pump();

    for (int s = 0; s < 9; ++s)
        for (int offset = 0; offset <= 7; ++offset)
            ASSERT_EQ(kx->Shadow(mem::MacroSlot(2, s) + offset).dirty, 0);
    EXPECT_EQ(mouse.Eeprom()[mem::MacroSlot(2, 8) + 7], 0x47);
    ASSERT_FALSE(windows.messages.empty());
    EXPECT_EQ(windows.messages.back(), (SWindowMessage{kProgressWindow, xfer::kProgressMessage, 1, count, true}));
    EXPECT_EQ(windows.messages.front().lParam, 2);
    EXPECT_TRUE(progress.cleared);
    EXPECT_EQ(progress.endedWithOk, 1);
    EXPECT_FALSE(registry.Value(ERegRoot::kCurrentUser, L"Software\\Vardex", L"DIAGLOG Handle").has_value());
    EXPECT_TRUE(view.pageEnabled);
    EXPECT_FALSE(engine.Busy());
    EXPECT_EQ(mouse.Commands().back(), (Command{3, 3, 3}));
    EXPECT_FALSE(IndicatorCommands().empty());
}

TEST_F(TransferEngineTest, SaveFailingMidwayKeepsTheRestDirty)
{
    LoadShadow();
    MarkScripts(0, 5);
    mouse.ClearTranscript();
    mouse.SetFault() = {34, kForever}; // some thirty bytes get through
    ASSERT_EQ(engine.SaveProfileToMouse(0), 1);
    Pump();
    EXPECT_EQ(messages.shown, (std::vector<SShownMessage>{{msg::kSaveConfigureFailed, L""}}));
    const std::vector<int> list = engine.List();
    const int written = DonePrefix(list, [](const SShadowEntry& e) { return e.dirty == 0; });
    EXPECT_GT(written, 20);
    EXPECT_LT(written, 34);
    EXPECT_EQ(progress.endedWithOk, 1);
    EXPECT_FALSE(engine.Busy());

    // The next save takes up what is left, scripts whose length byte went out included.
    mouse.SetFault() = {};
    messages.shown.clear();
    ASSERT_EQ(engine.SaveProfileToMouse(0), 1);
    EXPECT_EQ(engine.List().size(), list.size() - written);
    Pump();
    EXPECT_TRUE(messages.shown.empty());
    for (int address : list)
        EXPECT_EQ(kx->Shadow(address).dirty, 0);
}

TEST_F(TransferEngineTest, ShortSaveRefusesAddressesOutsideTheTable)
{
    LoadShadow();
    kx->MarkByte(mem::ProfileBase(4) + 1, 20, 0);
    kx->SetTableSize(mem::ProfileBase(4));
    EXPECT_EQ(engine.SaveProfileToMouse(4), 0);
    EXPECT_EQ(messages.shown, (std::vector<SShownMessage>{{msg::kSaveConfigureFailed, L""}}));
    EXPECT_EQ(kx->Shadow(mem::ProfileBase(4) + 1).dirty, 1);
}

TEST_F(TransferEngineTest, ResetWritesOnlyWhatDiffersFromTheDefaults)
{
    LoadShadow();
    EXPECT_EQ(engine.ResetProfileToDefaults(3), 0);
    EXPECT_TRUE(engine.List().empty());
    EXPECT_TRUE(mouse.Transcript().empty());

    mouse.ClearTranscript();
    kx->StoreClean(mem::ProfileBase(3) + 4, 72); // as a release-0x1502 mouse had it
    kx->StoreClean(mem::ProfileBase(3) + 8, 72);
    EXPECT_EQ(engine.ResetProfileToDefaults(3), 0);
    EXPECT_EQ(engine.List(), (std::vector<int>{mem::ProfileBase(3) + 4, mem::ProfileBase(3) + 8}));
    EXPECT_EQ(mouse.Eeprom()[mem::ProfileBase(3) + 4], 80);
    EXPECT_EQ(test::SentReports(mouse).size(), 2u);
}

TEST_F(TransferEngineTest, ResetOfANeverReadProfileRunsOnTheTimer)
{
    ASSERT_EQ(engine.ResetProfileToDefaults(1), 1);
    EXPECT_EQ(engine.List().size(), 68u);
    Pump();
    EXPECT_EQ(progress.endedWithOk, 1);
    for (const SDefaultPair& pair : defaults.ProfilePairs(1)) {
        EXPECT_EQ(mouse.Eeprom()[pair.address], pair.value);
        EXPECT_EQ(kx->Shadow(pair.address).dirty, 0);
    }
}

TEST_F(TransferEngineTest, FetchReadsTheScriptsOfSlotsNotLoaded)
{
    LoadShadow();
    for (int s = 0; s < 9; ++s) {
        const int slot = mem::MacroSlot(1, s);
        mouse.Eeprom()[slot] = 4;
        for (int offset = 1; offset <= 6; ++offset)
            mouse.Eeprom()[slot + offset] = static_cast<std::uint8_t>(s * 16 + offset);
        kx->StoreClean(slot, 4);
    }
    engine.MacroSlotsLoaded().SetLoaded(1, 0);
    ASSERT_EQ(engine.FetchProfileMacros(1), 1);
    EXPECT_EQ(engine.List().size(), 8u * 6u);
    EXPECT_EQ(engine.List().front(), mem::MacroSlot(1, 1) + 1);
    Pump();
    EXPECT_EQ(kx->Shadow(mem::MacroSlot(1, 8) + 6).value, 8 * 16 + 6);
    EXPECT_EQ(kx->Shadow(mem::MacroSlot(1, 0) + 1).valid, 0) << "a loaded slot is not fetched again";
    EXPECT_EQ(progress.endedWithOk, 1);
    EXPECT_TRUE(messages.shown.empty());

    engine.MacroSlotsLoaded().SetProfileLoaded(1);
    EXPECT_EQ(engine.FetchProfileMacros(1), 0) << "nothing left to fetch";
}

TEST_F(TransferEngineTest, FetchFailingStillEndsTheDialogWithOk)
{
    LoadShadow();
    kx->StoreClean(mem::MacroSlot(0, 0), 100);
    mouse.GetFault() = {10, kForever};
    ASSERT_EQ(engine.FetchProfileMacros(0), 1);
    Pump();
    EXPECT_EQ(messages.shown, (std::vector<SShownMessage>{{msg::kLoadConfigureFailed, L""}}));
    EXPECT_EQ(progress.endedWithOk, 1);
    EXPECT_EQ(kx->Shadow(mem::MacroSlot(0, 0) + 10).valid, 1);
}

TEST_F(TransferEngineTest, CancellingARunningTransfer)
{
    ASSERT_EQ(engine.LoadWholeEeprom(), 1);
    windows.FireNext();
    engine.CancelRunning();
    EXPECT_FALSE(windows.AnyTimer());
    EXPECT_EQ(mouse.Commands().back(), (Command{3, 3, 3}));

    engine.StopAll();
    EXPECT_FALSE(engine.Busy());
}

} // namespace
} // namespace vardex
