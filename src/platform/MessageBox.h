// The system message box port. Styles and results carry the system's own values so
// that callers can state exactly which box they show.
#pragma once

#include "platform/Handles.h"

#include <string>

namespace vardex {

namespace box {
inline constexpr unsigned kOk = 0x0;
inline constexpr unsigned kIconError = 0x10;
inline constexpr unsigned kTopMost = 0x40000;

inline constexpr int kResultOk = 1;
} // namespace box

class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    // Shows a modal box and returns the button that closed it.
    virtual int Show(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                     unsigned style) = 0;
};

} // namespace vardex
