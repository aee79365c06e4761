// Install and Uninstall of the registration library over in-memory ports: the
// Mouse class's "LowerFilters" value, the service and the driver file, and every
// result code.
#include "install/FilterRegistration.h"

#include "install/FilterInstaller.h"
#include "InstallFakes.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

using test::Bytes;
using namespace std::string_literals;

constexpr const char* kDestination = "C:\\WINDOWS\\System32\\Drivers\\Qv8Sieve.sys";

class FilterRegistrationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_PlatformId = 2; // the NT platform
        files.files["Qv8Sieve.sys"] = "driver";
    }
    void TearDown() override { EXPECT_EQ(keys.openKeys, 0) << "the class key is closed before returning"; }

    int Install() { return InstallFilter(ports); }
    int Uninstall() { return UninstallFilter(ports); }
    std::optional<std::vector<std::uint8_t>> LowerFilters() const { return keys.Value("LowerFilters"); }

    test::CFakeClassKey keys;
    test::CFakeSystemFiles files;
    test::CFakeServiceManager services;
    SRegistrationPorts ports{keys, files, services};
};

TEST_F(FilterRegistrationTest, InstallIntoAnEmptyValue)
{
    EXPECT_EQ(Install(), 3010);
    EXPECT_EQ(LowerFilters(), Bytes("Novaro QV8 Filter\0\0"s));
    EXPECT_FALSE(keys.Value("UpperFilters"));
    EXPECT_EQ(keys.opened, kMouseSetupClass);
    EXPECT_EQ(files.files[kDestination], "driver");
    EXPECT_EQ(files.copies, std::vector<std::string>{"Qv8Sieve.sys -> "s + kDestination});

    ASSERT_EQ(services.services.count("Novaro QV8 Filter"), 1u);
    const SServiceDefinition& service = services.services["Novaro QV8 Filter"];
    EXPECT_EQ(service.displayName, "Novaro QV8 Filter");
    EXPECT_EQ(service.type, 1u);
    EXPECT_EQ(service.startType, 3u);
    EXPECT_EQ(service.errorControl, 1u);
    EXPECT_EQ(service.imagePath, "System32\\Drivers\\Qv8Sieve.sys");
}

TEST_F(FilterRegistrationTest, InstallGoesInFrontOfAnotherFilter)
{
    keys.values["LowerFilters"] = Bytes("kbdhid\0\0"s);
    EXPECT_EQ(Install(), 3010);
    EXPECT_EQ(LowerFilters(), Bytes("Novaro QV8 Filter\0kbdhid\0\0"s));
}

TEST_F(FilterRegistrationTest, InstallTwiceListsTwiceAndOneUninstallTakesBoth)
{
    keys.values["LowerFilters"] = Bytes("kbdhid\0\0"s);
    EXPECT_EQ(Install(), 3010);
    EXPECT_EQ(Install(), 3010); // the service is there already (1073)
    EXPECT_EQ(services.createCalls, 2);
    EXPECT_EQ(LowerFilters(), Bytes("Novaro QV8 Filter\0Novaro QV8 Filter\0kbdhid\0\0"s));

    EXPECT_EQ(Uninstall(), 128);
    EXPECT_EQ(LowerFilters(), Bytes("kbdhid\0\0"s));
    EXPECT_TRUE(services.services.empty());
    EXPECT_EQ(files.files.count(kDestination), 1u) << "the registration leaves the driver file";
}

TEST_F(FilterRegistrationTest, UninstallDeletesAValueLeftEmpty)
{
    keys.values["LowerFilters"] = Bytes("novaro qv8 FILTER\0\0"s);
    EXPECT_EQ(Uninstall(), 128);
    EXPECT_FALSE(LowerFilters());
}

TEST_F(FilterRegistrationTest, UninstallTwiceSucceedsBothTimes)
{
    EXPECT_EQ(Install(), 3010);
    EXPECT_EQ(Uninstall(), 128);
    EXPECT_EQ(Uninstall(), 128);
    EXPECT_FALSE(LowerFilters());
    EXPECT_EQ(services.deleteCalls, 2);
}

