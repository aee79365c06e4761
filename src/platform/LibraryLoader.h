// The library loader port: binding to a shared library and one of its exports by
// name, with the system's search order.
#pragma once

#include <cstdint>
#include <string>

namespace vardex {

// A loaded library; 0 when the load failed.
using LibraryHandle = std::uintptr_t;

// An export that takes no arguments and returns an int.
using ExportedRoutine = int (*)();

class ILibraryLoader {
public:
    virtual ~ILibraryLoader() = default;

    virtual LibraryHandle Load(const std::string& name) = 0;
    // Null when the library has no such export.
    virtual ExportedRoutine FindExport(LibraryHandle library, const std::string& name) = 0;
};

} // namespace vardex
