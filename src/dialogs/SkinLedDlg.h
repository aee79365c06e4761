// CSkinLedDlg: the light-option dialog for the profile shown. Four zones (wheel, left
// and right light pipe, logo) share one of five colours and are switched in three
// groups; the four zone bytes change in the shadow image and go to the mouse on Apply
// or OK.
#pragma once

#include "device/IcKX22.h"
#include "platform/Clock.h"
#include "platform/Handles.h"
#include "profile/SettingsKey.h"

#include <array>

namespace vardex {

namespace led {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kApply = 1774;
inline constexpr int kWheelOn = 1775, kWheelOff = 1776;
inline constexpr int kPipesOn = 1777, kPipesOff = 1778;
inline constexpr int kLogoOn = 1779, kLogoOff = 1780;
inline constexpr int kFirstColour = 1781; // red, cyan, blue, green, magenta
inline constexpr int kColours = 5;
inline constexpr int kZones = 4;          // wheel, left pipe, right pipe, logo
inline constexpr int kGroups = 3;         // wheel, light pipes, logo
inline constexpr int kZonePicture[kZones] = {1786, 1788, 1789, 1787};
inline constexpr int kZoneOffset[kZones] = {11, 12, 13, 9};
inline constexpr int kColourCode[kColours] = {1, 6, 4, 2, 5};

inline constexpr int kResultOk = 1;
inline constexpr int kResultCancel = 2;
} // namespace led

struct SLedPorts {
    CIcKX22& device;
    CSettingsKey& settings;
    IClock& clock;
};

class CSkinLedDlg {
public:
    explicit CSkinLedDlg(SLedPorts ports) : m_Ports(ports) {}

    void SetProfile(int profile) { m_Profile = profile; }

    void OnInitDialog(WindowHandle window);
    // A button; returns the result the dialog ends with, or 0 while it stays open.
    int OnCommand(int id);
    int OnClose() { return OnCommand(led::kCancel); }

    // What the window shows: each zone's picture (its colour, and whether it shows),
    // each group's pair, and the selected colour button (-1 for none).
    int ZoneColour(int zone) const { return m_ZoneColour[zone]; }
    bool ZoneShown(int zone) const { return m_ZoneShown[zone]; }
    bool GroupOn(int group) const { return m_GroupOn[group]; }
    int SelectedColour() const { return m_Selected; }
    bool Written() const { return m_Written; }

private:
    int Address(int zone) const;
    int Value(int zone) const { return m_Ports.device.Shadow(Address(zone)).value; }
    void Mark(int zone, int value) { m_Ports.device.MarkByte(Address(zone), value, 0); }
    void Switch(int group, bool on);
    void Write();
    int Cancel();

    SLedPorts m_Ports;
    int m_Profile = 0;
    std::array<int, led::kZones> m_ZoneColour{-1, -1, -1, -1};
    std::array<bool, led::kZones> m_ZoneShown{};
    std::array<bool, led::kGroups> m_GroupOn{};
    std::array<int, led::kZones> m_Opened{};
    int m_Selected = -1;
    bool m_Written = false;
};

} // namespace vardex
