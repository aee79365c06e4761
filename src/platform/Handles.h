// Opaque handle values shared by the ports. They are plain integers so that the
// portable core can store and compare them without any OS header.
#pragma once

#include <cstdint>

namespace vardex {

// A window as the system knows it (HWND on Windows); 0 is no window.
using WindowHandle = std::uintptr_t;

} // namespace vardex
