// In-memory stand-ins for the ports filter installation uses: a class key, the
// system files, the service manager, WOW64 and the library loader. Each records
// what it was asked, so tests can state what reached the system.
#pragma once

#include "platform/DeviceClassKey.h"
#include "platform/LibraryLoader.h"
#include "platform/ServiceManager.h"
#include "platform/SystemFiles.h"
#include "platform/Wow64.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vardex::test {

inline std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

class CFakeClassKey final : public IDeviceClassKey {
public:
    ClassKeyHandle OpenClassKey(const SGuid& setupClass) override
    {
        opened = setupClass;
        if (!exists)
            return kInvalidClassKey;
        ++openKeys;
        return 7;
    }
    void CloseClassKey(ClassKeyHandle) override { --openKeys; }
    int QueryValueSize(ClassKeyHandle, const char* name, std::uint32_t& size) override
    {
        const auto it = values.find(name);
        if (it == values.end())
            return 2;
        size = static_cast<std::uint32_t>(it->second.size());
        return 0;
    }
    int ReadValue(ClassKeyHandle, const char* name, std::vector<std::uint8_t>& data) override
    {
        data = values.at(name);
        return 0;
    }
    int WriteMultiString(ClassKeyHandle, const char* name, const std::vector<std::uint8_t>& data) override
    {
        if (writeError == 0)
            values[name] = data;
        return writeError;
    }
    int DeleteValue(ClassKeyHandle, const char* name) override { return values.erase(name) ? 0 : 2; }

    std::optional<std::vector<std::uint8_t>> Value(const std::string& name) const
    {
        const auto it = values.find(name);
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }

    bool exists = true;
    int writeError = 0;
    int openKeys = 0;
    SGuid opened{};
    std::map<std::string, std::vector<std::uint8_t>> values;
};

class CFakeWow64 final : public IWow64 {
public:
    bool ProcessIs64Bit() const override { return is64Bit; }
    bool ProcessIsWow64() override { return isWow64; }
    bool HasRedirectionControl() override { return hasControl; }
    bool DisableRedirection(std::uintptr_t& oldValue) override
    {
        calls.push_back("disable");
        if (!disableSucceeds)
            return false;
        oldValue = 0x5A;
        redirected = false;
        return true;
    }
    bool RevertRedirection(std::uintptr_t oldValue) override
    {
        calls.push_back(oldValue == 0x5A ? "revert" : "revert with a wrong value");
        redirected = true;
        return true;
    }

    bool is64Bit = false;
    bool isWow64 = false;
    bool hasControl = true;
    bool disableSucceeds = true;
    bool redirected = true;
    std::vector<std::string> calls;
};

// A file system with the WOW64 view: while a 32-bit process on a 64-bit system has
// redirection on, what it names under System32 is found under SysWOW64.
class CFakeSystemFiles final : public ISystemFiles {
public:
    explicit CFakeSystemFiles(const CFakeWow64* view = nullptr) : m_View(view) {}

    bool WindowsDirectory(std::string& directory) override
    {
        directory = windows;
        return !windows.empty();
    }
    int Copy(const std::string& source, const std::string& destination, bool overwrite) override
    {
        copies.push_back(Seen(source) + " -> " + Seen(destination) + (overwrite ? "" : " (no overwrite)"));
        const auto it = files.find(Seen(source));
        if (it == files.end())
            return 2;
        if (copyError != 0)
            return copyError;
        files[Seen(destination)] = it->second;
        return 0;
    }
    bool Remove(const std::string& path) override
    {
        removals.push_back(Seen(path));
        return files.erase(Seen(path)) != 0;
    }

    std::string windows = "C:\\WINDOWS";
    int copyError = 0;
    std::map<std::string, std::string> files;
    std::vector<std::string> copies;
    std::vector<std::string> removals;

private:
    std::string Seen(const std::string& path) const
    {
        const std::string native = "\\System32\\";
        const auto at = path.find(native);
        if (m_View == nullptr || !m_View->isWow64 || !m_View->redirected || at == std::string::npos)
            return path;
        return path.substr(0, at) + "\\SysWOW64\\" + path.substr(at + native.size());
    }

    const CFakeWow64* m_View;
};

class CFakeServiceManager final : public IServiceManager {
public:
    int CreateDriverService(const SServiceDefinition& definition) override
    {
        ++createCalls;
        if (createError != 0)
            return createError;
        if (services.count(definition.name))
            return 1073;
        services[definition.name] = definition;
        return 0;
    }
    int DeleteDriverService(const std::string& name) override
    {
        ++deleteCalls;
        return services.erase(name) ? 0 : 1060;
    }

    int createError = 0;
    int createCalls = 0;
    int deleteCalls = 0;
    std::map<std::string, SServiceDefinition> services;
};

} // namespace vardex::test
