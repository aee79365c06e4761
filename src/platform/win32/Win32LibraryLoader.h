// The library loader port over LoadLibraryA and GetProcAddress. Libraries are never
// freed: they stay until the process ends.
#pragma once

#include "platform/LibraryLoader.h"

namespace vardex {

class CWin32LibraryLoader final : public ILibraryLoader {
public:
    LibraryHandle Load(const std::string& name) override;
    ExportedRoutine FindExport(LibraryHandle library, const std::string& name) override;
};

} // namespace vardex
