#include "device/HidClient.h"

#include "platform/emu/EmulatedHidSystem.h"
#include "platform/emu/VirtualClock.h"
#include "support/RecordingMessageBox.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

using test::CRecordingMessageBox;

constexpr SUsbId kMouseIds[] = {{0x12CF, 0x0182}};

SEmulatedMouseConfig Mouse(std::uint16_t release, std::wstring instance = L"7&1&0")
{
    SEmulatedMouseConfig config;
    config.release = release;
    config.instance = std::move(instance);
    return config;
}

class HidClientTest : public ::testing::Test {
protected:
    CVirtualClock clock;
    CEmulatedHidSystem hid{clock};
    CRecordingMessageBox boxes;
};

TEST_F(HidClientTest, ProgramFilterTakesReleases1502To1504)
{
    const std::uint16_t releases[] = {0x1501, 0x1502, 0x1503, 0x1504, 0x1505};
    for (std::uint16_t release : releases)
        hid.AddMouse(Mouse(release, L"7&" + std::to_wstring(release) + L"&0"));
    CHidClient client(hid, boxes);
    EXPECT_EQ(client.CreateDeviceTable(kMouseIds, 1, 0x1502, 0x1504), 1);
    ASSERT_EQ(client.GetRecognizedDevices(), 3);
    EXPECT_EQ(client.GetDeviceVer(0), 0x1502);
    EXPECT_EQ(client.GetDeviceVer(2), 0x1504);
    EXPECT_EQ(std::wstring(client.GetDevice(0)), hid.Mouse(1).InterfacePath(CEmulatedMouse::kMainInterface));
    EXPECT_EQ(std::wstring(client.GetDeviceName(0)), L"Vardex Gaming Mouse");
    EXPECT_EQ(std::wstring(client.GetVendorName(0)), L"Novaro");
    EXPECT_EQ(std::wstring(client.GetDeviceID(0)), L"VID=12CF, PID=0182");
    EXPECT_EQ(hid.OpenHandleCount(), 0);
}

TEST_F(HidClientTest, OverloadsAndTheirFilters)
{
    hid.AddMouse(Mouse(0x1503, L"a"));
    SEmulatedMouseConfig other = Mouse(0x1602, L"b");
    other.vendorId = 0x046D;
    other.productId = 0xC077;
    hid.AddMouse(other);
    SEmulatedMouseConfig upper = Mouse(0x1502, L"c");
    upper.extraCollection = L"&MI_01&COL03";
    hid.AddMouse(upper);

    const unsigned short releases1503[] = {0x1503};
    const SUsbId both[] = {{0x12CF, 0x0182}, {0x046D, 0xC077}};
    struct SCase {
        const char* name;
        int (*build)(CHidClient&, const unsigned short*, const SUsbId*);
        int entries;
        SGuid cls;
    };
    const SCase cases[] = {
        {"every HID device", [](CHidClient& c, auto, auto) { return c.CreateDeviceTable(0, 0, false); }, 6,
         kHidInterfaceClass},
        {"every mouse", [](CHidClient& c, auto, auto) { return c.CreateDeviceTable(0, 0, true); }, 6,
         kMouseInterfaceClass},
        {"one vendor and product, no path test",
         [](CHidClient& c, auto, auto) { return c.CreateDeviceTable(0x12CF, 0x0182, true); }, 4,
         kMouseInterfaceClass},
        {"camera ids choose the HID class",
         [](CHidClient& c, auto, auto) { return c.CreateDeviceTable(0x0C45, 0x7300, true); }, 0,
         kHidInterfaceClass},
        {"release list only",
         [](CHidClient& c, const unsigned short* r, auto) { return c.CreateDeviceTable(r, 1); }, 2,
         kMouseInterfaceClass},
        // The lower-case extra collection is skipped; its capitalised form is not.
        {"id list", [](CHidClient& c, auto, const SUsbId* ids) { return c.CreateDeviceTable(ids, 2); }, 4,
         kMouseInterfaceClass},
        {"ids and release range",
         [](CHidClient& c, auto, const SUsbId* ids) { return c.CreateDeviceTable(ids, 2, 0x1503, 0x1600); }, 1,
         kMouseInterfaceClass},
        {"ids, range or release family",
         [](CHidClient& c, auto, const SUsbId* ids) {
             return c.CreateDeviceTable(ids, 2, 0x1503, 0x1503, 0x1600);
         },
         2, kMouseInterfaceClass},
        {"ids and release list",
         [](CHidClient& c, const unsigned short* r, const SUsbId* ids) { return c.CreateDeviceTable(ids, 2, r, 1); },
         1, kMouseInterfaceClass},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CHidClient client(hid, boxes);
        EXPECT_EQ(c.build(client, releases1503, both), c.entries > 0 ? 1 : 0);
        EXPECT_EQ(client.GetRecognizedDevices(), c.entries);
        EXPECT_TRUE(client.InterfaceClass() == c.cls);
    }
}

