#include "app/WindowRegistry.h"

#include "platform/emu/MemoryRegistry.h"
#include "platform/emu/VirtualWindowRuntime.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

constexpr wchar_t kKey[] = L"Software\\Vardex";

class WindowRegistryTest : public ::testing::Test {
protected:
    WindowRegistryTest()
    {
        windows.windowClasses[0x1000] = wnd::kDisplayClass;
        windows.windowClasses[0x2000] = wnd::kDialogClass;
        windows.windowClasses[0x3000] = L"Notepad";
    }

    void Store(const wchar_t* name, std::uint32_t value)
    {
        registry.Put(ERegRoot::kCurrentUser, kKey, name,
                     {reg::kDword,
                      {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                       static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}});
    }

    CVirtualClock clock;
    CVirtualWindowRuntime windows{clock};
    CMemoryRegistry registry;
    CSettingsKey settings{registry};
    CWindowRegistry published{settings, windows};
};

TEST_F(WindowRegistryTest, OnlyAUsableHandleOfTheRightClassIsPostedTo)
{
    struct SCase {
        const char* name;
        bool keyExists;
        std::optional<std::uint32_t> value;
        bool posted;
    };
    const SCase cases[] = {
        {"key missing", false, std::nullopt, false},
        {"value missing", true, std::nullopt, false},
        {"zero", true, 0u, false},
        {"minus one", true, 0xFFFFFFFFu, false},
        {"a window that is gone", true, 0x4000u, false},
        {"a window of another class", true, 0x3000u, false},
        {"the display window", true, 0x1000u, true},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        registry = CMemoryRegistry();
        windows.messages.clear();
        if (c.keyExists)
            registry.Put(ERegRoot::kCurrentUser, kKey, L"unrelated", {reg::kDword, {1, 0, 0, 0}});
        if (c.value)
            Store(L"OSD Handle", *c.value);
        EXPECT_EQ(published.PostTo(handles::kDisplay, wnd::kDisplayMessage, wnd::kDisplayProfile, 3), c.posted);
        EXPECT_EQ(windows.messages.size(), c.posted ? 1u : 0u);
        EXPECT_TRUE(registry.KeyExists(ERegRoot::kCurrentUser, kKey)) << "the first reader creates the key";
    }
    EXPECT_EQ(windows.messages[0], (SWindowMessage{0x1000, 0x9100, 5, 3, false}));
}

TEST_F(WindowRegistryTest, EverySendReadsTheValueAfresh)
{
    windows.windowClasses[0x2100] = wnd::kDialogClass;
    published.Publish(handles::kProcess, 0x2000);
    published.PostTo(handles::kProcess, wnd::kMainFrameMessage, wnd::kMainFrameLaunch, 0x8A);
    published.Publish(handles::kProcess, 0x2100);
    published.PostTo(handles::kProcess, wnd::kMainFrameMessage, wnd::kMainFrameLaunch, 0x8A);
    published.Withdraw(handles::kProcess);
    EXPECT_FALSE(published.PostTo(handles::kProcess, wnd::kMainFrameMessage, wnd::kMainFrameLaunch, 0x8A));
    ASSERT_EQ(windows.messages.size(), 2u);
    EXPECT_EQ(windows.messages[0].window, 0x2000u);
    EXPECT_EQ(windows.messages[1].window, 0x2100u);
}

TEST_F(WindowRegistryTest, DisplayWindowClearsItsValue)
{
    published.Publish(handles::kDisplay, 0x1000);
    published.Clear(handles::kDisplay);
    const auto value = registry.Value(ERegRoot::kCurrentUser, kKey, L"OSD Handle");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->data, (std::vector<std::uint8_t>{0, 0, 0, 0}));
}

TEST_F(WindowRegistryTest, ExitClosesThePublishedWindowsInOrder)
{
    for (WindowHandle w : {0x2001u, 0x2002u, 0x2003u, 0x2004u})
        windows.windowClasses[w] = wnd::kDialogClass;
    published.Publish(handles::kSkinDialog, 0x2004);
    published.Publish(handles::kMacroDialog, 0x2003);
    published.Publish(handles::kConfigDialog, 0x2001);
    published.Publish(handles::kDisplay, 0x1000);
    Store(L"LED DIAGLOG Handle", 0xFFFFFFFF);
    published.CloseAllAtExit();
    const std::vector<SWindowMessage> expected = {
        {0x1000, wnd::kClose, 0, 0, false},
        {0x2001, wnd::kClose, 0, 0, false},
        {0x2003, wnd::kClose, 0, 0, false},
        {0x2004, wnd::kClose, 0, 0, false},
    };
    EXPECT_EQ(windows.messages, expected);
}

TEST(StatusWordTest, FieldsAndLaunchKeys)
{
    const std::uint32_t w = SStatusWord::Make(2, 3, true, 36, 72);
    EXPECT_EQ(w, 0x00482400u | 0x80u | 0x30u | 0x2u);
    EXPECT_EQ(SStatusWord::Level(w), 2);
    EXPECT_EQ(SStatusWord::Profile(w), 3);
    EXPECT_TRUE(SStatusWord::IsProfileChange(w));
    EXPECT_EQ(SStatusWord::YCode(w), 36);
    EXPECT_EQ(SStatusWord::XCode(w), 72);
    EXPECT_FALSE(SStatusWord::IsProfileChange(SStatusWord::Make(1, 0, false, 9, 9)));

    EXPECT_TRUE(SLaunchKey::IsLaunchKey(0x8A));
    EXPECT_EQ(SLaunchKey::Slot(0x8A), 10);
    EXPECT_EQ(SLaunchKey::Slot(0xAD), 45);
    EXPECT_FALSE(SLaunchKey::IsLaunchKey(0x0A));
}

} // namespace
} // namespace vardex
