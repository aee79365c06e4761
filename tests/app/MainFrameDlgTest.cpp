#include "app/QV9App.h"

#include "platform/emu/EmulatedHidSystem.h"
#include "profile/MouseSettings.h"
#include "platform/emu/MemoryInstanceLock.h"
#include "platform/emu/MemoryRegistry.h"
#include "platform/emu/MemorySystemSettings.h"
#include "platform/emu/VirtualWindowRuntime.h"
#include "support/RecordingMessageBox.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace vardex {
namespace {

using Command = std::array<std::uint8_t, 3>;
constexpr WindowHandle kMainWindow = 0x700;
constexpr WindowHandle kSkinWindow = 0x702;

// The window system as the main window sees it: views and dialogs recorded, the
// modal dialogs answered as the test says.
class CFakeFrameWindow final : public IMainFrameWindow {
public:
    void ShowView(int mode) override { views.push_back(mode); }
    void Refresh() override {}
    void RedrawControl(int) override {}
    void Hide() override { hidden = true; }
    void Minimise() override {}
    void EndDialog(int result) override { endedWith = result; }
    int RunDeviceSelection(CDeviceSelectDlg& dialog) override
    {
        dialog.OnInitDialog();
        items = dialog.Items();
        if (choice < 0)
            return dialog.OnCancel();
        dialog.OnSelectionChange(choice);
        return dialog.OnOk();
    }
    int RunSkinDlg(CSkinDlg& dialog) override
    {
        askedModes.push_back(dialog.Mode());
        return answer;
    }
    WindowHandle SkinDlgWindow() override { return 0; }
    void EndSkinDlg(int) override {}

    std::vector<int> views;
    bool hidden = false;
    int endedWith = 0;
    int choice = 0; // the device selection's answer; -1 cancels
    std::vector<std::wstring> items;
    std::vector<int> askedModes;
    int answer = skin::kResultCancel;
};

class MainFrameDlgTest : public ::testing::Test, public IAppHost {
protected:
    MainFrameDlgTest() { windows.windowClasses[kMainWindow] = wnd::kDialogClass; }

    CEmulatedMouse& AddMouse(std::uint16_t release)
    {
        SEmulatedMouseConfig config;
        config.release = release;
        config.instance = L"7&" + std::to_wstring(100 + hid.MouseCount()) + L"&0";
        return hid.AddMouse(config);
    }
    SMainFramePorts Ports() { return {hid, clock, windows, settings, system, lock, box}; }
    std::unique_ptr<CMainFrameDlg> Start(bool hidden = false)
    {
        auto frame = std::make_unique<CMainFrameDlg>(Ports());
        if (hidden)
            frame->StartHidden();
        frame->OnInitDialog(kMainWindow, shell);
        return frame;
    }
    // Runs the main window's timers until none is left.
    void RunTimers(CMainFrameDlg& frame)
    {
        for (int ticks = 0; ticks < 5000; ++ticks) {
            const auto due = windows.FireNext();
            if (!due)
                return;
            frame.OnTimer(due->id);
        }
        FAIL() << "timers never stopped";
    }
    std::uint32_t ProcessHandle() { return settings.GetDword(L"Process Handle"); }
    bool HasValue(const wchar_t* name)
    {
        std::vector<std::uint8_t> data;
        return settings.GetValue(name, data) != 0;
    }

    // IAppHost, for the second start.
    void RunMainFrame(CMainFrameDlg&) override { ++mainFramesRun; }
    void BringToForeground(WindowHandle window) override { foreground = window; }

