// The system settings port over SystemParametersInfo and the double-click time.
#pragma once

#include "platform/SystemSettings.h"

namespace vardex {

class CWin32SystemSettings final : public ISystemSettings {
public:
    int MouseSpeed() override;
    void SetMouseSpeed(int speed) override;
    int DoubleClickTime() override;
    void SetDoubleClickTime(int ms) override;
    int WheelScrollLines() override;
    void SetWheelScrollLines(int lines) override;
    void StoreMouseSpeed(int speed, bool broadcast) override;
    void StoreWheelScrollLines(int lines, bool broadcast) override;
    std::uint16_t DefaultLanguage() override;
    int DragFullWindows() override;
    void SetDragFullWindows(int on) override;
    bool Version(SOsVersion& version) override;
};

} // namespace vardex
