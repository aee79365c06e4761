// The real Qv9SieveReg.dll, SieveMount.exe and SieveUnmount.exe in the Wine prefix:
// the Mouse class's "LowerFilters" value, the filter service and the driver files
// afterwards, and the message boxes read from their windows. Every test starts
// from no filter value, no service and no driver file, and puts back what it found.
#include "WineSystem.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace vardex::test {
namespace {

using namespace std::string_literals;

constexpr const char* kService = "Novaro QV8 Filter";
constexpr const char* kMountCaption = "Qv9Sieve Failure";
constexpr const char* kUnmountCaption = "Qv8Sieve Failure";

class SieveInstallWineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string windows = WindowsDirectory();
        m_LibraryCopy = windows + "\\System32\\Drivers\\Qv8Sieve.sys";
        m_Driver = windows + "\\System32\\Drivers\\Qv9Sieve.sys";
        m_Wow64Drivers = windows + "\\SysWOW64\\Drivers";
        m_Delivered64 = m_Wow64Drivers + "\\Qv9Sieve(Amd64).sys";
        m_Wow64Driver = m_Wow64Drivers + "\\Qv9Sieve.sys";

        m_CreatedClassKey = CreateMouseClassKey();
        m_SavedFilters = ReadLowerFilters();
        DeleteLowerFilters();
        ASSERT_FALSE(QueryService(kService)) << "the prefix already has the filter service";
        for (const std::string& file : {m_LibraryCopy, m_Driver, m_Delivered64, m_Wow64Driver})
            ASSERT_FALSE(FileExists(file)) << file << " is in the prefix already";
        m_CreatedWow64 = CreateDirectoryA((windows + "\\SysWOW64").c_str(), nullptr) != FALSE;
        m_CreatedWow64Drivers = CreateDirectoryA(m_Wow64Drivers.c_str(), nullptr) != FALSE;

        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-'); // parameterised names hold a slash
        m_Folder = std::string(temp) + "sieve-" + name;
        CreateDirectoryA(m_Folder.c_str(), nullptr);
        Place(VARDEX_SIEVE_MOUNT, "SieveMount.exe");
        Place(VARDEX_SIEVE_UNMOUNT, "SieveUnmount.exe");
        Place(VARDEX_REG_LIBRARY, "Qv9SieveReg.dll");
        WriteFile(m_Folder + "\\Qv8Sieve.sys", "qv8 driver");
    }

    void TearDown() override
    {
        DeleteServiceIfPresent(kService);
        for (const std::string& file : {m_LibraryCopy, m_Driver, m_Delivered64, m_Wow64Driver})
            DeleteFileA(file.c_str());
        if (m_CreatedWow64Drivers)
            RemoveDirectoryA(m_Wow64Drivers.c_str());
        if (m_CreatedWow64)
            RemoveDirectoryA((WindowsDirectory() + "\\SysWOW64").c_str());
        for (const char* name : {"SieveMount.exe", "SieveUnmount.exe", "Qv9SieveReg.dll", "Qv8Sieve.sys"})
            DeleteFileA((m_Folder + "\\" + name).c_str());
        RemoveDirectoryA(m_Folder.c_str());
        DeleteLowerFilters();
        if (m_SavedFilters)
            WriteLowerFilters(m_SavedFilters->bytes);
        if (m_CreatedClassKey)
            DeleteMouseClassKey();
    }

    void Place(const char* built, const char* name)
    {
        ASSERT_TRUE(CopyFileA(FromUnixPath(built).c_str(), (m_Folder + "\\" + name).c_str(), FALSE)) << built;
    }

    // Runs a tool that must show no box.
    void RunSilently(const char* tool)
    {
        const SToolRun run = RunTool(m_Folder + "\\" + tool, m_Folder);
        ASSERT_TRUE(run.exited) << tool << " did not end by itself (a message box?)";
        EXPECT_EQ(run.exitCode, 1u) << tool;
    }
    void Mount() { RunSilently("SieveMount.exe"); }
    void Unmount() { RunSilently("SieveUnmount.exe"); }

    static std::optional<std::string> Filters()
    {
        const auto value = ReadLowerFilters();
        if (!value)
            return std::nullopt;
        EXPECT_EQ(value->type, static_cast<unsigned long>(REG_MULTI_SZ));
        return value->bytes;
    }

    std::string m_Folder, m_LibraryCopy, m_Driver, m_Wow64Drivers, m_Delivered64, m_Wow64Driver;
    bool m_CreatedClassKey = false;
    bool m_CreatedWow64 = false;
    bool m_CreatedWow64Drivers = false;
    std::optional<SRegistryValue> m_SavedFilters;
};

