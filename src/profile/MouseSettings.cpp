#include "profile/MouseSettings.h"

namespace vardex {

namespace {

std::wstring ValueName(int profile, const wchar_t* what)
{
    return L"PF" + std::to_wstring(profile + 1) + L" " + what;
}

// 0 and -1 both mean "not set".
int OrDefault(std::uint32_t stored, int fallback)
{
    return stored == 0 || stored == CSettingsKey::kNotSet ? fallback : static_cast<int>(stored);
}

} // namespace

std::wstring MotionSpeedValue(int profile) { return ValueName(profile, L"Motion Speed"); }
std::wstring DoubleClickValue(int profile) { return ValueName(profile, L"Double-Click_speed"); }
std::wstring WheelLinesValue(int profile) { return ValueName(profile, L"Wheel Scroll Lines"); }

void ApplyProfileMouseSettings(CSettingsKey& settings, ISystemSettings& system, int profile)
{
    system.SetMouseSpeed(OrDefault(settings.GetDword(MotionSpeedValue(profile)), mouse::kDefaultSpeed));
    system.SetDoubleClickTime(OrDefault(settings.GetDword(DoubleClickValue(profile)), mouse::kDefaultDoubleClickMs));
    const int lines = OrDefault(settings.GetDword(WheelLinesValue(profile)), mouse::kDefaultWheelLines);
    system.SetWheelScrollLines(lines > mouse::kMostWheelLines ? kWheelPageScroll : lines);
}

void StoreProfileMouseSettings(CSettingsKey& settings, ISystemSettings& system, int profile)
{
    settings.SetDword(MotionSpeedValue(profile), static_cast<std::uint32_t>(system.MouseSpeed()));
    settings.SetDword(DoubleClickValue(profile), static_cast<std::uint32_t>(system.DoubleClickTime()));
    const int lines = system.WheelScrollLines();
    settings.SetDword(WheelLinesValue(profile),
                      static_cast<std::uint32_t>(lines == kWheelPageScroll ? mouse::kStoredPageScroll : lines));
}

} // namespace vardex
