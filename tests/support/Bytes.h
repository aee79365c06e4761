// Helpers to compare report bytes from a transcript.
#pragma once

#include "platform/emu/EmulatedMouse.h"

#include <cstdint>
#include <vector>

namespace vardex::test {

using Bytes = std::vector<std::uint8_t>;

// The first n bytes of a report.
inline Bytes Head(const Bytes& report, std::size_t n)
{
    return Bytes(report.begin(), report.begin() + static_cast<std::ptrdiff_t>(std::min(n, report.size())));
}

// The reports the host sent with set-feature, in order.
inline std::vector<Bytes> SentReports(const CEmulatedMouse& mouse)
{
    std::vector<Bytes> sent;
    for (const STranscriptEntry& e : mouse.Transcript())
        if (e.kind == EReportKind::kSetFeature)
            sent.push_back(e.bytes);
    return sent;
}

} // namespace vardex::test
