// The driver's trace channel: each message goes to the kernel debugger prefixed by the
// channel's name, a colon and a blank, through one of four 256-byte buffers. A message
// that finds every buffer taken (by messages being printed on other processors) is
// dropped with one line saying so.
#pragma once

#include "platform/DebugOutput.h"

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace vardex::sieve {

class CTraceChannel {
public:
    static constexpr int kBufferCount = 4;
    static constexpr std::size_t kBufferSize = 256;
    static constexpr char kDropLine[] = "KTrace: Dropping a trace message due to lack of buffer space\n";

    CTraceChannel(IDebugOutput& output, const char* name) : m_Output(output), m_Name(name) {}

    // The text is cut to what fits the buffer after the prefix.
    void Write(const char* text);
    // "0x%04hx" of value.
    void WriteHex(std::uint16_t value);

private:
    IDebugOutput& m_Output;
    const char* m_Name;
    char m_Buffers[kBufferCount][kBufferSize] = {};
    std::atomic<bool> m_InUse[kBufferCount] = {};
};

} // namespace vardex::sieve
