#include "profile/ProfileFile.h"

#include "platform/emu/EmulatedHidSystem.h"
#include "platform/emu/MemoryFileSystem.h"
#include "platform/emu/RecordingShell.h"
#include "platform/emu/VirtualClock.h"
#include "profile/MemoryMap.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <memory>

namespace vardex {
namespace {

using test::SShownMessage;

constexpr wchar_t kPath[] = L"C:\\Users\\gamer\\Documents\\Vardex\\fps.pof";

class ProfileFileTest : public ::testing::Test {
protected:
    // Every address a profile file can touch, valid and clean at value 0x11.
    void FillShadow(CIcKX22& kx, int value)
    {
        for (int a = 0x100; a < 0x1980; ++a)
            kx.StoreClean(a, value);
    }

    std::vector<std::uint8_t> GoodFile(int p = 1)
    {
        auto source = std::make_unique<CIcKX22>(hid, clock);
        for (int offset = 0; offset < mem::kProfileBytesUsed; ++offset)
            source->StoreClean(mem::ProfileBase(p) + offset, 0x40 + offset);
        for (int i = 0; i < 9 * 128; ++i)
            source->StoreClean(mem::MacroSlot(p, 0) + i, i % 128 == 0 ? 4 : (i & 0xFF));
        return BuildProfileFile(*source, p);
    }

    int Load(std::vector<std::uint8_t> file, int p = 2)
    {
        files.files[kPath] = std::move(file);
        shell.answers.push_back(kPath);
        return profiles.LoadProfileFile(*shadow, p, loaded);
    }

    bool AnyDirty() const
    {
        for (int a = 0; a < CIcKX22::kShadowSize; ++a)
            if (shadow->Shadow(a).dirty)
                return true;
        return false;
    }

    CVirtualClock clock;
    CEmulatedHidSystem hid{clock};
    std::unique_ptr<CIcKX22> shadow = std::make_unique<CIcKX22>(hid, clock);
    CMemoryFileSystem files;
    CRecordingShell shell;
    test::CRecordingMessages messages;
    CProfileFiles profiles{shell, files, messages};
    CMacroSlotFlags loaded;
};

TEST_F(ProfileFileTest, SaveWritesTheProfileAndItsMacroArea)
{
    shadow->StoreClean(mem::ProfileBase(2) + 58, 0x1AB); // only the low 8 bits are stored
    shadow->StoreClean(mem::MacroSlot(2, 8) + 127, 0x77);
    shell.answers.push_back(kPath);
    ASSERT_EQ(profiles.SaveProfileFile(*shadow, 2), 1);
    const std::vector<std::uint8_t>& file = files.files[kPath];
    ASSERT_EQ(file.size(), 1216u);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin(), file.begin() + 5),
              (std::vector<std::uint8_t>{0x6D, 0x15, 0x01, 0xBB, 0x04}));
    EXPECT_EQ(file[5 + 58], 0xAB);
    EXPECT_EQ(file[1215], 0x77);

    ASSERT_EQ(shell.dialogs.size(), 1u);
    const SFileDialog& dialog = shell.dialogs[0];
    EXPECT_TRUE(dialog.save);
    EXPECT_EQ(dialog.defaultExtension, L"POF");
    EXPECT_EQ(dialog.filter, L"Mouse Profile Files (*.pof)|*.pof|All Files (*.*)|*.*||");
    EXPECT_EQ(dialog.options, 0x00880000u | 0x4u | 0x2u | 0x8u);
    EXPECT_EQ(dialog.initialFolder, L"C:\\Users\\gamer\\Documents\\Vardex");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProfileFileTest, SaveFailures)
{
    EXPECT_EQ(profiles.SaveProfileFile(*shadow, 0), 0) << "cancelled";
    EXPECT_EQ(profiles.SaveProfileFile(*shadow, 5), 0);
    EXPECT_TRUE(messages.shown.empty());

    files.unwritable.insert(kPath);
    shell.answers.push_back(kPath);
    EXPECT_EQ(profiles.SaveProfileFile(*shadow, 0), 0);

    files.unwritable.clear();
    files.files[kPath] = {1, 2, 3};
    files.writeLimit = 1000;
    shell.answers.push_back(kPath);
    EXPECT_EQ(profiles.SaveProfileFile(*shadow, 0), 0);
    EXPECT_EQ(files.files[kPath], (std::vector<std::uint8_t>{1, 2, 3})) << "the old file survives a failed write";

    EXPECT_EQ(messages.shown, (std::vector<SShownMessage>{{msg::kCantFindPath, kPath}, {msg::kWriteFailed, L""}}));
}

