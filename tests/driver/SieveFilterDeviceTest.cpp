#include "driver/SieveFilterDevice.h"

#include "driver/SieveControlDevice.h"
#include "driver/SieveTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace vardex {
namespace {

using test::Report;
using Bytes = std::vector<std::uint8_t>;

const Bytes kNothingPending = {0xFF, 0xFF, 0x00, 0xFF, 0xFF};

class SieveReadTest : public test::SieveFixture {
protected:
    SieveReadTest() { Intercept(true); }
};

TEST_F(SieveReadTest, AProfileReportIsMarkedAndItsStatusKept)
{
    const Bytes passed = Deliver(Report(0x92, 0x10, 0x20, 0x00));
    EXPECT_EQ(passed[4], 1);
    EXPECT_EQ(Status(), (Bytes{0x09, 0x02, 0x00, 0x10, 0x20}));
    EXPECT_EQ(Status(), kNothingPending);
}

TEST_F(SieveReadTest, ReportSequencesMarkAndRecordAsTheMouseMeantThem)
{
    struct SCase {
        const char* name;
        std::vector<Bytes> reports;   // bytes 10 to 13 of each
        std::vector<int> wheelBytes;  // byte 4 of each as passed up
        Bytes status;                 // the status request afterwards
    };
    const SCase cases[] = {
        {"the same launch key twice marks only the first", {{0, 0, 0, 0x85}, {0, 0, 0, 0x85}}, {1, 0},
         {0x02, 0x03, 0x85, 0x44, 0x55}},
        {"a quiet report in between marks the key again", {{0, 0, 0, 0x85}, {0, 0, 0, 0}, {0, 0, 0, 0x85}}, {1, 0, 1},
         {0x02, 0x03, 0x85, 0x44, 0x55}},
        {"the key's release before the request still reports the key", {{0, 0, 0, 0x85}, {0, 0, 0, 0}}, {1, 0},
         {0x02, 0x03, 0x85, 0x44, 0x55}},
        {"another key is marked at once", {{0, 0, 0, 0x85}, {0, 0, 0, 0x86}}, {1, 1}, {0x02, 0x03, 0x86, 0x44, 0x55}},
        {"a quiet report with a low key byte changes nothing", {{0, 0, 0, 0x05}}, {0}, kNothingPending},
        {"a level report after a key reports no key", {{0, 0, 0, 0x85}, {0x01, 0x30, 0x31, 0}}, {1, 1},
         {0x00, 0x01, 0x00, 0x30, 0x31}},
        {"a key after a level keeps the level's bytes", {{0x12, 0x30, 0x31, 0}, {0, 0, 0, 0x8A}}, {1, 1},
         {0x01, 0x02, 0x8A, 0x30, 0x31}},
        {"only byte 12 set is a status", {{0, 0, 0x07, 0}}, {1}, {0x00, 0x00, 0x00, 0x00, 0x07}},
        {"the later of two statuses is kept", {{0x80, 1, 1, 0}, {0x91, 2, 2, 0}}, {1, 1},
         {0x09, 0x01, 0x00, 0x02, 0x02}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        // A known last status, fetched, and no key remembered.
        Deliver(Report(0x23, 0x44, 0x55, 0));
        Status();
        for (std::size_t i = 0; i < c.reports.size(); ++i) {
            const Bytes& r = c.reports[i];
            EXPECT_EQ(Deliver(Report(r[0], r[1], r[2], r[3]))[4], c.wheelBytes[i]) << "report " << i;
        }
        EXPECT_EQ(Status(), c.status);
    }
}

TEST_F(SieveReadTest, ReportsAreLeftAloneWhenTheyCannotBeFiltered)
{
    struct SCase {
        const char* name;
        std::uint32_t readLength;
        bool interception;
        bool mappable;
    };
    const SCase cases[] = {
        {"a read of 13 bytes", 13, true, true},
        {"interception off", 16, false, true},
        {"a buffer that cannot be mapped", 16, true, false},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        Intercept(c.interception);
        host.buffersUnmappable = !c.mappable;
        const Bytes sent = Report(0x92, 0x10, 0x20, 0x00, c.readLength);
        EXPECT_EQ(Deliver(sent, c.readLength), sent);
        EXPECT_EQ(Status(), kNothingPending);
        host.buffersUnmappable = false;
        Intercept(true);
    }
}

TEST_F(SieveReadTest, AFourteenByteReadIsFiltered)
{
    EXPECT_EQ(Deliver(Report(0x01, 1, 1, 0, 14), 14)[4], 1);
}

TEST_F(SieveReadTest, SwitchingInterceptionOffDropsThePendingStatus)
{
    Deliver(Report(0x92, 0x10, 0x20, 0));
    Intercept(false);
    EXPECT_EQ(Status(), kNothingPending);
    EXPECT_EQ(Deliver(Report(0x93, 0x10, 0x20, 0))[4], 0);
    EXPECT_EQ(Status(), kNothingPending);
    Intercept(true);
    Deliver(Report(0x93, 0x10, 0x20, 0));
    EXPECT_EQ(Status(), (Bytes{0x09, 0x03, 0x00, 0x10, 0x20}));
}

TEST_F(SieveReadTest, AFailedReadRecordsNothingFromItsStaleBuffer)
{
    // The read waits; the mouse goes away and the read fails with the buffer as sent.
    EXPECT_TRUE(host.Read(node, 16, Report(0x92, 0x10, 0x20, 0x85)).pending);
    host.Remove(node);
    EXPECT_EQ(Status(), kNothingPending);
}

TEST_F(SieveReadTest, AHeldReadIsFilteredWhenItsReportArrives)
{
    EXPECT_TRUE(host.Read(node, 16).pending);
    host.QueueReport(node, Report(0x01, 0x30, 0x31, 0));
    const std::vector<SReadResult> done = host.DeliverHeldReads(node);
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].buffer[4], 1);
    EXPECT_EQ(host.Filter(node)->Outstanding(), 0);
}