TEST_F(HidClientTest, ExtraCollectionIsNeverEnteredByThePathTestingOverloads)
{
    hid.AddMouse(Mouse(0x1503));
    CHidClient client(hid, boxes);
    ASSERT_EQ(client.CreateDeviceTable(kMouseIds, 1), 1);
    ASSERT_EQ(client.GetRecognizedDevices(), 1);
    EXPECT_EQ(std::wstring(client.GetDevice(0)).find(L"&mi_01&col03"), std::wstring::npos);
}

TEST_F(HidClientTest, OnlyTheFirst127InterfacesAreExamined)
{
    for (int i = 0; i < 70; ++i) // 140 interfaces
        hid.AddMouse(Mouse(0x1503, L"7&" + std::to_wstring(i) + L"&0"));
    CHidClient client(hid, boxes);
    ASSERT_EQ(client.CreateDeviceTable(kMouseIds, 1, 0x1502, 0x1504), 1);
    EXPECT_EQ(client.GetRecognizedDevices(), 64); // the mouse interfaces among the first 127
    ASSERT_EQ(client.CreateDeviceTable(0, 0, true), 1);
    EXPECT_EQ(client.GetRecognizedDevices(), CHidClient::kMaxDevices);
}

TEST_F(HidClientTest, OutOfRangeGetters)
{
    hid.AddMouse(Mouse(0x1503));
    CHidClient client(hid, boxes);
    client.CreateDeviceTable(kMouseIds, 1, 0x1502, 0x1504);
    const int count = client.GetRecognizedDevices();
    EXPECT_EQ(client.GetDeviceVID(count), 0xFFFF);
    EXPECT_EQ(client.GetDevicePID(count), 0xFFFF);
    EXPECT_EQ(client.GetDeviceVer(count), 0xFFFF);
    EXPECT_EQ(client.GetDevice(count), nullptr);
    EXPECT_EQ(client.GetDeviceName(count), nullptr);
    EXPECT_EQ(client.GetVendorName(count), nullptr);
    EXPECT_EQ(client.GetDeviceID(count), nullptr);
    EXPECT_EQ(client.Open(count), kInvalidHidHandle);
    EXPECT_EQ(client.Close(kInvalidHidHandle), 0);
}

TEST_F(HidClientTest, UnopenableDevicesAndMissingStrings)
{
    hid.AddMouse(Mouse(0x1503, L"a")).OpenFault() = {0, 1};
    SEmulatedMouseConfig nameless = Mouse(0x1503, L"b");
    nameless.product.clear();
    nameless.manufacturer.clear();
    hid.AddMouse(nameless);
    CHidClient client(hid, boxes);
    ASSERT_EQ(client.CreateDeviceTable(kMouseIds, 1), 1);
    ASSERT_EQ(client.GetRecognizedDevices(), 1) << "a device that cannot be opened is skipped";
    EXPECT_EQ(std::wstring(client.GetDeviceName(0)), L" ");
    EXPECT_EQ(std::wstring(client.GetVendorName(0)), L" ");
}

