// The registry, system-settings, file and shell adapters against Wine's real
// services, driven through the rules the program keeps on top of them.
#include "platform/emu/EmulatedHidSystem.h"
#include "platform/emu/RecordingShell.h"
#include "platform/emu/VirtualClock.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemSettings.h"
#include "profile/MouseSettings.h"
#include "profile/ProfileFile.h"
#include "support/RecordingMessages.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

namespace vardex {
namespace {

// Starts and ends with no HKEY_CURRENT_USER\Software\Vardex.
class Win32RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Vardex"); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Vardex"); }

    DWORD StoredSize(const wchar_t* name)
    {
        DWORD size = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Vardex", name, RRF_RT_ANY, nullptr, nullptr, &size) !=
            ERROR_SUCCESS)
            return 0xFFFFFFFF;
        return size;
    }

    CWin32Registry registry;
    CSettingsKey settings{registry};
};

TEST_F(Win32RegistryTest, MissingKeyIsCreatedHoldingZero)
{
    EXPECT_EQ(settings.GetDword(L"PF2 Motion Speed"), 0u);
    DWORD value = 99;
    DWORD size = sizeof value;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Vardex", L"PF2 Motion Speed", RRF_RT_REG_DWORD, nullptr,
                           &value, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 0u);
    EXPECT_EQ(settings.GetDword(L"missing"), CSettingsKey::kNotSet);
}

TEST_F(Win32RegistryTest, ValuesKeepTheirRules)
{
    ASSERT_EQ(settings.SetDword(L"Disable OSD", 1), 1);
    EXPECT_EQ(settings.GetDword(L"Disable OSD"), 1u);
    ASSERT_EQ(settings.SetString(L"PF0T1 AP", L"C:\\game.exe"), 1);
    EXPECT_EQ(StoredSize(L"PF0T1 AP"), 2u * 11u) << "no terminating zero is stored";
    std::wstring text;
    ASSERT_EQ(settings.GetString(L"PF0T1 AP", text), 1);
    EXPECT_EQ(text, L"C:\\game.exe");
    ASSERT_EQ(settings.DeleteValue(L"Disable OSD"), 1);
    EXPECT_EQ(settings.DeleteValue(L"Disable OSD"), 0);
    EXPECT_EQ(settings.LastError(), ERROR_FILE_NOT_FOUND);
}

TEST_F(Win32RegistryTest, MouseSettingsRoundTripThroughTheSystem)
{
    CWin32SystemSettings system;
    const int speed = system.MouseSpeed();
    const int doubleClick = system.DoubleClickTime();
    const int wheel = system.WheelScrollLines();

    system.SetMouseSpeed(4);
    system.SetDoubleClickTime(350);
    system.SetWheelScrollLines(kWheelPageScroll);
    EXPECT_EQ(system.MouseSpeed(), 4);
    EXPECT_EQ(system.DoubleClickTime(), 350);
    EXPECT_EQ(system.WheelScrollLines(), kWheelPageScroll);

    StoreProfileMouseSettings(settings, system, 2);
    EXPECT_EQ(settings.GetDword(L"PF3 Wheel Scroll Lines"), 11u);
    system.SetMouseSpeed(15);
    system.SetWheelScrollLines(5);
    ApplyProfileMouseSettings(settings, system, 2);
    EXPECT_EQ(system.MouseSpeed(), 4);
    EXPECT_EQ(system.WheelScrollLines(), kWheelPageScroll);

    ApplyProfileMouseSettings(settings, system, 4); // nothing stored: the defaults
    EXPECT_EQ(system.MouseSpeed(), 10);
    EXPECT_EQ(system.DoubleClickTime(), 500);
    EXPECT_EQ(system.WheelScrollLines(), 3);

    system.SetMouseSpeed(speed);
    system.SetDoubleClickTime(doubleClick);
    system.SetWheelScrollLines(wheel);
}

// A fresh folder under the temporary folder, removed afterwards.
class Win32FilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"vardex-files-test";
        ASSERT_TRUE(files.CreateFolder(folder));
        ASSERT_TRUE(files.CreateFolder(folder)) << "an existing folder is fine";
    }
    void TearDown() override
    {
        for (const wchar_t* name : {L"\\a.pof", L"\\a.pof.part"})
            DeleteFileW((folder + name).c_str());
        RemoveDirectoryW(folder.c_str());
    }

    CWin32FileSystem files;
    std::wstring folder;
};

TEST_F(Win32FilesTest, ReplaceReadAndOpen)
{
    const std::wstring path = folder + L"\\a.pof";
    EXPECT_FALSE(files.CanOpenForReading(path));
    const std::vector<std::uint8_t> first = {1, 2, 3, 4, 5};
    ASSERT_EQ(files.StoreFile(path, first), EWriteResult::kWritten);
    EXPECT_TRUE(files.CanOpenForReading(path));
    const std::vector<std::uint8_t> second = {9, 8};
    ASSERT_EQ(files.StoreFile(path, second), EWriteResult::kWritten);
    std::vector<std::uint8_t> data;
    ASSERT_TRUE(files.ReadFile(path, 100, data));
    EXPECT_EQ(data, second);
    ASSERT_EQ(files.StoreFile(path, first), EWriteResult::kWritten);
    ASSERT_TRUE(files.ReadFile(path, 3, data));
    EXPECT_EQ(data, (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_FALSE(files.CanOpenForReading(path + L".part")) << "no temporary file is left behind";

    EXPECT_EQ(files.StoreFile(folder + L"\\missing\\b.pof", first), EWriteResult::kCannotCreate);
    EXPECT_FALSE(files.ReadFile(folder + L"\\missing\\b.pof", 10, data));
}

TEST_F(Win32FilesTest, ProfileFileRoundTripOnDisk)
{
    CVirtualClock clock;
    CEmulatedHidSystem hid(clock);
    auto shadow = std::make_unique<CIcKX22>(hid, clock);
    for (int offset = 0; offset < 59; ++offset)
        shadow->StoreClean(0x100 + offset, 0x30 + offset);
    shadow->StoreClean(0x300, 2);
    shadow->StoreClean(0x304, 0x44);

    CRecordingShell shell;
    test::CRecordingMessages messages;
    CProfileFiles profiles(shell, files, messages);
    shell.answers.push_back(folder + L"\\a.pof");
    ASSERT_EQ(profiles.SaveProfileFile(*shadow, 0), 1);
    shell.answers.push_back(folder + L"\\a.pof");
    CMacroSlotFlags loaded;
    ASSERT_EQ(profiles.LoadProfileFile(*shadow, 2, loaded), 1);
    EXPECT_EQ(shadow->Shadow(0x180 + 58).value, 0x30 + 58);
    EXPECT_EQ(shadow->Shadow(0xC04).value, 0x44);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(Win32ShellTest, ProgramAndDocuments)
{
    CWin32Shell shell;
    const std::wstring program = shell.ProgramPath();
    ASSERT_GT(program.size(), 4u);
    EXPECT_EQ(program.substr(program.size() - 4), L".exe");
    EXPECT_FALSE(shell.DocumentsFolder().empty());
    EXPECT_FALSE(shell.StartProcess(L"C:\\no\\such\\program.exe"));
}

} // namespace
} // namespace vardex
