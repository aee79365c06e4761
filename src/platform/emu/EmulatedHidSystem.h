// The HID system port served by emulated mice: enumeration, opens, attributes,
// strings, feature reports, input reads and device-interface notices behave as the
// system's services do, so the device code cannot tell it from real hardware.
#pragma once

#include "platform/Clock.h"
#include "platform/HidSystem.h"
#include "platform/emu/EmulatedMouse.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace vardex {

struct SDeviceNotice {
    WindowHandle recipient;
    std::uint32_t event; // kDeviceArrival or kDeviceRemoveComplete
    std::wstring path;
};

class CEmulatedHidSystem final : public IHidSystem {
public:
    explicit CEmulatedHidSystem(IClock& clock) : m_Clock(clock) {}

    // Attaches one more mouse; its interfaces follow those already attached.
    CEmulatedMouse& AddMouse(SEmulatedMouseConfig config = {});
    CEmulatedMouse& Mouse(int index) { return *m_Mice.at(index); }
    int MouseCount() const { return static_cast<int>(m_Mice.size()); }

    // Faults of the system itself.
    void SetLibraryMissing(EHidLibrary library, bool missing);
    void SetEnumerationRefused(bool refused) { m_EnumerationRefused = refused; }
    void SetNotifyRefused(bool refused) { m_NotifyRefused = refused; }
    int LoadCount(EHidLibrary library) const { return m_LoadCount[Index(library)]; }
    int OpenHandleCount() const { return static_cast<int>(m_Handles.size()); }

    // Every notice sent so far, and a sink that receives each as it is sent.
    const std::vector<SDeviceNotice>& Notices() const { return m_Notices; }
    void SetNoticeSink(std::function<void(const SDeviceNotice&)> sink) { m_NoticeSink = std::move(sink); }

    bool Acquire(EHidLibrary library) override;
    void Release(EHidLibrary library) override;
    bool EnumerateInterfaces(const SGuid& cls, int maxCount, std::vector<std::wstring>& paths) override;
    HidHandle Open(const std::wstring& path, EHidAccess access) override;
    bool Close(HidHandle handle) override;
    bool GetAttributes(HidHandle handle, SHidAttributes& attributes) override;
    bool GetProductString(HidHandle handle, std::wstring& text) override;
    bool GetManufacturerString(HidHandle handle, std::wstring& text) override;
    bool SetFeature(HidHandle handle, const std::uint8_t* report, std::size_t length) override;
    bool GetFeature(HidHandle handle, std::uint8_t* report, std::size_t length) override;
    bool ReadInput(HidHandle handle, std::uint8_t* buffer, std::size_t capacity,
                   std::size_t& bytesRead) override;
    NotifyHandle RegisterInterfaceNotify(WindowHandle recipient, const SGuid& cls) override;
    bool UnregisterInterfaceNotify(NotifyHandle registration) override;

private:
    struct SOpenHandle {
        CEmulatedMouse* mouse;
        int iface;
        EHidAccess access;
    };
    struct SRegistration {
        WindowHandle recipient;
        SGuid cls;
    };

    static int Index(EHidLibrary library) { return library == EHidLibrary::kHidClass ? 0 : 1; }
    // The open handle's mouse when it is still plugged in, else null.
    const SOpenHandle* Live(HidHandle handle) const;
    const SOpenHandle* FeatureCollection(HidHandle handle) const;
    void SendNotices(CEmulatedMouse& mouse, bool plugged);

    IClock& m_Clock;
    std::vector<std::unique_ptr<CEmulatedMouse>> m_Mice;
    std::map<HidHandle, SOpenHandle> m_Handles;
    std::map<NotifyHandle, SRegistration> m_Registrations;
    std::vector<SDeviceNotice> m_Notices;
    std::function<void(const SDeviceNotice&)> m_NoticeSink;
    HidHandle m_NextHandle = 0x100;
    NotifyHandle m_NextRegistration = 0x1;
    bool m_LibraryMissing[2] = {false, false};
    int m_LoadCount[2] = {0, 0};
    bool m_EnumerationRefused = false;
    bool m_NotifyRefused = false;
};

} // namespace vardex
