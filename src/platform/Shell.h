// The shell port: the file dialogs, starting programs, and where the program and the
// user's documents are.
#pragma once

#include <cstdint>
#include <string>

namespace vardex {

// The options of a file dialog, with the system's flag values.
namespace dlg {
inline constexpr unsigned kHideReadOnly = 0x00000004;
inline constexpr unsigned kOverwritePrompt = 0x00000002;
inline constexpr unsigned kNoChangeDir = 0x00000008;
inline constexpr unsigned kEnableSizing = 0x00800000;
inline constexpr unsigned kExplorer = 0x00080000;
} // namespace dlg

struct SFileDialog {
    bool save = false;            // "Save As" or "Open"
    std::wstring defaultExtension;
    std::wstring filter;          // "text|pattern|...||", as the program writes it
    unsigned options = 0;
    std::wstring initialFolder;
};

class IShell {
public:
    virtual ~IShell() = default;

    // Shows the dialog without an owner; false when the user cancels.
    virtual bool ChooseFile(const SFileDialog& dialog, std::wstring& path) = 0;
    // Starts program with no command line, the default environment and start-up
    // settings; false when it cannot be started.
    virtual bool StartProcess(const std::wstring& program) = 0;
    // Opens a document with the verb "open", no parameters and no working folder,
    // without showing a window of the shell's own; the system's result, above 32 on
    // success.
    virtual std::intptr_t OpenDocument(const std::wstring& path) = 0;
    // The running program's full path, at most 1024 characters.
    virtual std::wstring ProgramPath() = 0;
    // The user's documents folder.
    virtual std::wstring DocumentsFolder() = 0;
};

} // namespace vardex
