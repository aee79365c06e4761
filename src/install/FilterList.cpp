#include "install/FilterList.h"

#include <algorithm>

namespace vardex {

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

} // namespace

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return Upper(x) == Upper(y); });
}

MultiString PrependName(const MultiString& list, std::string_view name)
{
    MultiString result(name.begin(), name.end());
    result.push_back(0);
    result.insert(result.end(), list.begin(), list.end());
    return result;
}

MultiString RemoveName(const MultiString& list, std::string_view name)
{
    MultiString result = list;
    std::size_t pos = 0;
    // An empty entry ends the list; whatever follows it is kept as it is.
    while (pos < result.size() && result[pos] != 0) {
        const auto begin = result.begin() + static_cast<std::ptrdiff_t>(pos);
        const auto zero = std::find(begin, result.end(), std::uint8_t{0});
        const std::string_view entry(reinterpret_cast<const char*>(&*begin),
                                     static_cast<std::size_t>(zero - begin));
        if (EqualIgnoringCase(entry, name))
            result.erase(begin, zero == result.end() ? zero : zero + 1); // the walk stays here
        else
            pos += entry.size() + 1;
    }
    if (result.size() == 1 && result[0] == 0)
        result.clear();
    return result;
}

} // namespace vardex
