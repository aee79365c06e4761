#include "driver/TraceChannel.h"

namespace vardex::sieve {

namespace {

std::size_t Append(char* buffer, std::size_t at, const char* text)
{
    while (*text != '\0' && at + 1 < CTraceChannel::kBufferSize)
        buffer[at++] = *text++;
    return at;
}

} // namespace

void CTraceChannel::Write(const char* text)
{
    for (int i = 0; i < kBufferCount; ++i) {
        if (m_InUse[i].exchange(true, std::memory_order_acquire))
            continue;
        char* buffer = m_Buffers[i];
        std::size_t at = Append(buffer, 0, m_Name);
        at = Append(buffer, at, ": ");
        at = Append(buffer, at, text);
        buffer[at] = '\0';
        m_Output.Print(buffer);
        m_InUse[i].store(false, std::memory_order_release);
        return;
    }
    m_Output.Print(kDropLine);
}

void CTraceChannel::WriteHex(std::uint16_t value)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    char text[] = "0x0000";
    for (int i = 0; i < 4; ++i)
        text[5 - i] = kDigits[(value >> (4 * i)) & 0x0F];
    Write(text);
}

} // namespace vardex::sieve
