// Each mouse-side event end to end: the emulated mouse's input report read through the
// filter device, the mouse class turning a marked report into a forward notch, the
// low-level hook installed by the companions asking the control device, and the
// display and the main window handling what was posted to them.
#include "app/Companions.h"
#include "device/IcKX22.h"
#include "hook/HookLibrary.h"
#include "osd/OsdImages.h"
#include "osd/OsdWnd.h"
#include "platform/emu/EmulatedHidSystem.h"
#include "platform/emu/EmulatedModules.h"
#include "platform/emu/EmulatedSieveHost.h"
#include "platform/emu/GeneratedSkin.h"
#include "platform/emu/MemoryFileSystem.h"
#include "platform/emu/MemoryRegistry.h"
#include "platform/emu/MemorySystemSettings.h"
#include "platform/emu/RecordingHookSystem.h"
#include "platform/emu/RecordingOsdSurface.h"
#include "platform/emu/RecordingShell.h"
#include "platform/emu/VirtualWindowRuntime.h"
#include "profile/ButtonFunctions.h"
#include "profile/MouseSettings.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

constexpr WindowHandle kDisplayWindow = 0x9D00;
constexpr WindowHandle kMainWindow = 0x9A00;
constexpr wchar_t kFolder[] = L"C:\\Program Files\\Vardex\\";

using LowLevelProc = std::intptr_t (*)(int, std::uintptr_t, std::intptr_t);

class MouseEventsTest;
MouseEventsTest* g_World = nullptr;

// What the main window does with 0x9101: a profile change on the mouse switches the
// page, selects the profile on the mouse and applies its pointer settings; a launch
// key starts the program stored for it.
struct CMainWindowStandIn {
    void OnMessage(std::uintptr_t wParam, std::intptr_t lParam);

    CSettingsKey& settings;
    ISystemSettings& system;
    IFileSystem& files;
    IShell& shell;
    CIcKX22& kx;
    int page = 0;
    bool transferRunning = false;
};

void CMainWindowStandIn::OnMessage(std::uintptr_t wParam, std::intptr_t lParam)
{
    const auto word = static_cast<std::uint32_t>(lParam);
    if (wParam == wnd::kMainFrameStatus && SStatusWord::IsProfileChange(word) && SStatusWord::Profile(word) <= 4 &&
        !transferRunning) {
        page = SStatusWord::Profile(word);
        kx.SendCommand(7, page, 0);
        ApplyProfileMouseSettings(settings, system, page);
    } else if (wParam == wnd::kMainFrameLaunch) {
        LaunchProgram(settings, files, shell, static_cast<unsigned>(lParam));
    }
}

class MouseEventsTest : public ::testing::Test {
protected:
    MouseEventsTest()
    {
        g_World = this;
        kx.SetDevicePath(mouse.InterfacePath(CEmulatedMouse::kMainInterface).c_str());
        // The driver sees the mouse arrive and start.
        host.Load();
        SEmulatedNode node;
        node.mouse = &mouse;
        EXPECT_EQ(host.Add(node, m_Node), sieve::kSuccess);
        EXPECT_EQ(host.Start(m_Node), sieve::kSuccess);
        // The program's main window exists; the libraries sit beside the program.
        windows.windowClasses[kMainWindow] = wnd::kDialogClass;
        published.Publish(handles::kProcess, kMainWindow);
        files.files[std::wstring(kFolder) + companions::kDisplayLibrary] = {};
        files.files[std::wstring(kFolder) + companions::kHookLibrary] = {};
        modules.modules[std::wstring(kFolder) + companions::kDisplayLibrary] = {{}, [this] {
            windows.windowClasses[kDisplayWindow] = wnd::kDisplayClass;
            display.OnCreate(kDisplayWindow);
        }};
        modules.modules[std::wstring(kFolder) + companions::kHookLibrary] = {
            {{companions::kMouseProcExport, reinterpret_cast<ExportAddress>(&MouseProc)},
             {companions::kLowLevelMouseProcExport, reinterpret_cast<ExportAddress>(&LLMouseProc)},
             {companions::kLinkNextHookExport, reinterpret_cast<ExportAddress>(&ExportedLinkNextHook)}},
            [] { HookLibraryEntry(nullptr, EEntryReason::kProcessAttach, &MakeHook); }};
        companions.StartCompanions();
        EXPECT_TRUE(companions.HooksActive());
    }
    ~MouseEventsTest() override
    {
        HookLibraryEntry(nullptr, EEntryReason::kProcessDetach, &MakeHook);
        g_World = nullptr;
    }

