#include "device/TransferEngine.h"

#include <algorithm>

namespace vardex {

namespace {

constexpr std::uint32_t kProloguePauseMs = 40;
constexpr std::uint32_t kShortPathPauseMs = 10;
constexpr std::uint32_t kCancelPauseMs = 10;
constexpr int kMaxScriptLength = 125;
constexpr wchar_t kProgressHandleValue[] = L"DIAGLOG Handle";

// The commands around a sequence: (2,0,0) before it, the indicator commands with
// first argument 3 during it.
constexpr int kPrepare[3] = {2, 0, 0};
constexpr int kIndicator = 3;

// Offsets 0 to L + 2 of a macro slot are used; a length byte above the script's limit
// still names no byte outside the slot.
int UsedSlotEnd(const CIcKX22& device, int slotAddress)
{
    return std::min(device.Shadow(slotAddress).value & 0xFF, kMaxScriptLength) + 2;
}

} // namespace

CTransferEngine::CTransferEngine(STransferPorts ports, const CDefaultTable& defaults)
    : m_Ports(ports), m_Defaults(defaults)
{
}

void CTransferEngine::BuildWholeList()
{
    m_List.clear();
    for (const SDefaultPair& pair : m_Defaults.Pairs())
        m_List.push_back(pair.address);
    m_Index = 0;
}

void CTransferEngine::BuildSaveList(int p)
{
    m_List.clear();
    for (const SDefaultPair& pair : m_Defaults.ProfilePairs(p))
        if (m_Ports.device.Shadow(pair.address).dirty)
            m_List.push_back(pair.address);
    // The length bytes are among the pairs above. A slot's other bytes are listed
    // whenever they are dirty, not only when its length byte is: a save cut short
    // after a length byte went out must still write that script next time.
    for (int s = 0; s < mem::kButtonSlots; ++s) {
        const int slot = mem::MacroSlot(p, s);
        for (int offset = 1; offset <= UsedSlotEnd(m_Ports.device, slot); ++offset)
            if (m_Ports.device.Shadow(slot + offset).dirty)
                m_List.push_back(slot + offset);
    }
    m_Index = 0;
}

void CTransferEngine::BuildResetList(int p)
{
    m_List.clear();
    for (const SDefaultPair& pair : m_Defaults.ProfilePairs(p))
        if (m_Ports.device.MarkByte(pair.address, pair.value, 0))
            m_List.push_back(pair.address);
    m_Index = 0;
}

bool CTransferEngine::BuildFetchList(int p)
{
    m_List.clear();
    for (int s = 0; s < mem::kButtonSlots; ++s) {
        if (m_MacroSlotsLoaded.IsLoaded(p, s))
            continue;
        const int slot = mem::MacroSlot(p, s);
        for (int offset = 1; offset <= UsedSlotEnd(m_Ports.device, slot); ++offset)
            m_List.push_back(slot + offset);
    }
    m_Index = 0;
    return !m_List.empty();
}

void CTransferEngine::Prologue()
{
    m_Ports.device.SendCommand(kPrepare[0], kPrepare[1], kPrepare[2]);
    m_Ports.clock.Sleep(kProloguePauseMs);
    if (m_StartedByAutomation)
        return;
    m_IndicatorStep = 0;
    m_Ports.device.SendCommand(kIndicator, 3, 0);
}

void CTransferEngine::Epilogue()
{
    if (!m_StartedByAutomation)
        m_Ports.device.SendCommand(kIndicator, 3, 3);
}

void CTransferEngine::IndicatorStep()
{
    if (m_StartedByAutomation)
        return;
    m_ByteCounter = (m_ByteCounter + 1) % 10;
    if (m_ByteCounter != 1)
        return;
    m_Ports.device.SendCommand(kIndicator, 0, m_IndicatorStep);
    m_IndicatorStep = (m_IndicatorStep + 1) % 8;
    m_Ports.device.SendCommand(kIndicator, 1, m_IndicatorStep);
}

bool CTransferEngine::ReadListed(int address)
{
    int value = 0;
    if (!m_Ports.device.ReadByte(address, value))
        return false;
    m_Ports.device.StoreClean(address, value);
    return true;
}

bool CTransferEngine::WriteListed(int address)
{
    if (address >= m_Ports.device.TableSize() || address >= CIcKX22::kAddressLimit)
        return false;
    SShadowEntry& entry = m_Ports.device.Shadow(address);
    if (!entry.dirty)
        return true;
    if (!m_Ports.device.WriteByte(address, entry.value))
        return false;
    entry.valid = 1;
    entry.dirty = 0;
    return true;
}

// ---- the whole-EEPROM load ----

int CTransferEngine::LoadWholeEeprom()
{
    if (!m_Connected) {
        m_Ports.messages.ShowMessage(msg::kNoMouse);
        return 0;
    }
    if (!m_Ports.view.InLoadingView())
        m_Ports.view.EnterLoadingView();
    BuildWholeList();
    m_Ports.view.SetLoadingRange(static_cast<int>(m_List.size()));
    Prologue();
    if (!ReadListed(m_List[0])) {
        m_Ports.messages.ShowMessage(msg::kLoadConfigureFailed);
        Epilogue();
        m_Ports.view.HideLoadingProgress();
        m_Busy = false;
        return 0;
    }
    ++m_Index;
    m_Ports.view.SetLoadingPosition(m_Index);
    ArmTimer(xfer::kLoadTimer);
    m_Busy = true;
    return 1;
}

void CTransferEngine::LoadTick()
{
    StopTimer(xfer::kLoadTimer);
    if (Remaining() <= 0)
        return;
    if (!ReadListed(m_List[m_Index])) {
        // The program cannot run on a half-read image.
        Epilogue();
        m_Ports.view.HideWindow();
        m_Ports.messages.ShowMessage(msg::kLoadConfigureFailed);
        m_Ports.view.ExitProgram();
        return;
    }
    ++m_Index;
    if (Remaining() > 0) {
        m_Busy = true;
        IndicatorStep();
        m_Ports.view.SetLoadingPosition(m_Index);
        ArmTimer(xfer::kLoadTimer);
        return;
    }
    Epilogue();
    m_Busy = false;
    m_Ports.view.HideLoadingProgress();
    m_MacroSlotsLoaded.ClearAll();
    m_Ports.view.LoadCompleted();
}

// ---- saves and resets ----

int CTransferEngine::SaveProfileToMouse(int p)
{
    if (!m_Connected) {
        m_Ports.messages.ShowMessage(msg::kNoMouse);
        return 0;
    }
    BuildSaveList(p);
    return StartWrite(xfer::kSaveTimer);
}

int CTransferEngine::ResetProfileToDefaults(int p)
{
    if (!m_Connected) {
        m_Ports.messages.ShowMessage(msg::kNoMouse);
        return 0;
    }
    BuildResetList(p);
    return StartWrite(xfer::kResetTimer);
}

int CTransferEngine::StartWrite(unsigned timer)
{
    if (m_List.empty())
        return 0;
    if (Remaining() < xfer::kShortPathLimit) {
        for (int address : m_List) {
            if (!WriteListed(address)) {
                m_Ports.messages.ShowMessage(msg::kSaveConfigureFailed);
                return 0;
            }
            m_Ports.clock.Sleep(kShortPathPauseMs);
        }
        return 0;
    }
    m_Ports.progress.SetTotal(static_cast<int>(m_List.size()));
    Prologue();
    if (!m_Ports.device.FlushByte(m_List[0])) {
        Epilogue();
        m_Ports.messages.ShowMessage(msg::kSaveConfigureFailed);
        m_Busy = false;
        m_Ports.view.EnablePage(true);
        return 0;
    }
    ++m_Index;
    ArmTimer(timer);
    m_Busy = true;
    m_Ports.view.EnablePage(false);
    return 1;
}

void CTransferEngine::WriteTick(unsigned timer)
{
    StopTimer(timer);
    if (Remaining() <= 0)
        return;
    if (!WriteListed(m_List[m_Index])) {
        Epilogue();
        m_Ports.messages.ShowMessage(msg::kSaveConfigureFailed);
        Finish();
        return;
    }
    ++m_Index;
    m_Ports.windows.Send(m_Ports.progress.Window(), xfer::kProgressMessage, 1, m_Index);
    if (Remaining() > 0) {
        ArmTimer(timer);
        IndicatorStep();
        m_Busy = true;
        return;
    }
    Epilogue();
    Finish();
}

// ---- fetching a profile's macro scripts ----

int CTransferEngine::FetchProfileMacros(int p)
{
    if (!m_Connected) {
        m_Ports.messages.ShowMessage(msg::kNoMouse);
        return 0;
    }
    if (!BuildFetchList(p))
        return 0;
    m_Ports.progress.SetTotal(static_cast<int>(m_List.size()));
    Prologue();
    if (!ReadListed(m_List[0])) {
        Epilogue();
        m_Ports.messages.ShowMessage(msg::kLoadConfigureFailed);
        m_Busy = false;
        m_Ports.view.EnablePage(true);
        return 0;
    }
    ++m_Index;
    ArmTimer(xfer::kFetchTimer);
    m_Busy = true;
    m_Ports.view.EnablePage(false);
    return 1;
}

void CTransferEngine::ReadTick()
{
    StopTimer(xfer::kFetchTimer);
    if (Remaining() <= 0)
        return;
    if (!ReadListed(m_List[m_Index])) {
        Epilogue();
        m_Ports.messages.ShowMessage(msg::kLoadConfigureFailed);
        Finish();
        return;
    }
    ++m_Index;
    m_Ports.windows.Send(m_Ports.progress.Window(), xfer::kProgressMessage, 1, m_Index);
    if (Remaining() > 0) {
        ArmTimer(xfer::kFetchTimer);
        IndicatorStep();
        return;
    }
    Epilogue();
    Finish();
}

void CTransferEngine::Finish()
{
    m_Ports.progress.ClearProgress();
    m_Ports.settings.DeleteValue(kProgressHandleValue);
    m_Ports.progress.EndWithOk();
    m_Busy = false;
    m_Ports.view.EnablePage(true);
}

void CTransferEngine::OnTimer(unsigned id)
{
    switch (id) {
    case xfer::kLoadTimer:
        LoadTick();
        break;
    case xfer::kSaveTimer:
    case xfer::kResetTimer:
        WriteTick(id);
        break;
    case xfer::kFetchTimer:
        ReadTick();
        break;
    default:
        break;
    }
}

void CTransferEngine::StopAll()
{
    for (unsigned timer = xfer::kFirstTimer; timer <= xfer::kLastTimer; ++timer)
        StopTimer(timer);
    m_Busy = false;
}

void CTransferEngine::CancelRunning()
{
    if (!m_Connected || !m_Busy)
        return;
    for (unsigned timer = xfer::kFirstTimer; timer <= xfer::kLastTimer; ++timer)
        StopTimer(timer);
    m_Ports.clock.Sleep(kCancelPauseMs);
    m_Ports.device.SendCommand(kIndicator, 3, 3);
}

} // namespace vardex
