// How the configuration dialogs write their few changed bytes: at once, each dirty
// byte of a list in order with a 10 ms pause after it, then the command (0,0,0) that
// tells the mouse its settings changed, and a 100 ms pause.
#pragma once

#include "device/IcKX22.h"
#include "platform/Clock.h"

#include <span>

namespace vardex {

// Returns whether any byte was dirty. A byte outside the table or the mouse's
// addresses, or whose write fails, stays dirty for the main window's next save.
bool WriteDirtyBytes(CIcKX22& device, IClock& clock, std::span<const int> addresses);

} // namespace vardex
