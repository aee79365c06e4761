// The shell port over the common file dialogs, process creation and the shell's
// folders.
#pragma once

#include "platform/Shell.h"

namespace vardex {

class CWin32Shell final : public IShell {
public:
    bool ChooseFile(const SFileDialog& dialog, std::wstring& path) override;
    bool StartProcess(const std::wstring& program) override;
    std::intptr_t OpenDocument(const std::wstring& path) override;
    std::wstring ProgramPath() override;
    std::wstring DocumentsFolder() override;
};

} // namespace vardex
