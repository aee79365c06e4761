#include "install/DriverFiles.h"

#include <string>

namespace vardex {

namespace {

using namespace driver_file;

// Copies the delivered 64-bit build over the driver and deletes it once it is there.
void MoveDelivered64Bit(ISystemFiles& files, const std::string& windows)
{
    const std::string delivered = windows + kWow64Drivers + kDelivered64Bit;
    if (files.Copy(delivered, windows + kNativeDrivers + kDriver, true) == 0)
        files.Remove(delivered);
}

} // namespace

void PlaceDriver(ISystemFiles& files, IWow64& wow64)
{
    std::string windows;
    const bool haveWindows = files.WindowsDirectory(windows);

    // A 64-bit process sees the native directory as it is; nothing to switch off.
    if (wow64.ProcessIs64Bit()) {
        if (haveWindows)
            MoveDelivered64Bit(files, windows);
        return;
    }
    if (!wow64.HasRedirectionControl())
        return;
    std::uintptr_t redirection = 0;
    if (wow64.DisableRedirection(redirection)) {
        if (haveWindows)
            MoveDelivered64Bit(files, windows);
        wow64.RevertRedirection(redirection);
        return;
    }
    // On a 64-bit system that refused the switch, the name below would reach the
    // delivered build itself: keep it.
    if (wow64.ProcessIsWow64())
        return;
    if (haveWindows)
        files.Remove(windows + kNativeDrivers + kDelivered64Bit);
}

void RemoveDriver(ISystemFiles& files, IWow64& wow64)
{
    std::string windows;
    if (!files.WindowsDirectory(windows))
        return;
    const std::string driver = windows + kNativeDrivers + kDriver;

    if (wow64.ProcessIs64Bit()) {
        files.Remove(driver);
        files.Remove(windows + kWow64Drivers + kDriver); // what a 32-bit process sees as its own
        return;
    }
    std::uintptr_t redirection = 0;
    if (wow64.HasRedirectionControl() && wow64.DisableRedirection(redirection)) {
        files.Remove(driver);
        wow64.RevertRedirection(redirection);
    } else {
        files.Remove(driver);
    }
    // Once more in the process's own view: on a 64-bit system that is the 32-bit copy.
    files.Remove(driver);
}

} // namespace vardex
