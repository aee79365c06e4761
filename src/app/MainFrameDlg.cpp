#include "app/MainFrameDlg.h"

#include "app/StartUp.h"
#include "profile/MouseSettings.h"

namespace vardex {

namespace {

constexpr SUsbId kMouseIds[] = {{0x12CF, 0x0182}};
constexpr unsigned short kLowestRelease = 0x1502;
constexpr unsigned short kHighestRelease = 0x1504;
constexpr unsigned short kLastShortTableRelease = 0x1502; // its top sensitivity code is 72
constexpr int kLaunchFunction = 8;
constexpr std::uint32_t kCancelPauseMs = 10;
constexpr std::uint32_t kAfterResetPauseMs = 100;

// The page's controls besides the exit button, which every view but loading shows.
std::vector<int> PageControls()
{
    std::vector<int> ids = {frame::kMinimise, frame::kHide,     frame::kWebSite,  frame::kReset,
                            frame::kRegister, frame::kHelp,     frame::kAdvanced, frame::kLoadFile,
                            frame::kSaveFile, frame::kLed,      frame::kSaveToMouse,
                            frame::kStopwatchStart, frame::kStopwatchPause, frame::kStopwatchReset,
                            frame::kMousePicture};
    for (int n = 0; n < frame::kProfileCount; ++n)
        ids.push_back(frame::kProfileFirst + n);
    for (int u = 0; u < frame::kPageButtons; ++u)
        ids.push_back(frame::kLabelFirst + u);
    return ids;
}

// The page's commands whose dialogs and operations come with later work: shown, not
// offered.
constexpr int kNotYetOffered[] = {frame::kWebSite, frame::kRegister,  frame::kHelp,  frame::kAdvanced,
                                  frame::kLoadFile, frame::kSaveFile, frame::kLed,   frame::kSaveToMouse,
                                  frame::kStopwatchStart, frame::kStopwatchPause, frame::kStopwatchReset};

// The function name as a panel shows it: without its leading blanks.
std::wstring PanelText(const std::wstring& name)
{
    const auto first = name.find_first_not_of(L' ');
    return first == std::wstring::npos ? std::wstring() : name.substr(first);
}

} // namespace

SViewSpec ViewOf(int mode)
{
    switch (mode) {
    case frame::kModeLoading: return {layout::kSmallWidth, layout::kSmallHeight, layout::kLoadingBitmap};
    case frame::kModePage: return {layout::kPageWidth, layout::kPageHeight, layout::kPageBitmap};
    default: return {layout::kSmallWidth, layout::kSmallHeight, layout::kNoMouseBitmap};
    }
}

CMainFrameDlg::CMainFrameDlg(SMainFramePorts ports)
    : m_Ports(ports), m_Devices(ports.hid, ports.box), m_Device(ports.hid, ports.clock), m_SkinDlg(ports.settings),
      m_Registry(ports.settings, ports.windows)
{
    if (!m_Ports.instance.Acquire(frame::kMutexName, m_AlreadyRunning))
        m_AlreadyRunning = false;
    SOsVersion version{};
    const bool known = m_Ports.system.Version(version);
    m_VersionCode = WindowsVersionCode(known, version);
    // Dragging shows only the frame while the program runs; the destructor restores it.
    const int drag = m_Ports.system.DragFullWindows();
    if (drag) {
        m_DragSaved = drag;
        m_Ports.system.SetDragFullWindows(0);
    }
    for (int f = 0; f < CFunctionTable::kCount; ++f)
        m_Functions.SetName(f, m_Texts.FunctionName(f));
}

CMainFrameDlg::~CMainFrameDlg()
{
    if (m_DragSaved)
        m_Ports.system.SetDragFullWindows(m_DragSaved);
    m_Ports.instance.Release();
}

void CMainFrameDlg::OnInitDialog(WindowHandle window, IMainFrameWindow& shell)
{
    m_Window = window;
    m_Shell = &shell;
    m_Engine = std::make_unique<CTransferEngine>(
        STransferPorts{m_Device, m_Ports.clock, m_Ports.windows, m_Window, *this, m_Ports.settings, *this, *this},
        m_Defaults);
    m_Engine->SetStartedByAutomation(m_StartedByAutomation);
    m_Registry.Publish(handles::kProcess, m_Window);
    m_SkinDlg.SetReady(true);
    m_LoadingBar.Setup(std::array<int, CBitmapProgressBar::kFrames>{100, 101, 102, 103, 104, 105, 106, 107, 108, 109}
                           .data());
    for (int id : PageControls())
        State(id);
    if (!m_HiddenStart) {
        ConnectMouse();
        return;
    }
    // A hidden start only learns the active profile; the load waits for the first restore.
    m_Devices.CreateDeviceTable(kMouseIds, 1, kLowestRelease, kHighestRelease);
    if (m_Devices.GetRecognizedDevices() == 0)
        return;
    m_Device.SetDevicePath(m_Devices.GetDevice(0));
    int select = 0;
    if (m_Device.ReadByte(mem::kProfileSelect, select)) {
        m_Device.StoreClean(mem::kProfileSelect, select);
        m_CurrentProfile = select & 0x07;
        ApplyProfileMouseSettings(m_Ports.settings, m_Ports.system, m_CurrentProfile);
    }
}

void CMainFrameDlg::ConnectMouse()
{
    m_Devices.CreateDeviceTable(kMouseIds, 1, kLowestRelease, kHighestRelease);
    m_Devices.RegisterNotify(m_Window);
    m_Device.ResetShadow();
    m_Selected = 0;
    const int count = m_Devices.GetRecognizedDevices();
    m_CountAtConnect = count;
    bool cancelled = false;
    if (count > 1) {
        CDeviceSelectDlg selection(m_Devices, m_Device, m_Ports.clock, m_Ports.windows, m_Window);
        m_Selection = &selection;
        m_Selected = m_Shell->RunDeviceSelection(selection);
        m_Selection = nullptr;
        if (m_Selected < 0 || m_Selected >= count) {
            m_Selected = 0;
            m_CountAtConnect = 0;
            cancelled = true;
            OnCancel();
        }
    }
    if (count > 0 && !cancelled) {
        const unsigned short release = m_Devices.GetDeviceVer(m_Selected);
        if ((release >> 8) == 0x15) {
            m_Device.SetProductWord(release);
            m_Device.SetTableSize(CIcKX22::kShadowSize);
        }
        if (m_Device.OpenAndIdentify(m_Devices.GetDevice(m_Selected)) &&
            m_Devices.GetDeviceVID(m_Selected) == kMouseIds[0].vid &&
            m_Devices.GetDevicePID(m_Selected) == kMouseIds[0].pid) {
            m_Defaults.SetTopSensitivityCode(release <= kLastShortTableRelease ? 72 : 80);
            m_Registry.PostTo(handles::kDisplay, wnd::kDisplayMessage, wnd::kDisplayRelease, release);
            m_Engine->SetConnected(true);
            m_Engine->LoadWholeEeprom();
            return;
        }
    }
    m_Engine->SetConnected(false);
    if (m_Mode == frame::kModeNoMouse || m_Exited)
        return;
    if (m_Mode == frame::kModePage)
        ShowPageControls(false);
    SetView(frame::kModeNoMouse);
    State(frame::kExit).shown = true;
    Refresh();
}

void CMainFrameDlg::SetView(int mode)
{
    m_Mode = mode;
    m_Shell->ShowView(mode);
}

void CMainFrameDlg::ShowPageControls(bool shown)
{
    for (int id : PageControls())
        State(id).shown = shown;
}

void CMainFrameDlg::Refresh()
{
    if (m_Shell)
        m_Shell->Refresh();
}

const SControlState& CMainFrameDlg::Control(int id) const
{
    static const SControlState kAbsent;
    const auto it = m_Controls.find(id);
    return it == m_Controls.end() ? kAbsent : it->second;
}

// ---- the loading view, as the transfer engine drives it ----

void CMainFrameDlg::EnterLoadingView()
{
    if (m_Mode == frame::kModePage)
        ShowPageControls(false);
    State(frame::kExit).shown = false;
    SetView(frame::kModeLoading);
    Refresh();
}

void CMainFrameDlg::SetLoadingRange(int count)
{
    m_LoadingBar.SetRange(count);
    State(frame::kLoadingBar).shown = true;
    Refresh();
}

void CMainFrameDlg::SetLoadingPosition(int index)
{
    if (m_LoadingBar.SetPos(index) && m_Shell)
        m_Shell->RedrawControl(frame::kLoadingBar);
}

void CMainFrameDlg::HideLoadingProgress()
{
    State(frame::kLoadingBar).shown = false;
    Refresh();
}

void CMainFrameDlg::EnablePage(bool enable)
{
    if (m_Mode != frame::kModePage)
        return;
    for (int id : PageControls())
        State(id).enabled = enable;
    for (int id : kNotYetOffered)
        State(id).enabled = false;
    State(frame::kSaveToMouse).enabled = false;
    Refresh();
}

void CMainFrameDlg::HideWindow()
{
    if (m_Shell)
        m_Shell->Hide();
}

void CMainFrameDlg::LoadCompleted()
{
    // The page opens on the profile the mouse has active.
    const int active = m_Device.Shadow(mem::kProfileSelect).value & 0x07;
    m_CurrentProfile = frame::kNoProfile;
    SetView(frame::kModePage);
    ShowPageControls(true);
    State(frame::kExit).shown = true;
    EnablePage(true);
    ShowPage(active < frame::kProfileCount ? active : 0);
    Refresh();
}

void CMainFrameDlg::ShowPage(int n)
{
    for (int p = 0; p < frame::kProfileCount; ++p)
        State(frame::kProfileFirst + p).highlighted = p == n;
    m_CurrentProfile = n;
    RefreshLabels();
}

void CMainFrameDlg::RefreshLabels()
{
    for (int u = 0; u < frame::kPageButtons; ++u) {
        int f = m_CurrentProfile < frame::kProfileCount ? MatchFunction(m_Device, m_Functions, m_CurrentProfile, u) : -1;
        // Without the hooks nothing can launch a program, so launch is not offered.
        if (f == kLaunchFunction && !m_HooksActive)
            f = -1;
        State(frame::kLabelFirst + u).text = f < 0 ? std::wstring() : PanelText(m_Functions[f].name);
    }
}

// ---- commands ----

void CMainFrameDlg::OnCommand(int id)
{
    if (id >= frame::kProfileFirst && id < frame::kProfileFirst + frame::kProfileCount) {
        SwitchProfile(id - frame::kProfileFirst);
        return;
    }
    switch (id) {
    case frame::kExit:
    case frame::kTrayExit:
        ExitProgram();
        break;
    case frame::kMinimise:
        m_Shell->Minimise();
        break;
    case frame::kHide:
        if (!Connected()) {
            ShowMessage(msg::kNoMouse);
            break;
        }
        if (!Busy())
            m_Shell->Hide();
        break;
    case frame::kReset:
        ResetProfile();
        break;
    case static_cast<int>(wnd::kRestoreCommand):
        if (m_HiddenStart) {
            m_HiddenStart = false;
            ConnectMouse();
        }
        break;
    default:
        break;
    }
}

void CMainFrameDlg::SwitchProfile(int n)
{
    if (Busy() || !Connected() || n < 0 || n >= frame::kProfileCount)
        return;
    // The mouse follows first: address 169 holds the active profile in its low bits.
    const SShadowEntry select = m_Device.Shadow(mem::kProfileSelect);
    if (n < ((select.value >> 4) & 0x0F)) {
        const int wanted = (select.value & 0xF0) | n;
        if (!(select.valid && !select.dirty && select.value == wanted) && m_Device.WriteByte(mem::kProfileSelect, wanted))
            m_Device.StoreClean(mem::kProfileSelect, wanted);
        m_Device.SendCommand(7, n, 0);
    }
    if (n != m_CurrentProfile)
        ShowPage(n);
    Refresh();
    ApplyProfileMouseSettings(m_Ports.settings, m_Ports.system, n);
}

bool CMainFrameDlg::Ask(int mode)
{
    m_SkinDlg.SetMode(mode);
    m_SkinDlg.ClearText();
    return m_Shell->RunSkinDlg(m_SkinDlg) == skin::kResultOk;
}

void CMainFrameDlg::ResetProfile()
{
    if (Busy() || !Connected() || m_CurrentProfile >= frame::kProfileCount)
        return;
    m_Engine->SetBusy(true);
    EnablePage(false);
    if (Ask(skin::kResetWarning)) {
        if (m_Engine->ResetProfileToDefaults(m_CurrentProfile)) {
            m_SkinDlg.SetMode(skin::kSaving);
            m_SkinDlg.ClearText();
            m_Shell->RunSkinDlg(m_SkinDlg);
        }
        m_Registry.PostTo(handles::kDisplay, wnd::kDisplayMessage, wnd::kDisplayProfile, m_CurrentProfile);
        m_Device.SendCommand(0, 0, 0);
        m_Ports.clock.Sleep(kAfterResetPauseMs);
        RefreshLabels();
    }
    m_Engine->SetBusy(false);
    EnablePage(true);
}

void CMainFrameDlg::EndWithOk()
{
    if (m_Shell)
        m_Shell->EndSkinDlg(skin::kResultOk);
}

int CMainFrameDlg::RunModal(CSkinDlg& dialog)
{
    return m_Shell ? m_Shell->RunSkinDlg(dialog) : skin::kResultCancel;
}

void CMainFrameDlg::ShowMessage(int number, const std::wstring& appended)
{
    CMessageRoutine(m_Texts, m_SkinDlg, *this, m_Ports.box, m_Window).ShowMessage(number, appended);
}

// ---- timers, painting, exit ----

void CMainFrameDlg::OnTimer(unsigned id)
{
    if (id == select::kBlinkTimer) {
        if (m_Selection)
            m_Selection->OnTimer();
        else
            m_Ports.windows.StopTimer(m_Window, id); // no dialog left to blink for
        return;
    }
    if (id == frame::kReconnectTimer) {
        m_Ports.windows.StopTimer(m_Window, id);
        ConnectMouse();
        return;
    }
    if (m_Engine)
        m_Engine->OnTimer(id);
}

void CMainFrameDlg::OnPaint()
{
    if (!m_HiddenStart)
        return;
    if (m_Mode == frame::kModeNoMouse)
        State(frame::kExit).shown = false;
    if (m_Mode == frame::kModePage)
        ShowPageControls(false);
    m_Shell->Hide();
}

void CMainFrameDlg::OnCancel()
{
    if (Connected() && Busy()) {
        for (unsigned id = xfer::kFirstTimer; id <= xfer::kLastTimer; ++id)
            m_Ports.windows.StopTimer(m_Window, id);
        m_Ports.clock.Sleep(kCancelPauseMs);
        m_Device.SendCommand(3, 3, 3);
    }
    ExitProgram();
}

void CMainFrameDlg::ExitProgram()
{
    for (unsigned id = xfer::kFirstTimer; id <= xfer::kLastTimer; ++id)
        m_Ports.windows.StopTimer(m_Window, id);
    m_Registry.CloseAllAtExit();
    m_Registry.Withdraw(handles::kProcess);
    if (const WindowHandle skin = m_Shell ? m_Shell->SkinDlgWindow() : 0)
        m_Ports.windows.Post(skin, wnd::kClose, 0, 0);
    m_Exited = true;
    if (m_Shell)
        m_Shell->EndDialog(frame::kResultCancel);
}

} // namespace vardex
