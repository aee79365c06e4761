#include "WineSystem.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace vardex::test {

namespace {

constexpr const char* kMouseClassKey =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96F-E325-11CE-BFC1-08002BE10318}";
constexpr DWORD kToolTimeoutMs = 30000;

HKEY OpenMouseClassKey()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kMouseClassKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM param)
{
    char cls[32] = {};
    char text[512] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0)
        reinterpret_cast<std::vector<std::string>*>(param)->push_back(text);
    return TRUE;
}

} // namespace

std::string FromUnixPath(const std::string& path)
{
    std::string dos = "Z:" + path;
    std::replace(dos.begin(), dos.end(), '/', '\\');
    return dos;
}

std::string WindowsDirectory()
{
    char buffer[MAX_PATH] = {};
    GetWindowsDirectoryA(buffer, MAX_PATH);
    return buffer;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::optional<std::string> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

bool CreateMouseClassKey()
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kMouseClassKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        &disposition) != ERROR_SUCCESS)
        return false;
    RegSetValueExA(key, "Class", 0, REG_SZ, reinterpret_cast<const BYTE*>("Mouse"), 6);
    RegCloseKey(key);
    return disposition == REG_CREATED_NEW_KEY;
}

void DeleteMouseClassKey() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, kMouseClassKey); }

bool MouseClassKeyExists()
{
    const HKEY key = OpenMouseClassKey();
    if (key != nullptr)
        RegCloseKey(key);
    return key != nullptr;
}

std::optional<SRegistryValue> ReadLowerFilters()
{
    const HKEY key = OpenMouseClassKey();
    if (key == nullptr)
        return std::nullopt;
    SRegistryValue value;
    DWORD size = 0;
    std::optional<SRegistryValue> result;
    if (RegQueryValueExA(key, "LowerFilters", nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.bytes.resize(size);
        RegQueryValueExA(key, "LowerFilters", nullptr, &value.type,
                         reinterpret_cast<BYTE*>(value.bytes.data()), &size);
        value.bytes.resize(size);
        result = value;
    }
    RegCloseKey(key);
    return result;
}

void WriteLowerFilters(const std::string& bytes)
{
    const HKEY key = OpenMouseClassKey();
    RegSetValueExA(key, "LowerFilters", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

void DeleteLowerFilters()
{
    if (const HKEY key = OpenMouseClassKey()) {
        RegDeleteValueA(key, "LowerFilters");
        RegCloseKey(key);
    }
}

std::optional<SServiceConfig> QueryService(const std::string& name)
{
    std::optional<SServiceConfig> result;
    const SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    const SC_HANDLE service = OpenServiceA(manager, name.c_str(), SERVICE_QUERY_CONFIG);
    if (service != nullptr) {
        std::vector<BYTE> buffer(8192);
        DWORD needed = 0;
        auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer.data());
        if (QueryServiceConfigA(service, config, static_cast<DWORD>(buffer.size()), &needed))
            result = SServiceConfig{config->dwServiceType, config->dwStartType, config->dwErrorControl,
                                    config->lpBinaryPathName ? config->lpBinaryPathName : "",
                                    config->lpDisplayName ? config->lpDisplayName : ""};
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return result;
}

void DeleteServiceIfPresent(const std::string& name)
{
    const SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (const SC_HANDLE service = OpenServiceA(manager, name.c_str(), SERVICE_ALL_ACCESS)) {
        DeleteService(service);
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
}

SToolRun RunTool(const std::string& program, const std::string& directory, const char* boxCaption)
{
    SToolRun run;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + program + "\"";
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &process))
        return run;

    const DWORD start = GetTickCount();
    while (boxCaption != nullptr && GetTickCount() - start < kToolTimeoutMs) {
        const HWND box = FindWindowA("#32770", boxCaption);
        if (box != nullptr) {
            EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&run.boxTexts));
            if (!run.boxTexts.empty()) {
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                break;
            }
        }
        if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0)
            break;
    }
    if (WaitForSingleObject(process.hProcess, kToolTimeoutMs) == WAIT_OBJECT_0) {
        run.exited = true;
        GetExitCodeProcess(process.hProcess, &run.exitCode);
    } else {
        TerminateProcess(process.hProcess, 99);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

} // namespace vardex::test
