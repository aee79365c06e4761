// CSkinCfgDlg: the performance-adjust dialog for the profile shown. It edits the nine
// bytes at the start of the profile block (polling rate, active level, X and Y
// sensitivity of each level) in the shadow image and the system's cursor speed,
// double-click time and wheel lines. Apply and OK write the bytes to the mouse;
// Cancel puts everything back as it was at opening.
#pragma once

#include "device/IcKX22.h"
#include "platform/Clock.h"
#include "platform/Handles.h"
#include "platform/SystemSettings.h"
#include "profile/MemoryMap.h"
#include "profile/SensitivityTable.h"
#include "profile/SettingsKey.h"

#include <array>
#include <string>

namespace vardex {

namespace cfg {
inline constexpr int kClose = 1002;
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kApply = 1774;
inline constexpr int kReset = 1790;
inline constexpr int kPoll125 = 1205;
inline constexpr int kPoll500 = 1206;
inline constexpr int kPoll1000 = 1207;
inline constexpr int kPageScrollSwitch = 1208;
inline constexpr int kLevelSlider = 1209;
inline constexpr int kDoubleClickSlider = 1045;
inline constexpr int kCursorSlider = 1044;
inline constexpr int kScrollSlider = 1046;
inline constexpr int kXUp = 1210;
inline constexpr int kXDown = 1211;
inline constexpr int kYUp = 1212;
inline constexpr int kYDown = 1213;
inline constexpr int kMarker = 1214;
inline constexpr int kXLabel = 1215;
inline constexpr int kYLabel = 1216;

inline constexpr int kResultOk = 1;
inline constexpr int kResultCancel = 2;
inline constexpr int kBytes = 9; // profile offsets 0 to 8
} // namespace cfg

struct SCfgPorts {
    CIcKX22& device;
    ISystemSettings& system;
    CSettingsKey& settings;
    IClock& clock;
    const CDefaultTable& defaults;
};

class CSkinCfgDlg {
public:
    explicit CSkinCfgDlg(SCfgPorts ports) : m_Ports(ports) {}

    void SetProfile(int profile) { m_Profile = profile; }
    void SetSensitivityTable(const CSensitivityTable& table) { m_Table = table; }

    void OnInitDialog(WindowHandle window);
    // A button; returns the result the dialog ends with, or 0 while it stays open.
    int OnCommand(int id);
    // The window's close request (also sent at program exit): Cancel.
    int OnClose() { return OnCommand(cfg::kCancel); }
    // A slider reports its new position (message 0x28D2).
    void OnSliderMoved(int id, int position);
    // The left button came up at a client point.
    void OnLeftButtonUp(int x, int y);

    int Level() const { return m_Level; }
    int XIndex() const { return m_XIndex; }
    int YIndex() const { return m_YIndex; }
    int MarkerX() const { return CSensitivityTable::X2(m_XIndex); }
    int MarkerY() const { return CSensitivityTable::Y2(m_YIndex); }
    std::wstring XLabel() const { return CSensitivityTable::Label(m_XIndex); }
    std::wstring YLabel() const { return CSensitivityTable::Label(m_YIndex); }
    // The polling button drawn selected, or 0 for none.
    int SelectedPolling() const { return m_Polling; }
    bool PageScrolling() const { return m_PageScrolling; }
    int SliderPos(int id) const;
    bool ControlsEnabled() const { return m_Enabled; }

private:
    int Address(int offset) const { return mem::ProfileBase(m_Profile) + offset; }
    int Value(int offset) const { return m_Ports.device.Shadow(Address(offset)).value; }
    void Mark(int offset, int value) { m_Ports.device.MarkByte(Address(offset), value, 0); }
    bool XInGroupB() const;
    int XOffset() const { return (XInGroupB() ? mem::kGroupBOffset : mem::kGroupAOffset) + m_Level; }
    int YOffset() const { return (XInGroupB() ? mem::kGroupAOffset : mem::kGroupBOffset) + m_Level; }
    void ReadLevel();
    void SelectPollingFromByte();
    void SetSlider(int id, int position);
    void MarkChartRows();
    std::array<int, cfg::kBytes> Addresses() const;
    void Write(bool persist);
    int Cancel();
    void Reset();
    int End(int result);

    SCfgPorts m_Ports;
    CSensitivityTable m_Table;
    int m_Profile = 0;
    int m_Level = 0;
    int m_XIndex = 0;
    int m_YIndex = 0;
    int m_Polling = 0;
    bool m_SpeedChanged = false;
    bool m_ScrollChanged = false;
    bool m_PageScrolling = false;
    bool m_Enabled = true;
    std::array<int, cfg::kBytes> m_SavedBytes{};
    int m_SavedDoubleClick = 0;
    int m_SavedSpeed = 0;
    int m_SavedWheel = 0;
    int m_LevelSlider = 1;
    int m_DoubleClickSlider = 1;
    int m_CursorSlider = 0;
    int m_ScrollSlider = 1;
};

} // namespace vardex
