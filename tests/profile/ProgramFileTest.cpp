#include "profile/ProgramFile.h"

#include "platform/emu/MemoryFileSystem.h"
#include "platform/emu/MemoryRegistry.h"
#include "platform/emu/RecordingShell.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

TEST(ProgramFileTest, LookupOrder)
{
    CMemoryRegistry registry;
    CSettingsKey settings(registry);
    CMemoryFileSystem files;
    CRecordingShell shell;
    shell.programPath = L"C:\\Program Files\\Vardex\\Vardex.exe";

    struct SCase {
        const char* name;
        std::wstring file;      // the one file that exists
        std::wstring pathValue; // "Path", or empty for none
        std::wstring subfolder;
        std::wstring wanted;    // what is asked for
        std::wstring found;     // empty: not found
    };
    const SCase cases[] = {
        {"the name itself", L"D:\\x\\Qv9Tap.dll", L"", L"", L"D:\\x\\Qv9Tap.dll", L"D:\\x\\Qv9Tap.dll"},
        {"under Path", L"E:\\Data\\Languages\\German.txt", L"E:\\Data", L"Languages", L"German.txt",
         L"E:\\Data\\Languages\\German.txt"},
        {"beside the program", L"C:\\Program Files\\Vardex\\HELP\\Information_en.html", L"E:\\Data", L"HELP",
         L"Information_en.html", L"C:\\Program Files\\Vardex\\HELP\\Information_en.html"},
        {"no subfolder", L"C:\\Program Files\\Vardex\\Qv9Disp.dll", L"", L"", L"Qv9Disp.dll",
         L"C:\\Program Files\\Vardex\\Qv9Disp.dll"},
        {"nowhere", L"C:\\elsewhere.dll", L"E:\\Data", L"", L"Qv9Disp.dll", L""},
        {"no name", L"C:\\a", L"", L"", L"", L""},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        files.files.clear();
        files.files[c.file] = {};
        if (c.pathValue.empty())
            settings.DeleteValue(L"Path");
        else
            settings.SetString(L"Path", c.pathValue);
        std::wstring path = L"unchanged";
        EXPECT_EQ(FindProgramFile(settings, files, shell, c.wanted, c.subfolder, path), c.found.empty() ? 0 : 1);
        EXPECT_EQ(path, c.found.empty() ? L"unchanged" : c.found);
    }

    shell.programPath = L"Vardex.exe";
    files.files.clear();
    files.files[L"\\Qv9Tap.dll"] = {};
    std::wstring path;
    EXPECT_EQ(FindProgramFile(settings, files, shell, L"Qv9Tap.dll", L"", path), 1);
    EXPECT_EQ(path, L"\\Qv9Tap.dll");
}

} // namespace
} // namespace vardex
