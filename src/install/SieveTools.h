// The work of the install and removal tools: bind to the registration library by
// name, call its export, and show a message box only when the library cannot be
// used or reports a lack of memory; then place or remove the driver file.
#pragma once

#include "platform/LibraryLoader.h"
#include "platform/MessageBox.h"
#include "platform/SystemFiles.h"
#include "platform/Wow64.h"

namespace vardex {

inline constexpr const char* kRegistrationLibrary = "Qv9SieveReg.dll";

// A message box: text, then caption.
struct SToolMessage {
    const char* text;
    const char* caption;
};

struct SToolTexts {
    const char* routine; // the export to call
    SToolMessage noLibrary;
    SToolMessage noRoutine;
    SToolMessage noMemory; // the routine returned 8
};

extern const SToolTexts kSieveMountTexts;
extern const SToolTexts kSieveUnmountTexts;

struct SToolPorts {
    ILibraryLoader& loader;
    IMessageBox& messageBox;
    ISystemFiles& files;
    IWow64& wow64;
};

// Calls the tool's export; whatever it returns, only the lack of memory is shown.
void CallRegistration(const SToolTexts& texts, ILibraryLoader& loader, IMessageBox& messageBox);

void RunSieveMount(const SToolPorts& ports);
void RunSieveUnmount(const SToolPorts& ports);

} // namespace vardex
