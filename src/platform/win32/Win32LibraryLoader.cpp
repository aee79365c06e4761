#include "platform/win32/Win32LibraryLoader.h"

#include <windows.h>

namespace vardex {

LibraryHandle CWin32LibraryLoader::Load(const std::string& name)
{
    return reinterpret_cast<LibraryHandle>(LoadLibraryA(name.c_str()));
}

ExportedRoutine CWin32LibraryLoader::FindExport(LibraryHandle library, const std::string& name)
{
    const FARPROC routine = GetProcAddress(reinterpret_cast<HMODULE>(library), name.c_str());
    return reinterpret_cast<ExportedRoutine>(reinterpret_cast<void*>(routine));
}

} // namespace vardex
