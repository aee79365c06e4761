// Companion libraries and hooks in emulation: modules known by path, each with its
// exports and what loading it does, and a hook installer that records what it was
// asked. Also the system folders and a subkey list held in memory.
#pragma once

#include "platform/ModuleLoader.h"
#include "platform/RegistrySubkeys.h"
#include "platform/SystemFolders.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vardex {

struct SEmulatedModule {
    std::map<std::string, ExportAddress> exports;
    std::function<void()> onLoad; // the library's initialisation
};

class CEmulatedModules final : public IModuleLoader, public IHookInstaller {
public:
    ModuleHandle Load(const std::wstring& path) override
    {
        loaded.push_back(path);
        const auto it = modules.find(path);
        if (it == modules.end())
            return 0;
        if (it->second.onLoad)
            it->second.onLoad();
        return Handle(path);
    }
    ExportAddress FindExport(ModuleHandle module, const char* name) override
    {
        for (const auto& [path, m] : modules)
            if (Handle(path) == module) {
                const auto e = m.exports.find(name);
                return e == m.exports.end() ? nullptr : e->second;
            }
        return nullptr;
    }
    HookHandle Install(int type, ExportAddress procedure, ModuleHandle module) override
    {
        if (refusedHooks.count(type) != 0)
            return 0;
        installed.push_back({type, procedure, module});
        return static_cast<HookHandle>(0x600 + type);
    }
    void Remove(HookHandle hook) override { removed.push_back(hook); }

    ModuleHandle Handle(const std::wstring& path) const
    {
        std::size_t i = 0;
        for (const auto& entry : modules) {
            ++i;
            if (entry.first == path)
                return 0x10000000 * i;
        }
        return 0;
    }

    struct SInstalled {
        int type;
        ExportAddress procedure;
        ModuleHandle module;
    };
    std::map<std::wstring, SEmulatedModule> modules; // by the path they load from
    std::vector<std::wstring> loaded;
    std::vector<SInstalled> installed;
    std::vector<HookHandle> removed;
    std::set<int> refusedHooks;
};

class CMemorySystemFolders final : public ISystemFolders {
public:
    bool WindowsDirectory(std::wstring& folder) override
    {
        if (!windows)
            return false;
        folder = *windows;
        return true;
    }
    bool SystemDirectory(std::wstring& folder) override
    {
        folder = system;
        return true;
    }
    std::optional<std::wstring> windows = L"C:\\Windows";
    std::wstring system = L"C:\\Windows\\system32";
};

class CMemorySubkeys final : public IRegistrySubkeys {
public:
    bool Subkey(ERegRoot, const std::wstring& path, unsigned index, std::wstring& name) override
    {
        const auto it = subkeys.find(path);
        if (it == subkeys.end() || index >= it->second.size())
            return false;
        name = it->second[index];
        return true;
    }
    std::map<std::wstring, std::vector<std::wstring>> subkeys;
};

} // namespace vardex
