#include "app/DeviceSelectDlg.h"

#include <cstdio>

namespace vardex {

namespace {
constexpr std::uint32_t kPreparePauseMs = 40;
}

std::wstring DeviceListText(unsigned short release, const std::wstring& product)
{
    wchar_t hex[8];
    std::swprintf(hex, 8, L"%x", release);
    return std::wstring(hex) + L": " + product;
}

void CDeviceSelectDlg::OnInitDialog()
{
    m_Items.clear();
    for (int i = 0; i < m_Devices.GetRecognizedDevices(); ++i)
        m_Items.push_back(DeviceListText(m_Devices.GetDeviceVer(i), m_Devices.GetDeviceName(i)));
    m_Choice = 0;
    Light(0);
    m_Windows.StartTimer(m_MainWindow, select::kBlinkTimer, select::kBlinkMs);
}

void CDeviceSelectDlg::Light(int index)
{
    const wchar_t* path = m_Devices.GetDevice(index);
    m_Device.SetDevicePath(path ? path : L"");
    m_Device.SendCommand(2, 0, 0);
    m_Clock.Sleep(kPreparePauseMs);
    m_Device.SendCommand(3, 3, 0);
}

void CDeviceSelectDlg::OnSelectionChange(int index)
{
    if (index == m_Choice || index < 0 || index >= static_cast<int>(m_Items.size()))
        return;
    const bool wasValid = ChoiceValid();
    if (wasValid)
        m_Device.SendCommand(3, 3, 3); // the previous mouse's lights back to normal
    Light(index);
    if (!wasValid)
        m_Windows.StartTimer(m_MainWindow, select::kBlinkTimer, select::kBlinkMs);
    m_Choice = index;
}

void CDeviceSelectDlg::Stop()
{
    // The timer stops in any case: no tick may outlive the dialog.
    m_Windows.StopTimer(m_MainWindow, select::kBlinkTimer);
    if (ChoiceValid())
        m_Device.SendCommand(3, 3, 3);
}

int CDeviceSelectDlg::OnOk()
{
    Stop();
    return m_Choice;
}

int CDeviceSelectDlg::OnCancel()
{
    Stop();
    return select::kCancelled;
}

void CDeviceSelectDlg::OnTimer()
{
    if (ChoiceValid())
        m_Device.SendCommand(3, 3, 2);
}

} // namespace vardex
