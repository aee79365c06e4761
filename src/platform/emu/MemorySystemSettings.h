// Pointer and wheel settings held in memory, starting at the system's defaults.
#pragma once

#include "platform/SystemSettings.h"

namespace vardex {

class CMemorySystemSettings final : public ISystemSettings {
public:
    int MouseSpeed() override { return speed; }
    void SetMouseSpeed(int value) override { speed = value; }
    int DoubleClickTime() override { return doubleClickMs; }
    void SetDoubleClickTime(int ms) override { doubleClickMs = ms; }
    int WheelScrollLines() override { return wheelLines; }
    void SetWheelScrollLines(int lines) override { wheelLines = lines; }
    void StoreMouseSpeed(int value, bool) override { storedSpeed = speed = value; }
    void StoreWheelScrollLines(int lines, bool) override { storedWheelLines = wheelLines = lines; }
    std::uint16_t DefaultLanguage() override { return language; }
    int DragFullWindows() override { return dragFullWindows; }
    void SetDragFullWindows(int on) override { dragFullWindows = on; }
    bool Version(SOsVersion& v) override
    {
        v = version;
        return versionKnown;
    }

    int speed = 10;
    int doubleClickMs = 500;
    int wheelLines = 3;
    int storedSpeed = 10; // what the user's stored profile holds
    int storedWheelLines = 3;
    std::uint16_t language = 0x0409; // English (United States)
    int dragFullWindows = 1;
    SOsVersion version{kNtPlatform, 6, 1, 7601};
    bool versionKnown = true;
};

} // namespace vardex
