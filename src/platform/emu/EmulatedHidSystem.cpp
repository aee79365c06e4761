#include "platform/emu/EmulatedHidSystem.h"

#include <algorithm>

namespace vardex {

CEmulatedMouse& CEmulatedHidSystem::AddMouse(SEmulatedMouseConfig config)
{
    m_Mice.push_back(std::make_unique<CEmulatedMouse>(std::move(config)));
    CEmulatedMouse& mouse = *m_Mice.back();
    mouse.SetPlugListener([this](CEmulatedMouse& m, bool plugged) { SendNotices(m, plugged); });
    return mouse;
}

void CEmulatedHidSystem::SetLibraryMissing(EHidLibrary library, bool missing)
{
    m_LibraryMissing[Index(library)] = missing;
}

bool CEmulatedHidSystem::Acquire(EHidLibrary library)
{
    if (m_LibraryMissing[Index(library)])
        return false;
    ++m_LoadCount[Index(library)];
    return true;
}

void CEmulatedHidSystem::Release(EHidLibrary library)
{
    --m_LoadCount[Index(library)];
}

bool CEmulatedHidSystem::EnumerateInterfaces(const SGuid& cls, int maxCount,
                                             std::vector<std::wstring>& paths)
{
    paths.clear();
    if (m_EnumerationRefused || (cls != kMouseInterfaceClass && cls != kHidInterfaceClass))
        return !m_EnumerationRefused;
    for (const auto& mouse : m_Mice) {
        if (!mouse->IsPlugged())
            continue;
        for (int iface = 0; iface < CEmulatedMouse::kInterfaceCount; ++iface) {
            if (static_cast<int>(paths.size()) >= maxCount)
                return true;
            paths.push_back(mouse->InterfacePath(iface));
        }
    }
    return true;
}

HidHandle CEmulatedHidSystem::Open(const std::wstring& path, EHidAccess access)
{
    for (const auto& mouse : m_Mice) {
        for (int iface = 0; iface < CEmulatedMouse::kInterfaceCount; ++iface) {
            if (mouse->InterfacePath(iface) != path)
                continue;
            if (!mouse->IsPlugged() || mouse->StrikeOpen())
                return kInvalidHidHandle;
            const HidHandle handle = m_NextHandle++;
            m_Handles[handle] = {mouse.get(), iface, access};
            return handle;
        }
    }
    return kInvalidHidHandle;
}

bool CEmulatedHidSystem::Close(HidHandle handle)
{
    return m_Handles.erase(handle) == 1;
}

const CEmulatedHidSystem::SOpenHandle* CEmulatedHidSystem::Live(HidHandle handle) const
{
    const auto it = m_Handles.find(handle);
    if (it == m_Handles.end() || !it->second.mouse->IsPlugged())
        return nullptr;
    return &it->second;
}

// Feature reports need a handle opened for writing on the mouse collection; the
// extra collection has no feature report of this layout.
const CEmulatedHidSystem::SOpenHandle* CEmulatedHidSystem::FeatureCollection(HidHandle handle) const
{
    const SOpenHandle* open = Live(handle);
    if (!open || open->access != EHidAccess::kWrite || open->iface != CEmulatedMouse::kMainInterface)
        return nullptr;
    return open;
}

bool CEmulatedHidSystem::GetAttributes(HidHandle handle, SHidAttributes& attributes)
{
    const SOpenHandle* open = Live(handle);
    if (!open)
        return false;
    const SEmulatedMouseConfig& config = open->mouse->Config();
    attributes = {config.vendorId, config.productId, config.release};
    return true;
}

namespace {

bool CopyString(const std::wstring& source, std::wstring& text)
{
    if (source.empty())
        return false;
    text = source.substr(0, kHidStringChars);
    return true;
}

} // namespace

bool CEmulatedHidSystem::GetProductString(HidHandle handle, std::wstring& text)
{
    const SOpenHandle* open = Live(handle);
    return open && CopyString(open->mouse->Config().product, text);
}

bool CEmulatedHidSystem::GetManufacturerString(HidHandle handle, std::wstring& text)
{
    const SOpenHandle* open = Live(handle);
    return open && CopyString(open->mouse->Config().manufacturer, text);
}

bool CEmulatedHidSystem::SetFeature(HidHandle handle, const std::uint8_t* report, std::size_t length)
{
    const SOpenHandle* open = FeatureCollection(handle);
    if (!open)
        return false;
    m_Clock.Sleep(open->mouse->Config().latencyMs);
    return open->mouse->SetFeature(report, length);
}

bool CEmulatedHidSystem::GetFeature(HidHandle handle, std::uint8_t* report, std::size_t length)
{
    const SOpenHandle* open = FeatureCollection(handle);
    if (!open)
        return false;
    m_Clock.Sleep(open->mouse->Config().latencyMs);
    return open->mouse->GetFeature(report, length);
}

bool CEmulatedHidSystem::ReadInput(HidHandle handle, std::uint8_t* buffer, std::size_t capacity,
                                   std::size_t& bytesRead)
{
    bytesRead = 0;
    const SOpenHandle* open = Live(handle);
    std::vector<std::uint8_t> report;
    if (!open || open->iface != CEmulatedMouse::kMainInterface || !open->mouse->ReadInput(report))
        return false;
    bytesRead = std::min(capacity, report.size());
    std::copy_n(report.begin(), bytesRead, buffer);
    return true;
}

NotifyHandle CEmulatedHidSystem::RegisterInterfaceNotify(WindowHandle recipient, const SGuid& cls)
{
    if (m_NotifyRefused || recipient == 0)
        return 0;
    const NotifyHandle registration = m_NextRegistration++;
    m_Registrations[registration] = {recipient, cls};
    return registration;
}

bool CEmulatedHidSystem::UnregisterInterfaceNotify(NotifyHandle registration)
{
    return m_Registrations.erase(registration) == 1;
}

void CEmulatedHidSystem::SendNotices(CEmulatedMouse& mouse, bool plugged)
{
    const std::uint32_t event = plugged ? kDeviceArrival : kDeviceRemoveComplete;
    for (const auto& [handle, registration] : m_Registrations) {
        if (registration.cls != kMouseInterfaceClass && registration.cls != kHidInterfaceClass)
            continue;
        for (int iface = 0; iface < CEmulatedMouse::kInterfaceCount; ++iface) {
            SDeviceNotice notice{registration.recipient, event, mouse.InterfacePath(iface)};
            m_Notices.push_back(notice);
            if (m_NoticeSink)
                m_NoticeSink(notice);
        }
    }
}

} // namespace vardex