TEST_F(SieveInstallWineTest, MountIntoAnEmptyValueAndUnmountDeletesIt)
{
    WriteFile(m_Delivered64, "amd64 driver");
    Mount();
    EXPECT_EQ(Filters(), "Novaro QV8 Filter\0\0"s);
    const auto service = QueryService(kService);
    ASSERT_TRUE(service);
    EXPECT_EQ(service->type, 1u);
    EXPECT_EQ(service->startType, 3u);
    EXPECT_EQ(service->errorControl, 1u);
    EXPECT_EQ(service->imagePath, "System32\\Drivers\\Qv8Sieve.sys");
    EXPECT_EQ(service->displayName, kService);
    EXPECT_EQ(ReadFile(m_LibraryCopy), "qv8 driver");
    EXPECT_EQ(ReadFile(m_Driver), "amd64 driver") << "the delivered 64-bit build is moved into place";
    EXPECT_FALSE(FileExists(m_Delivered64));

    WriteFile(m_Wow64Driver, "x86 driver");
    Unmount();
    EXPECT_EQ(Filters(), std::nullopt) << "a value holding only the service name is deleted";
    EXPECT_FALSE(QueryService(kService));
    EXPECT_FALSE(FileExists(m_Driver));
    EXPECT_FALSE(FileExists(m_Wow64Driver));
    EXPECT_TRUE(FileExists(m_LibraryCopy)) << "the registration library's copy stays";
}

TEST_F(SieveInstallWineTest, MountTwiceInFrontOfAnotherFilterThenOneUnmount)
{
    WriteLowerFilters("kbdhid\0\0"s);
    Mount();
    EXPECT_EQ(Filters(), "Novaro QV8 Filter\0kbdhid\0\0"s);
    Mount();
    EXPECT_EQ(Filters(), "Novaro QV8 Filter\0Novaro QV8 Filter\0kbdhid\0\0"s);
    EXPECT_TRUE(QueryService(kService));
    Unmount();
    EXPECT_EQ(Filters(), "kbdhid\0\0"s);
    EXPECT_FALSE(QueryService(kService));
}

TEST_F(SieveInstallWineTest, UnmountRemovesADifferentlyCasedEntry)
{
    WriteLowerFilters("mouhid\0NOVARO qv8 filter\0\0"s);
    Unmount();
    EXPECT_EQ(Filters(), "mouhid\0\0"s);
}

TEST_F(SieveInstallWineTest, UnmountTwice)
{
    Mount();
    Unmount();
    Unmount();
    EXPECT_EQ(Filters(), std::nullopt);
    EXPECT_FALSE(QueryService(kService));
}

TEST_F(SieveInstallWineTest, MountWithoutTheDriverFileChangesNothing)
{
    DeleteFileA((m_Folder + "\\Qv8Sieve.sys").c_str());
    WriteLowerFilters("kbdhid\0\0"s);
    Mount();
    EXPECT_EQ(Filters(), "kbdhid\0\0"s);
    EXPECT_FALSE(QueryService(kService));
    EXPECT_FALSE(FileExists(m_LibraryCopy));
}