TEST_F(HidClientTest, WithoutLibrariesOrEnumerationTheTableStaysEmpty)
{
    hid.AddMouse(Mouse(0x1503));
    hid.SetLibraryMissing(EHidLibrary::kHidClass, true);
    {
        CHidClient client(hid, boxes);
        EXPECT_EQ(client.LibrariesPresent(), 0);
        EXPECT_EQ(client.CreateDeviceTable(0, 0, true), 0);
        EXPECT_EQ(client.LoadDll(), 0);
    }
    hid.SetLibraryMissing(EHidLibrary::kHidClass, false);
    hid.SetEnumerationRefused(true);
    CHidClient client(hid, boxes);
    EXPECT_EQ(client.LibrariesPresent(), 1);
    EXPECT_EQ(client.CreateDeviceTable(0, 0, true), 0);
    EXPECT_EQ(client.GetRecognizedDevices(), 0);
}

TEST_F(HidClientTest, TransfersOnTableEntries)
{
    CEmulatedMouse& mouse = hid.AddMouse(Mouse(0x1503));
    CHidClient client(hid, boxes);
    // An empty table is first filled with every HID device.
    const std::uint8_t request[9] = {0x00, 0xDF, 169, 0x00, 0x00};
    ASSERT_EQ(client.Write(0, request, sizeof request), 1);
    EXPECT_EQ(client.GetRecognizedDevices(), 2);
    std::uint8_t reply[9] = {};
    ASSERT_EQ(client.Read(0, reply, sizeof reply), 1);
    EXPECT_EQ(reply[2], 0x50);

    mouse.PressProfileButton();
    std::uint8_t input[64] = {};
    unsigned long length = sizeof input;
    ASSERT_EQ(client.ReadInputReport(0, input, length), 1);
    EXPECT_EQ(length, CEmulatedMouse::kInputReportLength);
    EXPECT_EQ(input[10], 0x90);

    const HidHandle h = client.Open(0);
    EXPECT_EQ(client.Read(h, input), static_cast<int>(CEmulatedMouse::kInputReportLength));
    EXPECT_EQ(client.Close(h), 1);
    EXPECT_EQ(client.Write(5, request, sizeof request), 0);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(HidClientTest, UnopenableEntryShowsOpenFailed)
{
    CEmulatedMouse& mouse = hid.AddMouse(Mouse(0x1503));
    CHidClient client(hid, boxes);
    client.CreateDeviceTable(kMouseIds, 1);
    mouse.Unplug();
    std::uint8_t report[9] = {};
    unsigned long length = sizeof report;
    EXPECT_EQ(client.Write(0, report, sizeof report), 0);
    EXPECT_EQ(client.Read(0, report, sizeof report), 0);
    EXPECT_EQ(client.ReadInputReport(0, report, length), 0);
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[0].text, mouse.InterfacePath(0));
    EXPECT_EQ(boxes.shown[0].caption, L"Open failed");
}

TEST_F(HidClientTest, ShowCurrentTableTexts)
{
    hid.AddMouse(Mouse(0x1503, L"a"));
    hid.AddMouse(Mouse(0x1502, L"b"));
    CHidClient client(hid, boxes);
    client.CreateDeviceTable(kMouseIds, 1, 0x1502, 0x1504);
    const std::wstring a = hid.Mouse(0).InterfacePath(0);
    const std::wstring b = hid.Mouse(1).InterfacePath(0);
    const std::wstring ids = L"Device: VID=12CF, PID=0182\nDevice: VID=12CF, PID=0182\n";
    struct SCase {
        int what;
        std::wstring text;
    };
    const SCase cases[] = {
        {7, L"No Slection"},
        {-1, L"No Slection"},
        {1, L"All Hid Interface:\n" + a + L"\n" + b + L"\n"},
        {2, L"All Hid Device:\nVardex Gaming Mouse\nVardex Gaming Mouse\n"},
        {3, ids},
        {0, L"All Hid Interface:\n" + a + L"\n" + b + L"\nAll Hid Device:\nVardex Gaming Mouse\nVardex Gaming Mouse\n" + ids},
        {4, L"[0] Device: VID=12CF, PID=0182\n      Product=Vardex Gaming Mouse\n      Manufacture=Novaro\n"
            L"      VersionNumber=1503\n[1] Device: VID=12CF, PID=0182\n      Product=Vardex Gaming Mouse\n"
            L"      Manufacture=Novaro\n      VersionNumber=1502\n"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        boxes.shown.clear();
        client.ShowCurrentTable(c.what);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, c.text);
        EXPECT_EQ(boxes.shown[0].caption, L"HID DEVICE LIST");
        EXPECT_EQ(boxes.shown[0].style, box::kOk);
    }
}

