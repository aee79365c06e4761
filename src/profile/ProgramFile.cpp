#include "profile/ProgramFile.h"

namespace vardex {

int FindProgramFile(CSettingsKey& settings, IFileSystem& files, IShell& shell, const std::wstring& name,
                    const std::wstring& subfolder, std::wstring& path)
{
    if (name.empty())
        return 0;
    if (files.CanOpenForReading(name)) {
        path = name;
        return 1;
    }
    const std::wstring tail = (subfolder.empty() ? L"" : subfolder + L"\\") + name;

    std::wstring folder;
    if (settings.GetString(L"Path", folder)) {
        const std::wstring candidate = folder + L"\\" + tail;
        if (files.CanOpenForReading(candidate)) {
            path = candidate;
            return 1;
        }
    }

    const std::wstring program = shell.ProgramPath();
    const std::size_t slash = program.rfind(L'\\');
    const std::wstring candidate = (slash == std::wstring::npos ? L"\\" : program.substr(0, slash + 1)) + tail;
    if (!files.CanOpenForReading(candidate))
        return 0;
    path = candidate;
    return 1;
}

} // namespace vardex
