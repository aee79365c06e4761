#include "hook/Hook.h"

#include "hook/HookLibrary.h"
#include "platform/emu/MemoryRegistry.h"
#include "platform/emu/RecordingHookSystem.h"
#include "platform/emu/VirtualWindowRuntime.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace vardex {
namespace {

constexpr WindowHandle kDisplay = 0x1100;
constexpr WindowHandle kMainFrame = 0x2200;
constexpr wchar_t kKey[] = L"Software\\Vardex";

// A control device that answers every read with a scripted reply.
class CScriptedControl final : public ISieveControl {
public:
    Handle Open(bool) override
    {
        ++opens;
        return present ? 7 : 0;
    }
    bool Read(Handle, std::uint8_t* buffer, std::uint32_t length, std::uint32_t& transferred) override
    {
        requests.push_back(buffer[0]);
        lengths.push_back(length);
        if (!readSucceeds)
            return false;
        for (std::uint32_t i = 0; i < length && i < reply.size(); ++i)
            buffer[i] = reply[i];
        transferred = length;
        return true;
    }
    bool Write(Handle, const std::uint8_t*, std::uint32_t, std::uint32_t&) override { return false; }
    void Close(Handle) override { ++closes; }

    bool present = true;
    bool readSucceeds = true;
    std::array<std::uint8_t, 5> reply = {0xFF, 0xFF, 0x00, 0xFF, 0xFF};
    std::vector<std::uint8_t> requests;
    std::vector<std::uint32_t> lengths;
    int opens = 0;
    int closes = 0;
};

// Opens the protected requests to the tests.
class CTestHook : public CHook {
public:
    using CHook::CHook;
    using CHook::GetReport4Filter;
    using CHook::GetStatus4Filter;
    using CHook::IsWow64;
};

class HookTest : public ::testing::Test {
protected:
    HookTest()
    {
        windows.windowClasses[kDisplay] = wnd::kDisplayClass;
        windows.windowClasses[kMainFrame] = wnd::kDialogClass;
        Publish(L"OSD Handle", kDisplay);
        Publish(L"Process Handle", kMainFrame);
    }
    void Publish(const wchar_t* name, std::uint32_t value)
    {
        registry.Put(ERegRoot::kCurrentUser, kKey, name,
                     {reg::kDword,
                      {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                       static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}});
    }
    std::intptr_t Event(int code, std::uintptr_t message, std::uint32_t mouseData)
    {
        event.mouseData = mouseData;
        return hook.LLMouseProc(code, message, reinterpret_cast<std::intptr_t>(&event));
    }
    static std::uint32_t Wheel(std::int16_t delta) { return static_cast<std::uint32_t>(static_cast<std::uint16_t>(delta)) << 16; }

