#include "platform/emu/Emulation.h"

#include <cctype>

namespace vardex {

namespace {

constexpr std::size_t kMaxMice = 8;

} // namespace

bool ParseEmulation(const std::string& value, std::vector<SEmulatedMouseConfig>& mice, std::string& error)
{
    mice.clear();
    std::size_t start = 0;
    while (start <= value.size()) {
        const std::size_t end = std::min(value.find(',', start), value.size());
        const std::string item = value.substr(start, end - start);
        if (item.empty() || item.size() > 4 ||
            item.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
            error = std::string(kEmulationVariable) + ": \"" + item +
                    "\" is not a release number (four hexadecimal digits, such as 1503)";
            return false;
        }
        if (mice.size() == kMaxMice) {
            error = std::string(kEmulationVariable) + ": at most " + std::to_string(kMaxMice) + " mice";
            return false;
        }
        SEmulatedMouseConfig config;
        config.release = static_cast<std::uint16_t>(std::stoul(item, nullptr, 16));
        config.instance = L"7&" + std::to_wstring(0x2a4f1c3e + mice.size()) + L"&0";
        mice.push_back(config);
        start = end + 1;
    }
    return true;
}

} // namespace vardex
