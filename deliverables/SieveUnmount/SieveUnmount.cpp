// SieveUnmount: takes the filter out through the registration library, then deletes
// the driver file.
#include "HiddenWindowTool.h"

#include "install/SieveTools.h"
#include "platform/win32/Win32LibraryLoader.h"
#include "platform/win32/Win32MessageBox.h"
#include "platform/win32/Win32SystemFiles.h"
#include "platform/win32/Win32Wow64.h"

namespace {

void Work()
{
    vardex::CWin32LibraryLoader loader;
    vardex::CWin32MessageBox messageBox;
    vardex::CWin32SystemFiles files;
    vardex::CWin32Wow64 wow64;
    vardex::RunSieveUnmount({loader, messageBox, files, wow64});
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return vardex::RunHiddenWindowTool(instance, Work);
}