TEST_F(SieveReadTest, TheStatusRecordIsTouchedOnlyUnderTheLock)
{
    const int before = host.lock.acquisitions;
    Deliver(Report(0x92, 0x10, 0x20, 0));
    Status();
    EXPECT_GE(host.lock.acquisitions, before + 2);
    EXPECT_FALSE(host.lock.nested);
    EXPECT_FALSE(host.lock.held);
}

TEST_F(SieveReadTest, WithoutACompletionContextTheReadFails)
{
    host.completionContextFails = true;
    host.QueueReport(node, Report(0x92, 0x10, 0x20, 0));
    const SReadResult result = host.Read(node, 16);
    EXPECT_EQ(result.status, sieve::kInsufficientResources);
    EXPECT_EQ(result.completion, sieve::kInsufficientResources);
    EXPECT_EQ(host.Filter(node)->Outstanding(), 0);
}

TEST(SieveHardwareIdTest, TheMakersMouseIsKnownByItsIdInEitherCase)
{
    struct SCase {
        std::wstring id;
        std::uint32_t expected;
    };
    const SCase cases[] = {
        {L"HID\\VID_12CF&PID_0182&REV_1503&MI_00", 0x12CF0182},
        {L"HID\\VID_12cf&PID_0182&REV_1503&MI_00", 0x12CF0182},
        {L"HID\\VID_046D&PID_C52B&MI_01", 0x046DC52B},
        {L"HID\\VID_12CF&PID_0182", 0x12CF0182},
        {L"HID\\VID_12CF&PID_018", 0},  // too short to hold the product
        {L"HID\\VID_11SF&PID_0182", 0}, // not hexadecimal, though its digits would add up
        {L"HID\\VID_12CF&PID_01 2", 0},
        {L"ACPI\\PNP0F13", 0},
        {L"", 0},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(std::string(c.id.begin(), c.id.end()));
        std::vector<std::uint8_t> bytes;
        for (wchar_t ch : c.id + std::wstring(2, L'\0')) {
            bytes.push_back(static_cast<std::uint8_t>(ch));
            bytes.push_back(static_cast<std::uint8_t>(ch >> 8));
        }
        EXPECT_EQ(sieve::DeviceIdFromHardwareId(bytes.data(), c.id.empty() ? 0 : bytes.size()), c.expected);
    }
    const std::uint8_t shortId[22] = {};
    EXPECT_EQ(sieve::DeviceIdFromHardwareId(shortId, sizeof shortId), 0u);
}

class OtherMouseTest : public test::SieveFixture {
protected:
    OtherMouseTest() : SieveFixture(L"HID\\VID_046D&PID_C52B&MI_01") { Intercept(true); }
};

TEST_F(OtherMouseTest, ReadsPassUntouchedWithTheirDump)
{
    const Bytes sent = Report(0x92, 0x10, 0x20, 0x85, 10);
    host.debugOutput.clear();
    Bytes initial(10);
    for (std::size_t i = 0; i < initial.size(); ++i)
        initial[i] = static_cast<std::uint8_t>(0xF0 + i);
    host.QueueReport(node, sent);
    EXPECT_EQ(host.Read(node, 10, initial).buffer, sent);
    EXPECT_EQ(Status(), kNothingPending);

    std::vector<std::string> expected = {"Mouse: " + std::string(187, '-') + "\n", "Mouse: Unknown Device: "};
    for (int i = 0; i < 10; ++i) {
        if (i == 8)
            expected.push_back("Mouse: \n\t\t\t");
        char hex[16];
        std::snprintf(hex, sizeof hex, "Mouse: 0x%04hx", static_cast<unsigned short>(0xF0 + i));
        expected.push_back(hex);
        expected.push_back("Mouse: , ");
    }
    expected.push_back("Mouse: \n");
    EXPECT_EQ(host.debugOutput, expected);
}

TEST_F(OtherMouseTest, TheMakersMouseStartedFirstIsNoLongerPresent)
{
    int makers = -1;
    ASSERT_EQ(host.Add({}, makers), sieve::kSuccess);
    host.Start(makers);
    EXPECT_EQ(Request(0xE2, 1)[0], 1);
    host.Start(node);
    EXPECT_EQ(Request(0xE2, 1)[0], 0);
    // Its reports still carry statuses.
    host.QueueReport(makers, Report(0x92, 0x10, 0x20, 0));
    EXPECT_EQ(host.Read(makers, 16).buffer[4], 1);
    EXPECT_EQ(Status()[0], 0x09);
}

} // namespace
} // namespace vardex
