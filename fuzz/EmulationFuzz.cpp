// The emulation switch is read from the environment: any text must either parse into
// a list of mice or be refused with a message.
#include "platform/emu/Emulation.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<vardex::SEmulatedMouseConfig> mice;
    std::string error;
    const std::string value(reinterpret_cast<const char*>(data), size);
    if (vardex::ParseEmulation(value, mice, error) == error.empty())
        return 0;
    std::abort(); // a refusal must say why, and a success must not
}
