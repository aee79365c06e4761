// A protocol-exact model of the mouse firmware: the EEPROM, the 9-byte feature
// report exchanges, the commands, and the input reports of the mouse's own buttons.
// It also carries the faults a test wants the device to show and a transcript of
// every report in both directions.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vardex {

struct SEmulatedMouseConfig {
    std::uint16_t vendorId = 0x12CF;
    std::uint16_t productId = 0x0182;
    std::uint16_t release = 0x1503;
    std::wstring product = L"Vardex Gaming Mouse";
    std::wstring manufacturer = L"Novaro";
    // Makes the interface paths of several attached mice distinct.
    std::wstring instance = L"7&2a4f1c3e&0";
    // Path text of the extra collection (the system writes it in lower case).
    std::wstring extraCollection = L"&mi_01&col03";
    std::uint32_t latencyMs = 0; // virtual time each feature-report exchange takes
};

// Fails `count` operations after `skip` more have succeeded; count < 0 fails forever.
struct SFault {
    int skip = 0;
    int count = 0;

    // Consumes one operation: true when this one is to fail.
    bool Strike();
};

inline constexpr int kForever = -1;

enum class EReportKind { kSetFeature, kGetFeature, kInput };

struct STranscriptEntry {
    EReportKind kind;
    std::vector<std::uint8_t> bytes; // as sent, or as answered
    bool ok;
};

class CEmulatedMouse {
public:
    static constexpr std::size_t kEepromSize = 0x3300;
    static constexpr std::size_t kFeatureReportLength = 9;
    static constexpr std::size_t kInputReportLength = 16;
    // Interfaces the mouse exposes in the mouse class: the mouse collection that
    // answers the feature reports, and the extra collection the program must skip.
    static constexpr int kInterfaceCount = 2;
    static constexpr int kMainInterface = 0;
    static constexpr int kExtraInterface = 1;

    explicit CEmulatedMouse(SEmulatedMouseConfig config = {});

    const SEmulatedMouseConfig& Config() const { return m_Config; }
    std::wstring InterfacePath(int iface) const;

    // The EEPROM, for tests that start from a sane mouse and change one byte.
    std::array<std::uint8_t, kEepromSize>& Eeprom() { return m_Eeprom; }
    const std::array<std::uint8_t, kEepromSize>& Eeprom() const { return m_Eeprom; }
    void RestoreFactoryDefaults();
    int ActiveProfile() const { return m_Eeprom[169] & 0x07; }

    // Feature-report exchanges on the main interface, as the firmware answers them.
    bool SetFeature(const std::uint8_t* report, std::size_t length);
    bool GetFeature(std::uint8_t* report, std::size_t length);
    // Commands received, as (argument 1, argument 2, argument 3).
    const std::vector<std::array<std::uint8_t, 3>>& Commands() const { return m_Commands; }

    // Faults.
    SFault& OpenFault() { return m_OpenFault; }
    SFault& SetFault() { return m_SetFault; }
    SFault& GetFault() { return m_GetFault; }
    // Read replies that echo the address after the requested one.
    SFault& EchoFault() { return m_EchoFault; }
    // The mouse vanishes as the struck exchange begins, as a pulled cable would.
    SFault& UnplugFault() { return m_UnplugFault; }
    bool StrikeOpen() { return m_OpenFault.Strike(); }

    // Unplugging makes every open and every transfer fail until the mouse is plugged
    // back; the listener hears of both (it sends the device-interface notices).
    bool IsPlugged() const { return m_Plugged; }
    void Unplug();
    void Plug();
    void SetPlugListener(std::function<void(CEmulatedMouse&, bool plugged)> listener);

    // What the user does on the mouse itself, as the input reports the mouse sends.
    void PressProfileButton();        // next profile, wrapping after the last
    void PressSensitivityButton(bool up);
    void PressLaunchButton(int slot); // a button set to launch a program, then its release
    void QueueInput(std::vector<std::uint8_t> report);
    // Takes the oldest queued input report; false when none is waiting.
    bool ReadInput(std::vector<std::uint8_t>& report);

    const std::vector<STranscriptEntry>& Transcript() const { return m_Transcript; }
    void ClearTranscript();

private:
    // False when the mouse is (or has just become) unplugged.
    bool Reachable();
    void RunCommand(std::uint8_t a1, std::uint8_t a2, std::uint8_t a3);
    void QueueStatusReport(std::uint8_t statusByte);
    void Record(EReportKind kind, const std::uint8_t* bytes, std::size_t length, bool ok);

    SEmulatedMouseConfig m_Config;
    std::array<std::uint8_t, kEepromSize> m_Eeprom{};
    std::array<std::uint8_t, kFeatureReportLength> m_Reply{};
    std::vector<std::array<std::uint8_t, 3>> m_Commands;
    std::deque<std::vector<std::uint8_t>> m_Input;
    std::vector<STranscriptEntry> m_Transcript;
    SFault m_OpenFault, m_SetFault, m_GetFault, m_EchoFault, m_UnplugFault;
    bool m_Plugged = true;
    std::function<void(CEmulatedMouse&, bool)> m_PlugListener;
};

} // namespace vardex
