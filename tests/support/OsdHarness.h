// A display window with every port it needs, in virtual time: the stand-ins the
// display's tests and benchmarks share.
#pragma once

#include "app/WindowRegistry.h"
#include "osd/OsdWnd.h"
#include "platform/emu/GeneratedSkin.h"
#include "platform/emu/MemoryRegistry.h"
#include "platform/emu/RecordingOsdSurface.h"
#include "platform/emu/VirtualWindowRuntime.h"

namespace vardex::test {

struct SOsdHarness {
    CVirtualClock clock;
    CVirtualWindowRuntime windows{clock};
    CMemoryRegistry registry;
    CSettingsKey settings{registry};
    CWindowRegistry published{settings, windows};
    CRecordingOsdSurface surface;
    CGeneratedSkin skin;
    SOsdLevelValues values;
    COsdWnd osd{SOsdPorts{surface, skin, windows, published}, values};
};

} // namespace vardex::test
