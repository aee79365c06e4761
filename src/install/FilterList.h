// Editing of a filter list as the class key stores it: a multi-string (REG_MULTI_SZ),
// that is strings each ended by a zero byte and the whole ended by one more zero
// byte. The bytes come from the registry as they are, so nothing here trusts them
// to be well formed.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vardex {

using MultiString = std::vector<std::uint8_t>;

// The name with its zero byte, then the whole old list unchanged: the name is
// listed first, even when it is listed already.
MultiString PrependName(const MultiString& list, std::string_view name);

// Takes every entry equal to name, without regard to letter case, out of the list;
// the rest moves down over it. A list left with only its final zero byte becomes
// empty (size 0). An entry that runs to the end of the bytes without its zero is
// still an entry; the walk never reads past the bytes it was given.
MultiString RemoveName(const MultiString& list, std::string_view name);

// ASCII letters compared without case, every other byte as it is.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

} // namespace vardex