TEST_F(HidClientTest, IdStringsAndMakerVendors)
{
    EXPECT_EQ(std::wstring(CHidClient::Id2String(0xabc, 0x1)), L"VID=0ABC, PID=0001");
    EXPECT_EQ(CHidClient::IsOrlinProduct(0x12CF, 0), 1);
    EXPECT_EQ(CHidClient::IsOrlinProduct(0x046D, 0x0182), 0);
}

TEST_F(HidClientTest, Notifications)
{
    CEmulatedMouse& mouse = hid.AddMouse(Mouse(0x1503));
    CHidClient client(hid, boxes);
    EXPECT_EQ(client.UnRegisterNotify(), 0) << "nothing registered yet";
    EXPECT_EQ(client.RecoverRegisterNotify(), 1) << "no recipient: nothing to recover";

    ASSERT_EQ(client.RegisterNotify(0x1234), 1);
    EXPECT_EQ(client.NotificationRecipient(), 0x1234u);
    mouse.Unplug();
    mouse.Plug();
    ASSERT_EQ(hid.Notices().size(), 4u);
    EXPECT_EQ(hid.Notices()[0].recipient, 0x1234u);
    EXPECT_EQ(hid.Notices()[0].event, kDeviceRemoveComplete);
    EXPECT_EQ(hid.Notices()[3].event, kDeviceArrival);

    ASSERT_EQ(client.ReRegisterNotify(0x5678), 1);
    EXPECT_EQ(client.NotificationRecipient(), 0x1234u) << "re-registering keeps the recipient";
    mouse.Unplug();
    EXPECT_EQ(hid.Notices().back().recipient, 0x5678u);

    ASSERT_EQ(client.RecoverRegisterNotify(), 1);
    mouse.Plug();
    EXPECT_EQ(hid.Notices().back().recipient, 0x1234u);

    ASSERT_EQ(client.UnRegisterNotify(), 1);
    EXPECT_EQ(client.NotificationRecipient(), 0u);
    const std::size_t before = hid.Notices().size();
    mouse.Unplug();
    EXPECT_EQ(hid.Notices().size(), before);

    hid.SetNotifyRefused(true);
    EXPECT_EQ(client.RegisterNotify(0x1234), 0);
}

TEST_F(HidClientTest, CopiesOwnTheirLibraries)
{
    hid.AddMouse(Mouse(0x1503));
    CHidClient original(hid, boxes);
    original.CreateDeviceTable(kMouseIds, 1);
    {
        CHidClient copy(original);
        EXPECT_EQ(hid.LoadCount(EHidLibrary::kHidClass), 2);
        ASSERT_EQ(copy.GetRecognizedDevices(), 1);
        EXPECT_EQ(std::wstring(copy.GetDevice(0)), std::wstring(original.GetDevice(0)));
        CHidClient assigned(hid, boxes);
        assigned = original;
        EXPECT_EQ(assigned.GetRecognizedDevices(), 1);
        EXPECT_EQ(hid.LoadCount(EHidLibrary::kDeviceSetup), 3);
    }
    EXPECT_EQ(hid.LoadCount(EHidLibrary::kHidClass), 1);
    EXPECT_EQ(hid.LoadCount(EHidLibrary::kDeviceSetup), 1);
}

} // namespace
} // namespace vardex
