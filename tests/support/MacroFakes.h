// Stand-ins for the macro editor's ports: hooks that record what was installed, a
// settable wall clock, a document opener, and the skinned dialog answering from a
// script (its progress modes pump the virtual timers into the editor).
#pragma once

#include "dialogs/SkinDialog.h"
#include "platform/InputHooks.h"
#include "platform/LocalTime.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace vardex::test {

class CFakeHooks final : public IInputHooks {
public:
    HookHandle InstallKeyboardHook() override { return Install(keyboardFails); }
    HookHandle InstallMouseHook() override { return Install(mouseFails); }
    void RemoveHook(HookHandle hook) override { installed.erase(hook); }
    bool IsKeyDown(int virtualKey) override { return down.count(virtualKey) == 1; }

    bool keyboardFails = false;
    bool mouseFails = false;
    std::set<HookHandle> installed;
    std::set<int> down;

private:
    HookHandle Install(bool fails)
    {
        if (fails)
            return 0;
        installed.insert(++m_Last);
        return m_Last;
    }
    HookHandle m_Last = 0x50;
};

class CFakeLocalTime final : public ILocalTime {
public:
    SLocalTime Now() override { return now; }
    void Advance(int ms)
    {
        long long t = ((((static_cast<long long>(now.day) * 24 + now.hour) * 60 + now.minute) * 60 + now.second) *
                       1000) + now.milliseconds + ms;
        now.milliseconds = static_cast<int>(t % 1000);
        t /= 1000;
        now.second = static_cast<int>(t % 60);
        t /= 60;
        now.minute = static_cast<int>(t % 60);
        t /= 60;
        now.hour = static_cast<int>(t % 24);
        now.day = static_cast<int>(t / 24);
    }
    SLocalTime now{12, 10, 30, 0, 0};
};

struct SSkinRun {
    int mode;
    int messageNumber;
    int option;
    friend bool operator==(const SSkinRun&, const SSkinRun&) = default;
};

class CFakeSkinDialog final : public ISkinDialog {
public:
    static constexpr WindowHandle kWindow = 0x902;

    WindowHandle Window() const override { return kWindow; }
    int Run(int mode, int messageNumber, int& option) override
    {
        runs.push_back({mode, messageNumber, option});
        if (mode == skin::kLoadingMode || mode == skin::kSavingMode) {
            m_Ended = 0;
            while (!m_Ended && pump && pump())
                ;
            return m_Ended;
        }
        option = answerOption;
        return answer;
    }
    void SetTotal(int count) override { total = count; }
    void End(int result) override { m_Ended = result; }

    std::function<bool()> pump; // one timer tick; false when none runs
    int answer = skin::kIdOk;
    int answerOption = 0;
    int total = 0;
    std::vector<SSkinRun> runs;

private:
    int m_Ended = 0;
};

} // namespace vardex::test
