// The program's language: chosen once from the system, read from the language file in
// the "Languages" folder, or the built-in English texts when that fails; and the help
// documents in the "HELP" folder.
#pragma once

#include "dialogs/ShowMessage.h"
#include "lang/LanguageChoice.h"
#include "lang/TextTables.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "profile/SettingsKey.h"

namespace vardex {

class CLocalisation {
public:
    CLocalisation(CSettingsKey& settings, IFileSystem& files, IShell& shell, IShowMessage& messages)
        : m_Settings(settings), m_Files(files), m_Shell(shell), m_Messages(messages)
    {
    }

    // Chooses the language for languageId and loads its file; false when the built-in
    // English texts are used instead.
    bool SelectLanguage(std::uint16_t languageId);
    bool LoadLanguage(const std::wstring& fileName);
    void LoadBuiltInTexts() { m_Texts.LoadBuiltInTexts(); }

    // The main window's help command and the macro editor's.
    void OpenInformationDocument() { OpenHelpDocument(m_Choice.informationDocument); }
    void OpenInterfaceGuide() { OpenHelpDocument(m_Choice.interfaceGuide); }

    const CTextTables& Texts() const { return m_Texts; }
    const SLanguageChoice& Choice() const { return m_Choice; }
    bool LanguageLoaded() const { return m_LanguageLoaded; }

private:
    void OpenHelpDocument(const std::wstring& name);

    CSettingsKey& m_Settings;
    IFileSystem& m_Files;
    IShell& m_Shell;
    IShowMessage& m_Messages;
    CTextTables m_Texts;
    SLanguageChoice m_Choice = ChooseLanguage(0);
    bool m_LanguageLoaded = false;
};

} // namespace vardex
