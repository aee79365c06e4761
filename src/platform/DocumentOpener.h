// Opening a document with the program the user chose for it (the shell's verbs).
#pragma once

#include <cstdint>
#include <string>

namespace vardex {

class IDocumentOpener {
public:
    virtual ~IDocumentOpener() = default;
    // Opens path with verb ("open") and show command; a result of 32 or less is a
    // failure, as the system reports it.
    virtual std::intptr_t Open(const std::wstring& verb, const std::wstring& path, int showCommand) = 0;
};

} // namespace vardex
