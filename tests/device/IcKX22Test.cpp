#include "device/IcKX22.h"

#include "platform/emu/EmulatedHidSystem.h"
#include "platform/emu/VirtualClock.h"
#include "support/Bytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace vardex {
namespace {

using test::Bytes;
using test::Head;
using test::SentReports;

// One emulated mouse, its path given to the protocol.
class IcKX22Test : public ::testing::Test {
protected:
    IcKX22Test() : mouse(hid.AddMouse()), kx(std::make_unique<CIcKX22>(hid, clock))
    {
        kx->SetDevicePath(mouse.InterfacePath(CEmulatedMouse::kMainInterface).c_str());
    }

    CVirtualClock clock;
    CEmulatedHidSystem hid{clock};
    CEmulatedMouse& mouse;
    std::unique_ptr<CIcKX22> kx;
};

TEST_F(IcKX22Test, ReadByteSendsRequestAndTakesMatchingEcho)
{
    mouse.Eeprom()[0x0102] = 0x5A;
    int value = -1;
    ASSERT_EQ(kx->ReadByte(0x0102, value), 1);
    EXPECT_EQ(value, 0x5A);
    ASSERT_EQ(mouse.Transcript().size(), 2u);
    EXPECT_EQ(Head(mouse.Transcript()[0].bytes, 5), (Bytes{0x00, 0xDF, 0x02, 0x00, 0x01}));
    EXPECT_EQ(mouse.Transcript()[1].kind, EReportKind::kGetFeature);
    EXPECT_EQ(Head(mouse.Transcript()[1].bytes, 4), (Bytes{0x00, 0x02, 0x5A, 0x01}));
    EXPECT_EQ(clock.NowMs(), 0u);
    EXPECT_EQ(hid.OpenHandleCount(), 0) << "no handle is held between transfers";
}

TEST_F(IcKX22Test, WrongEchoIsRetriedAfterAPause)
{
    mouse.Eeprom()[0x0102] = 0x5A;
    mouse.EchoFault() = {0, 1};
    int value = -1;
    ASSERT_EQ(kx->ReadByte(0x0102, value), 1);
    EXPECT_EQ(value, 0x5A);
    EXPECT_EQ(SentReports(mouse).size(), 2u);
    EXPECT_EQ(clock.NowMs(), 120u);
}

TEST_F(IcKX22Test, WriteByteHonoursTheAddressLimit)
{
    EXPECT_EQ(kx->WriteByte(0x3300, 7), 0);
    EXPECT_TRUE(mouse.Transcript().empty());

    ASSERT_EQ(kx->WriteByte(0x32FF, 7), 1);
    ASSERT_EQ(SentReports(mouse).size(), 1u);
    EXPECT_EQ(Head(SentReports(mouse)[0], 5), (Bytes{0x00, 0xDE, 0xFF, 0x07, 0x32}));
    EXPECT_EQ(mouse.Eeprom()[0x32FF], 7);
}

TEST_F(IcKX22Test, SendCommandSelectsProfile)
{
    ASSERT_EQ(kx->SendCommand(7, 2, 0), 1);
    EXPECT_EQ(Head(SentReports(mouse)[0], 6), (Bytes{0x00, 0xC4, 0x07, 0x02, 0x00, 0x00}));
    EXPECT_EQ(mouse.ActiveProfile(), 2);
}

// How many milliseconds of retries each failure costs, and which last error it leaves.
struct SFailureCase {
    const char* name;
    void (*inject)(CEmulatedMouse&);
    int (*run)(CIcKX22&);
    int result;
    std::uint64_t virtualMs;
    int lastError;
};

int DoRead(CIcKX22& kx)
{
    int value = -1;
    const int ok = kx.ReadByte(0x0102, value);
    return ok ? ok : (value == -1 ? 0 : 99); // a failed read leaves the value alone
}
int DoVerifiedRead(CIcKX22& kx)
{
    int value = -1;
    return kx.ReadByteVerified(186, value);
}
int DoWrite(CIcKX22& kx) { return kx.WriteByte(0x100, 1); }

const SFailureCase kFailures[] = {
    {"unplugged read", [](CEmulatedMouse& m) { m.Unplug(); }, DoRead, 0, 20 * 120, kx22::kOpenFailed},
    {"unplugged verified read", [](CEmulatedMouse& m) { m.Unplug(); }, DoVerifiedRead, 0, 20 * 20 * 120,
     kx22::kOpenFailed},
    {"unplugged write", [](CEmulatedMouse& m) { m.Unplug(); }, DoWrite, 0, 20 * 120, kx22::kOpenFailed},
    {"set fails once", [](CEmulatedMouse& m) { m.SetFault() = {0, 1}; }, DoRead, 1, 240,
     kx22::kSetFeatureFailed},
    {"get fails once", [](CEmulatedMouse& m) { m.GetFault() = {0, 1}; }, DoRead, 1, 240,
     kx22::kGetFeatureFailed},
    {"set always fails", [](CEmulatedMouse& m) { m.SetFault() = {0, kForever}; }, DoWrite, 0, 20 * 240,
     kx22::kSetFeatureFailed},
    {"get fails 19 times", [](CEmulatedMouse& m) { m.GetFault() = {0, 19}; }, DoRead, 1, 19 * 240,
     kx22::kGetFeatureFailed},
    {"echo always wrong", [](CEmulatedMouse& m) { m.EchoFault() = {0, kForever}; }, DoRead, 0, 20 * 120,
     kx22::kNoDeviceChosen},
    {"open fails twice", [](CEmulatedMouse& m) { m.OpenFault() = {0, 2}; }, DoWrite, 1, 2 * 120,
     kx22::kOpenFailed},
    {"vanishes between request and reply", [](CEmulatedMouse& m) { m.UnplugFault() = {1, 1}; }, DoRead, 0,
     20 * 120 + 120, kx22::kOpenFailed},
};

TEST_F(IcKX22Test, FailuresCostTheirRetriesAndEndInTheirResult)
{
    for (const SFailureCase& c : kFailures) {
        SCOPED_TRACE(c.name);
        CVirtualClock caseClock;
        CEmulatedHidSystem caseHid(caseClock);
        CEmulatedMouse& m = caseHid.AddMouse();
        auto protocol = std::make_unique<CIcKX22>(caseHid, caseClock);
        protocol->SetDevicePath(m.InterfacePath(CEmulatedMouse::kMainInterface).c_str());
        c.inject(m);
        EXPECT_EQ(c.run(*protocol), c.result);
        EXPECT_EQ(caseClock.NowMs(), c.virtualMs);
        EXPECT_EQ(protocol->LastError(), c.lastError);
        EXPECT_EQ(caseHid.OpenHandleCount(), 0);
    }
}

TEST_F(IcKX22Test, FailsFromTheKthExchangeOn)
{
    mouse.SetFault() = {2, kForever}; // two requests succeed, the third never does
    int value = 0;
    EXPECT_EQ(kx->ReadByte(1, value), 1);
    EXPECT_EQ(kx->ReadByte(2, value), 1);
    EXPECT_EQ(kx->ReadByte(3, value), 0);
}

TEST_F(IcKX22Test, LatencyIsPaidPerExchange)
{
    CVirtualClock slowClock;
    CEmulatedHidSystem slowHid(slowClock);
    SEmulatedMouseConfig config;
    config.latencyMs = 4;
    CEmulatedMouse& slow = slowHid.AddMouse(config);
    CIcKX22 protocol(slowHid, slowClock);
    protocol.SetDevicePath(slow.InterfacePath(0).c_str());
    int value = 0;
    ASSERT_EQ(protocol.ReadByte(169, value), 1);
    EXPECT_EQ(slowClock.NowMs(), 8u);
}

TEST_F(IcKX22Test, TransfersWithoutAPath)
{
    kx->ResetShadow();
    EXPECT_EQ(kx->SendReport(), 0);
    EXPECT_EQ(kx->LastError(), kx22::kNoPath);
    EXPECT_EQ(kx->SendCommand(2, 0, 0), 0);
    EXPECT_EQ(clock.NowMs(), 20u * 120u);
}

TEST_F(IcKX22Test, DevicePathRules)
{
    EXPECT_EQ(kx->SetDevicePath(L""), 0);
    EXPECT_EQ(kx->LastError(), kx22::kEmptyPath);
    EXPECT_TRUE(kx->DevicePath().empty());
    EXPECT_EQ(kx->SetDevicePath(nullptr), 0);

    EXPECT_EQ(kx->OpenAndIdentify(L"\\\\?\\hid#nothing-here"), 0);
    EXPECT_EQ(kx->LastError(), kx22::kOpenFailed);
    EXPECT_TRUE(kx->DevicePath().empty());
    EXPECT_TRUE(mouse.Transcript().empty());

    const std::wstring longPath(400, L'x');
    EXPECT_EQ(kx->SetDevicePath(longPath.c_str()), 1);
    EXPECT_EQ(kx->DevicePath().size(), CIcKX22::kPathChars);
}

TEST_F(IcKX22Test, ConstructionLeavesNoDeviceChosen)
{
    CIcKX22 fresh(hid, clock);
    EXPECT_EQ(fresh.LastError(), kx22::kNoDeviceChosen);
    EXPECT_EQ(fresh.ProductWord(), 0x1501);
    EXPECT_EQ(fresh.TableSize(), 0x4000);

    hid.SetLibraryMissing(EHidLibrary::kDeviceSetup, true);
    CIcKX22 withoutSetup(hid, clock);
    EXPECT_EQ(withoutSetup.LastError(), kx22::kNoError);
}

TEST_F(IcKX22Test, LibrariesAreReleasedWithTheObject)
{
    const int before = hid.LoadCount(EHidLibrary::kHidClass);
    kx.reset();
    EXPECT_EQ(hid.LoadCount(EHidLibrary::kHidClass), before - 1);
    EXPECT_EQ(hid.LoadCount(EHidLibrary::kDeviceSetup), 0);
}

TEST_F(IcKX22Test, CheckIdentity)
{
    struct SCase {
        const char* name;
        std::uint8_t low, high;
        int productWord;
        int expected;
    };
    const SCase cases[] = {
        {"good mouse", 0x6D, 0x15, 0x1503, 1},
        {"second signature byte wrong", 0x6D, 0x14, 0x1503, 0},
        {"first signature byte wrong", 0x6C, 0x15, 0x1503, 0},
        {"another product family", 0x6D, 0x15, 0x1601, 0},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        mouse.Eeprom()[186] = c.low;
        mouse.Eeprom()[187] = c.high;
        kx->SetProductWord(c.productWord);
        EXPECT_EQ(kx->CheckIdentity(), c.expected);
    }
}

TEST_F(IcKX22Test, ReadByteVerifiedNeedsTwoEqualReads)
{
    mouse.EchoFault() = {0, 1}; // the first read of the pair must be retried, then both agree
    int value = 0;
    ASSERT_EQ(kx->ReadByteVerified(186, value), 1);
    EXPECT_EQ(value, 0x6D);
    EXPECT_EQ(SentReports(mouse).size(), 3u);
}

TEST_F(IcKX22Test, OpenAndIdentifyAcceptsTheMouse)
{
    kx->SetProductWord(0x1503);
    EXPECT_EQ(kx->OpenAndIdentify(mouse.InterfacePath(0).c_str()), 1);
}

TEST_F(IcKX22Test, MarkByte)
{
    struct SCase {
        const char* name;
        SShadowEntry before;
        int value;
        int validFlag;
        int result;
        SShadowEntry after;
    };
    const SCase cases[] = {
        {"same value, valid and clean", {1, 0, {}, 5}, 5, 0, 0, {1, 0, {}, 5}},
        {"same value, valid and dirty", {1, 1, {}, 5}, 5, 0, 1, {1, 1, {}, 5}},
        {"new value", {1, 0, {}, 5}, 6, 0, 1, {1, 1, {}, 6}},
        {"same value, never read", {0, 0, {}, 0}, 0, 1, 1, {1, 1, {}, 0}},
        {"same value, never read, caller flag 0", {0, 0, {}, 0}, 0, 0, 1, {0, 1, {}, 0}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        kx->Shadow(300) = c.before;
        EXPECT_EQ(kx->MarkByte(300, c.value, c.validFlag), c.result);
        EXPECT_EQ(kx->Shadow(300).valid, c.after.valid);
        EXPECT_EQ(kx->Shadow(300).dirty, c.after.dirty);
        EXPECT_EQ(kx->Shadow(300).value, c.after.value);
    }
    EXPECT_EQ(kx->MarkByte(0x4000, 1, 0), 0) << "addresses outside the shadow are refused";
    EXPECT_TRUE(mouse.Transcript().empty());
}

TEST_F(IcKX22Test, FlushByte)
{
    kx->StoreClean(300, 9);
    EXPECT_EQ(kx->FlushByte(300), 1);
    EXPECT_TRUE(mouse.Transcript().empty()) << "a clean byte needs no report";

    kx->MarkByte(300, 10, 0);
    ASSERT_EQ(kx->FlushByte(300), 1);
    EXPECT_EQ(mouse.Eeprom()[300], 10);
    EXPECT_EQ(kx->Shadow(300).valid, 1);
    EXPECT_EQ(kx->Shadow(300).dirty, 0);

    kx->MarkByte(301, 11, 0);
    mouse.Unplug();
    EXPECT_EQ(kx->FlushByte(301), 0);
    EXPECT_EQ(kx->Shadow(301).dirty, 1) << "a failed write stays dirty";

    kx->Shadow(0x3300).dirty = 1;
    EXPECT_EQ(kx->FlushByte(0x3300), 0);
    kx->SetTableSize(0x200);
    EXPECT_EQ(kx->FlushByte(0x200), 0);
}

TEST_F(IcKX22Test, ResetShadowForgetsEverything)
{
    kx->MarkByte(5, 9, 1);
    kx->SetProductWord(0x1504);
    kx->SetTableSize(0x100);
    kx->ResetShadow();
    EXPECT_EQ(kx->Shadow(5).value, 0);
    EXPECT_EQ(kx->Shadow(5).dirty, 0);
    EXPECT_EQ(kx->ProductWord(), 0x1501);
    EXPECT_EQ(kx->TableSize(), 0x4000);
    EXPECT_EQ(kx->LastError(), kx22::kNoError);
    EXPECT_TRUE(kx->DevicePath().empty());
}

} // namespace
} // namespace vardex
