// The emulation switch of the real programs. The environment variable
// VARDEX_EMULATION lists the release numbers (hexadecimal) of the emulated mice to
// attach, separated by commas, for example "1503" or "1503,1502". When it is set the
// programs talk to these mice through the same ports as to real hardware.
#pragma once

#include "platform/emu/EmulatedMouse.h"

#include <string>
#include <vector>

namespace vardex {

inline constexpr char kEmulationVariable[] = "VARDEX_EMULATION";

// Parses the variable's value; false with a message in error when it is malformed.
bool ParseEmulation(const std::string& value, std::vector<SEmulatedMouseConfig>& mice, std::string& error);

} // namespace vardex
