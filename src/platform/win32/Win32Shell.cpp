#include "platform/win32/Win32Shell.h"

#include <windows.h>

#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

namespace vardex {

namespace {

constexpr DWORD kPathChars = 1024;

} // namespace

bool CWin32Shell::ChooseFile(const SFileDialog& dialog, std::wstring& path)
{
    // The program writes its filter as "text|pattern|...||"; the dialog wants zeros.
    std::wstring filter = dialog.filter;
    for (wchar_t& ch : filter)
        if (ch == L'|')
            ch = L'\0';
    wchar_t file[kPathChars] = {};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file;
    ofn.nMaxFile = kPathChars;
    ofn.lpstrInitialDir = dialog.initialFolder.empty() ? nullptr : dialog.initialFolder.c_str();
    ofn.lpstrDefExt = dialog.defaultExtension.c_str();
    ofn.Flags = dialog.options;
    const BOOL chosen = dialog.save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen)
        return false;
    path = file;
    return true;
}

bool CWin32Shell::StartProcess(const std::wstring& program)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

std::intptr_t CWin32Shell::OpenDocument(const std::wstring& path)
{
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_HIDE);
    return reinterpret_cast<std::intptr_t>(result);
}

std::wstring CWin32Shell::ProgramPath()
{
    wchar_t path[kPathChars] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, kPathChars);
    return std::wstring(path, length < kPathChars ? length : kPathChars - 1);
}

std::wstring CWin32Shell::DocumentsFolder()
{
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path)))
        return {};
    return path;
}

} // namespace vardex