TEST_F(FilterRegistrationTest, MissingDriverFileStopsBeforeServiceAndValue)
{
    files.files.clear();
    keys.values["LowerFilters"] = Bytes("kbdhid\0\0"s);
    EXPECT_EQ(Install(), 2);
    EXPECT_EQ(services.createCalls, 0);
    EXPECT_EQ(LowerFilters(), Bytes("kbdhid\0\0"s));
}

TEST_F(FilterRegistrationTest, NoWindowsDirectoryIsReportedAsNoMemory)
{
    files.windows.clear();
    EXPECT_EQ(Install(), 8);
    EXPECT_TRUE(files.copies.empty());
    EXPECT_FALSE(LowerFilters());
}

TEST_F(FilterRegistrationTest, ServiceFailureStopsBeforeTheValue)
{
    services.createError = 5;
    EXPECT_EQ(Install(), 5);
    EXPECT_FALSE(LowerFilters());
}

TEST_F(FilterRegistrationTest, WithoutTheClassKeyBothStillReportSuccess)
{
    keys.exists = false;
    EXPECT_EQ(Install(), 3010);
    EXPECT_EQ(Uninstall(), 128);
}

TEST_F(FilterRegistrationTest, AFilterValueThatCannotBeWrittenIsNoSuccess)
{
    keys.writeError = 5;
    EXPECT_EQ(Install(), 5);
    keys.writeError = 0;
    keys.values["LowerFilters"] = {};
    EXPECT_EQ(Install(), 1450) << "an existing value of no bytes";
    keys.values["LowerFilters"] = Bytes("Novaro QV8 Filter\0kbdhid\0\0"s);
    keys.writeError = 5;
    EXPECT_EQ(Uninstall(), 5);
    EXPECT_TRUE(services.services.empty()) << "the service goes all the same";
}

TEST_F(FilterRegistrationTest, OldConsumerPlatformListsTheFileAndMakesNoService)
{
    g_PlatformId = kPlatformWin32Windows;
    keys.values["LowerFilters"] = Bytes("qv8sieve.SYS\0\0"s);
    EXPECT_EQ(Install(), 3010);
    EXPECT_EQ(LowerFilters(), Bytes("Qv8Sieve.sys\0qv8sieve.SYS\0\0"s));
    EXPECT_EQ(services.createCalls, 0);
    EXPECT_EQ(Uninstall(), 128);
    EXPECT_FALSE(LowerFilters());
    EXPECT_EQ(services.deleteCalls, 0);
}

// A walk over two items of which only the second wants a filter, and whose edit of
// the upper value fails: the failure is passed on, and each item is destroyed.
class CTwoItemInstaller final : public CFilterInstaller {
public:
    struct SItem : SFilterItem {
        SItem(int id, std::vector<int>& destroyed) : id(id), destroyed(destroyed) {}
        ~SItem() override { destroyed.push_back(id); }
        int id;
        std::vector<int>& destroyed;
    };

    CTwoItemInstaller() : CFilterInstaller("svc", "svc.sys") {}
    int WantUpperFilter(FilterItem item) override { return Id(item) == 2; }
    int WantLowerFilter(FilterItem) override { return 0; }
    FilterItem FirstItem() override { return new SItem(1, destroyed); }
    FilterItem NextItem() override { return next++ == 0 ? new SItem(2, destroyed) : nullptr; }
    int EditFilter(FilterItem item, int upper, int add) override
    {
        edits.push_back({Id(item), upper, add});
        return 1450;
    }
    int OnItemDone(FilterItem item) override { return done.push_back(Id(item)), 0; }

    static int Id(FilterItem item) { return static_cast<SItem*>(item)->id; }
    std::vector<int> destroyed, done;
    std::vector<std::vector<int>> edits;
    int next = 0;
};

TEST(FilterInstallerRunTest, WalksEveryItemAndPassesOnTheFailedEdit)
{
    CTwoItemInstaller installer;
    EXPECT_EQ(installer.Run(0), 1450);
    EXPECT_EQ(installer.edits, (std::vector<std::vector<int>>{{2, 1, 0}}));
    EXPECT_EQ(installer.done, std::vector<int>{}) << "no item without an edit is done";
    EXPECT_EQ(installer.destroyed, (std::vector<int>{1, 2}));
}

} // namespace
} // namespace vardex
