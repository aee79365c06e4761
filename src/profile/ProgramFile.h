// Finding a file the program ships (a library, a language file, a help document):
// the name as given, else in the folder the installation wrote to "Path", else in
// the program's own folder, each with an optional subfolder.
#pragma once

#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "profile/SettingsKey.h"

#include <string>

namespace vardex {

// An empty subfolder means none. Returns 1 with the full path in path when found.
int FindProgramFile(CSettingsKey& settings, IFileSystem& files, IShell& shell, const std::wstring& name,
                    const std::wstring& subfolder, std::wstring& path);

} // namespace vardex
