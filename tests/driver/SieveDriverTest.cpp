#include "driver/SieveDriver.h"

#include "driver/SieveTestSupport.h"
#include "platform/emu/EmulatedSieveHost.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

using namespace sieve;

TEST(SieveDriverTest, TheControlDeviceIsMadeByTheFirstAddDeviceOnly)
{
    CEmulatedSieveHost host;
    EXPECT_EQ(host.Load(), kSuccess);
    EXPECT_EQ(host.Open(false), 0u); // no device before the first mouse

    int first = -1, second = -1;
    ASSERT_EQ(host.Add({}, first), kSuccess);
    SieveControlDevice* control = host.Driver().Control();
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Unit(), 0);
    // Between AddDevice and the start nothing is present.
    const auto device = host.Open(false);
    std::uint8_t byte = 0xE2;
    std::uint32_t count = 0;
    ASSERT_TRUE(host.Client().Read(device, &byte, 1, count));
    host.Close(device);
    EXPECT_EQ(byte, 0);

    ASSERT_EQ(host.Add({}, second), kSuccess);
    EXPECT_EQ(host.Driver().Control(), control);
    EXPECT_EQ(host.Driver().Unit(), 2);
    EXPECT_EQ(host.Filter(first)->Unit(), 0);
    EXPECT_EQ(host.Filter(second)->Unit(), 1);
    EXPECT_EQ(host.Filter(second)->PowerState(), EPowerState::kD0);
    EXPECT_EQ(host.debugOutput, (std::vector<std::string>{"Mouse: Add New Mouse!!\n", "Mouse: Add New Mouse!!\n"}));
}

TEST(SieveDriverTest, AddDeviceResetsThreeFieldsOfTheRecord)
{
    CEmulatedSieveHost host;
    host.Load();
    int node = -1;
    host.Add({}, node);
    SieveControlDevice& control = *host.Driver().Control();
    SStatusRecord fresh = control.Record();
    EXPECT_EQ(fresh.m_StatusHi, 0);
    EXPECT_EQ(fresh.m_StatusLo, 0xFF);
    EXPECT_EQ(fresh.m_LastKey, 0x3B);
    EXPECT_EQ(fresh.m_ReportByte, 0x3B);

    host.Start(node);
    std::uint8_t on[] = {0xF1, 1};
    std::uint32_t count = 0;
    const auto device = host.Open(true);
    host.Client().Write(device, on, 2, count);
    host.Close(device);
    host.QueueReport(node, test::Report(0x92, 0x10, 0x20, 0x00));
    host.Read(node, 16);

    int other = -1;
    host.Add({}, other);
    const SStatusRecord after = control.Record();
    EXPECT_EQ(after.m_StatusHi, 0);
    EXPECT_EQ(after.m_LastKey, 0x3B);
    EXPECT_EQ(after.m_StatusLo, 0x02); // kept
    EXPECT_EQ(after.m_Pending, 1);
    EXPECT_EQ(after.m_Enabled, 1);
    EXPECT_EQ(after.m_Present, 1);
}

TEST(SieveDriverTest, AddDeviceFailuresLeaveNoFilter)
{
    struct SCase {
        const char* name;
        bool controlAllocation;
        NtStatus controlConstruction;
        bool filterAllocation;
        bool attach;
        NtStatus status;
        bool control;
        bool traced;
    };
    const SCase cases[] = {
        {"no memory for the control device", true, kSuccess, false, false, kInsufficientResources, false, false},
        {"the control device's name is taken", false, Status(0xC0000035), false, false, Status(0xC0000035), false,
         false},
        {"no memory for the filter", false, kSuccess, true, false, kInsufficientResources, true, false},
        {"the stack refuses the filter", false, kSuccess, false, true, kNoSuchDevice, true, true},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CEmulatedSieveHost host;
        host.Load();
        host.controlAllocationFails = c.controlAllocation;
        host.controlConstructionStatus = c.controlConstruction;
        host.filterAllocationFails = c.filterAllocation;
        SEmulatedNode config;
        config.attachFails = c.attach;
        int node = -1;
        EXPECT_EQ(host.Add(config, node), c.status);
        EXPECT_EQ(host.Filter(node), nullptr);
        EXPECT_EQ(host.Driver().Control() != nullptr, c.control);
        EXPECT_EQ(host.Driver().Unit(), 0);
        EXPECT_EQ(host.debugOutput.size(), c.traced ? 1u : 0u);
    }
}

