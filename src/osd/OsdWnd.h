// COsdWnd: the on-screen display. Message 0x9100 tells it of a profile change, a
// sensitivity level with its X and Y codes, an extra-button press, the current
// profile or whether it is switched on; for each event to show it composes its image,
// shapes itself to it (RGB(64, 64, 64) is transparent), shows itself centred 50 pixels
// above the bottom of the screen for three seconds and hides again.
#pragma once

#include "app/WindowRegistry.h"
#include "controls/Shape.h"
#include "platform/OsdSurface.h"
#include "platform/SkinImages.h"
#include "platform/WindowRuntime.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vardex {

namespace osd {
inline constexpr unsigned kHideTimer = 4096;
inline constexpr unsigned kReshowTimer = 4097;
inline constexpr unsigned kShowMs = 3000;
inline constexpr unsigned kReshowMs = 10;
inline constexpr std::uint8_t kAlpha = 220;
inline constexpr int kBottomMargin = 50;
inline constexpr std::uint32_t kKeyColour = Rgb(64, 64, 64);
inline constexpr std::intptr_t kHitClient = 1; // HTCLIENT

enum class EMode { kNothing = -1, kProfile = 0, kExtraButton = 1, kLevelPanel = 2 };
} // namespace osd

// The last raw codes reported per level, in the library's shared data section.
struct SOsdLevelValues {
    std::int32_t y[4] = {};
    std::int32_t x[4] = {};
};
extern SOsdLevelValues g_OsdLevelValues;

struct SOsdPorts {
    IOsdSurface& surface;
    ISkinImages& images;
    IWindowRuntime& windows;
    CWindowRegistry& published;
};

class COsdWnd {
public:
    COsdWnd(const SOsdPorts& ports, SOsdLevelValues& values = g_OsdLevelValues) : m_Ports(ports), m_Values(values) {}

    // The window exists: publish it, make it semi-transparent, show and hide it once.
    void OnCreate(WindowHandle window);
    void OnDestroy();
    // Message 0x9100; 1 when the code is one the display handles.
    int OnDisplayMessage(std::uintptr_t wParam, std::intptr_t lParam);
    void OnTimer(unsigned id);
    // The pointer moved over the window.
    std::intptr_t OnNcHitTest();

    int Profile() const { return m_Profile; }
    int Level() const { return m_Level; }
    int ButtonEvent() const { return m_ButtonEvent; }
    osd::EMode Mode() const { return m_Mode; }
    bool Shown() const { return m_Shown; }
    bool Enabled() const { return m_Enabled; }
    bool CursorInside() const { return m_CursorInside; }
    // The composed image the window paints, and the background and digits it is made of.
    const SImage& Composed() const { return m_Composed; }
    int Background() const { return m_Background; }
    const std::array<int, 8>& Digits() const { return m_Digits; }

private:
    void OnStatus(std::uint32_t word);
    bool PrepareImage();
    void Compose(SImage background);
    void RequestDisplay(bool show);

    SOsdPorts m_Ports;
    SOsdLevelValues& m_Values;
    WindowHandle m_Window = 0;
    bool m_ModuleKnown = false;
    SImage m_Composed;
    int m_Background = 0;
    std::array<int, 8> m_Digits{}; // upper row, then lower row
    int m_Profile = 0;
    int m_Level = 0;
    int m_ButtonEvent = 0;
    osd::EMode m_Mode = osd::EMode::kNothing;
    bool m_Shown = false;
    bool m_CursorInside = false;
    bool m_Enabled = true;
};

} // namespace vardex
