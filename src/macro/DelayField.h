// The editor's delay field: its number rule and its step buttons.
#pragma once

#include <string_view>

namespace vardex {

namespace delayfield {
inline constexpr int kMaxChars = 19;
inline constexpr int kMaxDelayMs = 5000;
inline constexpr int kSmallestStepMs = 25;
} // namespace delayfield

// Reads the field: digits accumulate; "0x" while the number is 0 switches to
// hexadecimal; '+' and '-' start a signed number; a blank after anything but a blank
// or comma, or a comma not after a blank, starts a new number. The last number
// counts; empty text is 0. False for any other character.
bool ReadDelayField(std::wstring_view text, int& value);

// One step of the delay unit (at least 25 ms) up or down within 5000 ms.
int StepDelayUp(int value, int unitMs);
int StepDelayDown(int value, int unitMs);

} // namespace vardex
