#include "lang/Localisation.h"

#include "lang/LanguageFile.h"
#include "profile/ProgramFile.h"

namespace vardex {

namespace {

constexpr wchar_t kLanguagesFolder[] = L"Languages";
constexpr wchar_t kHelpFolder[] = L"HELP";
constexpr std::intptr_t kShellFailureLimit = 32;

} // namespace

bool CLocalisation::SelectLanguage(std::uint16_t languageId)
{
    m_Choice = ChooseLanguage(languageId);
    m_LanguageLoaded = LoadLanguage(m_Choice.languageFile);
    if (!m_LanguageLoaded) {
        m_Choice.sizeClass = 0;
        m_Choice.listRowHeight = 0;
        LoadBuiltInTexts();
    }
    return m_LanguageLoaded;
}

bool CLocalisation::LoadLanguage(const std::wstring& fileName)
{
    std::wstring path;
    if (!FindProgramFile(m_Settings, m_Files, m_Shell, fileName, kLanguagesFolder, path))
        return false;
    std::vector<std::uint8_t> bytes;
    if (!m_Files.ReadFile(path, langfile::kMaxUsefulBytes, bytes))
        return false;
    return ReadLanguageFile(bytes, fileName, m_Texts);
}

void CLocalisation::OpenHelpDocument(const std::wstring& name)
{
    std::wstring path;
    if (FindProgramFile(m_Settings, m_Files, m_Shell, name, kHelpFolder, path) &&
        m_Shell.OpenDocument(path) > kShellFailureLimit)
        return;
    m_Messages.ShowMessage(msg::kCantFindDocument, name);
}

} // namespace vardex
