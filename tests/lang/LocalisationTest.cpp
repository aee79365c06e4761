#include "lang/Localisation.h"

#include "lang/LanguageFile.h"
#include "platform/emu/MemoryFileSystem.h"
#include "platform/emu/MemoryRegistry.h"
#include "platform/emu/RecordingShell.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

using test::SShownMessage;

constexpr wchar_t kProgramFolder[] = L"C:\\Program Files\\Vardex\\";

TEST(LanguageChoiceTest, ByLanguageIdentifier)
{
    struct SCase {
        std::uint16_t id;
        const wchar_t* file;
        const wchar_t* information;
        const wchar_t* face;
        int sizeClass;
        int rowHeight;
    };
    const SCase cases[] = {
        {0x0409, L"English.txt", L"Information_en.html", L"Arial Rounded MT Bold", 0, 0},
        {0x0407, L"German.txt", L"Information_de.html", L"Arial Rounded MT Bold", 2, 0},
        {0x0C07, L"German.txt", L"Information_de.html", L"Arial Rounded MT Bold", 2, 0},
        {0x040C, L"French.txt", L"Information_fr.html", L"Arial Rounded MT Bold", 3, 0},
        {0x0408, L"Greek.txt", L"Information_gk.html", L"Arial Rounded MT Bold", 3, 42},
        {0x0416, L"Brasil.txt", L"Information_br.html", L"Arial Rounded MT Bold", 2, 0},
        {0x0804, L"SimpleChinese.txt", L"Information_sc.html", L"\u65B0\u7D30\u660E\u9AD4", 1, 0},
        {0x0404, L"TradionalChinese.txt", L"Information_tc.html", L"\u5B8B\u9AD4", 1, 0},
        {0x1004, L"TradionalChinese.txt", L"Information_tc.html", L"\u5B8B\u9AD4", 1, 0},
        {0x0413, L"English.txt", L"Information_en.html", L"Arial Rounded MT Bold", 0, 0},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.id);
        const SLanguageChoice choice = ChooseLanguage(c.id);
        EXPECT_EQ(choice.languageFile, c.file);
        EXPECT_EQ(choice.informationDocument, c.information);
        EXPECT_EQ(choice.listFace, c.face);
        EXPECT_EQ(choice.sizeClass, c.sizeClass);
        EXPECT_EQ(choice.listRowHeight, c.rowHeight);
    }
    EXPECT_EQ(ChooseLanguage(0x0411).interfaceGuide, L"UserInterfaceSetupGuide_jp.html");
}

TEST(LanguageChoiceTest, Fonts)
{
    const SLanguageChoice french = ChooseLanguage(0x040C);
    const SFontSpec list = ListFont(french);
    EXPECT_EQ(list.face, L"Arial Rounded MT Bold");
    EXPECT_EQ(list.height, 13);
    EXPECT_EQ(list.width, 4);
    EXPECT_EQ(list.weight, 600);
    EXPECT_EQ(ListFont(ChooseLanguage(0x0409)).height, 9);
    EXPECT_EQ(MessageFont(ChooseLanguage(0x0804)).face, L"\u65B0\u7D30\u660E\u9AD4");
    EXPECT_EQ(HeadingFont().weight, 900);
}

class LocalisationTest : public ::testing::Test {
protected:
    void Ship(const std::wstring& folder, const std::wstring& name, const std::vector<std::wstring>& lines)
    {
        files.files[folder + L"Languages\\" + name] = WriteLanguageFile(lines, name);
    }

    std::vector<std::wstring> German()
    {
        std::vector<std::wstring> lines = CTextTables().Lines();
        lines[4] = L"Schlie\u00DFen";
        lines[41 + 1] = L"Keine Gamer-Maus angeschlossen!";
        return lines;
    }

    CMemoryRegistry registry;
    CSettingsKey settings{registry};
    CMemoryFileSystem files;
    CRecordingShell shell;
    test::CRecordingMessages messages;
    CLocalisation localisation{settings, files, shell, messages};
};

TEST_F(LocalisationTest, GermanFromTheProgramsFolderWhenPathIsMissing)
{
    Ship(kProgramFolder, L"German.txt", German());
    ASSERT_TRUE(localisation.SelectLanguage(0x0407));
    EXPECT_TRUE(localisation.LanguageLoaded());
    EXPECT_EQ(localisation.Texts().Ui(4), L"Schlie\u00DFen");
    EXPECT_EQ(localisation.Texts().Message(1), L"Keine Gamer-Maus angeschlossen!");
    EXPECT_EQ(localisation.Choice().sizeClass, 2);
}

TEST_F(LocalisationTest, GermanFromThePathFolder)
{
    settings.SetString(L"Path", L"D:\\Vardex");
    Ship(L"D:\\Vardex\\", L"German.txt", German());
    EXPECT_TRUE(localisation.SelectLanguage(0x0407));
}

TEST_F(LocalisationTest, AFailedLoadFallsBackToEnglishCompletely)
{
    Ship(kProgramFolder, L"Greek.txt", German());
    files.files[std::wstring(kProgramFolder) + L"Languages\\Greek.txt"].resize(3000); // ends early
    EXPECT_FALSE(localisation.SelectLanguage(0x0408));
    EXPECT_FALSE(localisation.LanguageLoaded());
    EXPECT_EQ(localisation.Texts().Lines(), CTextTables().Lines());
    EXPECT_EQ(localisation.Choice().sizeClass, 0);
    EXPECT_EQ(localisation.Choice().listRowHeight, 0);
    EXPECT_EQ(localisation.Choice().listFace, L"Arial Rounded MT Bold") << "the face stays as chosen";

    EXPECT_FALSE(localisation.SelectLanguage(0x0411)) << "no Japanese file at all";
    EXPECT_TRUE(messages.shown.empty()) << "no message for a missing language";
}

TEST_F(LocalisationTest, HelpDocuments)
{
    localisation.SelectLanguage(0x0409);
    localisation.OpenInformationDocument();
    EXPECT_EQ(messages.shown, (std::vector<SShownMessage>{{msg::kCantFindDocument, L"Information_en.html"}}));
    EXPECT_TRUE(shell.opened.empty());

    messages.shown.clear();
    const std::wstring guide = std::wstring(kProgramFolder) + L"HELP\\UserInterfaceSetupGuide_en.html";
    files.files[guide] = {};
    localisation.OpenInterfaceGuide();
    EXPECT_EQ(shell.opened, std::vector<std::wstring>{guide});
    EXPECT_TRUE(messages.shown.empty());

    shell.openResult = 2; // the shell found no program for it
    localisation.OpenInterfaceGuide();
    EXPECT_EQ(messages.shown,
              (std::vector<SShownMessage>{{msg::kCantFindDocument, L"UserInterfaceSetupGuide_en.html"}}));
}

} // namespace
} // namespace vardex
