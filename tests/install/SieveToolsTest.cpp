// The tools' binding to the registration library and the boxes they show.
#include "install/SieveTools.h"

#include "InstallFakes.h"
#include "support/RecordingMessageBox.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

// The result the loaded library's export gives; set by each test.
int g_RoutineResult = 0;
int g_RoutineCalls = 0;
int Routine() { return ++g_RoutineCalls, g_RoutineResult; }

class CFakeLoader final : public ILibraryLoader {
public:
    LibraryHandle Load(const std::string& name) override
    {
        loaded.push_back(name);
        return present ? 0x1000 : 0;
    }
    ExportedRoutine FindExport(LibraryHandle library, const std::string& name) override
    {
        EXPECT_EQ(library, 0x1000u);
        asked.push_back(name);
        return name == exportName ? Routine : nullptr;
    }

    bool present = true;
    std::string exportName;
    std::vector<std::string> loaded, asked;
};

struct SBox {
    std::wstring text;
    std::wstring caption;
    friend bool operator==(const SBox&, const SBox&) = default;
};

struct SToolCase {
    friend void PrintTo(const SToolCase& c, std::ostream* os) { *os << c.what; }

    const char* what;
    bool mount;
    bool libraryPresent;
    bool exportPresent;
    int result;
    std::vector<SBox> boxes;
};

class SieveToolsTest : public ::testing::TestWithParam<SToolCase> {};

TEST_P(SieveToolsTest, ShowsOnlyTheBoxesOfItsFailures)
{
    const SToolCase& c = GetParam();
    g_RoutineResult = c.result;
    g_RoutineCalls = 0;
    CFakeLoader loader;
    loader.present = c.libraryPresent;
    loader.exportName = c.exportPresent ? (c.mount ? "Install" : "Uninstall") : "Other";
    test::CRecordingMessageBox boxes;
    test::CFakeWow64 wow64;
    wow64.isWow64 = true;
    test::CFakeSystemFiles files{&wow64};
    const SToolPorts ports{loader, boxes, files, wow64};
    c.mount ? RunSieveMount(ports) : RunSieveUnmount(ports);

    EXPECT_EQ(loader.loaded, std::vector<std::string>{"Qv9SieveReg.dll"});
    EXPECT_EQ(g_RoutineCalls, c.libraryPresent && c.exportPresent ? 1 : 0);
    std::vector<SBox> shown;
    for (const auto& box : boxes.shown) {
        shown.push_back({box.text, box.caption});
        EXPECT_EQ(box.style, box::kOk);
    }
    EXPECT_EQ(shown, c.boxes) << c.what;
    EXPECT_EQ(wow64.calls, (std::vector<std::string>{"disable", "revert"})) << "the file step runs in every case";
}

INSTANTIATE_TEST_SUITE_P(Outcomes, SieveToolsTest, ::testing::Values(
    SToolCase{"mount: success", true, true, true, 3010, {}},
    SToolCase{"mount: other errors stay silent", true, true, true, 2, {}},
    SToolCase{"mount: no library", true, false, false, 0,
              {{L"Qv8Sieve Load Library Failure", L"Qv9Sieve Failure"}}},
    SToolCase{"mount: no export", true, true, false, 0, {{L"Qv8Sieve Install Failure", L"Qv9Sieve Failure"}}},
    SToolCase{"mount: no memory", true, true, true, 8, {{L"E100: No Memory", L"Qv9Sieve.sys Failure"}}},
    SToolCase{"unmount: success", false, true, true, 128, {}},
    SToolCase{"unmount: no library", false, false, false, 0,
              {{L"Qv8Sieve Load Library Failure", L"Qv8Sieve Failure"}}},
    SToolCase{"unmount: no export", false, true, false, 0,
              {{L"E300: Qv8Sieve UnInstall Failure", L"Qv8Sieve Failure"}}},
    SToolCase{"unmount: no memory", false, true, true, 8, {{L"E100: No Memory", L"Qv8Sieve Failure"}}}));

} // namespace
} // namespace vardex
