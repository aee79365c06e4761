// The connection steps of the configuration program, as a console session: find the
// mouse, let the user choose when several are attached, check identity and product,
// and read the active profile.
#pragma once

#include "device/HidClient.h"
#include "device/IcKX22.h"

#include <functional>
#include <iosfwd>

namespace vardex {

enum EProbeResult { kProbeFound = 0, kProbeNoMouse = 1, kProbeCancelled = 2 };

// chooser gets the number of listed mice and returns the chosen index, or -1.
int ProbeMouse(CHidClient& devices, CIcKX22& protocol, const std::function<int(int count)>& chooser,
               std::ostream& out);

// Narrow text for the console; characters outside ASCII become '?'.
std::string Narrow(const wchar_t* text);

} // namespace vardex
