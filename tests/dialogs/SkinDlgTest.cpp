#include "dialogs/MessageRoutine.h"
#include "dialogs/SkinDlg.h"

#include "platform/emu/MemoryRegistry.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

class SkinDlgTest : public ::testing::Test {
protected:
    std::optional<std::uint32_t> Published()
    {
        const auto v = registry.Value(ERegRoot::kCurrentUser, L"Software\\Vardex", L"DIAGLOG Handle");
        if (!v)
            return std::nullopt;
        return v->data[0] | (v->data[1] << 8);
    }

    CMemoryRegistry registry;
    CSettingsKey settings{registry};
    CSkinDlg dialog{settings};
};

TEST_F(SkinDlgTest, LayoutPerMode)
{
    struct SCase {
        int mode;
        bool yes, no, okImage, text, progress, options;
        int yesX, yesY;
    };
    const SCase cases[] = {
        {248, true, true, false, false, false, false, 252, 98},
        {249, false, false, false, false, true, false, 0, 0},
        {250, false, false, false, false, true, false, 0, 0},
        {251, true, false, true, true, false, false, 296, 98},
        {267, true, true, false, false, false, true, 240, 119},
        {287, true, true, false, true, false, false, 252, 98},
        {353, true, true, false, false, false, false, 252, 98},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.mode);
        dialog.PrepareSkinDlg(c.mode, L"", -1);
        dialog.OnInitDialog(0x702);
        const SSkinLayout& l = dialog.Layout();
        EXPECT_EQ(l.yes.shown, c.yes);
        EXPECT_EQ(l.no.shown, c.no);
        EXPECT_EQ(l.okImage, c.okImage);
        EXPECT_EQ(l.textShown, c.text);
        EXPECT_EQ(l.progressShown, c.progress);
        EXPECT_EQ(l.optionsShown, c.options);
        if (c.yes) {
            EXPECT_EQ(l.yes.x, c.yesX);
            EXPECT_EQ(l.yes.y, c.yesY);
        }
        EXPECT_EQ(Published(), 0x702u);
    }
    SSkinLayout layout;
    EXPECT_FALSE(SkinLayout(252, layout));
}

TEST_F(SkinDlgTest, ProgressReportsMoveTheFrames)
{
    dialog.PrepareSkinDlg(skin::kLoading, L"", -1);
    dialog.SetProgressTotal(4);
    dialog.OnInitDialog(0x702);
    EXPECT_EQ(dialog.Progress().CurrentFrameId(), 100);
    EXPECT_EQ(dialog.OnProgress(1, 1), 1);
    EXPECT_EQ(dialog.Progress().CurrentFrameId(), 102);
    EXPECT_EQ(dialog.OnProgress(1, 4), 1);
    EXPECT_EQ(dialog.Progress().CurrentFrameId(), 252);
    EXPECT_EQ(dialog.OnProgress(2, 1), 0) << "any other report is answered 0";
}

TEST_F(SkinDlgTest, RepeatChooser)
{
    dialog.PrepareSkinDlg(skin::kRepeat, L"", skin::kNoOption);
    dialog.OnInitDialog(0x702);
    EXPECT_EQ(dialog.Option(), skin::kNoOption);
    EXPECT_EQ(dialog.OnCommand(1085), 0) << "choosing an option keeps the dialog open";
    EXPECT_EQ(dialog.OnCommand(skin::kButtonYes), skin::kResultOk);
    EXPECT_EQ(dialog.Option(), 1);
    EXPECT_FALSE(Published().has_value());

    dialog.OnInitDialog(0x702);
    EXPECT_EQ(dialog.OnClose(), skin::kResultCancel);
    EXPECT_FALSE(Published().has_value());
}

TEST_F(SkinDlgTest, PrepareCutsTheTextAndKeepsAnOptionOutsideTheRange)
{
    dialog.PrepareSkinDlg(skin::kRepeat, L"", 2);
    dialog.PrepareSkinDlg(skin::kWarning, std::wstring(100, L'w'), 7);
    EXPECT_EQ(dialog.Text().size(), skin::kTextCapacity - 1);
    EXPECT_EQ(dialog.Option(), 2);
}

struct CRunner final : ISkinDlgRunner {
    int RunModal(CSkinDlg& dialog) override
    {
        shown.push_back({dialog.Mode(), dialog.Text()});
        return skin::kResultOk;
    }
    std::vector<std::pair<int, std::wstring>> shown;
};

struct CBoxes final : IMessageBox {
    int Show(WindowHandle owner, const std::wstring& text, const std::wstring& caption, unsigned style) override
    {
        shown.push_back({owner, text, caption, style});
        return 1;
    }
    struct SBox {
        WindowHandle owner;
        std::wstring text, caption;
        unsigned style;
    };
    std::vector<SBox> shown;
};

TEST_F(SkinDlgTest, MessageRouting)
{
    CTextTables texts;
    CRunner runner;
    CBoxes boxes;
    CMessageRoutine routine(texts, dialog, runner, boxes, 0x700);

    routine.ShowMessage(1);
    EXPECT_TRUE(runner.shown.empty()) << "before the dialog is ready, the system box shows it";
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, L"No Gamer Mouse Connected!");
    EXPECT_EQ(boxes.shown[0].caption, L"Novaro Arena VARDEX MESSAGE");
    EXPECT_EQ(boxes.shown[0].style, 0x10u | 0x40000u);
    EXPECT_EQ(boxes.shown[0].owner, 0x700u);

    dialog.SetReady(true);
    boxes.shown.clear();
    routine.ShowMessage(1);
    EXPECT_EQ(runner.shown, (std::vector<std::pair<int, std::wstring>>{{251, L"No Gamer Mouse Connected!"}}));

    routine.ShowMessage(5, L"C:\\Users\\gamer\\Docs\\a1234.pof"); // 30 characters: 65 in all
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, L"FAILURE: Can't find the file path: C:\\Users\\gamer\\Docs\\a1234.pof");

    routine.ShowMessage(5, std::wstring(200, L'p'));
    EXPECT_EQ(boxes.shown.back().text.size(), CMessageRoutine::kComposedChars);

    const std::size_t before = boxes.shown.size() + runner.shown.size();
    routine.ShowMessage(33);
    routine.ShowMessage(-1);
    EXPECT_EQ(boxes.shown.size() + runner.shown.size(), before) << "no such message";
}

} // namespace
} // namespace vardex
