#include "dialogs/SkinDlg.h"

namespace vardex {

namespace {

constexpr wchar_t kHandleValue[] = L"DIAGLOG Handle";
constexpr std::uintptr_t kProgressReport = 1;

constexpr SSkinButton kHidden = {false, 0, 0};
constexpr SSkinButton kYesAt252 = {true, 252, 98};
constexpr SSkinButton kNoAt296 = {true, 296, 98};

struct SModeLayout {
    int mode;
    SSkinLayout layout;
};

constexpr SModeLayout kLayouts[] = {
    {skin::kResetWarning, {kYesAt252, kNoAt296, false, false, false, false}},
    {skin::kLoading, {kHidden, kHidden, false, false, true, false}},
    {skin::kSaving, {kHidden, kHidden, false, false, true, false}},
    {skin::kError, {{true, 296, 98}, kHidden, true, true, false, false}},
    {skin::kRepeat, {{true, 240, 119}, {true, 284, 119}, false, false, false, true}},
    {skin::kWarning, {kYesAt252, kNoAt296, false, true, false, false}},
    {skin::kSaveProfilesWarning, {kYesAt252, kNoAt296, false, false, false, false}},
};

} // namespace

bool SkinLayout(int mode, SSkinLayout& layout)
{
    for (const SModeLayout& entry : kLayouts) {
        if (entry.mode == mode) {
            layout = entry.layout;
            return true;
        }
    }
    return false;
}

void CSkinDlg::PrepareSkinDlg(int mode, const std::wstring& text, int option)
{
    m_Mode = mode;
    m_Text = text.substr(0, skin::kTextCapacity - 1);
    if (option >= 0 && option <= skin::kNoOption)
        m_Option = option;
}

void CSkinDlg::OnInitDialog(std::uintptr_t window)
{
    if (m_Mode == skin::kNone)
        return;
    m_Progress.Setup(skin::kProgressFrames);
    m_Layout = {};
    SkinLayout(m_Mode, m_Layout);
    if (m_Layout.progressShown)
        m_Progress.SetRange(m_ProgressTotal);
    m_Settings.SetDword(kHandleValue, static_cast<std::uint32_t>(window));
}

int CSkinDlg::OnCommand(int id)
{
    if (id == skin::kButtonYes || id == skin::kButtonNo) {
        m_Settings.DeleteValue(kHandleValue);
        return id == skin::kButtonYes ? skin::kResultOk : skin::kResultCancel;
    }
    if (id >= skin::kOptionFirst && id <= skin::kOptionLast)
        m_Option = id - skin::kOptionFirst;
    return 0;
}

std::intptr_t CSkinDlg::OnProgress(std::uintptr_t wParam, std::intptr_t lParam)
{
    if (wParam != kProgressReport)
        return 0;
    m_Progress.SetPos(static_cast<int>(lParam));
    return 1;
}

} // namespace vardex
