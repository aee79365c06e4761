// The program's message routine, recording the numbers it was asked to show.
#pragma once

#include "dialogs/ShowMessage.h"

#include <vector>

namespace vardex::test {

struct SShownMessage {
    int number;
    std::wstring appended;
    friend bool operator==(const SShownMessage&, const SShownMessage&) = default;
};

class CRecordingMessages final : public IShowMessage {
public:
    void ShowMessage(int number, const std::wstring& appended) override { shown.push_back({number, appended}); }

    std::vector<SShownMessage> shown;
};

} // namespace vardex::test
