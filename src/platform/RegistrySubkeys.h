// Subkey enumeration, which only the device-description fix needs.
#pragma once

#include "platform/Registry.h"

#include <string>

namespace vardex {

class IRegistrySubkeys {
public:
    virtual ~IRegistrySubkeys() = default;
    // The name of subkey index of root\path in enumeration order; false past the last
    // one or when the key cannot be opened with full access.
    virtual bool Subkey(ERegRoot root, const std::wstring& path, unsigned index, std::wstring& name) = 0;
};

} // namespace vardex