    static CHook* MakeHook(void* module)
    {
        MouseEventsTest& w = *g_World;
        return new CHook(SHookPorts{w.hookSystem, w.host.Client(), w.registry, w.windows}, module);
    }
    static std::intptr_t MouseProc(int code, std::uintptr_t wParam, std::intptr_t lParam)
    {
        return ExportedMouseProc(g_World->hookSystem, code, wParam, lParam);
    }
    static std::intptr_t LLMouseProc(int code, std::uintptr_t wParam, std::intptr_t lParam)
    {
        return ExportedLLMouseProc(g_World->hookSystem, code, wParam, lParam);
    }

    // The system: the low-level hook the program installed gets the event first.
    std::intptr_t SystemEvent(std::uintptr_t message, std::uint32_t mouseData)
    {
        LowLevelProc proc = nullptr;
        for (const auto& hook : modules.installed)
            if (hook.type == kLowLevelMouseHook)
                proc = reinterpret_cast<LowLevelProc>(hook.procedure);
        EXPECT_NE(proc, nullptr);
        SLowLevelMouse event{};
        event.mouseData = mouseData;
        return proc(0, message, reinterpret_cast<std::intptr_t>(&event));
    }
    // The mouse class reads every report the mouse queued; a wheel byte becomes notches.
    std::vector<std::vector<std::uint8_t>> Reports()
    {
        std::vector<std::vector<std::uint8_t>> delivered;
        for (const SReadResult& read : host.ReadAll(m_Node)) {
            delivered.push_back(read.buffer);
            const auto wheel = static_cast<std::int8_t>(read.buffer[sieve::kWheelByte]);
            if (wheel != 0)
                SystemEvent(hook::kMouseWheel, static_cast<std::uint32_t>(static_cast<std::uint16_t>(120 * wheel)) << 16);
        }
        return delivered;
    }
    // The program's thread handles what was posted, in order.
    void RunMessageLoop()
    {
        for (; m_Handled < windows.messages.size(); ++m_Handled) {
            const SWindowMessage& m = windows.messages[m_Handled];
            if (m.window == kDisplayWindow && m.message == wnd::kDisplayMessage)
                display.OnDisplayMessage(m.wParam, m.lParam);
            else if (m.window == kMainWindow && m.message == wnd::kMainFrameMessage)
                mainWindow.OnMessage(m.wParam, m.lParam);
        }
    }
    std::vector<SWindowMessage> Posted() const { return {windows.messages.begin() + 0, windows.messages.end()}; }
    bool WheelReachedApplications() const
    {
        return std::any_of(hookSystem.passed.begin(), hookSystem.passed.end(),
                           [](const SPassedEvent& e) { return e.wParam == hook::kMouseWheel; });
    }

    CVirtualClock clock;
    CEmulatedHidSystem hid{clock};
    CEmulatedMouse& mouse = hid.AddMouse();
    CIcKX22 kx{hid, clock};
    CEmulatedSieveHost host;
    CMemoryRegistry registry;
    CSettingsKey settings{registry};
    CVirtualWindowRuntime windows{clock};
    CWindowRegistry published{settings, windows};
    CMemoryFileSystem files;
    CRecordingShell shell;
    CMemorySystemSettings system;
    CRecordingHookSystem hookSystem;
    CEmulatedModules modules;
    CMemorySystemFolders folders;
    CMemorySubkeys subkeys;
    struct CNoWow64 final : IWow64 {
        bool ProcessIs64Bit() const override { return false; }
        bool ProcessIsWow64() override { return false; }
        bool HasRedirectionControl() override { return false; }
        bool DisableRedirection(std::uintptr_t&) override { return false; }
        bool RevertRedirection(std::uintptr_t) override { return false; }
    } wow64;
    CRecordingOsdSurface surface;
    CGeneratedSkin skin;
    SOsdLevelValues levelValues;
    COsdWnd display{SOsdPorts{surface, skin, windows, published}, levelValues};
    CMainWindowStandIn mainWindow{settings, system, files, shell, kx};
    CCompanions companions{
        SCompanionPorts{host.Client(), modules, modules, settings, files, shell, folders, wow64, registry, subkeys}, 8};

private:
    int m_Node = -1;
    std::size_t m_Handled = 0;
};

TEST_F(MouseEventsTest, TheProfileButtonShowsTheProfileAndSwitchesTheProgram)
{
    settings.SetDword(MotionSpeedValue(1), 17);
    settings.SetDword(DoubleClickValue(1), 700);
    settings.SetDword(WheelLinesValue(1), 11);
    mouse.ClearTranscript();

    mouse.PressProfileButton(); // profile 1 becomes profile 2
    const auto reports = Reports();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0][sieve::kWheelByte], 1);
    EXPECT_EQ(reports[1][sieve::kWheelByte], 0); // the release
    EXPECT_FALSE(WheelReachedApplications());
    RunMessageLoop();

    ASSERT_EQ(windows.messages.size(), 2u);
    EXPECT_EQ(windows.messages[0].window, kDisplayWindow);
    EXPECT_EQ(windows.messages[1].window, kMainWindow);
    EXPECT_EQ(display.Mode(), osd::EMode::kProfile);
    EXPECT_EQ(display.Background(), osd::kProfileImage + 1);
    EXPECT_TRUE(surface.visible);
    EXPECT_EQ(mainWindow.page, 1);
    ASSERT_FALSE(mouse.Commands().empty());
    EXPECT_EQ(mouse.Commands().back(), (std::array<std::uint8_t, 3>{7, 1, 0}));
    EXPECT_EQ(system.speed, 17);
    EXPECT_EQ(system.doubleClickMs, 700);
    EXPECT_EQ(system.wheelLines, kWheelPageScroll);

    // Three seconds later the display hides.
    const auto due = windows.FireNext();
    ASSERT_TRUE(due);
    display.OnTimer(due->id);
    EXPECT_EQ(clock.NowMs(), 3000u);
    EXPECT_FALSE(surface.visible);
}

