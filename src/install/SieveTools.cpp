#include "install/SieveTools.h"

#include "install/DriverFiles.h"

#include <string>

namespace vardex {

const SToolTexts kSieveMountTexts{
    "Install",
    {"Qv8Sieve Load Library Failure", "Qv9Sieve Failure"},
    {"Qv8Sieve Install Failure", "Qv9Sieve Failure"},
    {"E100: No Memory", "Qv9Sieve.sys Failure"},
};

const SToolTexts kSieveUnmountTexts{
    "Uninstall",
    {"Qv8Sieve Load Library Failure", "Qv8Sieve Failure"},
    {"E300: Qv8Sieve UnInstall Failure", "Qv8Sieve Failure"},
    {"E100: No Memory", "Qv8Sieve Failure"},
};

namespace {

constexpr int kNoMemory = 8;

void Show(IMessageBox& messageBox, const SToolMessage& message)
{
    const std::string text = message.text;
    const std::string caption = message.caption;
    messageBox.Show(0, std::wstring(text.begin(), text.end()),
                    std::wstring(caption.begin(), caption.end()), box::kOk);
}

} // namespace

void CallRegistration(const SToolTexts& texts, ILibraryLoader& loader, IMessageBox& messageBox)
{
    // The library stays loaded until the process ends.
    const LibraryHandle library = loader.Load(kRegistrationLibrary);
    if (library == 0)
        return Show(messageBox, texts.noLibrary);
    const ExportedRoutine routine = loader.FindExport(library, texts.routine);
    if (routine == nullptr)
        return Show(messageBox, texts.noRoutine);
    if (routine() == kNoMemory)
        Show(messageBox, texts.noMemory);
}

void RunSieveMount(const SToolPorts& ports)
{
    CallRegistration(kSieveMountTexts, ports.loader, ports.messageBox);
    PlaceDriver(ports.files, ports.wow64);
}

void RunSieveUnmount(const SToolPorts& ports)
{
    CallRegistration(kSieveUnmountTexts, ports.loader, ports.messageBox);
    RemoveDriver(ports.files, ports.wow64);
}

} // namespace vardex
