// A message box that records what it was asked to show and answers OK.
#pragma once

#include "platform/MessageBox.h"

#include <vector>

namespace vardex::test {

struct SShownBox {
    std::wstring text;
    std::wstring caption;
    unsigned style;
};

class CRecordingMessageBox final : public IMessageBox {
public:
    int Show(WindowHandle, const std::wstring& text, const std::wstring& caption, unsigned style) override
    {
        shown.push_back({text, caption, style});
        return box::kResultOk;
    }

    std::vector<SShownBox> shown;
};

} // namespace vardex::test