TEST_F(ProfileFileTest, LoadPlacesIntoTheShownProfile)
{
    FillShadow(*shadow, 0x11);
    ASSERT_EQ(Load(GoodFile(0), 2), 1); // saved from the first profile, loaded into the third
    EXPECT_EQ(shadow->Shadow(0x180).value, 0x40);
    EXPECT_EQ(shadow->Shadow(0x180).dirty, 1);
    EXPECT_EQ(shadow->Shadow(0x180 + 58).value, 0x40 + 58);
    EXPECT_EQ(shadow->Shadow(0xC00).value, 4); // the length byte of the third profile's first slot
    EXPECT_EQ(shadow->Shadow(0xC00 + 6).value, 6);
    EXPECT_EQ(shadow->Shadow(0xC00 + 7).dirty, 0) << "bytes past the script are not placed";
    for (int a : {0x140, 0x1C0, 0x780, 0x1080}) {
        EXPECT_EQ(shadow->Shadow(a).dirty, 0) << "address " << a << " belongs to another profile";
    }
    for (int s = 0; s < 9; ++s) {
        EXPECT_TRUE(loaded.IsLoaded(2, s));
        EXPECT_FALSE(loaded.IsLoaded(0, s));
    }
    ASSERT_EQ(shell.dialogs.size(), 1u);
    EXPECT_FALSE(shell.dialogs[0].save);
}

TEST_F(ProfileFileTest, LoadingTheSameContentsMarksNothing)
{
    auto source = GoodFile(2);
    std::span<const std::uint8_t> payload;
    ASSERT_TRUE(ParseProfileFile(source, payload));
    for (int offset = 0; offset < 59; ++offset)
        shadow->StoreClean(0x180 + offset, payload[offset]);
    for (int i = 0; i < 9 * 128; ++i)
        shadow->StoreClean(0xC00 + i, payload[59 + i]);
    ASSERT_EQ(Load(source, 2), 1);
    EXPECT_FALSE(AnyDirty());
}

TEST_F(ProfileFileTest, AnEqualByteThatWasNeverReadBecomesDirtyAndValid)
{
    shadow->Shadow(0x100).value = 0x40; // what the file holds, but not known to be on the mouse
    ASSERT_EQ(Load(GoodFile(), 0), 1);
    EXPECT_EQ(shadow->Shadow(0x100).valid, 1);
    EXPECT_EQ(shadow->Shadow(0x100).dirty, 1);
    EXPECT_EQ(shadow->Shadow(0x101).valid, 0) << "a differing byte keeps its valid mark";
    EXPECT_EQ(shadow->Shadow(0x101).dirty, 1);
}

TEST_F(ProfileFileTest, BadFilesChangeNothing)
{
    auto withLength = [this](std::size_t length, std::size_t present) {
        std::vector<std::uint8_t> file = GoodFile();
        file.resize(5 + present, 0);
        file[3] = static_cast<std::uint8_t>(length);
        file[4] = static_cast<std::uint8_t>(length >> 8);
        return file;
    };
    auto header = [this](std::uint8_t version) {
        std::vector<std::uint8_t> file = GoodFile();
        file[2] = version;
        return file;
    };
    struct SCase {
        const char* name;
        std::vector<std::uint8_t> file;
    };
    const SCase cases[] = {
        {"empty", {}},
        {"short header", {0x6D, 0x15, 0x01, 0xBB}},
        {"format version 2", header(0x02)},
        {"foreign file", {'M', 'Z', 0x90, 0, 3, 0, 0, 0}},
        {"length above 8192", withLength(8193, 8193)},
        {"payload shorter than its length", withLength(1211, 1200)},
        {"payload shorter than a profile", withLength(1100, 1100)},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        messages.shown.clear();
        EXPECT_EQ(Load(c.file), 0);
        EXPECT_EQ(messages.shown, (std::vector<SShownMessage>{{msg::kBadFileFormat, L""}}));
        EXPECT_FALSE(AnyDirty());
    }
}

TEST_F(ProfileFileTest, LengthLimitsAndExtraBytes)
{
    EXPECT_EQ(Load([this] {
        auto file = GoodFile();
        file.resize(5 + 8192, 0xEE);
        file[3] = 0x00;
        file[4] = 0x20;
        return file;
    }()), 1);
    auto longer = GoodFile();
    longer.resize(4000, 0xEE);
    EXPECT_EQ(Load(longer), 1) << "bytes past the length are ignored";
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProfileFileTest, SlotLengthAboveTheSlotIsClamped)
{
    auto file = GoodFile();
    file[64 + 128 * 8] = 0xFF; // slot 8 claims 258 bytes
    FillShadow(*shadow, 0x11);
    ASSERT_EQ(Load(file, 3), 1);
    EXPECT_EQ(shadow->Shadow(mem::MacroSlot(3, 8) + 127).dirty, 1);
    EXPECT_EQ(shadow->Shadow(mem::MacroSlot(4, 0)).dirty, 0) << "the next profile's first slot is untouched";
}

TEST_F(ProfileFileTest, UnopenableFileAndCancel)
{
    EXPECT_EQ(profiles.LoadProfileFile(*shadow, 0, loaded), 0); // cancelled
    shell.answers.push_back(L"C:\\nowhere.pof");
    EXPECT_EQ(profiles.LoadProfileFile(*shadow, 0, loaded), 0);
    EXPECT_EQ(messages.shown, (std::vector<SShownMessage>{{msg::kCantFindPath, L"C:\\nowhere.pof"}}));
    EXPECT_EQ(profiles.LoadProfileFile(*shadow, -1, loaded), 0);
}

TEST_F(ProfileFileTest, ProfileFolderIsCreated)
{
    ASSERT_EQ(profiles.CreateProfileFolder(), 1);
    EXPECT_EQ(files.folders.count(L"C:\\Users\\gamer\\Documents\\Vardex"), 1u);
}

} // namespace
} // namespace vardex
