// SieveMount: registers the filter through the registration library, then puts
// the 64-bit build of the driver in place on a 64-bit system. It also exports the
// CUniFile text file class.
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
    vardex::RunSieveMount({loader, messageBox, files, wow64});
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return vardex::RunHiddenWindowTool(instance, Work);
}
