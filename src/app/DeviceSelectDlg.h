// CDeviceSelectDlg: dialog 701, which lets the user choose one of several mice. The
// chosen mouse shows itself by its lights: the main window's timer 2306 sends it the
// indicator command every 300 ms while the dialog is open.
#pragma once

#include "device/HidClient.h"
#include "device/IcKX22.h"
#include "platform/Clock.h"
#include "platform/WindowRuntime.h"

#include <string>
#include <vector>

namespace vardex {

namespace select {
inline constexpr int kList = 1000;
inline constexpr unsigned kBlinkTimer = 2306;
inline constexpr unsigned kBlinkMs = 300;
inline constexpr int kCancelled = -1;
} // namespace select

// "1503: Vardex Gaming Mouse": the release number in lower-case hexadecimal.
std::wstring DeviceListText(unsigned short release, const std::wstring& product);

class CDeviceSelectDlg {
public:
    CDeviceSelectDlg(CHidClient& devices, CIcKX22& device, IClock& clock, IWindowRuntime& windows,
                     WindowHandle mainWindow)
        : m_Devices(devices), m_Device(device), m_Clock(clock), m_Windows(windows), m_MainWindow(mainWindow)
    {
    }

    void OnInitDialog();
    void OnSelectionChange(int index);
    // Each returns the result the dialog ends with: the chosen index, or -1.
    int OnOk();
    int OnCancel();
    void OnTimer();

    const std::vector<std::wstring>& Items() const { return m_Items; }
    int Choice() const { return m_Choice; }

private:
    bool ChoiceValid() const { return m_Choice >= 0 && m_Choice < static_cast<int>(m_Items.size()); }
    // Points the protocol at entry index and lights it.
    void Light(int index);
    void Stop();

    CHidClient& m_Devices;
    CIcKX22& m_Device;
    IClock& m_Clock;
    IWindowRuntime& m_Windows;
    WindowHandle m_MainWindow;
    std::vector<std::wstring> m_Items;
    int m_Choice = select::kCancelled;
};

} // namespace vardex
