// One flag per macro slot (profile x hardware slot): the slot's script bytes are in
// the shadow image, so a profile save need not fetch them from the mouse again.
#pragma once

#include "profile/MemoryMap.h"

#include <array>

namespace vardex {

class CMacroSlotFlags {
public:
    bool IsLoaded(int profile, int slot) const { return m_Loaded[Index(profile, slot)]; }
    void SetLoaded(int profile, int slot) { m_Loaded[Index(profile, slot)] = true; }
    void SetProfileLoaded(int profile)
    {
        for (int s = 0; s < mem::kButtonSlots; ++s)
            SetLoaded(profile, s);
    }
    void ClearAll() { m_Loaded.fill(false); }

private:
    static int Index(int profile, int slot) { return mem::kButtonSlots * profile + slot; }

    std::array<bool, mem::kMacroSlotCount> m_Loaded{};
};

} // namespace vardex