struct SBoxCase {
    friend void PrintTo(const SBoxCase& c, std::ostream* os) { *os << c.tool << ": " << c.text; }

    const char* tool;
    const char* library; // what the folder holds as Qv9SieveReg.dll; null for nothing
    const char* caption;
    const char* text;
};

class SieveBoxWineTest : public SieveInstallWineTest, public ::testing::WithParamInterface<SBoxCase> {};

TEST_P(SieveBoxWineTest, ShowsTheBoxThenStillEndsWithOne)
{
    const SBoxCase& c = GetParam();
    DeleteFileA((m_Folder + "\\Qv9SieveReg.dll").c_str());
    if (c.library != nullptr)
        Place(c.library, "Qv9SieveReg.dll");
    WriteFile(m_Delivered64, "amd64 driver");

    const SToolRun run = RunTool(m_Folder + "\\" + c.tool, m_Folder, c.caption);
    EXPECT_EQ(run.boxTexts, std::vector<std::string>{c.text}) << c.tool;
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(Filters(), std::nullopt);
    EXPECT_FALSE(QueryService(kService));
    if (std::string(c.tool) == "SieveMount.exe") {
        EXPECT_EQ(ReadFile(m_Driver), "amd64 driver") << "the driver step runs all the same";
    }
}

INSTANTIATE_TEST_SUITE_P(Failures, SieveBoxWineTest, ::testing::Values(
    SBoxCase{"SieveMount.exe", nullptr, kMountCaption, "Qv8Sieve Load Library Failure"},
    SBoxCase{"SieveMount.exe", VARDEX_REG_LIBRARY_WITHOUT_EXPORTS, kMountCaption, "Qv8Sieve Install Failure"},
    SBoxCase{"SieveUnmount.exe", nullptr, kUnmountCaption, "Qv8Sieve Load Library Failure"},
    SBoxCase{"SieveUnmount.exe", VARDEX_REG_LIBRARY_WITHOUT_EXPORTS, kUnmountCaption,
             "E300: Qv8Sieve UnInstall Failure"}));

// The library called directly, from its folder as current directory.
class Qv9SieveRegWineTest : public SieveInstallWineTest {
protected:
    int Call(const char* routine)
    {
        const HMODULE library = LoadLibraryA((m_Folder + "\\Qv9SieveReg.dll").c_str());
        EXPECT_NE(library, nullptr);
        const auto run = reinterpret_cast<int (*)()>(reinterpret_cast<void*>(GetProcAddress(library, routine)));
        EXPECT_NE(run, nullptr) << routine;
        char previous[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, previous);
        SetCurrentDirectoryA(m_Folder.c_str());
        const int result = run ? run() : -1;
        SetCurrentDirectoryA(previous);
        FreeLibrary(library);
        return result;
    }
};

TEST_F(Qv9SieveRegWineTest, ResultCodes)
{
    EXPECT_EQ(Call("Install"), 3010);
    EXPECT_EQ(Call("Install"), 3010) << "with the service there already";
    EXPECT_EQ(Call("Uninstall"), 128);
    EXPECT_EQ(Call("Uninstall"), 128);
    DeleteFileA((m_Folder + "\\Qv8Sieve.sys").c_str());
    EXPECT_EQ(Call("Install"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Filters(), std::nullopt);
}

TEST_F(Qv9SieveRegWineTest, WithoutTheClassKeyNothingIsListed)
{
    if (!m_CreatedClassKey)
        GTEST_SKIP() << "the prefix has a Mouse class key of its own";
    DeleteMouseClassKey();
    EXPECT_EQ(Call("Install"), 3010);
    EXPECT_TRUE(QueryService(kService));
    EXPECT_EQ(Call("Uninstall"), 128);
    EXPECT_FALSE(MouseClassKeyExists());
    EXPECT_FALSE(QueryService(kService));
}

} // namespace
} // namespace vardex::test
