// A filter value of arbitrary bytes, as the registry may hold it under any type:
// adding and removing the filter's name must stay inside the bytes, put the name
// first, and leave no copy of it in the list.
#include "install/FilterList.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vardex;
    constexpr std::string_view kName = "Novaro QV8 Filter";
    const MultiString list(data, data + size);

    const MultiString added = PrependName(list, kName);
    if (added.size() != list.size() + kName.size() + 1 || !std::equal(kName.begin(), kName.end(), added.begin()))
        std::abort();

    const MultiString removed = RemoveName(added, kName);
    if (removed.size() > added.size() || removed == added)
        std::abort();

    // No entry before the list's end is the name any more.
    for (std::size_t pos = 0; pos < removed.size() && removed[pos] != 0;) {
        std::size_t end = pos;
        while (end < removed.size() && removed[end] != 0)
            ++end;
        const std::string_view entry(reinterpret_cast<const char*>(removed.data() + pos), end - pos);
        if (EqualIgnoringCase(entry, kName))
            std::abort();
        pos = end + 1;
    }
    // Removing again changes nothing but an emptied list.
    const MultiString again = RemoveName(removed, kName);
    if (again != removed && !(again.empty() && removed.size() == 1))
        std::abort();
    return 0;
}
