// vardex-probe: finds the mouse and shows its active profile. With VARDEX_EMULATION
// set it talks to emulated mice; otherwise to the real HID services (Windows).
//   vardex-probe [--select N]
#include "Probe.h"

#include "platform/SystemClock.h"
#include "platform/emu/EmulatedHidSystem.h"
#include "platform/emu/Emulation.h"

#ifdef _WIN32
#include "platform/win32/Win32HidSystem.h"
#include "platform/win32/Win32MessageBox.h"
#endif

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

namespace vardex {
namespace {

// Boxes become lines on the error stream where there is no desktop to show them.
class CConsoleMessageBox final : public IMessageBox {
public:
    int Show(WindowHandle, const std::wstring& text, const std::wstring& caption, unsigned) override
    {
        std::cerr << Narrow(caption.c_str()) << ": " << Narrow(text.c_str()) << "\n";
        return box::kResultOk;
    }
};

int AskForMouse(int count, int preset)
{
    if (preset >= 0)
        return preset;
    std::cout << "Select a mouse [0-" << count - 1 << "]: " << std::flush;
    std::string line;
    if (!std::getline(std::cin, line) || line.empty() || line.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::atoi(line.c_str());
}

int Run(int argc, char** argv)
{
    int preset = -1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--select") == 0 && i + 1 < argc) {
            preset = std::atoi(argv[++i]);
        } else {
            std::cerr << "usage: vardex-probe [--select N]\n";
            return 64;
        }
    }

    CSystemClock clock;
    CConsoleMessageBox console;
    std::unique_ptr<IHidSystem> hid;
    const char* emulation = std::getenv(kEmulationVariable);
    if (emulation && *emulation) {
        std::vector<SEmulatedMouseConfig> mice;
        std::string error;
        if (!ParseEmulation(emulation, mice, error)) {
            std::cerr << error << "\n";
            return 64;
        }
        auto emulated = std::make_unique<CEmulatedHidSystem>(clock);
        for (const SEmulatedMouseConfig& config : mice)
            emulated->AddMouse(config);
        std::cout << "Emulated mice attached: " << mice.size() << "\n";
        hid = std::move(emulated);
    } else {
#ifdef _WIN32
        hid = std::make_unique<CWin32HidSystem>();
#else
        std::cerr << "No HID transport on this system yet; set " << kEmulationVariable
                  << " (for example 1503) to use the emulated mouse.\n";
        return 64;
#endif
    }

    CHidClient devices(*hid, console);
    CIcKX22 protocol(*hid, clock);
    return ProbeMouse(devices, protocol, [preset](int count) { return AskForMouse(count, preset); }, std::cout);
}

} // namespace
} // namespace vardex

int main(int argc, char** argv)
{
    return vardex::Run(argc, argv);
}
