#include "macro/SkinMacroDlg.h"

#include "macro/MacroSlotCodec.h"
#include "platform/emu/EmulatedHidSystem.h"
#include "platform/emu/MemoryFileSystem.h"
#include "platform/emu/MemoryRegistry.h"
#include "platform/emu/RecordingShell.h"
#include "platform/emu/VirtualWindowRuntime.h"
#include "profile/MemoryMap.h"
#include "support/MacroFakes.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <memory>

namespace vardex {
namespace {

using test::SShownMessage;
using Command = std::array<std::uint8_t, 3>;
constexpr WindowHandle kEditor = 0x610;

class SkinMacroDlgTest : public ::testing::Test {
protected:
    SkinMacroDlgTest()
    {
        kx->SetDevicePath(mouse.InterfacePath(CEmulatedMouse::kMainInterface).c_str());
        skin.pump = [this] {
            auto timer = windows.FireNext();
            if (!timer)
                return false;
            EXPECT_EQ(timer->window, kEditor);
            dlg.OnTimer(timer->id);
            return true;
        };
    }

    // Profile 1, page button 2 (hardware slot 4).
    int Slot() const { return mem::MacroSlot(1, 4); }
    void OpenEditor(bool showExisting)
    {
        dlg.Open(1, 2, showExisting);
        dlg.OnInitDialog(kEditor);
    }
    // A script in the mouse, with only its length byte in the shadow, as after the
    // whole-EEPROM load.
    void ScriptInMouse(int length)
    {
        mouse.Eeprom()[Slot()] = static_cast<std::uint8_t>(length);
        mouse.Eeprom()[Slot() + 1] = 2;
        mouse.Eeprom()[Slot() + 2] = 0xF7; // repeat while held, high bits of its own
        for (int i = 0; i < length; ++i)
            mouse.Eeprom()[Slot() + 3 + i] = static_cast<std::uint8_t>(0x04 + i % 20);
        kx->StoreClean(Slot(), length);
    }
    void Fill(int lines)
    {
        for (int i = 0; i < lines; ++i)
            dlg.List().Append(static_cast<std::uint8_t>(0x04 + i));
    }

