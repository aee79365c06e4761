// Arbitrary input reports of any length through a filter device of the maker's mouse:
// the read completion step must stay inside the requested bytes, change at most the
// wheel byte, and leave the status record consistent with what it marked.
#include "platform/emu/EmulatedSieveHost.h"

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vardex;
    CEmulatedSieveHost host;
    host.Load();
    int node = -1;
    host.Add({}, node);
    host.Start(node);
    std::uint8_t on[] = {0xF1, 1};
    std::uint32_t count = 0;
    host.Client().Write(1, on, 2, count);

    // Each report: a length byte, then that many bytes (as many as are left).
    for (std::size_t at = 0; at < size;) {
        const std::size_t length = data[at++] % 40;
        std::vector<std::uint8_t> report(data + at, data + std::min(size, at + length));
        at += report.size();
        host.QueueReport(node, report);
        const SReadResult read = host.Read(node, static_cast<std::uint32_t>(length));
        if (read.pending || read.buffer.size() != length)
            std::abort();
        for (std::size_t i = 0; i < report.size(); ++i)
            if (i != sieve::kWheelByte && read.buffer[i] != report[i])
                std::abort();
        const bool marked = report.size() > sieve::kWheelByte && read.buffer[sieve::kWheelByte] != report[sieve::kWheelByte];
        if (marked && (read.buffer[sieve::kWheelByte] != 1 || length < sieve::kShortestFilteredRead))
            std::abort();
        if (marked && host.Driver().Control()->Record().m_Pending != 1)
            std::abort();
        if (host.lock.nested || host.lock.held)
            std::abort();
    }
    host.Remove(node);
    if (host.waitWouldBlock)
        std::abort();
    return 0;
}
