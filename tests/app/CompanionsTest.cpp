#include "app/Companions.h"

#include "driver/SieveTestSupport.h"
#include "platform/emu/EmulatedModules.h"
#include "platform/emu/MemoryFileSystem.h"
#include "platform/emu/MemoryRegistry.h"
#include "lang/Utf16.h"
#include "platform/emu/RecordingShell.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

constexpr wchar_t kProgramFolder[] = L"C:\\Program Files\\Vardex\\";

class CWow64 final : public IWow64 {
public:
    bool ProcessIs64Bit() const override { return false; }
    bool ProcessIsWow64() override { return wow64; }
    bool HasRedirectionControl() override { return true; }
    bool DisableRedirection(std::uintptr_t&) override { return true; }
    bool RevertRedirection(std::uintptr_t) override { return true; }
    bool wow64 = false;
};

std::vector<std::pair<HookHandle, HookHandle>> g_Links;
void LinkNextHook(HookHandle lowLevel, HookHandle mouse) { g_Links.push_back({lowLevel, mouse}); }
void MouseProc() {}
void LowLevelMouseProc() {}

// The driver with the maker's mouse started, and both libraries beside the program.
class CompanionsTest : public test::SieveFixture {
protected:
    CompanionsTest() { Reset(); }
    void Reset()
    {
        g_Links.clear();
        modules = CEmulatedModules();
        host.clientWritesFail = false;
        Command({0xF1, 0});
        files.files[std::wstring(kProgramFolder) + L"Qv9Disp.dll"] = {};
        files.files[std::wstring(kProgramFolder) + L"Qv9Tap.dll"] = {};
        modules.modules[std::wstring(kProgramFolder) + L"Qv9Disp.dll"] = {{}, [this] { ++displayCreated; }};
        modules.modules[std::wstring(kProgramFolder) + L"Qv9Tap.dll"] = {
            {{"_MouseProc@12", &MouseProc},
             {"_LLMouseProc@12", &LowLevelMouseProc},
             {"LinkNextHook", reinterpret_cast<ExportAddress>(&LinkNextHook)}},
            {}};
    }
    CCompanions Make(int versionCode = 8)
    {
        return CCompanions(SCompanionPorts{host.Client(), modules, modules, settings, files, shell, folders, wow64,
                                           registry, subkeys},
                           versionCode);
    }
    std::uint8_t Enabled() { return host.Driver().Control()->Record().m_Enabled; }

    CEmulatedModules modules;
    CMemoryFileSystem files;
    CRecordingShell shell;
    CMemoryRegistry registry;
    CSettingsKey settings{registry};
    CMemorySystemFolders folders;
    CWow64 wow64;
    CMemorySubkeys subkeys;
    int displayCreated = 0;
};

TEST_F(CompanionsTest, StartSwitchesInterceptionOnAndHooksTheMouse)
{
    CCompanions companions = Make();
    companions.StartCompanions();
    EXPECT_TRUE(companions.HooksActive());
    EXPECT_TRUE(companions.MousePresent());
    EXPECT_EQ(Enabled(), 1);
    EXPECT_EQ(displayCreated, 1);
    ASSERT_EQ(modules.installed.size(), 2u);
    EXPECT_EQ(modules.installed[0].type, kMouseHook);
    EXPECT_EQ(modules.installed[0].procedure, &MouseProc);
    EXPECT_EQ(modules.installed[1].type, kLowLevelMouseHook);
    EXPECT_EQ(modules.installed[1].module, companions.HookLibrary());
    EXPECT_EQ(g_Links, (std::vector<std::pair<HookHandle, HookHandle>>{{companions.LowLevelHook(), companions.MouseHook()}}));
    EXPECT_EQ(host.openHandles, 0);

    companions.StopCompanions();
    EXPECT_FALSE(companions.HooksActive());
    EXPECT_EQ(Enabled(), 0);
    EXPECT_EQ(modules.removed, (std::vector<HookHandle>{0x600 + 14, 0x600 + 7}));
}

TEST_F(CompanionsTest, WithoutEverythingInPlaceTheProgramRunsWithoutHooks)
{
    struct SCase {
        const char* name;
        int versionCode;
        std::function<void()> change;
        bool filterOn;
        int librariesLoaded;
    };
    const SCase cases[] = {
        {"Windows 2000", 5, [] {}, true, 0},
        {"no hook library", 8, [this] { modules.modules.erase(std::wstring(kProgramFolder) + L"Qv9Tap.dll"); }, true, 2},
        {"a missing export", 8, [this] { modules.modules[std::wstring(kProgramFolder) + L"Qv9Tap.dll"].exports.erase("LinkNextHook"); }, true, 2},
        {"a refused hook", 8, [this] { modules.refusedHooks = {kLowLevelMouseHook}; }, true, 2},
        {"a write the driver refuses", 8, [this] { host.clientWritesFail = true; }, false, 0},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        c.change();
        CCompanions companions = Make(c.versionCode);
        companions.StartCompanions();
        EXPECT_FALSE(companions.HooksActive());
        EXPECT_EQ(Enabled(), c.filterOn ? 1 : 0);
        EXPECT_EQ(static_cast<int>(modules.loaded.size()), c.librariesLoaded);
        EXPECT_TRUE(g_Links.empty());
        companions.StopCompanions(); // nothing to undo without hooks
        EXPECT_EQ(Enabled(), c.filterOn ? 1 : 0);
    }
}

