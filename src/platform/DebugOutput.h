// The kernel debugger's output, where the driver writes its diagnostics (DbgPrint).
#pragma once

namespace vardex {

class IDebugOutput {
public:
    virtual ~IDebugOutput() = default;
    // One zero-terminated line of text, printed as it is.
    virtual void Print(const char* text) = 0;
};

} // namespace vardex
