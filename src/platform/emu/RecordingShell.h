// A shell that answers file dialogs from a script and records what it was asked.
#pragma once

#include "platform/Shell.h"

#include <deque>
#include <optional>
#include <vector>

namespace vardex {

class CRecordingShell final : public IShell {
public:
    bool ChooseFile(const SFileDialog& dialog, std::wstring& path) override
    {
        dialogs.push_back(dialog);
        if (answers.empty() || !answers.front()) {
            if (!answers.empty())
                answers.pop_front();
            return false;
        }
        path = *answers.front();
        answers.pop_front();
        return true;
    }
    bool StartProcess(const std::wstring& program) override
    {
        started.push_back(program);
        return startSucceeds;
    }
    std::intptr_t OpenDocument(const std::wstring& path) override
    {
        opened.push_back(path);
        return openResult;
    }
    std::wstring ProgramPath() override { return programPath; }
    std::wstring DocumentsFolder() override { return documents; }

    std::deque<std::optional<std::wstring>> answers; // nullopt: the user cancels
    std::vector<SFileDialog> dialogs;
    std::vector<std::wstring> started;
    bool startSucceeds = true;
    std::vector<std::wstring> opened;
    std::intptr_t openResult = 42;
    std::wstring programPath = L"C:\\Program Files\\Vardex\\Vardex.exe";
    std::wstring documents = L"C:\\Users\\gamer\\Documents";
};

} // namespace vardex
