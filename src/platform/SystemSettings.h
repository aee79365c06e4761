// The system settings port: the pointer and wheel settings the program keeps per
// profile. The Set operations broadcast a change to running programs without writing
// it to the user's stored profile; the Store operations write it there too.
#pragma once

#include "platform/OsVersion.h"

#include <cstdint>

namespace vardex {

// The wheel scroll-lines value that means "one page per notch".
inline constexpr int kWheelPageScroll = -1;

class ISystemSettings {
public:
    virtual ~ISystemSettings() = default;

    virtual int MouseSpeed() = 0; // 1 to 20
    virtual void SetMouseSpeed(int speed) = 0;
    virtual int DoubleClickTime() = 0; // milliseconds
    virtual void SetDoubleClickTime(int ms) = 0;
    virtual int WheelScrollLines() = 0; // kWheelPageScroll for page scrolling
    virtual void SetWheelScrollLines(int lines) = 0;
    // The same, also written to the user's stored profile; broadcast or not.
    virtual void StoreMouseSpeed(int speed, bool broadcast) = 0;
    virtual void StoreWheelScrollLines(int lines, bool broadcast) = 0;
    // The system's default language identifier.
    virtual std::uint16_t DefaultLanguage() = 0;
    // Showing window contents while dragging: 0 off, otherwise on. The change is
    // broadcast for this session and not stored in the user's profile.
    virtual int DragFullWindows() = 0;
    virtual void SetDragFullWindows(int on) = 0;
    // False when the system does not tell its version.
    virtual bool Version(SOsVersion& version) = 0;
};

} // namespace vardex
