// The Windows pointer settings kept per profile: motion speed, double-click time and
// wheel scroll lines, stored under "PF1 ..." to "PF5 ..." and applied when the
// active profile changes.
#pragma once

#include "platform/SystemSettings.h"
#include "profile/SettingsKey.h"

namespace vardex {

namespace mouse {
inline constexpr int kDefaultSpeed = 10;
inline constexpr int kDefaultDoubleClickMs = 500;
inline constexpr int kDefaultWheelLines = 3;
// Page scrolling is stored as 11, above the ten lines a value of 10 means, so it
// survives a store and apply; any stored value above 10 applies page scrolling.
inline constexpr int kStoredPageScroll = 11;
inline constexpr int kMostWheelLines = 10;
} // namespace mouse

std::wstring MotionSpeedValue(int profile);
std::wstring DoubleClickValue(int profile);
std::wstring WheelLinesValue(int profile);

void ApplyProfileMouseSettings(CSettingsKey& settings, ISystemSettings& system, int profile);
void StoreProfileMouseSettings(CSettingsKey& settings, ISystemSettings& system, int profile);

} // namespace vardex
