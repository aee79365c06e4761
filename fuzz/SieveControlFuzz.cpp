// Arbitrary requests to the control device: reads, writes and device controls of any
// length and content. Replies stay inside the caller's buffer, the byte counts fit the
// buffer, and a status request answers one whole status or the empty pattern.
#include "driver/SieveControlDevice.h"
#include "platform/emu/EmulatedSieveHost.h"

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vardex;
    using namespace vardex::sieve;
    CEmulatedSieveHost host;
    host.Load();
    int node = -1;
    host.Add({}, node);
    host.Start(node);
    host.objects.handles = {{1, EObjectKind::kEvent}, {2, EObjectKind::kFile}};

    // Each request: kind, length, then the bytes.
    for (std::size_t at = 0; at + 2 <= size;) {
        const std::uint8_t kind = data[at] % 4;
        const std::size_t length = data[at + 1] % 12;
        at += 2;
        std::vector<std::uint8_t> bytes(data + at, data + std::min(size, at + length));
        at += bytes.size();
        std::vector<std::uint8_t> guarded = bytes;
        guarded.resize(bytes.size() + 4, 0xCD); // bytes past the request must stay
        SRequest request{kind == 0 ? EMajor::kRead : kind == 1 ? EMajor::kWrite : EMajor::kDeviceControl, 0,
                         guarded.data(), static_cast<std::uint32_t>(bytes.size()), kind == 2 ? 1u : 0u};
        if (kind == 3) {
            // A report from the mouse between requests.
            host.QueueReport(node, bytes);
            host.Read(node, static_cast<std::uint32_t>(bytes.size()));
            continue;
        }
        host.Driver().Control()->Dispatch(request);
        if (request.information > bytes.size())
            std::abort();
        for (std::size_t i = bytes.size(); i < guarded.size(); ++i)
            if (guarded[i] != 0xCD)
                std::abort();
        if (kind == 0 && !bytes.empty() && bytes[0] == kReqStatus && request.information == 5) {
            const bool empty = guarded[0] == 0xFF && guarded[1] == 0xFF && guarded[2] == 0 && guarded[3] == 0xFF &&
                               guarded[4] == 0xFF;
            if (!empty && guarded[2] != 0 && (guarded[2] & 0x80) == 0)
                std::abort();
        }
    }
    return 0;
}
