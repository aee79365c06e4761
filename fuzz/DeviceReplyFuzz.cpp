// A device that answers with arbitrary bytes: every open, set-feature and get-feature
// succeeds or fails as the input says, and every reply is taken from the input. The
// protocol must end each operation in its defined result without touching memory it
// does not own.
#include "device/IcKX22.h"
#include "platform/emu/VirtualClock.h"

#include <cstddef>
#include <cstdint>

namespace vardex {
namespace {

class CScriptedHid final : public IHidSystem {
public:
    CScriptedHid(const std::uint8_t* data, std::size_t size) : m_Data(data), m_Size(size) {}

    bool Acquire(EHidLibrary) override { return true; }
    void Release(EHidLibrary) override {}
    bool EnumerateInterfaces(const SGuid&, int, std::vector<std::wstring>& paths) override
    {
        paths.clear();
        return true;
    }
    HidHandle Open(const std::wstring&, EHidAccess) override { return Next() % 8 == 0 ? kInvalidHidHandle : 1; }
    bool Close(HidHandle) override { return true; }
    bool GetAttributes(HidHandle, SHidAttributes&) override { return false; }
    bool GetProductString(HidHandle, std::wstring&) override { return false; }
    bool GetManufacturerString(HidHandle, std::wstring&) override { return false; }
    bool SetFeature(HidHandle, const std::uint8_t*, std::size_t) override { return Next() % 4 != 0; }
    bool GetFeature(HidHandle, std::uint8_t* report, std::size_t length) override
    {
        for (std::size_t i = 0; i < length; ++i)
            report[i] = Next();
        return Next() % 4 != 0;
    }
    bool ReadInput(HidHandle, std::uint8_t*, std::size_t, std::size_t& bytesRead) override
    {
        bytesRead = 0;
        return false;
    }
    NotifyHandle RegisterInterfaceNotify(WindowHandle, const SGuid&) override { return 0; }
    bool UnregisterInterfaceNotify(NotifyHandle) override { return false; }

    bool Exhausted() const { return m_Pos >= m_Size; }

private:
    // Past the end of the input the device is gone: every open fails.
    std::uint8_t Next() { return m_Pos < m_Size ? m_Data[m_Pos++] : 0; }

    const std::uint8_t* m_Data;
    std::size_t m_Size;
    std::size_t m_Pos = 0;
};

} // namespace
} // namespace vardex

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vardex;
    if (size < 3)
        return 0;
    CVirtualClock clock;
    CScriptedHid hid(data + 3, size - 3);
    CIcKX22 protocol(hid, clock);
    protocol.SetDevicePath(L"\\\\?\\hid#scripted");
    protocol.SetProductWord(0x1500 | data[0]);
    const int address = (data[1] | (data[2] << 8)) & 0x7FFF;
    int value = -1;
    for (int round = 0; round < 4 && !hid.Exhausted(); ++round) {
        if (protocol.ReadByte(address, value))
            protocol.MarkByte(address, value, 0);
        protocol.CheckIdentity();
        protocol.FlushByte(address);
        protocol.SendCommand(3, 0, round);
    }
    return 0;
}
