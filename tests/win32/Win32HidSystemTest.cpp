// The real HID adapter against the system's own services. No mouse of ours is
// attached here, so the device table must come out empty, not fail.
#include "platform/win32/Win32HidSystem.h"

#include "device/HidClient.h"
#include "support/RecordingMessageBox.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace vardex {
namespace {

TEST(Win32HidSystemTest, LoadsBothSystemLibraries)
{
    CWin32HidSystem hid;
    ASSERT_TRUE(hid.Acquire(EHidLibrary::kHidClass));
    ASSERT_TRUE(hid.Acquire(EHidLibrary::kDeviceSetup));
    EXPECT_NE(GetModuleHandleW(L"hid.dll"), nullptr);
    EXPECT_NE(GetModuleHandleW(L"setupapi.dll"), nullptr);

    std::vector<std::wstring> paths{L"stale"};
    EXPECT_TRUE(hid.EnumerateInterfaces(kMouseInterfaceClass, 127, paths));
    for (const std::wstring& path : paths)
        EXPECT_FALSE(path.empty());
    EXPECT_TRUE(hid.EnumerateInterfaces(kHidInterfaceClass, 127, paths));

    hid.Release(EHidLibrary::kHidClass);
    hid.Release(EHidLibrary::kDeviceSetup);
}

TEST(Win32HidSystemTest, WithoutTheMouseTheTableIsEmpty)
{
    CWin32HidSystem hid;
    test::CRecordingMessageBox boxes;
    CHidClient client(hid, boxes);
    EXPECT_EQ(client.LibrariesPresent(), 1);
    const SUsbId ids[] = {{0x12CF, 0x0182}};
    EXPECT_EQ(client.CreateDeviceTable(ids, 1, 0x1502, 0x1504), 0);
    EXPECT_EQ(client.GetRecognizedDevices(), 0);
    EXPECT_EQ(client.GetDevice(0), nullptr);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(Win32HidSystemTest, OpeningAMissingDeviceFails)
{
    CWin32HidSystem hid;
    ASSERT_TRUE(hid.Acquire(EHidLibrary::kHidClass));
    const HidHandle h = hid.Open(L"\\\\?\\hid#vid_12cf&pid_0182&mi_00#0&0&0&0000#"
                                 L"{378de44c-56ef-11d1-bc8c-00a0c91405dd}",
                                 EHidAccess::kWrite);
    EXPECT_EQ(h, kInvalidHidHandle);
    EXPECT_FALSE(hid.Close(kInvalidHidHandle));
    hid.Release(EHidLibrary::kHidClass);
}

TEST(Win32HidSystemTest, RegistersAWindowForMouseInterfaceNotices)
{
    CWin32HidSystem hid;
    const HWND window = CreateWindowExW(0, L"STATIC", L"notices", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    const NotifyHandle registration =
        hid.RegisterInterfaceNotify(reinterpret_cast<WindowHandle>(window), kMouseInterfaceClass);
    ASSERT_NE(registration, 0u);
    EXPECT_TRUE(hid.UnregisterInterfaceNotify(registration));
    DestroyWindow(window);
}

} // namespace
} // namespace vardex
