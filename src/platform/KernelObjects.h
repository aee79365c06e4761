// The object manager as the control device needs it: a caller's handle turned into a
// referenced event object, and the reference dropped again.
#pragma once

#include <cstdint>

namespace vardex {

class IKernelObjects {
public:
    virtual ~IKernelObjects() = default;
    // References the object behind handle in the requestor's access mode, only when
    // it is an event; 0 (success) with object set, or the failure status.
    virtual std::int32_t ReferenceEvent(std::uint64_t handle, void*& object) = 0;
    virtual void Dereference(void* object) = 0;
};

} // namespace vardex
