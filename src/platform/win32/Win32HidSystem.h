// The HID system port over the real services: the HID class library and the
// device-setup library, both loaded at run time, and device notifications.
#pragma once

#include "platform/HidSystem.h"

namespace vardex {

class CWin32HidSystem final : public IHidSystem {
public:
    CWin32HidSystem() = default;
    ~CWin32HidSystem() override;
    CWin32HidSystem(const CWin32HidSystem&) = delete;
    CWin32HidSystem& operator=(const CWin32HidSystem&) = delete;

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
    struct SLibrary {
        void* module = nullptr;
        int references = 0;
    };
    SLibrary& Slot(EHidLibrary library) { return library == EHidLibrary::kHidClass ? m_Hid : m_Setup; }

    SLibrary m_Hid;
    SLibrary m_Setup;
};

} // namespace vardex
