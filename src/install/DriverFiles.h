// Placement and removal of the filter driver file by the install and removal tools.
// The 64-bit build of the driver is delivered by a 32-bit installer, so on a 64-bit
// system it lands in the 32-bit view of the driver directory ("SysWOW64\Drivers")
// and has to be moved into the native one under the driver's own name.
#pragma once

#include "platform/SystemFiles.h"
#include "platform/Wow64.h"

namespace vardex {

namespace driver_file {
inline constexpr const char* kNativeDrivers = "\\System32\\Drivers\\";
inline constexpr const char* kWow64Drivers = "\\SysWOW64\\Drivers\\";
inline constexpr const char* kDriver = "Qv9Sieve.sys";
inline constexpr const char* kDelivered64Bit = "Qv9Sieve(Amd64).sys";
} // namespace driver_file

// On a 64-bit system moves the delivered 64-bit build into the native driver
// directory; on a 32-bit system deletes it. Nothing is reported.
void PlaceDriver(ISystemFiles& files, IWow64& wow64);

// Deletes the driver file from the native driver directory and from the process's
// own view of it (the 32-bit view on a 64-bit system). A missing file is no failure.
void RemoveDriver(ISystemFiles& files, IWow64& wow64);

} // namespace vardex