    CRecordingHookSystem system;
    CScriptedControl control;
    CMemoryRegistry registry;
    CVirtualClock clock;
    CVirtualWindowRuntime windows{clock};
    CTestHook hook{SHookPorts{system, control, registry, windows}, reinterpret_cast<void*>(0x10000000)};
    SLowLevelMouse event{};
};

TEST(OsVersionTest, EveryPlatformAndVersionHasItsCode)
{
    struct SCase {
        std::optional<SOsVersion> version;
        std::uint16_t code;
    };
    const SCase cases[] = {
        {std::nullopt, 7},
        {SOsVersion{2, 3, 51, 0}, 4},
        {SOsVersion{2, 4, 0, 0}, 5},
        {SOsVersion{2, 5, 0, 0}, 5},
        {SOsVersion{2, 5, 1, 0}, 7},
        {SOsVersion{2, 5, 2, 0}, 7},
        {SOsVersion{2, 6, 0, 0}, 8},
        {SOsVersion{2, 6, 3, 0}, 8},
        {SOsVersion{2, 10, 0, 0}, 9},
        {SOsVersion{1, 4, 0, 0x04000000}, 0},
        {SOsVersion{1, 4, 10, 0x040A0000}, 2},
        {SOsVersion{1, 4, 90, 0x045A0000}, 3},
        {SOsVersion{1, 4, 0, 0x04030000}, 7},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(OsVersionCode(c.version ? &*c.version : nullptr), c.code);
    }
}

TEST_F(HookTest, LowLevelEventsAreAnsweredAsTheDriverAndTheButtonsSay)
{
    using Reply = std::array<std::uint8_t, 5>;
    const Reply nothing = {0xFF, 0xFF, 0x00, 0xFF, 0xFF};
    struct SCase {
        const char* name;
        int code;
        std::uintptr_t message;
        std::uint32_t mouseData;
        Reply reply;
        bool swallowed;
        int statusRequests;
        std::vector<SWindowMessage> posts;
    };
    const SCase cases[] = {
        {"backward notch", 0, 0x020A, Wheel(-120), {0x0A, 0x01, 0, 0x10, 0x20}, false, 0, {}},
        {"forward notch, nothing pending", 0, 0x020A, Wheel(120), nothing, false, 1, {}},
        {"forward notch with a status", 0, 0x020A, Wheel(120), {0x0A, 0x01, 0x00, 0x10, 0x20}, true, 1,
         {{kDisplay, 0x9100, 0, 0x2010A1, false}, {kMainFrame, 0x9101, 0, 0x2010A1, false}}},
        {"forward notch with a launch key", 0, 0x020A, Wheel(120), {0x0A, 0x01, 0x85, 0x10, 0x20}, true, 1,
         {{kMainFrame, 0x9101, 2, 0x85, false}}},
        {"X button 1 down", 0, 0x020B, 0x10000, nothing, false, 0, {{kDisplay, 0x9100, 1, 3, false}}},
        {"X button 2 down", 0, 0x020B, 0x20000, nothing, false, 0, {{kDisplay, 0x9100, 1, 4, false}}},
        {"both X buttons report button 1", 0, 0x020B, 0x30000, nothing, false, 0, {{kDisplay, 0x9100, 1, 3, false}}},
        {"X button 1 up", 0, 0x020C, 0x10000, nothing, false, 0, {}},
        {"horizontal wheel", 0, 0x020E, Wheel(120), {0x0A, 0x01, 0, 0x10, 0x20}, false, 0, {}},
        {"not HC_ACTION", 3, 0x020A, Wheel(120), {0x0A, 0x01, 0, 0x10, 0x20}, false, 0, {}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        control.reply = c.reply;
        control.requests.clear();
        windows.messages.clear();
        system.passed.clear();
        const std::intptr_t result = Event(c.code, c.message, c.mouseData);
        EXPECT_EQ(result, c.swallowed ? 1 : CRecordingHookSystem::kNextHookResult);
        EXPECT_EQ(system.passed.size(), c.swallowed ? 0u : 1u);
        EXPECT_EQ(control.requests, std::vector<std::uint8_t>(c.statusRequests, 0xE3));
        EXPECT_EQ(windows.messages, c.posts);
    }
    EXPECT_EQ(control.opens, control.closes);
    EXPECT_EQ(control.lengths, std::vector<std::uint32_t>(3, 5));
}

TEST_F(HookTest, WithoutADriverAnswerTheNotchPassesOn)
{
    control.reply = {0x0A, 0x01, 0x00, 0x10, 0x20};
    for (bool present : {false, true}) {
        control.present = present;
        control.readSucceeds = false;
        EXPECT_EQ(Event(0, 0x020A, Wheel(120)), CRecordingHookSystem::kNextHookResult);
    }
    EXPECT_TRUE(windows.messages.empty());
    EXPECT_EQ(control.opens, 2);
    EXPECT_EQ(control.closes, 1);
}

TEST_F(HookTest, TheLastWheelDeltaIsKeptForEitherDirection)
{
    for (std::int16_t delta : {120, -240, 0}) {
        hook.m_ProcessWheel(Wheel(delta) | 0x1234);
        EXPECT_EQ(s_LastWheelDelta, delta);
    }
}

TEST_F(HookTest, NotificationsGoOnlyToPublishedWindowsOfTheirClass)
{
    control.reply = {0x08, 0x02, 0x00, 0x10, 0x20};
    struct SCase {
        const char* name;
        std::optional<std::uint32_t> display;
        std::vector<WindowHandle> receivers;
    };
    const SCase cases[] = {
        {"both published", kDisplay, {kDisplay, kMainFrame}},
        {"display not loaded", 0u, {kMainFrame}},
        {"display value -1", 0xFFFFFFFFu, {kMainFrame}},
        {"display value missing", std::nullopt, {kMainFrame}},
        {"display value names a window of another class", kMainFrame, {kMainFrame}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        registry = CMemoryRegistry();
        Publish(L"Process Handle", kMainFrame);
        if (c.display)
            Publish(L"OSD Handle", *c.display);
        windows.messages.clear();
        EXPECT_EQ(Event(0, 0x020A, Wheel(120)), 1); // swallowed whatever was posted
        std::vector<WindowHandle> receivers;
        for (const SWindowMessage& m : windows.messages)
            receivers.push_back(m.window);
        EXPECT_EQ(receivers, c.receivers);
    }
}

TEST_F(HookTest, AMissingKeyIsCreatedWithTheValueZeroAndNothingIsPosted)
{
    registry = CMemoryRegistry();
    EXPECT_EQ(hook.m_InformOSD(1, 3), 0);
    EXPECT_EQ(hook.m_InformMainFrame(2, 0x85), 0);
    const auto value = registry.Value(ERegRoot::kCurrentUser, kKey, L"OSD Handle");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, reg::kDword);
    EXPECT_EQ(value->data, (std::vector<std::uint8_t>{0, 0, 0, 0}));
    EXPECT_TRUE(windows.messages.empty());
    EXPECT_EQ(registry.OpenKeyCount(), 0);
}

TEST_F(HookTest, LinkedHooksAreTheOnesEventsArePassedTo)
{
    hook.LinkNextHook(0xA1, 0xB2);
    hook.MouseProc(0, 0x0200, 0x55);
    Event(0, 0x0201, 0);
    hook.UnLinkHook();
    hook.MouseProc(0, 0x0200, 0x55);
    ASSERT_EQ(system.passed.size(), 3u);
    EXPECT_EQ(system.passed[0], (SPassedEvent{0xB2, 0, 0x0200, 0x55}));
    EXPECT_EQ(system.passed[1].hook, 0xA1u);
    EXPECT_EQ(system.passed[2].hook, 0u);
}

TEST_F(HookTest, AnAssignedHookPassesEventsToTheSameHooks)
{
    hook.LinkNextHook(0xA1, 0xB2);
    CHook other(SHookPorts{system, control, registry, windows});
    other = hook;
    EXPECT_EQ(other.Instance(), hook.Instance());
    other.MouseProc(0, 0x0200, 0);
    EXPECT_EQ(system.passed.back().hook, 0xB2u);
}

TEST_F(HookTest, TheReportRequestAnswersTheReportByte)
{
    control.reply = {0x3B, 0, 0, 0, 0};
    std::uint8_t byte = 0;
    EXPECT_EQ(hook.GetReport4Filter(byte), 1);
    EXPECT_EQ(byte, 0x3B);
    EXPECT_EQ(control.requests.back(), 0xE1);
    EXPECT_EQ(control.lengths.back(), 1u);
    control.readSucceeds = false;
    EXPECT_EQ(hook.GetReport4Filter(byte), 0);
    EXPECT_EQ(byte, 0xFF);
}

TEST_F(HookTest, TheWow64QueryIsLookedUpFromCodeSevenOn)
{
    struct SCase {
        SOsVersion version;
        bool exported;
        int wow64;
    };
    const SCase cases[] = {
        {{2, 6, 1, 0}, true, 1},
        {{2, 6, 1, 0}, false, 0},
        {{2, 5, 0, 0}, true, 0}, // Windows 2000: code 5, never looked up
    };
    for (const SCase& c : cases) {
        system.version = c.version;
        system.hasIsWow64Process = c.exported;
        CTestHook other(SHookPorts{system, control, registry, windows});
        EXPECT_EQ(other.IsWow64(), c.wow64);
        EXPECT_EQ(other.Instance(), nullptr);
    }
}

// The library entry point in one process.
class HookLibraryTest : public HookTest {
protected:
    ~HookLibraryTest() override
    {
        delete g_pHook;
        g_pHook = nullptr;
        CHook::m_HookCnt = 0;
    }
    static HookLibraryTest* s_Fixture;
    static bool s_AllocationFails;
    static CHook* Create(void* module)
    {
        if (s_AllocationFails)
            return nullptr;
        auto& f = *s_Fixture;
        return new CHook(SHookPorts{f.system, f.control, f.registry, f.windows}, module);
    }
};
HookLibraryTest* HookLibraryTest::s_Fixture = nullptr;
bool HookLibraryTest::s_AllocationFails = false;

TEST_F(HookLibraryTest, AttachesAreCountedAndTheLastDetachFreesTheHook)
{
    s_Fixture = this;
    s_AllocationFails = false;
    void* module = reinterpret_cast<void*>(0x10000000);
    EXPECT_EQ(HookLibraryEntry(module, EEntryReason::kProcessAttach, Create), 1);
    CHook* first = g_pHook;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Instance(), module);
    HookLibraryEntry(module, EEntryReason::kProcessAttach, Create);
    EXPECT_EQ(g_pHook, first);
    EXPECT_EQ(CHook::m_HookCnt, 2u);
    EXPECT_EQ(HookLibraryEntry(module, EEntryReason::kThreadAttach, Create), 1);
    HookLibraryEntry(module, EEntryReason::kProcessDetach, Create);
    EXPECT_EQ(g_pHook, first);
    HookLibraryEntry(module, EEntryReason::kProcessDetach, Create);
    EXPECT_EQ(g_pHook, nullptr);
    EXPECT_EQ(CHook::m_HookCnt, 0u);
}

TEST_F(HookLibraryTest, WithoutAHookTheProceduresPassEverythingOn)
{
    s_Fixture = this;
    s_AllocationFails = true;
    HookLibraryEntry(nullptr, EEntryReason::kProcessAttach, Create);
    EXPECT_EQ(g_pHook, nullptr);
    EXPECT_EQ(CHook::m_HookCnt, 1u);
    ExportedLinkNextHook(0xA1, 0xB2);
    ExportedUnLinkHook();
    event.mouseData = Wheel(120);
    control.reply = {0x0A, 0x01, 0x00, 0x10, 0x20};
    EXPECT_EQ(ExportedLLMouseProc(system, 0, 0x020A, reinterpret_cast<std::intptr_t>(&event)),
              CRecordingHookSystem::kNextHookResult);
    ExportedMouseProc(system, 0, 0x0200, 0);
    EXPECT_EQ(system.passed.size(), 2u);
    EXPECT_EQ(system.passed[0].hook, 0u);
    EXPECT_EQ(control.opens, 0);
    // A detach without a hook changes no count.
    HookLibraryEntry(nullptr, EEntryReason::kProcessDetach, Create);
    EXPECT_EQ(CHook::m_HookCnt, 1u);
}

TEST_F(HookLibraryTest, TheExportsReachTheProcesssHook)
{
    s_Fixture = this;
    s_AllocationFails = false;
    HookLibraryEntry(nullptr, EEntryReason::kProcessAttach, Create);
    ExportedLinkNextHook(0xA1, 0xB2);
    ExportedMouseProc(system, 0, 0x0200, 0);
    control.reply = {0x0A, 0x01, 0x00, 0x10, 0x20};
    event.mouseData = Wheel(120);
    EXPECT_EQ(ExportedLLMouseProc(system, 0, 0x020A, reinterpret_cast<std::intptr_t>(&event)), 1);
    ASSERT_EQ(system.passed.size(), 1u);
    EXPECT_EQ(system.passed[0].hook, 0xB2u);
}

} // namespace
} // namespace vardex
