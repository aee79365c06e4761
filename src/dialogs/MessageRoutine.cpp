#include "dialogs/MessageRoutine.h"

namespace vardex {

namespace {

constexpr int kKeepOption = -1;

} // namespace

void CMessageRoutine::ShowMessage(int number, const std::wstring& appended)
{
    if (number < 0 || number >= CTextTables::kMessageCount)
        return;
    const std::wstring text = (m_Texts.Message(number) + appended).substr(0, kComposedChars);
    if (m_Skin.Ready() && text.size() < kSkinnedBelow) {
        m_Skin.PrepareSkinDlg(skin::kError, text, kKeepOption);
        m_Runner.RunModal(m_Skin);
        return;
    }
    m_Box.Show(m_Owner, text, m_Texts.Caption(), box::kOk | box::kIconError | box::kTopMost);
}

} // namespace vardex
