// A loaded driver with one started mouse node, and the control device's client calls.
#pragma once

#include "platform/emu/EmulatedSieveHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace vardex::test {

inline std::vector<std::uint8_t> Report(std::uint8_t b10, std::uint8_t b11, std::uint8_t b12, std::uint8_t b13,
                                        std::size_t length = 16)
{
    std::vector<std::uint8_t> report(std::max<std::size_t>(length, 14), 0);
    report[10] = b10;
    report[11] = b11;
    report[12] = b12;
    report[13] = b13;
    report.resize(length); // a short report ends before its status bytes
    return report;
}

class SieveFixture : public ::testing::Test {
protected:
    explicit SieveFixture(std::wstring hardwareId = L"HID\\VID_12CF&PID_0182&REV_1503&MI_00&Col01")
    {
        host.Load();
        SEmulatedNode config;
        config.hardwareId = std::move(hardwareId);
        EXPECT_EQ(host.Add(config, node), sieve::kSuccess);
        EXPECT_EQ(host.Start(node), sieve::kSuccess);
    }

    // One client request: open, read length bytes with the request byte, close.
    std::vector<std::uint8_t> Request(std::uint8_t code, std::uint32_t length, bool* ok = nullptr,
                                      std::uint32_t* transferred = nullptr)
    {
        std::vector<std::uint8_t> buffer(length, 0xAA);
        if (length > 0)
            buffer[0] = code;
        const auto device = host.Open(false);
        std::uint32_t count = 0;
        const bool read = host.Client().Read(device, buffer.data(), length, count);
        host.Close(device);
        if (ok != nullptr)
            *ok = read;
        if (transferred != nullptr)
            *transferred = count;
        return buffer;
    }
    bool Command(std::vector<std::uint8_t> bytes, std::uint32_t* transferred = nullptr)
    {
        const auto device = host.Open(true);
        std::uint32_t count = 0;
        const bool written =
            host.Client().Write(device, bytes.data(), static_cast<std::uint32_t>(bytes.size()), count);
        host.Close(device);
        if (transferred != nullptr)
            *transferred = count;
        return written;
    }
    void Intercept(bool on) { ASSERT_TRUE(Command({0xF1, static_cast<std::uint8_t>(on ? 1 : 0)})); }
    // The report as the filter passes it up to a read of length bytes.
    std::vector<std::uint8_t> Deliver(std::vector<std::uint8_t> report, std::uint32_t length = 16)
    {
        host.QueueReport(node, std::move(report));
        return host.Read(node, length).buffer;
    }
    std::vector<std::uint8_t> Status() { return Request(0xE3, 5); }

    CEmulatedSieveHost host;
    int node = -1;
};

} // namespace vardex::test
