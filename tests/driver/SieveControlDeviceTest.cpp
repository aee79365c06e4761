#include "driver/SieveControlDevice.h"

#include "driver/SieveTestSupport.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

using test::Report;
using Bytes = std::vector<std::uint8_t>;
using namespace sieve;

class ControlDeviceTest : public test::SieveFixture {};

TEST_F(ControlDeviceTest, ReadRequestsAnswerInTheCallersBuffer)
{
    Intercept(true);
    Deliver(Report(0x92, 0x10, 0x20, 0));
    struct SCase {
        const char* name;
        std::uint8_t code;
        std::uint32_t length;
        bool ok;
        std::uint32_t transferred;
        Bytes reply;
    };
    const SCase cases[] = {
        {"report byte", 0xE1, 1, true, 1, {0x3B}},
        {"report byte again", 0xE1, 1, true, 1, {0x3B}},
        {"presence", 0xE2, 1, true, 1, {0x01}},
        {"status too short keeps it pending", 0xE3, 4, false, 0, {0xE3, 0xAA, 0xAA, 0xAA}},
        {"status", 0xE3, 5, true, 5, {0x09, 0x02, 0x00, 0x10, 0x20}},
        {"status fetched", 0xE3, 5, true, 5, {0xFF, 0xFF, 0x00, 0xFF, 0xFF}},
        {"status into a longer buffer", 0xE3, 8, true, 5, {0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xAA, 0xAA, 0xAA}},
        {"an unknown byte", 0x00, 5, true, 0, {0x00, 0xAA, 0xAA, 0xAA, 0xAA}},
        {"a write command read", 0xF1, 2, true, 0, {0xF1, 0xAA}},
        {"an empty read", 0xE3, 0, true, 0, {}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        bool ok = false;
        std::uint32_t transferred = 99;
        EXPECT_EQ(Request(c.code, c.length, &ok, &transferred), c.reply);
        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(transferred, c.transferred);
    }
}

TEST_F(ControlDeviceTest, WriteCommandsSwitchInterception)
{
    struct SCase {
        const char* name;
        Bytes bytes;
        bool ok;
        std::uint32_t transferred;
        std::uint8_t enabledAfter;
    };
    const SCase cases[] = {
        {"on", {0xF1, 0x01}, true, 1, 1},
        {"off", {0xF1, 0x00}, true, 1, 0},
        {"any non-zero byte is on", {0xF1, 0x02}, true, 1, 1},
        {"a command without its argument", {0xF1}, false, 0, 1},
        {"another command", {0xF2, 0x00}, true, 0, 1},
        {"a read request written", {0xE3, 0x00}, true, 0, 1},
        {"nothing", {}, true, 0, 1},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::uint32_t transferred = 99;
        EXPECT_EQ(Command(c.bytes, &transferred), c.ok);
        EXPECT_EQ(transferred, c.transferred);
        EXPECT_EQ(host.Driver().Control()->Record().m_Enabled, c.enabledAfter);
    }
}

TEST_F(ControlDeviceTest, TheOtherMajorFunctionsAnswerWithTheirFixedStatus)
{
    struct SCase {
        EMajor major;
        NtStatus status;
    };
    const SCase cases[] = {
        {EMajor::kCreate, kSuccess},
        {EMajor::kFlushBuffers, kSuccess},
        {EMajor::kCleanup, kSuccess},
        {EMajor::kClose, kHandlesClosed},
        {EMajor::kInternalDeviceControl, kNotImplemented},
        {EMajor::kPower, kNotImplemented},
        {EMajor::kSystemControl, kNotImplemented},
        {EMajor::kPnp, kNotImplemented},
        {EMajor::kQueryInformation, kInvalidDeviceRequest},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.major));
        SRequest request{c.major};
        request.information = 7;
        host.Driver().Control()->Dispatch(request);
        EXPECT_EQ(request.status, c.status);
        EXPECT_EQ(request.information, 0u);
    }
    EXPECT_FALSE(SieveDriver::Registers(EMajor::kQueryInformation));
    EXPECT_TRUE(SieveDriver::Registers(EMajor::kSystemControl));
}

TEST_F(ControlDeviceTest, DeviceControlOneRegistersOnlyAnEvent)
{
    host.objects.handles = {{0x10, EObjectKind::kEvent}, {0x14, EObjectKind::kEvent}, {0x20, EObjectKind::kFile}};
    auto handle = [](std::uint64_t value, std::size_t size = 8) {
        Bytes bytes(size);
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
        return bytes;
    };
    SieveControlDevice& control = *host.Driver().Control();

    EXPECT_EQ(host.DeviceControl(1, handle(0x10)), kSuccess);
    EXPECT_EQ(host.objects.References(0x10), 1);
    EXPECT_EQ(host.DeviceControl(1, handle(0x20)), kObjectTypeMismatch);
    EXPECT_EQ(host.DeviceControl(1, handle(0x99)), kInvalidHandle);
    EXPECT_EQ(host.DeviceControl(1, handle(0x14, 4)), kInvalidParameter);
    EXPECT_EQ(control.RegisteredEvent(), reinterpret_cast<void*>(0x10)); // kept through the failures

    EXPECT_EQ(host.DeviceControl(1, handle(0x14)), kSuccess);
    EXPECT_EQ(host.objects.References(0x10), 0);
    EXPECT_EQ(host.objects.References(0x14), 1);
    EXPECT_EQ(host.DeviceControl(0x222000, handle(0x10)), kSuccess);
    EXPECT_EQ(control.RegisteredEvent(), reinterpret_cast<void*>(0x14));
}

} // namespace
} // namespace vardex
