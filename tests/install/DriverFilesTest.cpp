// Placement and removal of the driver file on each kind of system, over a file
// system that redirects a 32-bit process's System32 to SysWOW64 as WOW64 does.
#include "install/DriverFiles.h"

#include "InstallFakes.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

using Files = std::map<std::string, std::string>;

const std::string kNativeDriver = "C:\\WINDOWS\\System32\\Drivers\\Qv9Sieve.sys";
const std::string kWow64Driver = "C:\\WINDOWS\\SysWOW64\\Drivers\\Qv9Sieve.sys";
const std::string kDeliveredOn64 = "C:\\WINDOWS\\SysWOW64\\Drivers\\Qv9Sieve(Amd64).sys";
const std::string kDeliveredOn32 = "C:\\WINDOWS\\System32\\Drivers\\Qv9Sieve(Amd64).sys";

enum class ESystem {
    k32BitSystem,         // no WOW64; the redirection switch is refused
    k32BitOldSystem,      // without the redirection functions
    kWow64,               // a 32-bit tool on a 64-bit system
    kWow64Refused,        // the same, but the switch is refused
    k64BitProcess,        // a 64-bit build of the tool
};

struct SSystem {
    test::CFakeWow64 wow64;
    test::CFakeSystemFiles files{&wow64};

    explicit SSystem(ESystem kind)
    {
        wow64.isWow64 = kind == ESystem::kWow64 || kind == ESystem::kWow64Refused;
        wow64.is64Bit = kind == ESystem::k64BitProcess;
        wow64.hasControl = kind != ESystem::k32BitOldSystem;
        wow64.disableSucceeds = kind == ESystem::kWow64;
    }
};

struct SPlaceCase {
    friend void PrintTo(const SPlaceCase& c, std::ostream* os) { *os << c.what; }

    const char* what;
    ESystem system;
    Files before;
    Files after;
    std::vector<std::string> calls;
};

class PlaceDriverTest : public ::testing::TestWithParam<SPlaceCase> {};

TEST_P(PlaceDriverTest, LeavesTheExpectedFiles)
{
    const SPlaceCase& c = GetParam();
    SSystem system(c.system);
    system.files.files = c.before;
    PlaceDriver(system.files, system.wow64);
    EXPECT_EQ(system.files.files, c.after) << c.what;
    EXPECT_EQ(system.wow64.calls, c.calls) << c.what;
    EXPECT_TRUE(system.wow64.redirected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Systems, PlaceDriverTest, ::testing::Values(
    SPlaceCase{"64-bit system: the delivered build becomes the driver", ESystem::kWow64,
               {{kDeliveredOn64, "amd64"}, {kNativeDriver, "old"}}, {{kNativeDriver, "amd64"}},
               {"disable", "revert"}},
    SPlaceCase{"64-bit system without the delivered build", ESystem::kWow64, {}, {}, {"disable", "revert"}},
    SPlaceCase{"64-bit process: no switch needed", ESystem::k64BitProcess,
               {{kDeliveredOn64, "amd64"}}, {{kNativeDriver, "amd64"}}, {}},
    SPlaceCase{"32-bit system: the useless 64-bit build goes", ESystem::k32BitSystem,
               {{kDeliveredOn32, "amd64"}, {kNativeDriver, "x86"}}, {{kNativeDriver, "x86"}}, {"disable"}},
    SPlaceCase{"old 32-bit system: no file is touched", ESystem::k32BitOldSystem,
               {{kDeliveredOn32, "amd64"}}, {{kDeliveredOn32, "amd64"}}, {}},
    SPlaceCase{"64-bit system refusing the switch keeps the delivered build", ESystem::kWow64Refused,
               {{kDeliveredOn64, "amd64"}}, {{kDeliveredOn64, "amd64"}}, {"disable"}}));

TEST(PlaceDriverTest, AFailedCopyKeepsTheDeliveredBuild)
{
    SSystem system(ESystem::kWow64);
    system.files.files = {{kDeliveredOn64, "amd64"}};
    system.files.copyError = 5;
    PlaceDriver(system.files, system.wow64);
    EXPECT_EQ(system.files.files, (Files{{kDeliveredOn64, "amd64"}}));
}

TEST(PlaceDriverTest, WithoutTheWindowsDirectoryRedirectionIsStillRestored)
{
    SSystem system(ESystem::kWow64);
    system.files.windows.clear();
    PlaceDriver(system.files, system.wow64);
    EXPECT_TRUE(system.files.copies.empty());
    EXPECT_EQ(system.wow64.calls, (std::vector<std::string>{"disable", "revert"}));
}

struct SRemoveCase {
    friend void PrintTo(const SRemoveCase& c, std::ostream* os) { *os << c.what; }

    const char* what;
    ESystem system;
    Files before;
    Files after;
};

class RemoveDriverTest : public ::testing::TestWithParam<SRemoveCase> {};

TEST_P(RemoveDriverTest, DeletesBothViews)
{
    const SRemoveCase& c = GetParam();
    SSystem system(c.system);
    system.files.files = c.before;
    RemoveDriver(system.files, system.wow64);
    EXPECT_EQ(system.files.files, c.after) << c.what;
    EXPECT_TRUE(system.wow64.redirected) << c.what;
}

const std::string kLibraryCopy = "C:\\WINDOWS\\System32\\Drivers\\Qv8Sieve.sys";

INSTANTIATE_TEST_SUITE_P(Systems, RemoveDriverTest, ::testing::Values(
    SRemoveCase{"64-bit system", ESystem::kWow64,
                {{kNativeDriver, "amd64"}, {kWow64Driver, "x86"}, {kLibraryCopy, "qv8"}}, {{kLibraryCopy, "qv8"}}},
    SRemoveCase{"64-bit system refusing the switch", ESystem::kWow64Refused,
                {{kNativeDriver, "amd64"}, {kWow64Driver, "x86"}}, {{kNativeDriver, "amd64"}}},
    SRemoveCase{"64-bit process", ESystem::k64BitProcess,
                {{kNativeDriver, "amd64"}, {kWow64Driver, "x86"}, {kLibraryCopy, "qv8"}}, {{kLibraryCopy, "qv8"}}},
    SRemoveCase{"32-bit system", ESystem::k32BitSystem, {{kNativeDriver, "x86"}}, {}},
    SRemoveCase{"old 32-bit system", ESystem::k32BitOldSystem, {{kNativeDriver, "x86"}}, {}},
    SRemoveCase{"nothing there", ESystem::kWow64, {}, {}}));

} // namespace
} // namespace vardex
