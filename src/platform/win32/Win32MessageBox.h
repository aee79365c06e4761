// The message box port over the system's message box.
#pragma once

#include "platform/MessageBox.h"

namespace vardex {

class CWin32MessageBox final : public IMessageBox {
public:
    int Show(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
             unsigned style) override;
};

} // namespace vardex
