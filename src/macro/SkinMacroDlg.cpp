#include "macro/SkinMacroDlg.h"

#include "macro/DelayField.h"
#include "macro/MacroSlotCodec.h"
#include "profile/ButtonFunctions.h"
#include "profile/MemoryMap.h"
#include "profile/ProgramFile.h"

namespace vardex {

namespace {

constexpr std::uint32_t kPreparePauseMs = 40;
constexpr std::uint32_t kShortPathPauseMs = 10;
constexpr std::uint32_t kAfterSavePauseMs = 100;
constexpr std::intptr_t kShellFailureLimit = 32;

bool IsKnownMode(int mode)
{
    return mode == slot::kModeOnce || mode == slot::kModeWhileHeld || mode == slot::kModeUntilNextKey;
}

} // namespace

CSkinMacroDlg::CSkinMacroDlg(SMacroDlgPorts ports, const SMacroTexts& texts)
    : m_Ports(ports), m_Texts(texts), m_Recorder(m_List, ports.hooks, ports.time, *this)
{
}

void CSkinMacroDlg::Open(int profile, int pageButton, bool showExisting)
{
    m_Profile = profile;
    m_PageButton = pageButton;
    const int hardwareSlot = pageButton >= 0 && pageButton < 9 ? fn::kSlotOfPageButton[pageButton] : 0;
    m_SlotIndex = 9 * profile + hardwareSlot;
    m_SlotAddress = mem::kMacroSlotSize * (m_SlotIndex + 6);
    m_ShowExisting = showExisting;
    m_EndResult = 0;
}

void CSkinMacroDlg::OnInitDialog(WindowHandle window)
{
    m_Window = window;
    m_List.SetUp(m_Texts);
    Reset();
    if (m_ShowExisting)
        DecodeSlot(m_Ports.device, m_SlotAddress, m_List);
    m_Ports.settings.SetDword(kHandleValue, static_cast<std::uint32_t>(window));
}

void CSkinMacroDlg::Reset()
{
    m_List.Clear();
    m_List.SetCapacity(macro::kCapacity);
    m_List.SetDelayUnit(macro::kDelayUnitMs);
    m_DelayText = L"25";
    m_RepeatMode = slot::kModeOnce;
    m_State = EState::kIdle;
    m_Modified = false;
}

bool CSkinMacroDlg::IsEnabled(int control) const
{
    using namespace macroctl;
    if (control == kList || control == kDelayField)
        return true;
    if (m_State == EState::kRecording)
        return control == kStop;
    if (m_State == EState::kTransferring)
        return false;
    switch (control) {
    case kStop:
        return false;
    case kDelete:
        return m_List.Count() >= 1;
    case kMoveUp:
    case kMoveDown:
        return m_List.Count() >= 2;
    default:
        return true;
    }
}

// ---- the delay field ----

void CSkinMacroDlg::OnStepUp()
{
    int value = 0;
    if (!ReadDelayField(m_DelayText, value))
        return;
    m_DelayText = std::to_wstring(StepDelayUp(value, m_List.DelayUnit()));
    m_Modified = true;
}

void CSkinMacroDlg::OnStepDown()
{
    int value = 0;
    if (!ReadDelayField(m_DelayText, value))
        return;
    m_DelayText = std::to_wstring(StepDelayDown(value, m_List.DelayUnit()));
    m_Modified = true;
}

void CSkinMacroDlg::OnAdjustDelay()
{
    int value = 0;
    if (!ReadDelayField(m_DelayText, value))
        return;
    if (value > delayfield::kMaxDelayMs) {
        value = delayfield::kMaxDelayMs;
        m_DelayText = std::to_wstring(value);
    }
    if (!m_List.SetSelectedDelay(value))
        m_Ports.messages.ShowMessage(msg::kNoSelectedItem);
    m_Modified = true;
}

// ---- lines ----

void CSkinMacroDlg::OnDelete()
{
    if (m_List.SelectedCount() > 0) {
        m_List.DeleteSelected();
    } else {
        int option = 0;
        if (m_Ports.skin.Run(skin::kWarningMode, msg::kClearMacro, option) == skin::kIdOk)
            m_List.Clear();
    }
    m_Modified = true;
}

void CSkinMacroDlg::OnMoveUp()
{
    m_List.MoveSelectedUp();
    m_Modified = true;
}

void CSkinMacroDlg::OnMoveDown()
{
    m_List.MoveSelectedDown();
    m_Modified = true;
}

// ---- the repeat mode ----

void CSkinMacroDlg::EnsureModeByte()
{
    const int address = m_SlotAddress + slot::kModeOffset;
    const SShadowEntry& entry = m_Ports.device.Shadow(address);
    if (entry.valid) {
        m_RepeatMode = entry.value & slot::kModeMask;
        if (!IsKnownMode(m_RepeatMode))
            m_Modified = true;
        return;
    }
    m_RepeatMode = slot::kModeOnce;
    m_Ports.device.MarkByte(address, slot::kModeOnce, 0);
    m_Modified = true;
}

void CSkinMacroDlg::OnRepeat()
{
    EnsureModeByte();
    int option = m_RepeatMode == slot::kModeWhileHeld ? 1 : m_RepeatMode == slot::kModeUntilNextKey ? 2 : 0;
    if (m_Ports.skin.Run(skin::kRepeatChoiceMode, skin::kNoMessage, option) != skin::kIdOk)
        return;
    const int mode = option == 1 ? slot::kModeWhileHeld : option == 2 ? slot::kModeUntilNextKey : slot::kModeOnce;
    if (mode == m_RepeatMode)
        return;
    const int address = m_SlotAddress + slot::kModeOffset;
    m_Ports.device.MarkByte(address, (m_Ports.device.Shadow(address).value & ~slot::kModeMask & 0xFF) + mode, 0);
    m_RepeatMode = mode;
    m_Modified = true;
}

// ---- recording ----

void CSkinMacroDlg::OnRecord()
{
    if (m_Recorder.Recording() || m_SlotIndex > kMaxSlotIndex)
        return;
    if (!m_Recorder.Start()) {
        m_Ports.messages.ShowMessage(msg::kRecordFailed);
        return;
    }
    m_State = EState::kRecording;
}

void CSkinMacroDlg::OnStop()
{
    if (!m_Recorder.Recording())
        return;
    m_Recorder.Stop();
    m_State = EState::kIdle;
    m_Modified = true;
}

void CSkinMacroDlg::RecordingFull()
{
    OnStop();
    m_Ports.messages.ShowMessage(msg::kBufferFull);
}

// ---- LOAD and SAVE ----

bool CSkinMacroDlg::HandleAddress(unsigned timer, int address)
{
    if (timer == kSaveTimer)
        return m_Ports.device.FlushByte(address) == 1;
    int value = 0;
    if (address < 0 || address >= CIcKX22::kAddressLimit || !m_Ports.device.ReadByte(address, value))
        return false;
    m_Ports.device.StoreClean(address, value);
    return true;
}

bool CSkinMacroDlg::Transfer(unsigned timer, int progressMode)
{
    m_Ports.device.SendCommand(2, 0, 0);
    m_Ports.clock.Sleep(kPreparePauseMs);
    m_Next = 0;
    const int count = static_cast<int>(m_Addresses.size());
    if (count < kShortPathLimit) {
        for (int address : m_Addresses) {
            if (!HandleAddress(timer, address))
                return false;
            ++m_Next;
            m_Ports.clock.Sleep(kShortPathPauseMs);
        }
        return true;
    }
    m_Ports.skin.SetTotal(count);
    m_Ports.windows.StartTimer(m_Window, timer, kTickMs);
    int option = 0;
    const int result = m_Ports.skin.Run(progressMode, skin::kNoMessage, option);
    m_Ports.windows.StopTimer(m_Window, timer);
    return result == skin::kIdOk && m_Next == count;
}

void CSkinMacroDlg::OnTimer(unsigned id)
{
    if (id != kLoadTimer && id != kSaveTimer)
        return;
    const int count = static_cast<int>(m_Addresses.size());
    if (m_Next >= count || !HandleAddress(id, m_Addresses[static_cast<std::size_t>(m_Next)])) {
        m_Ports.windows.StopTimer(m_Window, id);
        m_Ports.skin.End(skin::kIdCancel);
        return;
    }
    ++m_Next;
    m_Ports.windows.Send(m_Ports.skin.Window(), kProgressMessage, 1, m_Next);
    if (m_Next == count) {
        m_Ports.windows.StopTimer(m_Window, id);
        m_Ports.skin.End(skin::kIdOk);
    }
}

int CSkinMacroDlg::OnLoad()
{
    m_State = EState::kTransferring;
    bool done = false;
    if (m_SlotIndex <= kMaxSlotIndex && m_Ports.device.Shadow(m_SlotAddress).valid) {
        // Time base, mode and the script; a length above the slot's reads the slot.
        const int length = ScriptLength(m_Ports.device, m_SlotAddress);
        m_Addresses.clear();
        for (int offset = slot::kTimeBaseOffset; offset <= length + 2; ++offset)
            m_Addresses.push_back(m_SlotAddress + offset);
        done = Transfer(kLoadTimer, skin::kLoadingMode);
    }
    if (done) {
        DecodeSlot(m_Ports.device, m_SlotAddress, m_List);
        m_Modified = false;
        m_ShowExisting = true;
    } else {
        m_Ports.messages.ShowMessage(msg::kLoadScriptFailed);
    }
    m_State = EState::kIdle;
    return done ? 1 : 0;
}

int CSkinMacroDlg::OnSave()
{
    m_State = EState::kTransferring;
    bool done = false;
    if (m_SlotIndex <= kMaxSlotIndex) {
        EnsureModeByte();
        const int total = WriteScript(m_List.Lines(), m_Ports.device, m_SlotAddress, TimeBase(m_List.DelayUnit()));
        m_Addresses.clear();
        for (int offset = 0; offset <= total + 2; ++offset)
            m_Addresses.push_back(m_SlotAddress + offset);
        done = Transfer(kSaveTimer, skin::kSavingMode);
    }
    if (done) {
        m_Modified = false;
        m_ShowExisting = true;
        m_Ports.device.SendCommand(0, 0, 0);
        m_Ports.clock.Sleep(kAfterSavePauseMs);
    } else {
        m_Ports.messages.ShowMessage(msg::kSaveScriptFailed);
    }
    m_State = EState::kIdle;
    return done ? 1 : 0;
}

// ---- help and closing ----

void CSkinMacroDlg::OnHelp()
{
    std::wstring path;
    if (FindProgramFile(m_Ports.settings, m_Ports.files, m_Ports.shell, m_Texts.helpDocument, L"HELP", path) &&
        m_Ports.shell.OpenDocument(path) > kShellFailureLimit)
        return;
    m_Ports.messages.ShowMessage(msg::kCantFindDocument, m_Texts.helpDocument);
}

void CSkinMacroDlg::StopTimers()
{
    m_Ports.windows.StopTimer(m_Window, kLoadTimer);
    m_Ports.windows.StopTimer(m_Window, kSaveTimer);
}

void CSkinMacroDlg::OnOk()
{
    m_Ports.settings.DeleteValue(kHandleValue);
    if (m_Modified)
        OnSave();
    StopTimers();
    m_EndResult = skin::kIdOk;
}

void CSkinMacroDlg::OnClose()
{
    m_Ports.settings.DeleteValue(kHandleValue);
    OnStop(); // closed while recording (the program ends): the hooks go first
    StopTimers();
    m_EndResult = skin::kIdCancel;
}

} // namespace vardex