TEST_F(MouseEventsTest, TheSensitivityButtonShowsTheLevelsPanel)
{
    mouse.PressSensitivityButton(true);
    const auto reports = Reports();
    ASSERT_FALSE(reports.empty());
    const auto& report = reports[0];
    RunMessageLoop();

    const int level = report[10] & 0x03;
    EXPECT_EQ(display.Mode(), osd::EMode::kLevelPanel);
    EXPECT_EQ(display.Background(), osd::kLevelPanel + level);
    const auto upper = osd::DigitImages(osd::NumberForRawCode(report[12]));
    const auto lower = osd::DigitImages(osd::NumberForRawCode(report[11]));
    std::array<int, 8> digits{};
    std::copy(upper.begin(), upper.end(), digits.begin());
    std::copy(lower.begin(), lower.end(), digits.begin() + 4);
    EXPECT_EQ(display.Digits(), digits);
    EXPECT_EQ(levelValues.x[level], report[12]);
    EXPECT_TRUE(surface.visible);
    EXPECT_EQ(mainWindow.page, 0); // a level change leaves the page
    EXPECT_FALSE(WheelReachedApplications());
}

TEST_F(MouseEventsTest, TheLaunchButtonStartsTheStoredProgramWithoutTheDisplay)
{
    settings.SetString(LaunchValueName(4), L"C:\\Games\\arena.exe");
    files.files[L"C:\\Games\\arena.exe"] = {};
    mouse.PressLaunchButton(4);
    Reports();
    RunMessageLoop();

    EXPECT_EQ(shell.started, (std::vector<std::wstring>{L"C:\\Games\\arena.exe"}));
    ASSERT_EQ(windows.messages.size(), 1u);
    EXPECT_EQ(windows.messages[0].window, kMainWindow);
    EXPECT_EQ(windows.messages[0].wParam, wnd::kMainFrameLaunch);
    EXPECT_EQ(display.Mode(), osd::EMode::kNothing);
    EXPECT_FALSE(surface.visible);
    EXPECT_FALSE(WheelReachedApplications());
}

TEST_F(MouseEventsTest, AnExtraButtonShowsItsArrowAndStillReachesApplications)
{
    EXPECT_EQ(SystemEvent(hook::kXButtonDown, 0x20000), CRecordingHookSystem::kNextHookResult);
    RunMessageLoop();
    EXPECT_EQ(display.Background(), osd::kForwardButton);
    EXPECT_TRUE(surface.visible);
    ASSERT_EQ(hookSystem.passed.size(), 1u);
    EXPECT_EQ(hookSystem.passed[0].hook, companions.LowLevelHook());
}

TEST_F(MouseEventsTest, WithInterceptionOffNothingChanges)
{
    ASSERT_EQ(SendFilterCommand(host.Client(), false), 1);
    mouse.PressProfileButton();
    mouse.PressLaunchButton(2);
    for (const auto& report : Reports())
        EXPECT_EQ(report[sieve::kWheelByte], 0);
    // The user's own forward notch is asked about, finds nothing and scrolls.
    EXPECT_EQ(SystemEvent(hook::kMouseWheel, 120u << 16), CRecordingHookSystem::kNextHookResult);
    RunMessageLoop();
    EXPECT_TRUE(windows.messages.empty());
    EXPECT_EQ(display.Mode(), osd::EMode::kNothing);
    EXPECT_EQ(mainWindow.page, 0);
    EXPECT_TRUE(shell.started.empty());
    EXPECT_TRUE(WheelReachedApplications());
}

TEST_F(MouseEventsTest, ShutdownSwitchesInterceptionOffAndTheDisplayWithdraws)
{
    companions.StopCompanions();
    display.OnDestroy();
    EXPECT_EQ(host.Driver().Control()->Record().m_Enabled, 0);
    EXPECT_EQ(published.Find(handles::kDisplay), 0u);
    mouse.PressProfileButton();
    EXPECT_EQ(Reports()[0][sieve::kWheelByte], 0);
}

} // namespace
} // namespace vardex