TEST(SieveDriverTest, TheFilterTakesOverTheLowerDevicesAttributes)
{
    CEmulatedSieveHost host;
    host.Load();
    SEmulatedNode config;
    config.lower = {0x0F, 0x100, 3, kDoBufferedIo | kDoPowerInrush | 0x0800};
    int node = -1;
    ASSERT_EQ(host.Add(config, node), kSuccess);
    const SDeviceAttributes& attributes = host.Filter(node)->Attributes();
    EXPECT_EQ(attributes.deviceType, 0x0Fu);
    EXPECT_EQ(attributes.characteristics, 0x100u);
    EXPECT_EQ(attributes.alignment, 3u);
    EXPECT_EQ(attributes.flags, kDoPowerPagable | kDoDirectIo | kDoBufferedIo | kDoPowerInrush);
}

class SieveRemovalTest : public test::SieveFixture {};

TEST_F(SieveRemovalTest, RemovalWaitsForTheHeldReadAndRefusesLaterRequests)
{
    Intercept(true);
    EXPECT_TRUE(host.Read(node, 16).pending);
    EXPECT_EQ(host.Filter(node)->Outstanding(), 1);

    EXPECT_EQ(host.Remove(node), kSuccess);
    EXPECT_FALSE(host.waitWouldBlock);
    EXPECT_EQ(host.Filter(node)->Outstanding(), 0);
    EXPECT_TRUE(host.Filter(node)->Removed());

    const SReadResult late = host.Read(node, 16);
    EXPECT_EQ(late.status, kDeletePending);
    EXPECT_EQ(late.completion, kDeletePending);
    SRequest power{EMajor::kPower};
    EXPECT_EQ(host.Send(node, power), kDeletePending);
    EXPECT_EQ(host.Filter(node)->Outstanding(), 0);
}

TEST_F(SieveRemovalTest, ALaterStartIdentifiesTheDeviceAgain)
{
    EXPECT_EQ(host.Filter(node)->OrlinDevice(), 1);
    EXPECT_EQ(Request(0xE2, 1)[0], 1);
    // Other requests pass through and leave nothing outstanding.
    for (EMajor major : {EMajor::kCreate, EMajor::kDeviceControl, EMajor::kInternalDeviceControl, EMajor::kPower}) {
        SRequest request{major};
        EXPECT_EQ(host.Send(node, request), kSuccess);
    }
    EXPECT_EQ(host.Filter(node)->Outstanding(), 0);
}

TEST(SieveTraceTest, AMessageFindingNoFreeBufferIsDropped)
{
    // Output that takes its time: every line printed starts another message, as other
    // processors would while the first is being printed.
    struct CBusyOutput final : IDebugOutput {
        void Print(const char* text) override
        {
            lines.emplace_back(text);
            if (depth < 5) {
                ++depth;
                channel->Write("nested");
            }
        }
        CTraceChannel* channel = nullptr;
        int depth = 0;
        std::vector<std::string> lines;
    } output;
    CTraceChannel channel(output, "Mouse");
    output.channel = &channel;
    channel.Write("first");
    ASSERT_EQ(output.lines.size(), 6u);
    EXPECT_EQ(output.lines[0], "Mouse: first");
    EXPECT_EQ(output.lines[3], "Mouse: nested");
    EXPECT_EQ(output.lines[4], CTraceChannel::kDropLine);
    // Every buffer is free again.
    output.lines.clear();
    output.depth = 5;
    channel.Write(std::string(400, 'x').c_str());
    EXPECT_EQ(output.lines[0].size(), CTraceChannel::kBufferSize - 1);
}

} // namespace
} // namespace vardex
