// Where the mouse keeps each setting in its EEPROM, and the factory defaults.
// Every setting is one byte; every address the program touches is below 0x3300.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace vardex {

namespace mem {

inline constexpr std::uint16_t kAddressLimit = 0x3300; // first address never sent to the mouse

inline constexpr std::uint16_t kGlobalOption = 165;    // bit 6: axis order of the sensitivity groups
inline constexpr std::uint16_t kProfileSelect = 169;   // bits 0-2 active profile, 4-7 profile count
inline constexpr std::uint16_t kSignatureLow = 186;
inline constexpr std::uint16_t kSignatureHigh = 187;
inline constexpr std::uint8_t kSignatureLowValue = 0x6D;
inline constexpr std::uint8_t kSignatureHighValue = 0x15;

inline constexpr int kProfileCount = 5;
inline constexpr int kButtonSlots = 9;
inline constexpr int kProfileBlockSize = 64;
inline constexpr int kProfileBytesUsed = 59; // offsets 0..58; 59..63 are never touched
inline constexpr int kMacroSlotSize = 128;
inline constexpr int kMacroSlotCount = kProfileCount * kButtonSlots;

// Offsets inside a profile block.
inline constexpr int kOptionOffset = 0;      // bits 0-1 level, 2-3 polling rate
inline constexpr int kGroupAOffset = 1;      // four sensitivity codes
inline constexpr int kGroupBOffset = 5;      // four sensitivity codes of the other axis
inline constexpr int kLogoLightOffset = 9;
inline constexpr int kSpareLightOffset = 10;
inline constexpr int kWheelLightOffset = 11;
inline constexpr int kLeftPipeOffset = 12;
inline constexpr int kRightPipeOffset = 13;
inline constexpr int kButtonTypeOffset = 14;
inline constexpr int kButtonParamOffset = 23;

constexpr std::uint16_t ProfileBase(int profile) { return static_cast<std::uint16_t>(256 + 64 * profile); }
constexpr std::uint16_t ButtonType(int profile, int slot)
{
    return static_cast<std::uint16_t>(ProfileBase(profile) + kButtonTypeOffset + slot);
}
constexpr std::uint16_t ButtonParam(int profile, int slot, int k)
{
    return static_cast<std::uint16_t>(ProfileBase(profile) + kButtonParamOffset + 4 * slot + k);
}
constexpr std::uint16_t MacroSlot(int profile, int slot)
{
    return static_cast<std::uint16_t>(768 + kMacroSlotSize * (kButtonSlots * profile + slot));
}

// The red/green/blue mask each profile's lights show by default.
constexpr std::uint8_t DefaultColour(int profile)
{
    constexpr std::uint8_t colours[kProfileCount] = {1, 6, 4, 2, 5};
    return colours[profile];
}

// The value of byte 169 that selects profile n, or -1 when n is not below the count.
constexpr int ProfileSwitchValue(std::uint8_t current, int n)
{
    const int count = (current & 0xF0) >> 4;
    return n >= 0 && n < count ? (current & 0xF0) | n : -1;
}

// The codes 72 and 80 are 6500 DPI in the sensitivity tables of the two releases.
inline constexpr int kTopSensitivityCodeA = 72; // release 0x1502 and lower
inline constexpr int kTopSensitivityCodeB = 80; // later releases
constexpr int TopSensitivityCode(std::uint16_t release)
{
    return release <= 0x1502 ? kTopSensitivityCodeA : kTopSensitivityCodeB;
}

} // namespace mem

struct SDefaultPair {
    std::int32_t address;
    std::int32_t value;
};

// The factory defaults as (address, value) pairs in the order the mouse is read:
// the two global bytes, then per profile its 59 block bytes and the length byte of
// each of its 9 macro slots. A profile's 68 pairs are also its reset list.
class CDefaultTable {
public:
    static constexpr int kPairsPerProfile = mem::kProfileBytesUsed + mem::kButtonSlots;
    static constexpr int kSize = 2 + mem::kProfileCount * kPairsPerProfile; // 342

    CDefaultTable();

    std::span<const SDefaultPair> Pairs() const { return m_Pairs; }
    std::span<const SDefaultPair> ProfilePairs(int profile) const;

    // The default of the top sensitivity level (offsets +4 and +8 of every profile),
    // chosen by the release number of the connected mouse.
    void SetTopSensitivityCode(int code);

private:
    std::array<SDefaultPair, kSize> m_Pairs;
};

} // namespace vardex