TEST(CompanionsWithoutDriverTest, NoControlDeviceMeansNoLibrariesAndNoCommand)
{
    CEmulatedSieveHost host; // the driver is installed, but no mouse was added since boot
    host.Load();
    CEmulatedModules modules;
    CMemoryFileSystem files;
    CRecordingShell shell;
    CMemoryRegistry registry;
    CSettingsKey settings{registry};
    CMemorySystemFolders folders;
    CWow64 wow64;
    CMemorySubkeys subkeys;
    CCompanions companions(
        SCompanionPorts{host.Client(), modules, modules, settings, files, shell, folders, wow64, registry, subkeys}, 8);
    companions.StartCompanions();
    EXPECT_FALSE(companions.HooksActive());
    EXPECT_TRUE(modules.loaded.empty());
}

TEST_F(CompanionsTest, LibrariesAreLookedForInTheirOrder)
{
    files.files.clear();
    struct SCase {
        const char* name;
        std::vector<std::wstring> present;
        int versionCode;
        bool wow64;
        std::wstring expected;
    };
    const SCase cases[] = {
        {"beside the program", {L"C:\\Program Files\\Vardex\\Qv9Tap.dll", L"C:\\Windows\\Qv9Tap.dll"}, 8, true,
         L"C:\\Program Files\\Vardex\\Qv9Tap.dll"},
        {"in the installed folder", {L"D:\\Games\\Vardex\\Qv9Tap.dll"}, 8, true, L"D:\\Games\\Vardex\\Qv9Tap.dll"},
        {"in the Windows folder", {L"C:\\Windows\\Qv9Tap.dll"}, 8, true, L"C:\\Windows\\Qv9Tap.dll"},
        {"32-bit on 64-bit Vista", {}, 8, true, L"C:\\Windows\\SysWOW64\\Qv9Tap.dll"},
        {"32-bit on 64-bit XP x64", {}, 7, true, L"C:\\Windows\\SysWOW64\\Qv9Tap.dll"},
        {"32-bit Windows", {}, 8, false, L"C:\\Windows\\system32\\Qv9Tap.dll"},
        {"Windows 2000", {}, 5, true, L"C:\\Windows\\system32\\Qv9Tap.dll"},
    };
    settings.SetString(L"Path", L"D:\\Games\\Vardex");
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        files.files.clear();
        for (const std::wstring& path : c.present)
            files.files[path] = {};
        wow64.wow64 = c.wow64;
        EXPECT_EQ(Make(c.versionCode).FindLibraryFile(L"Qv9Tap.dll"), c.expected);
    }
    folders.windows.reset();
    EXPECT_EQ(Make().FindLibraryFile(L"Qv9Tap.dll"), L"");
}

TEST(DeviceDescriptionTest, EverySubkeyGetsTheMousesName)
{
    const std::wstring key = L"SYSTEM\\CurrentControlSet\\Enum\\HID\\Vid_12cf&Pid_0182&MI_00";
    auto text = [](const std::wstring& s) { return SRegValue{reg::kString, ToUtf16Bytes(s)}; };
    CMemoryRegistry registry;
    CMemorySubkeys subkeys;
    registry.Put(ERegRoot::kLocalMachine, key, L"Count", {reg::kDword, {3, 0, 0, 0}});
    registry.Put(ERegRoot::kLocalMachine, key + L"\\7&1", L"DeviceDesc", text(L"HID-compliant mouse"));
    registry.Put(ERegRoot::kLocalMachine, key + L"\\7&2", L"DeviceDesc", text(std::wstring(L"Novaro Arena Vardex Mouse") + L'\0'));
    registry.Put(ERegRoot::kLocalMachine, key + L"\\7&3", L"Other", text(L"x"));
    subkeys.subkeys[key] = {L"7&1", L"7&2", L"7&3", L"7&4"};

    CEmulatedSieveHost host;
    CEmulatedModules modules;
    CMemoryFileSystem files;
    CRecordingShell shell;
    CSettingsKey settings{registry};
    CMemorySystemFolders folders;
    CWow64 wow64;
    CCompanions companions(
        SCompanionPorts{host.Client(), modules, modules, settings, files, shell, folders, wow64, registry, subkeys}, 8);
    companions.FixDeviceDescription();

    EXPECT_EQ(registry.Value(ERegRoot::kLocalMachine, key + L"\\7&1", L"DeviceDesc")->data,
              ToUtf16Bytes(L"Novaro Arena Vardex Mouse"));
    // Already right (with its terminator): not written again.
    EXPECT_EQ(registry.Value(ERegRoot::kLocalMachine, key + L"\\7&2", L"DeviceDesc")->data.size(), 52u);
    EXPECT_FALSE(registry.Value(ERegRoot::kLocalMachine, key + L"\\7&3", L"DeviceDesc"));
    EXPECT_EQ(registry.OpenKeyCount(), 0);

    // Without the right to open the device key nothing happens.
    registry.Put(ERegRoot::kLocalMachine, key + L"\\7&1", L"DeviceDesc", text(L"HID-compliant mouse"));
    registry.DenyAccess(ERegRoot::kLocalMachine, key);
    companions.FixDeviceDescription();
    EXPECT_EQ(registry.Value(ERegRoot::kLocalMachine, key + L"\\7&1", L"DeviceDesc")->data,
              ToUtf16Bytes(L"HID-compliant mouse"));
}

} // namespace
} // namespace vardex
