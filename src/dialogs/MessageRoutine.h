// The program's message routine: a message by number from the text tables, with a
// path, address or document name appended, shown in the skinned dialog when it can
// hold it, otherwise in the system's message box.
#pragma once

#include "dialogs/ShowMessage.h"
#include "dialogs/SkinDlg.h"
#include "lang/TextTables.h"
#include "platform/MessageBox.h"

namespace vardex {

// Runs CSkinDlg modally as prepared; returns how it ended.
class ISkinDlgRunner {
public:
    virtual ~ISkinDlgRunner() = default;
    virtual int RunModal(CSkinDlg& dialog) = 0;
};

class CMessageRoutine final : public IShowMessage {
public:
    static constexpr std::size_t kComposedChars = 119;
    static constexpr std::size_t kSkinnedBelow = 40; // longer texts go to the system box

    CMessageRoutine(const CTextTables& texts, CSkinDlg& skin, ISkinDlgRunner& runner, IMessageBox& box,
                    WindowHandle owner)
        : m_Texts(texts), m_Skin(skin), m_Runner(runner), m_Box(box), m_Owner(owner)
    {
    }

    void ShowMessage(int number, const std::wstring& appended = {}) override;

private:
    const CTextTables& m_Texts;
    CSkinDlg& m_Skin;
    ISkinDlgRunner& m_Runner;
    IMessageBox& m_Box;
    WindowHandle m_Owner;
};

} // namespace vardex
