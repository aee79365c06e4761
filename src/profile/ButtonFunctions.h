// What each of the mouse's nine buttons does in a profile: the function table, how
// the stored bytes are matched back to it and how a new function is stored, and the
// programs started by launch buttons.
#pragma once

#include "device/IcKX22.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "profile/SettingsKey.h"

#include <array>
#include <string>

namespace vardex {

namespace fn {
// Function types as the firmware stores them.
inline constexpr int kMouseButton = 1;
inline constexpr int kKeyboardShortcut = 2;
inline constexpr int kDoubleClick = 4;
inline constexpr int kMacro = 6;
inline constexpr int kSensitivityUp = 9;
inline constexpr int kSensitivityDown = 10;
inline constexpr int kLaunch = 15;
inline constexpr int kButtonOff = 96;

// Function indexes of the table that rules refer to.
inline constexpr int kClick = 1;
inline constexpr int kLaunchFunction = 8;

inline constexpr int kLeftButtonMask = 1;

// The main window shows the buttons in another order than the EEPROM keeps them.
inline constexpr int kSlotOfPageButton[9] = {3, 7, 4, 0, 2, 1, 8, 5, 6};
inline constexpr int kPageButtonOfSlot[9] = {3, 5, 4, 0, 2, 7, 8, 1, 6};

inline constexpr int kLaunchSlots = 45;
inline constexpr int kLaunchKeyBit = 0x80;
} // namespace fn

struct SButtonFunction {
    std::wstring name;
    int type;
    int p[4];
};

class CFunctionTable {
public:
    static constexpr int kCount = 19;
    static constexpr std::size_t kNameChars = 40;

    CFunctionTable(); // with the built-in English names

    const SButtonFunction& operator[](int index) const { return m_Entries[index]; }
    // The language texts replace the names; a longer text is cut to the entry.
    void SetName(int index, const std::wstring& name);

private:
    std::array<SButtonFunction, kCount> m_Entries;
};

// The function index page button u of profile p holds in the shadow image, or -1.
int MatchFunction(const CIcKX22& shadow, const CFunctionTable& table, int p, int u);
// Stores function f for page button u of profile p in the shadow image; 0 when refused,
// which happens when it would take the profile's last left click away.
int AssignFunction(CIcKX22& shadow, const CFunctionTable& table, int p, int u, int f);

// "PF0T1 AP" ... "PF4T9 AP": the registry value holding the program of launch slot
// number 9 * profile + hardware slot.
std::wstring LaunchValueName(int number);
// Starts the program stored for the launch key byte the mouse reported; 1 when a
// program was started. Missing, empty or unreadable entries start nothing.
int LaunchProgram(CSettingsKey& settings, IFileSystem& files, IShell& shell, unsigned launchKeyByte);

} // namespace vardex
