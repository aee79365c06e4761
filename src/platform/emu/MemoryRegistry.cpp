#include "platform/emu/MemoryRegistry.h"

#include <cwctype>

namespace vardex {

namespace {

std::wstring Lower(const std::wstring& text)
{
    std::wstring lower = text;
    for (wchar_t& ch : lower)
        ch = static_cast<wchar_t>(std::towlower(ch));
    return lower;
}

} // namespace

CMemoryRegistry::KeyId CMemoryRegistry::Id(ERegRoot root, const std::wstring& path)
{
    return {root, Lower(path)};
}

CMemoryRegistry::Values* CMemoryRegistry::Find(RegKey key)
{
    const auto open = m_Open.find(key);
    if (open == m_Open.end())
        return nullptr;
    const auto it = m_Keys.find(open->second);
    return it == m_Keys.end() ? nullptr : &it->second;
}

long CMemoryRegistry::OpenKey(ERegRoot root, const std::wstring& path, RegKey& key)
{
    const KeyId id = Id(root, path);
    if (m_Denied.count(id))
        return reg::kAccessDenied;
    if (!m_Keys.count(id))
        return reg::kFileNotFound;
    key = m_NextKey++;
    m_Open[key] = id;
    return reg::kSuccess;
}

long CMemoryRegistry::CreateKey(ERegRoot root, const std::wstring& path, RegKey& key)
{
    const KeyId id = Id(root, path);
    if (m_Denied.count(id))
        return reg::kAccessDenied;
    m_Keys[id];
    return OpenKey(root, path, key);
}

void CMemoryRegistry::CloseKey(RegKey key)
{
    m_Open.erase(key);
}

long CMemoryRegistry::QueryValue(RegKey key, const std::wstring& name, std::uint32_t& type,
                                 std::vector<std::uint8_t>& data, std::size_t capacity)
{
    Values* values = Find(key);
    if (!values)
        return reg::kAccessDenied;
    const auto it = values->find(Lower(name));
    if (it == values->end())
        return reg::kFileNotFound;
    if (it->second.data.size() > capacity)
        return reg::kMoreData;
    type = it->second.type;
    data = it->second.data;
    return reg::kSuccess;
}

long CMemoryRegistry::SetValue(RegKey key, const std::wstring& name, std::uint32_t type, const std::uint8_t* data,
                               std::size_t size)
{
    Values* values = Find(key);
    if (!values)
        return reg::kAccessDenied;
    (*values)[Lower(name)] = {type, std::vector<std::uint8_t>(data, data + size)};
    return reg::kSuccess;
}

long CMemoryRegistry::DeleteValue(RegKey key, const std::wstring& name)
{
    Values* values = Find(key);
    if (!values)
        return reg::kAccessDenied;
    return values->erase(Lower(name)) == 1 ? reg::kSuccess : reg::kFileNotFound;
}

bool CMemoryRegistry::KeyExists(ERegRoot root, const std::wstring& path) const
{
    return m_Keys.count(Id(root, path)) == 1;
}

std::optional<SRegValue> CMemoryRegistry::Value(ERegRoot root, const std::wstring& path,
                                                const std::wstring& name) const
{
    const auto key = m_Keys.find(Id(root, path));
    if (key == m_Keys.end())
        return std::nullopt;
    const auto it = key->second.find(Lower(name));
    if (it == key->second.end())
        return std::nullopt;
    return it->second;
}

void CMemoryRegistry::Put(ERegRoot root, const std::wstring& path, const std::wstring& name, SRegValue value)
{
    m_Keys[Id(root, path)][Lower(name)] = std::move(value);
}

void CMemoryRegistry::DenyAccess(ERegRoot root, const std::wstring& path)
{
    m_Denied.insert(Id(root, path));
}

} // namespace vardex
