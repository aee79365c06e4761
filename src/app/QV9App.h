// CQV9App: the program's start. One instance runs at a time: a second start wakes
// the first through its published window, or says "TOO MANY INSTANCES!" when there
// is none to wake, and ends.
#pragma once

#include "app/MainFrameDlg.h"

namespace vardex {

// What the window system does for the application.
class IAppHost {
public:
    virtual ~IAppHost() = default;
    // Runs the main window modally until it ends.
    virtual void RunMainFrame(CMainFrameDlg& dialog) = 0;
    virtual void BringToForeground(WindowHandle window) = 0;
};

class CQV9App {
public:
    CQV9App(SMainFramePorts ports, IAppHost& host) : m_Ports(ports), m_Host(host) {}

    // The whole life of the process; arguments is the command line after the
    // program's name. Always false: the process ends when it returns.
    bool InitInstance(const std::wstring& arguments);

private:
    SMainFramePorts m_Ports;
    IAppHost& m_Host;
};

} // namespace vardex
