#include "profile/MemoryMap.h"

namespace vardex {

namespace {

constexpr std::uint8_t kDefaultSensitivity[4] = {9, 18, 36, mem::kTopSensitivityCodeA};
constexpr std::uint8_t kDefaultButtonType[mem::kButtonSlots] = {1, 1, 1, 1, 1, 9, 10, 6, 6};
constexpr std::uint8_t kDefaultButtonParam[mem::kButtonSlots] = {0x01, 0x02, 0x04, 0x08, 0x10, 0, 0, 0, 0};

std::uint8_t BlockDefault(int profile, int offset)
{
    const std::uint8_t colour = mem::DefaultColour(profile);
    if (offset == mem::kOptionOffset)
        return 0x40;
    if (offset < mem::kGroupBOffset)
        return kDefaultSensitivity[offset - mem::kGroupAOffset];
    if (offset < mem::kLogoLightOffset)
        return kDefaultSensitivity[offset - mem::kGroupBOffset];
    if (offset == mem::kLogoLightOffset)
        return 0x20 + colour;
    if (offset < mem::kButtonTypeOffset)
        return 0x10 + colour;
    if (offset < mem::kButtonParamOffset)
        return kDefaultButtonType[offset - mem::kButtonTypeOffset];
    const int param = offset - mem::kButtonParamOffset;
    return param % 4 == 0 ? kDefaultButtonParam[param / 4] : 0;
}

} // namespace

CDefaultTable::CDefaultTable()
{
    int i = 0;
    m_Pairs[i++] = {mem::kGlobalOption, 0x30};
    m_Pairs[i++] = {mem::kProfileSelect, 0x50};
    for (int p = 0; p < mem::kProfileCount; ++p) {
        for (int offset = 0; offset < mem::kProfileBytesUsed; ++offset)
            m_Pairs[i++] = {mem::ProfileBase(p) + offset, BlockDefault(p, offset)};
        for (int s = 0; s < mem::kButtonSlots; ++s)
            m_Pairs[i++] = {mem::MacroSlot(p, s), 0};
    }
}

std::span<const SDefaultPair> CDefaultTable::ProfilePairs(int profile) const
{
    return std::span<const SDefaultPair>(m_Pairs).subspan(2 + profile * kPairsPerProfile,
                                                          kPairsPerProfile);
}

void CDefaultTable::SetTopSensitivityCode(int code)
{
    for (SDefaultPair& pair : m_Pairs) {
        for (int p = 0; p < mem::kProfileCount; ++p) {
            const int base = mem::ProfileBase(p);
            if (pair.address == base + mem::kGroupAOffset + 3 || pair.address == base + mem::kGroupBOffset + 3)
                pair.value = code;
        }
    }
}

} // namespace vardex
