#include "profile/SettingsKey.h"

#include "platform/emu/MemoryRegistry.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

constexpr ERegRoot kUser = ERegRoot::kCurrentUser;
constexpr wchar_t kKey[] = L"Software\\Vardex";

class SettingsKeyTest : public ::testing::Test {
protected:
    CMemoryRegistry registry;
    CSettingsKey settings{registry};
};

TEST_F(SettingsKeyTest, MissingKeyIsCreatedHoldingZero)
{
    EXPECT_EQ(settings.GetDword(L"PF2 Motion Speed"), 0u);
    const auto value = registry.Value(kUser, kKey, L"PF2 Motion Speed");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, reg::kDword);
    EXPECT_EQ(value->data, (std::vector<std::uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(registry.OpenKeyCount(), 0) << "no key stays open between calls";
}

TEST_F(SettingsKeyTest, DwordValues)
{
    ASSERT_EQ(settings.SetDword(L"Disable OSD", 0x01020304), 1);
    EXPECT_EQ(registry.Value(kUser, kKey, L"disable osd")->data, (std::vector<std::uint8_t>{4, 3, 2, 1}));
    EXPECT_EQ(settings.GetDword(L"Disable OSD"), 0x01020304u);
    EXPECT_EQ(settings.GetDword(L"missing"), CSettingsKey::kNotSet);
    registry.Put(kUser, kKey, L"short", {reg::kDword, {1, 2}});
    EXPECT_EQ(settings.GetDword(L"short"), CSettingsKey::kNotSet) << "a value of another size is not set";
    ASSERT_EQ(settings.DeleteValue(L"Disable OSD"), 1);
    EXPECT_EQ(settings.GetDword(L"Disable OSD"), CSettingsKey::kNotSet);
    EXPECT_EQ(registry.OpenKeyCount(), 0);
}

TEST_F(SettingsKeyTest, StringsAreStoredWithoutTerminator)
{
    ASSERT_EQ(settings.SetString(L"PF1T2 AP", L"C:\\g.exe"), 1);
    const auto value = registry.Value(kUser, kKey, L"PF1T2 AP");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, reg::kString);
    EXPECT_EQ(value->data.size(), 2u * 8u);
    std::wstring text = L"left over";
    ASSERT_EQ(settings.GetString(L"PF1T2 AP", text), 1);
    EXPECT_EQ(text, L"C:\\g.exe");
    EXPECT_EQ(settings.GetString(L"missing", text), 0);
    EXPECT_TRUE(text.empty());
}

TEST_F(SettingsKeyTest, RegistryFailuresAreSilent)
{
    registry.DenyAccess(kUser, kKey);
    EXPECT_EQ(settings.SetDword(L"x", 1), 0);
    EXPECT_EQ(settings.SetString(L"x", L"y"), 0);
    EXPECT_EQ(settings.GetDword(L"x"), 0u);
    EXPECT_EQ(settings.DeleteValue(L"x"), 0);
    std::vector<std::uint8_t> data;
    EXPECT_EQ(settings.GetValue(L"x", data), 0);
    EXPECT_EQ(settings.LastError(), reg::kAccessDenied);
}

TEST_F(SettingsKeyTest, GetValueTakesAtMost4096Bytes)
{
    registry.Put(kUser, kKey, L"big", {reg::kString, std::vector<std::uint8_t>(4098, 'a')});
    std::vector<std::uint8_t> data;
    EXPECT_EQ(settings.GetValue(L"big", data), 0);
    registry.Put(kUser, kKey, L"fits", {reg::kString, std::vector<std::uint8_t>(4096, 'a')});
    EXPECT_EQ(settings.GetValue(L"fits", data), 1);
}

} // namespace
} // namespace vardex
