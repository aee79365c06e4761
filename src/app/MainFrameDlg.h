// CMainFrameDlg: the program's main window. It owns the device link, the shadow image
// and the skinned dialog, connects the mouse, shows one of its views (no mouse,
// loading, the main page) and runs the commands of its controls. Its window draws
// the state this class keeps and passes every message here.
#pragma once

#include "app/DeviceSelectDlg.h"
#include "app/SkinLayout.h"
#include "app/WindowRegistry.h"
#include "controls/BitmapProgressBar.h"
#include "device/HidClient.h"
#include "device/IcKX22.h"
#include "device/TransferEngine.h"
#include "dialogs/MessageRoutine.h"
#include "dialogs/SkinDlg.h"
#include "lang/TextTables.h"
#include "platform/InstanceLock.h"
#include "platform/MessageBox.h"
#include "platform/SystemSettings.h"
#include "profile/ButtonFunctions.h"
#include "profile/MemoryMap.h"

#include <map>
#include <memory>
#include <optional>

namespace vardex {

namespace frame {
inline constexpr int kModeNoMouse = 0;
inline constexpr int kModeLoading = 2;
inline constexpr int kModePage = 3;
inline constexpr int kModeNone = 4;

inline constexpr int kMinimise = 1001, kHide = 1002, kWebSite = 1003, kLoadingBar = 1004, kExit = 1005;
inline constexpr int kReset = 1006, kRegister = 1007, kHelp = 1008, kAdvanced = 1009, kLoadFile = 1010;
inline constexpr int kSaveFile = 1011, kLed = 1012, kSaveToMouse = 1024;
inline constexpr int kProfileFirst = 1200, kProfileCount = 5;
inline constexpr int kStopwatchStart = 1021, kStopwatchPause = 1022, kStopwatchReset = 1023;
inline constexpr int kMousePicture = 1039;
inline constexpr int kLabelFirst = 1729; // labels 1729 to 1737 show the page buttons' functions
inline constexpr int kPageButtons = 9;
inline constexpr int kTrayExit = 57665;
inline constexpr int kNoProfile = 5;

inline constexpr unsigned kReconnectTimer = 2314;
inline constexpr unsigned kReconnectMs = 5000;
inline constexpr int kResultCancel = 2; // IDCANCEL

inline constexpr wchar_t kMutexName[] = L"Novaro Vardex";
} // namespace frame

// A view's size and background.
struct SViewSpec {
    int width;
    int height;
    int background;
};
SViewSpec ViewOf(int mode);

// What one control shows.
struct SControlState {
    bool shown = false;
    bool enabled = true;
    bool highlighted = false; // a profile button's page is shown
    std::wstring text;
};

// What the window system does for the main window.
class IMainFrameWindow {
public:
    virtual ~IMainFrameWindow() = default;
    // Resizes the window to the mode's view, centres it, takes its background and shape.
    virtual void ShowView(int mode) = 0;
    // Brings every control to the state the class keeps.
    virtual void Refresh() = 0;
    virtual void RedrawControl(int id) = 0;
    virtual void Hide() = 0;
    virtual void Minimise() = 0;
    virtual void EndDialog(int result) = 0;
    // Modal dialogs over the main window; each returns how it ended.
    virtual int RunDeviceSelection(CDeviceSelectDlg& dialog) = 0;
    virtual int RunSkinDlg(CSkinDlg& dialog) = 0;
    // The open skinned dialog's window (0 when none), and ending it.
    virtual WindowHandle SkinDlgWindow() = 0;
    virtual void EndSkinDlg(int result) = 0;
};

struct SMainFramePorts {
    IHidSystem& hid;
    IClock& clock;
    IWindowRuntime& windows;
    CSettingsKey& settings;
    ISystemSettings& system;
    IInstanceLock& instance;
    IMessageBox& box;
};

class CMainFrameDlg final : private ITransferView, private IProgressDialog, private ISkinDlgRunner,
                            public IShowMessage {
public:
    explicit CMainFrameDlg(SMainFramePorts ports);
    ~CMainFrameDlg() override;
    CMainFrameDlg(const CMainFrameDlg&) = delete;
    CMainFrameDlg& operator=(const CMainFrameDlg&) = delete;

    // Set by the application before the dialog runs.
    void StartHidden() { m_HiddenStart = m_StartedByAutomation = true; }

    // The window exists: the first-run sequence.
    void OnInitDialog(WindowHandle window, IMainFrameWindow& shell);
    void OnCommand(int id);
    void OnTimer(unsigned id);
    // Closing from the system (Alt+F4) and the cancel path.
    void OnCancel();
    // The window paints: a hidden start keeps it hidden.
    void OnPaint();
    // Whole-window dragging: true where a press drags the window (client coordinates).
    bool IsCaption(int y) const { return m_Mode != frame::kModePage || y < layout::kCaptionRows; }

    void ConnectMouse();
    void ExitProgram();
    // Runs the profile button of profile n.
    void SwitchProfile(int n);

    void ShowMessage(int number, const std::wstring& appended = {}) override;

    bool AlreadyRunning() const { return m_AlreadyRunning; }
    bool HiddenStart() const { return m_HiddenStart; }
    int VersionCode() const { return m_VersionCode; }
    int Mode() const { return m_Mode; }
    int CurrentProfile() const { return m_CurrentProfile; }
    int SelectedDevice() const { return m_Selected; }
    int DeviceCountAtConnect() const { return m_CountAtConnect; }
    bool Connected() const { return m_Engine && m_Engine->Connected(); }
    bool Busy() const { return m_Engine && m_Engine->Busy(); }
    bool HooksActive() const { return m_HooksActive; }
    WindowHandle Handle() const { return m_Window; }
    const SControlState& Control(int id) const;
    const CBitmapProgressBar& LoadingBar() const { return m_LoadingBar; }
    const CTextTables& Texts() const { return m_Texts; }
    CSkinDlg& SkinDlg() { return m_SkinDlg; }
    CIcKX22& Device() { return m_Device; }
    CDeviceSelectDlg* OpenSelection() { return m_Selection; }

private:
    // ITransferView
    bool InLoadingView() const override { return m_Mode == frame::kModeLoading; }
    void EnterLoadingView() override;
    void SetLoadingRange(int count) override;
    void SetLoadingPosition(int index) override;
    void HideLoadingProgress() override;
    void EnablePage(bool enable) override;
    void HideWindow() override;
    void LoadCompleted() override;
    // IProgressDialog
    WindowHandle Window() const override { return m_Shell ? m_Shell->SkinDlgWindow() : 0; }
    void SetTotal(int count) override { m_SkinDlg.SetProgressTotal(count); }
    void ClearProgress() override { m_SkinDlg.SetMode(skin::kNone); }
    void EndWithOk() override;
    // ISkinDlgRunner
    int RunModal(CSkinDlg& dialog) override;

    void SetView(int mode);
    void ShowPageControls(bool shown);
    void ShowPage(int n);
    void RefreshLabels();
    void ResetProfile();
    // A question in CSkinDlg; true when answered YES.
    bool Ask(int mode);
    SControlState& State(int id) { return m_Controls[id]; }
    void Refresh();

    SMainFramePorts m_Ports;
    CHidClient m_Devices;
    CIcKX22 m_Device;
    CDefaultTable m_Defaults;
    CFunctionTable m_Functions;
    CTextTables m_Texts;
    CSkinDlg m_SkinDlg;
    CWindowRegistry m_Registry;
    CBitmapProgressBar m_LoadingBar;
    std::unique_ptr<CTransferEngine> m_Engine; // made once the window exists
    IMainFrameWindow* m_Shell = nullptr;
    CDeviceSelectDlg* m_Selection = nullptr; // while dialog 701 is open
    std::map<int, SControlState> m_Controls;

    WindowHandle m_Window = 0;
    bool m_AlreadyRunning = false;
    bool m_HiddenStart = false;
    bool m_StartedByAutomation = false;
    bool m_HooksActive = false; // the companion libraries come later; without them the hooks are off
    int m_VersionCode = 7;
    int m_DragSaved = 0;
    int m_Mode = frame::kModeNone;
    int m_Selected = 0;
    int m_CountAtConnect = 0;
    int m_CurrentProfile = frame::kNoProfile;
    bool m_Exited = false;
};

} // namespace vardex
