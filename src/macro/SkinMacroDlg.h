// CSkinMacroDlg: the behaviour of the modal editor of one button's macro. It shows the
// slot's lines in the command list, records new lines, deletes and reorders lines,
// sets delays and the repeat mode, and reads (LOAD) and writes (SAVE) the slot, one
// byte per tick of its own timers with the progress dialog when the transfer is long.
// Its window draws the state kept here.
#pragma once

#include "device/IcKX22.h"
#include "dialogs/ShowMessage.h"
#include "dialogs/SkinDialog.h"
#include "macro/MacroRecorder.h"
#include "macro/MacroTexts.h"
#include "macro/SkinLVCmdList.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/WindowRuntime.h"
#include "profile/SettingsKey.h"

#include <string>
#include <vector>

namespace vardex {

// The controls of dialog template 602.
namespace macroctl {
inline constexpr int kOk = 1;
inline constexpr int kClose = 2;
inline constexpr int kAdjust = 1075;
inline constexpr int kStepUp = 1076;
inline constexpr int kStepDown = 1077;
inline constexpr int kMoveUp = 1078;
inline constexpr int kMoveDown = 1079;
inline constexpr int kDelete = 1080;
inline constexpr int kRepeat = 1081;
inline constexpr int kLoad = 1082;
inline constexpr int kSave = 1083;
inline constexpr int kDelayField = 1087;
inline constexpr int kList = 1088;
inline constexpr int kRecord = 1113;
inline constexpr int kStop = 1114;
inline constexpr int kPicture = 1217;
inline constexpr int kHelp = 1218;
} // namespace macroctl

struct SMacroDlgPorts {
    CIcKX22& device;
    IClock& clock;
    IWindowRuntime& windows;
    IShowMessage& messages;
    ISkinDialog& skin;
    CSettingsKey& settings;
    IFileSystem& files;
    IShell& shell;
    IInputHooks& hooks;
    ILocalTime& time;
};

class CSkinMacroDlg final : private IRecorderEvents {
public:
    static constexpr unsigned kLoadTimer = 6400;
    static constexpr unsigned kSaveTimer = 6401;
    static constexpr unsigned kTickMs = 10;
    static constexpr int kShortPathLimit = 20;
    static constexpr int kMaxSlotIndex = 79;
    static constexpr std::uint32_t kProgressMessage = 0x1000;
    static constexpr wchar_t kHandleValue[] = L"MACRO DIAGLOG Handle";

    enum class EState { kIdle, kRecording, kTransferring };

    CSkinMacroDlg(SMacroDlgPorts ports, const SMacroTexts& texts);

    // The main window opens the editor for a page button of a profile; showExisting
    // is its macro slot loaded flag.
    void Open(int profile, int pageButton, bool showExisting);
    // Dialog initialisation: the list, the reset, the slot's lines, the handle value.
    void OnInitDialog(WindowHandle window);

    void SetDelayText(const std::wstring& text) { m_DelayText = text; }
    void OnStepUp();
    void OnStepDown();
    void OnAdjustDelay();
    void OnDelete();
    void OnMoveUp();
    void OnMoveDown();
    void OnRepeat();
    void OnRecord();
    void OnStop();
    int OnLoad();
    int OnSave();
    void OnHelp();
    void OnOk();
    void OnClose();
    void OnTimer(unsigned id);

    bool IsEnabled(int control) const;
    EState State() const { return m_State; }
    bool Modified() const { return m_Modified; }
    bool ShowExisting() const { return m_ShowExisting; }
    int RepeatMode() const { return m_RepeatMode; }
    int SlotIndex() const { return m_SlotIndex; }
    int SlotAddress() const { return m_SlotAddress; }
    const std::wstring& DelayText() const { return m_DelayText; }
    // How the dialog ended: skin::kIdOk or kIdCancel, 0 while it runs.
    int EndResult() const { return m_EndResult; }
    CSkinLVCmdList& List() { return m_List; }
    CMacroRecorder& Recorder() { return m_Recorder; }

private:
    void Reset();
    void EnsureModeByte();
    // Runs a transfer of m_Addresses; true when every address was handled.
    bool Transfer(unsigned timer, int progressMode);
    bool HandleAddress(unsigned timer, int address);
    void StopTimers();
    void RecordingFull() override;

    SMacroDlgPorts m_Ports;
    SMacroTexts m_Texts;
    CSkinLVCmdList m_List;
    CMacroRecorder m_Recorder;
    WindowHandle m_Window = 0;
    int m_Profile = 0;
    int m_PageButton = 0;
    int m_SlotIndex = 0;
    int m_SlotAddress = 0;
    bool m_ShowExisting = false;
    bool m_Modified = false;
    int m_RepeatMode = 5;
    EState m_State = EState::kIdle;
    std::wstring m_DelayText = L"25";
    std::vector<int> m_Addresses;
    int m_Next = 0;
    int m_EndResult = 0;
};

} // namespace vardex
