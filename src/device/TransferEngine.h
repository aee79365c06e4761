// CTransferEngine: moves many EEPROM bytes between the mouse and the shadow image
// without freezing the window. A bulk transfer is a list of addresses walked one byte
// per 10 ms tick of a main-window timer, with a progress display, the indicator
// commands to the mouse and one fixed error message per direction. Lists shorter
// than 20 bytes are written at once.
#pragma once

#include "device/IcKX22.h"
#include "device/MacroSlotFlags.h"
#include "dialogs/ShowMessage.h"
#include "platform/Clock.h"
#include "platform/WindowRuntime.h"
#include "profile/MemoryMap.h"
#include "profile/SettingsKey.h"

#include <vector>

namespace vardex {

namespace xfer {
inline constexpr unsigned kLoadTimer = 2304;
inline constexpr unsigned kSaveTimer = 2305;
inline constexpr unsigned kResetTimer = 2309;
inline constexpr unsigned kFetchTimer = 2310;
inline constexpr unsigned kFirstTimer = 2304; // the main window's timers run from 2304
inline constexpr unsigned kLastTimer = 2315;  // to 2315
inline constexpr unsigned kTickMs = 10;
inline constexpr int kShortPathLimit = 20;    // fewer addresses are written without timer
inline constexpr std::uint32_t kProgressMessage = 0x1000;
} // namespace xfer

// What the main window shows of a transfer: the loading view with its progress bar,
// the main page's controls, and the program's exit path.
class ITransferView {
public:
    virtual ~ITransferView() = default;
    virtual bool InLoadingView() const = 0;
    // Hides what the current view shows and switches to the loading view.
    virtual void EnterLoadingView() = 0;
    virtual void SetLoadingRange(int count) = 0;
    virtual void SetLoadingPosition(int index) = 0;
    virtual void HideLoadingProgress() = 0;
    // The main page's controls and the minimise and hide buttons, while on the page.
    virtual void EnablePage(bool enable) = 0;
    virtual void HideWindow() = 0;
    virtual void ExitProgram() = 0;
    // The whole EEPROM is in the shadow: rebuild the page from it.
    virtual void LoadCompleted() = 0;
};

// The skinned dialog in its loading or saving mode, shown modally by the caller while
// the timer runs.
class IProgressDialog {
public:
    virtual ~IProgressDialog() = default;
    virtual WindowHandle Window() const = 0;
    virtual void SetTotal(int count) = 0;
    virtual void ClearProgress() = 0;
    virtual void EndWithOk() = 0;
};

struct STransferPorts {
    CIcKX22& device;
    IClock& clock;
    IWindowRuntime& windows;
    WindowHandle mainWindow;
    IShowMessage& messages;
    CSettingsKey& settings;
    ITransferView& view;
    IProgressDialog& progress;
};

class CTransferEngine {
public:
    CTransferEngine(STransferPorts ports, const CDefaultTable& defaults);

    // The list builders.
    void BuildWholeList();
    void BuildSaveList(int p);
    void BuildResetList(int p);
    bool BuildFetchList(int p);

    // The sequences; each returns 1 when a timer sequence was started.
    int LoadWholeEeprom();
    int SaveProfileToMouse(int p);
    int ResetProfileToDefaults(int p);
    int FetchProfileMacros(int p);

    // A tick of one of the main window's timers.
    void OnTimer(unsigned id);
    // The mouse went away: every timer stops and nothing is running any more.
    void StopAll();
    // The window is being cancelled: a running transfer is cut short first.
    void CancelRunning();

    bool Connected() const { return m_Connected; }
    void SetConnected(bool connected) { m_Connected = connected; }
    bool Busy() const { return m_Busy; }
    void SetBusy(bool busy) { m_Busy = busy; }
    bool StartedByAutomation() const { return m_StartedByAutomation; }
    void SetStartedByAutomation(bool automation) { m_StartedByAutomation = automation; }
    CMacroSlotFlags& MacroSlotsLoaded() { return m_MacroSlotsLoaded; }

    const std::vector<int>& List() const { return m_List; }
    int ListIndex() const { return m_Index; }

private:
    int Remaining() const { return static_cast<int>(m_List.size()) - m_Index; }
    void Prologue();
    void Epilogue();
    void IndicatorStep();
    // Writes one listed address if it is dirty; false when out of range or the write fails.
    bool WriteListed(int address);
    bool ReadListed(int address);
    int StartWrite(unsigned timer);
    void WriteTick(unsigned timer);
    void ReadTick();
    void LoadTick();
    void Finish();
    void ArmTimer(unsigned timer) { m_Ports.windows.StartTimer(m_Ports.mainWindow, timer, xfer::kTickMs); }
    void StopTimer(unsigned timer) { m_Ports.windows.StopTimer(m_Ports.mainWindow, timer); }

    STransferPorts m_Ports;
    const CDefaultTable& m_Defaults;
    std::vector<int> m_List;
    int m_Index = 0;
    bool m_Busy = false;
    int m_IndicatorStep = 0;
    int m_ByteCounter = 0;
    bool m_StartedByAutomation = false;
    bool m_Connected = false;
    CMacroSlotFlags m_MacroSlotsLoaded;
};

} // namespace vardex