    CVirtualClock clock;
    CVirtualWindowRuntime windows{clock};
    CEmulatedHidSystem hid{clock};
    CMemoryRegistry registry;
    CSettingsKey settings{registry};
    CMemorySystemSettings system;
    std::multiset<std::wstring> systemNames;
    CMemoryInstanceLock lock{systemNames};
    test::CRecordingMessageBox box;
    CFakeFrameWindow shell;
    int mainFramesRun = 0;
    WindowHandle foreground = 0;
};

TEST_F(MainFrameDlgTest, ConnectsAndLoadsTheWholeEepromIntoThePage)
{
    CEmulatedMouse& mouse = AddMouse(0x1503);
    mouse.Eeprom()[169] = 0x52; // five profiles, the third active
    auto frame = Start();
    EXPECT_EQ(ProcessHandle(), kMainWindow);
    EXPECT_EQ(frame->Mode(), frame::kModeLoading);
    EXPECT_TRUE(frame->Busy());
    RunTimers(*frame);

    EXPECT_EQ(shell.views, (std::vector<int>{frame::kModeLoading, frame::kModePage}));
    EXPECT_FALSE(frame->Busy());
    EXPECT_EQ(frame->CurrentProfile(), 2);
    EXPECT_TRUE(frame->Control(frame::kProfileFirst + 2).highlighted);
    EXPECT_FALSE(frame->Control(frame::kProfileFirst + 1).highlighted);
    EXPECT_TRUE(frame->Control(frame::kExit).shown);
    EXPECT_FALSE(frame->Control(frame::kLoadingBar).shown);
    EXPECT_FALSE(frame->Control(frame::kSaveToMouse).enabled);
    EXPECT_EQ(frame->Control(frame::kLabelFirst).text.empty(), false);
    // The sequence's frame: prepare, indicator on, ..., indicator off.
    ASSERT_GE(mouse.Commands().size(), 3u);
    EXPECT_EQ(mouse.Commands().front(), (Command{2, 0, 0}));
    EXPECT_EQ(mouse.Commands()[1], (Command{3, 3, 0}));
    EXPECT_EQ(mouse.Commands().back(), (Command{3, 3, 3}));
    EXPECT_EQ(frame->Device().Shadow(169).value, 0x52);
}

TEST_F(MainFrameDlgTest, WithoutALaunchHookNoPanelShowsLaunch)
{
    CEmulatedMouse& mouse = AddMouse(0x1503);
    auto frame = Start();
    RunTimers(*frame);
    // Page button 0 of the active profile set to launch (function 8) in the shadow.
    ASSERT_EQ(AssignFunction(frame->Device(), CFunctionTable(), frame->CurrentProfile(), 1, 8), 1);
    frame->OnCommand(frame::kProfileFirst + (frame->CurrentProfile() + 1) % 5);
    frame->OnCommand(frame::kProfileFirst + mouse.ActiveProfile());
    for (int u = 0; u < frame::kPageButtons; ++u)
        EXPECT_NE(frame->Control(frame::kLabelFirst + u).text, L"LAUNCH") << u;
}

TEST_F(MainFrameDlgTest, NoMouseShowsTheNoMouseViewWithItsExitButton)
{
    const std::uint16_t releases[] = {0, 0x1501, 0x1505};
    for (std::uint16_t release : releases) {
        if (release)
            AddMouse(release);
        auto frame = Start();
        EXPECT_EQ(frame->Mode(), frame::kModeNoMouse) << release;
        EXPECT_FALSE(frame->Connected());
        EXPECT_TRUE(frame->Control(frame::kExit).shown);
        EXPECT_FALSE(windows.AnyTimer());
        shell.views.clear();
    }
}

TEST_F(MainFrameDlgTest, TwoMiceAreListedAndTheChosenOneBlinksUntilOk)
{
    AddMouse(0x1503);
    CEmulatedMouse& second = AddMouse(0x1502);
    shell.choice = 1;
    auto frame = Start();
    EXPECT_EQ(shell.items, (std::vector<std::wstring>{L"1503: Vardex Gaming Mouse", L"1502: Vardex Gaming Mouse"}));
    EXPECT_EQ(frame->SelectedDevice(), 1);
    EXPECT_EQ(frame->DeviceCountAtConnect(), 2);
    EXPECT_FALSE(windows.IsRunning(kMainWindow, select::kBlinkTimer));
    ASSERT_GE(second.Commands().size(), 3u);
    EXPECT_EQ(second.Commands()[0], (Command{2, 0, 0}));
    EXPECT_EQ(second.Commands()[1], (Command{3, 3, 0}));
    EXPECT_EQ(second.Commands()[2], (Command{3, 3, 3}));
    EXPECT_EQ(frame->Mode(), frame::kModeLoading);
}

TEST_F(MainFrameDlgTest, CancellingTheSelectionEndsTheProgram)
{
    AddMouse(0x1503);
    AddMouse(0x1504);
    shell.choice = -1;
    auto frame = Start();
    EXPECT_EQ(shell.endedWith, frame::kResultCancel);
    EXPECT_FALSE(frame->Connected());
    EXPECT_FALSE(HasValue(L"Process Handle"));
}

TEST(DeviceSelectDlgTest, TheChosenMouseBlinksEvery300Ms)
{
    CVirtualClock clock;
    CVirtualWindowRuntime windows(clock);
    CEmulatedHidSystem hid(clock);
    test::CRecordingMessageBox box;
    SEmulatedMouseConfig config;
    CEmulatedMouse& first = hid.AddMouse(config);
    config.instance = L"7&2&0";
    CEmulatedMouse& second = hid.AddMouse(config);
    CHidClient devices(hid, box);
    const SUsbId ids[] = {{0x12CF, 0x0182}};
    devices.CreateDeviceTable(ids, 1, 0x1502, 0x1504);
    CIcKX22 device(hid, clock);
    CDeviceSelectDlg dialog(devices, device, clock, windows, kMainWindow);

    dialog.OnInitDialog();
    for (int tick = 0; tick < 2; ++tick) {
        const auto due = windows.FireNext();
        ASSERT_TRUE(due && due->id == select::kBlinkTimer);
        dialog.OnTimer();
    }
    EXPECT_EQ(clock.NowMs(), 40u + 600u);
    EXPECT_EQ(first.Commands(), (std::vector<Command>{{2, 0, 0}, {3, 3, 0}, {3, 3, 2}, {3, 3, 2}}));
    dialog.OnSelectionChange(1);
    EXPECT_EQ(first.Commands().back(), (Command{3, 3, 3}));
    EXPECT_EQ(second.Commands(), (std::vector<Command>{{2, 0, 0}, {3, 3, 0}}));
    EXPECT_EQ(dialog.OnCancel(), select::kCancelled);
    EXPECT_EQ(second.Commands().back(), (Command{3, 3, 3}));
    EXPECT_FALSE(windows.AnyTimer());
}

TEST_F(MainFrameDlgTest, DragFullWindowsIsOffWhileRunningAndRestoredAfter)
{
    for (int before : {0, 1, 2}) {
        system.dragFullWindows = before;
        {
            auto frame = Start();
            EXPECT_EQ(system.dragFullWindows, 0) << before;
        }
        EXPECT_EQ(system.dragFullWindows, before);
    }
}

TEST_F(MainFrameDlgTest, ASecondStartWakesTheFirstThroughItsPublishedWindow)
{
    AddMouse(0x1503);
    auto first = Start();
    // The second process has its own lock object on the same system names.
    CMemoryInstanceLock secondLock(systemNames);
    SMainFramePorts ports = Ports();
    CQV9App app({ports.hid, ports.clock, ports.windows, ports.settings, ports.system, secondLock, ports.box}, *this);
    EXPECT_FALSE(app.InitInstance(L""));
    EXPECT_EQ(mainFramesRun, 0);
    EXPECT_EQ(windows.messages.back(), (SWindowMessage{kMainWindow, wnd::kCommand, wnd::kRestoreCommand, 0, false}));
    EXPECT_EQ(foreground, kMainWindow);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(MainFrameDlgTest, ASecondStartWithoutAUsableWindowSaysTooManyInstances)
{
    struct SCase {
        const char* name;
        std::optional<std::uint32_t> value;
    };
    const SCase cases[] = {{"missing", std::nullopt}, {"-1", 0xFFFFFFFF}, {"zero", 0}, {"stale", 0x4242}};
    for (const SCase& c : cases) {
        system.dragFullWindows = 1;
        CMemoryInstanceLock firstLock(systemNames);
        bool existed = false;
        firstLock.Acquire(frame::kMutexName, existed);
        settings.DeleteValue(L"Process Handle");
        if (c.value)
            settings.SetDword(L"Process Handle", *c.value); // 0x4242 names no dialog window
        box.shown.clear();
        windows.messages.clear();

        EXPECT_FALSE(CQV9App(Ports(), *this).InitInstance(L""));
        ASSERT_EQ(box.shown.size(), 1u) << c.name;
        EXPECT_EQ(box.shown[0].text, L"TOO MANY INSTANCES!");
        EXPECT_EQ(box.shown[0].caption, L"Novaro Arena VARDEX MESSAGE");
        EXPECT_TRUE(windows.messages.empty()) << c.name;
        EXPECT_EQ(system.dragFullWindows, 1) << c.name;
        EXPECT_EQ(mainFramesRun, 0);
    }
}

TEST_F(MainFrameDlgTest, ExitClosesThePublishedWindowsAndWithdrawsItsHandle)
{
    AddMouse(0x1503);
    constexpr WindowHandle kDisplay = 0x900;
    windows.windowClasses[kDisplay] = wnd::kDisplayClass;
    settings.SetDword(L"OSD Handle", kDisplay);
    auto frame = Start();
    RunTimers(*frame);
    windows.messages.clear();
    frame->OnCommand(frame::kExit);
    EXPECT_EQ(shell.endedWith, frame::kResultCancel);
    EXPECT_FALSE(HasValue(L"Process Handle"));
    EXPECT_EQ(windows.messages, (std::vector<SWindowMessage>{{kDisplay, wnd::kClose, 0, 0, false}}));
}

TEST_F(MainFrameDlgTest, CancelDuringTheLoadStopsItAndTurnsTheLightsBack)
{
    CEmulatedMouse& mouse = AddMouse(0x1503);
    auto frame = Start();
    frame->OnTimer(xfer::kLoadTimer);
    frame->OnCancel();
    EXPECT_FALSE(windows.AnyTimer());
    EXPECT_EQ(mouse.Commands().back(), (Command{3, 3, 3}));
    EXPECT_EQ(shell.endedWith, frame::kResultCancel);
}

TEST_F(MainFrameDlgTest, AProfileButtonSwitchesTheMouseAndThePage)
{
    CEmulatedMouse& mouse = AddMouse(0x1503);
    auto frame = Start();
    RunTimers(*frame);
    frame->OnCommand(frame::kProfileFirst + 3);
    EXPECT_EQ(mouse.ActiveProfile(), 3);
    EXPECT_EQ(mouse.Commands().back(), (Command{7, 3, 0}));
    EXPECT_EQ(frame->CurrentProfile(), 3);
    EXPECT_TRUE(frame->Control(frame::kProfileFirst + 3).highlighted);
    EXPECT_FALSE(frame->Control(frame::kProfileFirst).highlighted);
    EXPECT_EQ(frame->Device().Shadow(169).value & 0x07, 3);
}

TEST_F(MainFrameDlgTest, AResetAnsweredNoWritesNothing)
{
    CEmulatedMouse& mouse = AddMouse(0x1503);
    auto frame = Start();
    RunTimers(*frame);
    mouse.ClearTranscript();
    frame->OnCommand(frame::kReset);
    EXPECT_EQ(shell.askedModes, (std::vector<int>{skin::kResetWarning}));
    EXPECT_TRUE(mouse.Transcript().empty());
    EXPECT_FALSE(frame->Busy());
    EXPECT_TRUE(frame->Control(frame::kProfileFirst).enabled);
}

TEST_F(MainFrameDlgTest, AHiddenStartReadsOnlyTheActiveProfileUntilRestored)
{
    CEmulatedMouse& mouse = AddMouse(0x1503);
    mouse.Eeprom()[169] = 0x51;
    settings.SetDword(MotionSpeedValue(1), 7);
    auto frame = Start(true);
    EXPECT_EQ(frame->Mode(), frame::kModeNone);
    EXPECT_TRUE(mouse.Commands().empty());
    EXPECT_EQ(frame->CurrentProfile(), 1);
    frame->OnPaint();
    EXPECT_TRUE(shell.hidden);

    frame->OnCommand(static_cast<int>(wnd::kRestoreCommand));
    EXPECT_FALSE(frame->HiddenStart());
    RunTimers(*frame);
    EXPECT_EQ(frame->Mode(), frame::kModePage);
    // Started by automation: no indicator commands, only the prepare command.
    EXPECT_EQ(mouse.Commands(), (std::vector<Command>{{2, 0, 0}}));
    EXPECT_EQ(system.speed, 7);
}

} // namespace
} // namespace vardex
