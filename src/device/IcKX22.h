// CIcKX22: the mouse's EEPROM protocol and the shadow image. Every byte moves as one
// 9-byte feature report; a failed exchange is retried in place up to 20 times with
// 120 ms pauses. The shadow keeps, per address, the value and whether it is known to
// equal the mouse's byte (valid) and whether it must still be written (dirty).
#pragma once

#include "platform/Clock.h"
#include "platform/HidSystem.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vardex {

struct SShadowEntry {
    std::uint8_t valid = 0;
    std::uint8_t dirty = 0;
    std::uint8_t reserved[2] = {0, 0};
    std::int32_t value = 0;
};

// Last-error codes, kept for diagnosis.
namespace kx22 {
inline constexpr int kNoError = 0;
inline constexpr int kNoDeviceChosen = -2;
inline constexpr int kEmptyPath = -3;
inline constexpr int kOpenFailed = -4;
inline constexpr int kNoPath = -5;
inline constexpr int kGetFeatureFailed = -6;
inline constexpr int kSetFeatureFailed = -7;
} // namespace kx22

class CIcKX22 {
public:
    static constexpr int kShadowSize = 0x4000;
    static constexpr int kAddressLimit = 0x3300;
    static constexpr int kReportLength = 9;
    static constexpr int kAttempts = 20;
    static constexpr std::uint32_t kRetryPauseMs = 120;
    static constexpr std::size_t kPathChars = 255;
    static constexpr int kInitialProductWord = 0x1501;

    CIcKX22(IHidSystem& hid, IClock& clock);
    ~CIcKX22();
    CIcKX22(const CIcKX22&) = delete;
    CIcKX22& operator=(const CIcKX22&) = delete;

    void ResetShadow();
    int SetDevicePath(const wchar_t* path);
    int OpenAndIdentify(const wchar_t* path);
    int CheckIdentity();

    int ReadByte(int address, int& value);
    int ReadByteVerified(int address, int& value);
    int WriteByte(int address, int value);
    int SendCommand(int a1, int a2, int a3);

    // Records value for address in the shadow; returns whether the byte needs writing.
    int MarkByte(int address, int value, int validFlag);
    // Writes the shadow byte of address when it is dirty.
    int FlushByte(int address);

    // One set-feature or get-feature of the report buffer.
    int SendReport();
    int GetReport();

    // Callers read and set entries directly, for example after a read of their own.
    SShadowEntry& Shadow(int address);
    const SShadowEntry& Shadow(int address) const;
    // Stores value as read from or written to the mouse: valid and clean.
    void StoreClean(int address, int value);

    const std::array<std::uint8_t, kReportLength>& Report() const { return m_Report; }
    const std::wstring& DevicePath() const { return m_DevicePath; }
    int LastError() const { return m_LastError; }
    int ProductWord() const { return m_ProductWord; }
    void SetProductWord(int word) { m_ProductWord = word; }
    int TableSize() const { return m_TableSize; }
    void SetTableSize(int size) { m_TableSize = size; }

private:
    // One exchange: open, set-feature or get-feature, close.
    int Transfer(bool get);
    // Fills the report with a request and sends it, 20 attempts with pauses.
    int SendWithRetries(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3, std::uint8_t b4);
    void Pause() { m_Clock.Sleep(kRetryPauseMs); }

    IHidSystem& m_Hid;
    IClock& m_Clock;
    std::vector<SShadowEntry> m_Shadow;
    bool m_HidLoaded = false;
    bool m_SetupLoaded = false;
    std::array<std::uint8_t, kReportLength> m_Report{};
    std::wstring m_DevicePath;
    int m_LastError = kx22::kNoError;
    int m_ProductWord = kInitialProductWord;
    int m_TableSize = kShadowSize;
};

} // namespace vardex