    CVirtualClock clock;
    CEmulatedHidSystem hid{clock};
    CEmulatedMouse& mouse = hid.AddMouse();
    std::unique_ptr<CIcKX22> kx = std::make_unique<CIcKX22>(hid, clock);
    CVirtualWindowRuntime windows{clock};
    test::CRecordingMessages messages;
    test::CFakeSkinDialog skin;
    CMemoryRegistry registry;
    CSettingsKey settings{registry};
    CMemoryFileSystem files;
    CRecordingShell shell;
    test::CFakeHooks hooks;
    test::CFakeLocalTime time;
    CSkinMacroDlg dlg{{*kx, clock, windows, messages, skin, settings, files, shell, hooks, time},
                      SMacroTexts{}};
};

TEST_F(SkinMacroDlgTest, OpeningResetsAndPublishesTheHandle)
{
    ScriptInMouse(3);
    for (int i = 1; i < 6; ++i)
        kx->StoreClean(Slot() + i, mouse.Eeprom()[Slot() + i]);
    OpenEditor(true);
    EXPECT_EQ(dlg.SlotIndex(), 13);
    EXPECT_EQ(dlg.SlotAddress(), 128 * 19);
    EXPECT_EQ(dlg.List().Count(), 3);
    EXPECT_EQ(dlg.DelayText(), L"25");
    EXPECT_FALSE(dlg.Modified());
    EXPECT_EQ(settings.GetDword(CSkinMacroDlg::kHandleValue), kEditor);

    OpenEditor(false);
    EXPECT_EQ(dlg.List().Count(), 0);
}

TEST_F(SkinMacroDlgTest, IdleControlStates)
{
    OpenEditor(false);
    using namespace macroctl;
    EXPECT_TRUE(dlg.IsEnabled(kRecord));
    EXPECT_FALSE(dlg.IsEnabled(kStop));
    EXPECT_FALSE(dlg.IsEnabled(kDelete));
    EXPECT_FALSE(dlg.IsEnabled(kMoveUp));
    Fill(1);
    EXPECT_TRUE(dlg.IsEnabled(kDelete));
    EXPECT_FALSE(dlg.IsEnabled(kMoveDown));
    Fill(1);
    EXPECT_TRUE(dlg.IsEnabled(kMoveDown));

    dlg.OnRecord();
    for (int control : {kOk, kClose, kRecord, kDelete, kLoad, kSave, kRepeat, kHelp, kAdjust})
        EXPECT_FALSE(dlg.IsEnabled(control)) << control;
    EXPECT_TRUE(dlg.IsEnabled(kStop));
    EXPECT_TRUE(dlg.IsEnabled(kList));
    dlg.OnStop();
    EXPECT_TRUE(dlg.Modified());
    EXPECT_FALSE(dlg.IsEnabled(kStop));
    EXPECT_TRUE(hooks.installed.empty());
}

TEST_F(SkinMacroDlgTest, RecordingThatCannotHookShowsMessage31)
{
    OpenEditor(false);
    hooks.mouseFails = true;
    dlg.OnRecord();
    EXPECT_EQ(dlg.State(), CSkinMacroDlg::EState::kIdle);
    EXPECT_EQ(messages.shown, (std::vector<SShownMessage>{{msg::kRecordFailed, L""}}));
}

TEST_F(SkinMacroDlgTest, AFullBufferStopsRecordingWithMessage27)
{
    OpenEditor(false);
    while (dlg.List().UsedBytes() < 125)
        dlg.List().Append(0x7F);
    dlg.OnRecord();
    dlg.Recorder().OnKeyboard(0, 'A', 0);
    EXPECT_EQ(dlg.State(), CSkinMacroDlg::EState::kIdle);
    EXPECT_EQ(messages.shown, (std::vector<SShownMessage>{{msg::kBufferFull, L""}}));
    EXPECT_TRUE(hooks.installed.empty());
}

TEST_F(SkinMacroDlgTest, DelayButtons)
{
    OpenEditor(false);
    Fill(2);
    struct SCase {
        std::wstring text;
        void (CSkinMacroDlg::*press)();
        std::wstring shown;
    };
    const SCase cases[] = {
        {L"4990", &CSkinMacroDlg::OnStepUp, L"5000"},
        {L"25", &CSkinMacroDlg::OnStepDown, L"25"},
        {L"0x64", &CSkinMacroDlg::OnStepUp, L"125"},
        {L"12ms", &CSkinMacroDlg::OnStepUp, L"12ms"},
        {L"9000", &CSkinMacroDlg::OnAdjustDelay, L"5000"},
    };
    for (const SCase& c : cases) {
        dlg.SetDelayText(c.text);
        (dlg.*c.press)();
        EXPECT_EQ(dlg.DelayText(), c.shown);
    }
    EXPECT_EQ(messages.shown, (std::vector<SShownMessage>{{msg::kNoSelectedItem, L""}}));

    dlg.List().Select(1);
    dlg.SetDelayText(L"25 ");
    dlg.OnAdjustDelay();
    EXPECT_EQ(dlg.List().Line(1).delay, 1);
    dlg.SetDelayText(L"10 1000");
    dlg.OnAdjustDelay();
    EXPECT_EQ(dlg.List().Line(1).delay, 40);
    EXPECT_TRUE(dlg.Modified());
}

TEST_F(SkinMacroDlgTest, DeleteAsksWhenNothingIsSelected)
{
    OpenEditor(false);
    Fill(3);
    skin.answer = skin::kIdCancel;
    dlg.OnDelete();
    EXPECT_EQ(dlg.List().Count(), 3);
    EXPECT_TRUE(dlg.Modified()) << "even a cancelled question counts as a change";
    EXPECT_EQ(skin.runs.back(), (test::SSkinRun{skin::kWarningMode, msg::kClearMacro, 0}));
    skin.answer = skin::kIdOk;
    dlg.OnDelete();
    EXPECT_EQ(dlg.List().Count(), 0);

    Fill(3);
    dlg.List().Select(1);
    dlg.OnDelete();
    EXPECT_EQ(dlg.List().Count(), 2);
    EXPECT_EQ(skin.runs.size(), 2u);
}

TEST_F(SkinMacroDlgTest, RepeatModeChoice)
{
    OpenEditor(false);
    kx->StoreClean(Slot() + 2, 0xF7);
    skin.answerOption = 2;
    dlg.OnRepeat();
    EXPECT_EQ(skin.runs.back(), (test::SSkinRun{skin::kRepeatChoiceMode, skin::kNoMessage, 1}));
    EXPECT_EQ(kx->Shadow(Slot() + 2).value, 0xF4);
    EXPECT_EQ(kx->Shadow(Slot() + 2).dirty, 1);
    EXPECT_EQ(dlg.RepeatMode(), 4);
    EXPECT_TRUE(dlg.Modified());

    OpenEditor(false);
    kx->StoreClean(Slot() + 2, 0x05);
    skin.answerOption = 0;
    dlg.OnRepeat();
    EXPECT_FALSE(dlg.Modified()) << "the same mode changes nothing";
    EXPECT_EQ(kx->Shadow(Slot() + 2).dirty, 0);

    OpenEditor(false);
    kx->ResetShadow(); // never read: the mode becomes one-time
    skin.answer = skin::kIdCancel;
    dlg.OnRepeat();
    EXPECT_EQ(kx->Shadow(Slot() + 2).value, 5);
    EXPECT_EQ(kx->Shadow(Slot() + 2).dirty, 1);
    EXPECT_TRUE(dlg.Modified());
}

TEST_F(SkinMacroDlgTest, LoadNeedsTheLengthByte)
{
    OpenEditor(false);
    EXPECT_EQ(dlg.OnLoad(), 0);
    EXPECT_EQ(messages.shown, (std::vector<SShownMessage>{{msg::kLoadScriptFailed, L""}}));
    EXPECT_TRUE(mouse.Commands().empty());
    EXPECT_EQ(dlg.State(), CSkinMacroDlg::EState::kIdle);
}

TEST_F(SkinMacroDlgTest, LoadShortAndLong)
{
    struct SCase {
        int length;
        bool progress;
    };
    for (const SCase c : {SCase{17, false}, SCase{18, true}, SCase{125, true}}) {
        SCOPED_TRACE(c.length);
        ScriptInMouse(c.length);
        OpenEditor(false);
        skin.runs.clear();
        const std::uint64_t start = clock.NowMs();
        EXPECT_EQ(dlg.OnLoad(), 1);
        EXPECT_EQ(dlg.List().Count(), c.length);
        EXPECT_TRUE(dlg.ShowExisting());
        EXPECT_FALSE(dlg.Modified());
        EXPECT_EQ(skin.runs.empty(), !c.progress);
        EXPECT_EQ(clock.NowMs() - start, 40u + 10u * (c.length + 2));
        EXPECT_FALSE(windows.AnyTimer());
        EXPECT_EQ(mouse.Commands().back(), (Command{2, 0, 0}));
        if (c.progress) {
            EXPECT_EQ(skin.total, c.length + 2);
            EXPECT_EQ(windows.messages.back(),
                      (SWindowMessage{test::CFakeSkinDialog::kWindow, 0x1000, 1, c.length + 2, true}));
        }
        EXPECT_FALSE(dlg.IsEnabled(macroctl::kStop));
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SkinMacroDlgTest, LoadFailingHalfway)
{
    ScriptInMouse(30);
    OpenEditor(false);
    mouse.GetFault() = {10, kForever};
    EXPECT_EQ(dlg.OnLoad(), 0);
    EXPECT_EQ(messages.shown, (std::vector<SShownMessage>{{msg::kLoadScriptFailed, L""}}));
    EXPECT_EQ(dlg.List().Count(), 0);
    EXPECT_FALSE(windows.AnyTimer());
}

TEST_F(SkinMacroDlgTest, SaveWritesTheSlotAndOkSavesOnlyChanges)
{
    OpenEditor(false);
    dlg.OnOk();
    EXPECT_TRUE(mouse.Transcript().empty()) << "an unchanged macro is not written";
    EXPECT_EQ(settings.GetDword(CSkinMacroDlg::kHandleValue), CSettingsKey::kNotSet);
    EXPECT_EQ(dlg.EndResult(), skin::kIdOk);

    for (int lines : {16, 17}) {
        SCOPED_TRACE(lines);
        OpenEditor(false);
        skin.runs.clear();
        Fill(lines);
        dlg.List().Select(0);
        dlg.OnMoveDown();
        dlg.OnOk();
        EXPECT_EQ(skin.runs.empty(), lines + 3 < 20);
        EXPECT_EQ(mouse.Eeprom()[Slot()], lines);
        EXPECT_EQ(mouse.Eeprom()[Slot() + 1], 2);
        EXPECT_EQ(mouse.Eeprom()[Slot() + 2], 5);
        EXPECT_EQ(mouse.Eeprom()[Slot() + 3], 0x05);
        EXPECT_EQ(mouse.Eeprom()[Slot() + 4], 0x04);
        EXPECT_EQ(mouse.Commands().back(), (Command{0, 0, 0}));
        EXPECT_FALSE(dlg.Modified());
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST_F(SkinMacroDlgTest, SaveFailing)
{
    OpenEditor(false);
    Fill(30);
    mouse.SetFault() = {12, kForever};
    EXPECT_EQ(dlg.OnSave(), 0);
    EXPECT_EQ(messages.shown, (std::vector<SShownMessage>{{msg::kSaveScriptFailed, L""}}));
    EXPECT_EQ(dlg.List().Count(), 30);
    EXPECT_EQ(dlg.State(), CSkinMacroDlg::EState::kIdle);
    EXPECT_FALSE(windows.AnyTimer());

    dlg.Open(9, 0, false); // slot index 84: refused by every path
    EXPECT_EQ(dlg.OnSave(), 0);
    EXPECT_EQ(dlg.OnLoad(), 0);
    dlg.OnRecord();
    EXPECT_EQ(dlg.State(), CSkinMacroDlg::EState::kIdle);
    EXPECT_TRUE(hooks.installed.empty());
}

TEST_F(SkinMacroDlgTest, HelpLooksForTheGuide)
{
    OpenEditor(false);
    dlg.OnHelp();
    EXPECT_EQ(messages.shown,
              (std::vector<SShownMessage>{{msg::kCantFindDocument, L"UserInterfaceSetupGuide_en.html"}}));
    files.files[L"C:\\Program Files\\Vardex\\HELP\\UserInterfaceSetupGuide_en.html"] = {};
    dlg.OnHelp();
    EXPECT_EQ(shell.opened,
              (std::vector<std::wstring>{L"C:\\Program Files\\Vardex\\HELP\\UserInterfaceSetupGuide_en.html"}));
    shell.openResult = 32;
    dlg.OnHelp();
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(SkinMacroDlgTest, CloseLosesChangesAndEndsRecording)
{
    OpenEditor(false);
    Fill(2);
    dlg.OnRecord();
    dlg.OnClose();
    EXPECT_TRUE(hooks.installed.empty());
    EXPECT_EQ(dlg.EndResult(), skin::kIdCancel);
    EXPECT_TRUE(mouse.Transcript().empty());
    EXPECT_EQ(settings.GetDword(CSkinMacroDlg::kHandleValue), CSettingsKey::kNotSet);
}

} // namespace
} // namespace vardex
