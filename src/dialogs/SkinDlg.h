// CSkinDlg: the program's one small skinned dialog. Its mode is the kind of showing
// and the id of its background: a warning, an error message, a progress window while
// the mouse is read or written, or the macro editor's repeat chooser. This class
// holds what the dialog shows and how it answers; its window draws it.
#pragma once

#include "controls/BitmapProgressBar.h"
#include "profile/SettingsKey.h"

#include <cstdint>
#include <string>

namespace vardex {

namespace skin {
inline constexpr int kNone = 0;
inline constexpr int kResetWarning = 248;
inline constexpr int kLoading = 249;
inline constexpr int kSaving = 250;
inline constexpr int kError = 251;
inline constexpr int kRepeat = 267;
inline constexpr int kWarning = 287;
inline constexpr int kSaveProfilesWarning = 353;

inline constexpr int kButtonYes = 1; // OK in the error showing
inline constexpr int kButtonNo = 2;
inline constexpr int kOptionFirst = 1084; // ONE-TIME, REPEAT when held, until next key
inline constexpr int kOptionLast = 1086;
inline constexpr int kText = 999;
inline constexpr int kProgress = 1004;
inline constexpr int kNoOption = 3;

inline constexpr int kResultOk = 1;     // IDOK
inline constexpr int kResultCancel = 2; // IDCANCEL

inline constexpr std::size_t kTextCapacity = 80;
// The frames of the progress showing: 100 to 108, then 252.
inline constexpr int kProgressFrames[CBitmapProgressBar::kFrames] = {100, 101, 102, 103, 104, 105, 106, 107, 108, 252};
} // namespace skin

// Where a control of the dialog stands and whether it shows, for one mode.
struct SSkinButton {
    bool shown;
    int x;
    int y;
};

struct SSkinLayout {
    SSkinButton yes;
    SSkinButton no;
    bool okImage; // button 1 shows OK instead of YES
    bool textShown;
    bool progressShown;
    bool optionsShown;
};

// The arrangement of the controls for a mode; false for a mode the dialog has not.
bool SkinLayout(int mode, SSkinLayout& layout);

class CSkinDlg {
public:
    explicit CSkinDlg(CSettingsKey& settings) : m_Settings(settings) {}

    // Sets the mode and the text (cut to its field) and, when option is 0 to 3, the
    // option; the caller then shows the dialog modally.
    void PrepareSkinDlg(int mode, const std::wstring& text, int option);

    // The window exists: arrange it for the mode and publish its handle.
    void OnInitDialog(std::uintptr_t window);
    // A command of the dialog; returns the result the dialog ends with, or 0 while it
    // stays open.
    int OnCommand(int id);
    // The window's close button.
    int OnClose() { return OnCommand(skin::kButtonNo); }
    // Message 0x1000: a progress report. The answer is 1 for wParam 1, else 0.
    std::intptr_t OnProgress(std::uintptr_t wParam, std::intptr_t lParam);

    int Mode() const { return m_Mode; }
    void SetMode(int mode) { m_Mode = mode; }
    const std::wstring& Text() const { return m_Text; }
    void ClearText() { m_Text.clear(); }
    int Option() const { return m_Option; }
    int ProgressTotal() const { return m_ProgressTotal; }
    void SetProgressTotal(int total) { m_ProgressTotal = total; }
    bool Ready() const { return m_Ready; }
    void SetReady(bool ready) { m_Ready = ready; }
    const SSkinLayout& Layout() const { return m_Layout; }
    const CBitmapProgressBar& Progress() const { return m_Progress; }

private:
    CSettingsKey& m_Settings;
    int m_Mode = skin::kNone;
    std::wstring m_Text;
    int m_Option = skin::kNoOption;
    int m_ProgressTotal = 10;
    bool m_Ready = false;
    SSkinLayout m_Layout{};
    CBitmapProgressBar m_Progress;
};

} // namespace vardex
