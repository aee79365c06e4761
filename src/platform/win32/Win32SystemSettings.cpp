#include "platform/win32/Win32SystemSettings.h"

#include <windows.h>

#include <cstdint>

namespace vardex {

int CWin32SystemSettings::MouseSpeed()
{
    int speed = 10;
    SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0);
    return speed;
}

namespace {

// Windows takes the speed by value in the pointer argument; Wine reads it from the
// count argument, which Windows ignores here. Both carry it.
void PutMouseSpeed(int speed, UINT flags)
{
    SystemParametersInfoW(SPI_SETMOUSESPEED, static_cast<UINT>(speed),
                          reinterpret_cast<void*>(static_cast<std::intptr_t>(speed)), flags);
}

void PutWheelScrollLines(int lines, UINT flags)
{
    const UINT count = lines == kWheelPageScroll ? WHEEL_PAGESCROLL : static_cast<UINT>(lines);
    SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, count, nullptr, flags);
}

UINT StoreFlags(bool broadcast)
{
    return SPIF_UPDATEINIFILE | (broadcast ? SPIF_SENDCHANGE : 0);
}

} // namespace

void CWin32SystemSettings::SetMouseSpeed(int speed)
{
    PutMouseSpeed(speed, SPIF_SENDCHANGE);
}

void CWin32SystemSettings::StoreMouseSpeed(int speed, bool broadcast)
{
    PutMouseSpeed(speed, StoreFlags(broadcast));
}

int CWin32SystemSettings::DoubleClickTime()
{
    return static_cast<int>(GetDoubleClickTime());
}

void CWin32SystemSettings::SetDoubleClickTime(int ms)
{
    ::SetDoubleClickTime(static_cast<UINT>(ms));
}

int CWin32SystemSettings::WheelScrollLines()
{
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return lines == WHEEL_PAGESCROLL ? kWheelPageScroll : static_cast<int>(lines);
}

void CWin32SystemSettings::SetWheelScrollLines(int lines)
{
    PutWheelScrollLines(lines, SPIF_SENDCHANGE);
}

void CWin32SystemSettings::StoreWheelScrollLines(int lines, bool broadcast)
{
    PutWheelScrollLines(lines, StoreFlags(broadcast));
}


std::uint16_t CWin32SystemSettings::DefaultLanguage()
{
    return GetSystemDefaultLangID();
}

int CWin32SystemSettings::DragFullWindows()
{
    BOOL on = FALSE;
    SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &on, 0);
    return on;
}

void CWin32SystemSettings::SetDragFullWindows(int on)
{
    SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, static_cast<UINT>(on), nullptr, SPIF_SENDCHANGE);
}

bool CWin32SystemSettings::Version(SOsVersion& version)
{
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info))
        return false;
#pragma GCC diagnostic pop
    version = {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
    return true;
}

} // namespace vardex
