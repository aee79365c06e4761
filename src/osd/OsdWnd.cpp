#include "osd/OsdWnd.h"

#include "osd/OsdImages.h"

#include <algorithm>

namespace vardex {

SOsdLevelValues g_OsdLevelValues;

using osd::EMode;

namespace {

// Draws image onto target at (left, top), inside the target's bounds.
void Draw(SImage& target, const SImage& image, int left, int top)
{
    for (int y = 0; y < image.height; ++y) {
        const int ty = top + y;
        if (ty < 0 || ty >= target.height)
            continue;
        for (int x = 0; x < image.width; ++x) {
            const int tx = left + x;
            if (tx >= 0 && tx < target.width)
                target.pixels[static_cast<std::size_t>(ty) * target.width + tx] =
                    image.pixels[static_cast<std::size_t>(y) * image.width + x];
        }
    }
}

bool IsWhole(const SImage& image)
{
    return image.width > 0 && image.height > 0 &&
           image.pixels.size() == static_cast<std::size_t>(image.width) * image.height;
}

} // namespace

void COsdWnd::OnCreate(WindowHandle window)
{
    m_Window = window;
    m_Ports.published.Publish(handles::kDisplay, window);
    m_ModuleKnown = true;
    m_Ports.surface.SetAlpha(osd::kAlpha);
    m_Ports.surface.Show();
    m_Ports.surface.Hide();
}

void COsdWnd::OnDestroy()
{
    m_Ports.published.Clear(handles::kDisplay);
    m_Ports.windows.StopTimer(m_Window, osd::kHideTimer);
    m_Ports.windows.StopTimer(m_Window, osd::kReshowTimer);
}

int COsdWnd::OnDisplayMessage(std::uintptr_t wParam, std::intptr_t lParam)
{
    switch (wParam) {
    case wnd::kDisplayStatus:
        OnStatus(static_cast<std::uint32_t>(lParam));
        return 1;
    case wnd::kDisplayExtraButton:
        if (lParam == 3 || lParam == 4) {
            m_Mode = EMode::kExtraButton;
            m_ButtonEvent = static_cast<int>(lParam);
            if (PrepareImage())
                RequestDisplay(true);
        }
        return 1;
    case wnd::kDisplayProfile:
        m_Profile = static_cast<int>(lParam);
        return 1;
    case wnd::kDisplayRelease:
        return 1;
    case wnd::kDisplayEnable:
        m_Enabled = lParam != 0;
        return 1;
    default:
        return 0;
    }
}

void COsdWnd::OnStatus(std::uint32_t word)
{
    const int profile = SStatusWord::Profile(word);
    const int level = SStatusWord::Level(word);
    if (SStatusWord::IsProfileChange(word)) {
        m_Mode = EMode::kProfile;
        m_Profile = profile;
    } else {
        if (profile <= 4)
            m_Profile = profile;
        m_Mode = EMode::kLevelPanel;
    }
    m_Level = level;
    m_Values.y[level] = SStatusWord::YCode(word);
    m_Values.x[level] = SStatusWord::XCode(word);
    if (PrepareImage())
        RequestDisplay(true);
}

bool COsdWnd::PrepareImage()
{
    if (!m_ModuleKnown)
        return false;
    int background = 0;
    const bool profileValid = m_Profile >= 0 && m_Profile <= 4;
    switch (m_Mode) {
    case EMode::kProfile:
        if (!profileValid)
            return false;
        background = osd::kProfileImage + m_Profile;
        break;
    case EMode::kExtraButton:
        if (m_ButtonEvent != 3 && m_ButtonEvent != 4)
            return false;
        background = m_ButtonEvent == 3 ? osd::kBackButton : osd::kForwardButton;
        break;
    case EMode::kLevelPanel:
        if (!profileValid || m_Level < 0 || m_Level > 3)
            return false;
        background = osd::kLevelPanel + m_Level;
        break;
    default:
        return false;
    }
    SImage image;
    if (!m_Ports.images.Load(background, image) || !IsWhole(image))
        return true; // shown again with the image, shape and place it had
    m_Background = background;
    m_Digits.fill(0);
    if (m_Mode == EMode::kLevelPanel) {
        const auto upper = osd::DigitImages(osd::NumberForRawCode(m_Values.x[m_Level]));
        const auto lower = osd::DigitImages(osd::NumberForRawCode(m_Values.y[m_Level]));
        std::copy(upper.begin(), upper.end(), m_Digits.begin());
        std::copy(lower.begin(), lower.end(), m_Digits.begin() + osd::kDigitCount);
    }
    Compose(std::move(image));
    return true;
}

void COsdWnd::Compose(SImage background)
{
    m_Composed = std::move(background);
    for (int row = 0; row < 2 && m_Mode == EMode::kLevelPanel; ++row) {
        int left = osd::kDigitsLeft;
        for (int i = 0; i < osd::kDigitCount; ++i) {
            SImage digit;
            const int id = m_Digits[row * osd::kDigitCount + i];
            if (!m_Ports.images.Load(id, digit) || !IsWhole(digit))
                continue;
            Draw(m_Composed, digit, left, row == 0 ? osd::kUpperRowTop : osd::kLowerRowTop);
            left += digit.width;
        }
    }
    const int width = m_Composed.width;
    const int height = m_Composed.height;
    m_Ports.surface.SetShape(ShapeFromBitmap({width, height, m_Composed.pixels}, osd::kKeyColour));
    m_Ports.surface.Invalidate();
    m_Ports.surface.Move((m_Ports.surface.ScreenWidth() - width) / 2,
                         m_Ports.surface.ScreenHeight() - height - osd::kBottomMargin, width, height);
}

void COsdWnd::RequestDisplay(bool show)
{
    const bool effective = show && m_Enabled;
    m_Ports.windows.StopTimer(m_Window, osd::kHideTimer);
    m_Ports.windows.StopTimer(m_Window, osd::kReshowTimer);
    if (effective && m_Shown) {
        // Shown already: drawn anew after a short pause, and the three seconds restart.
        m_Ports.surface.Invalidate();
        m_Shown = false;
        m_Ports.windows.StartTimer(m_Window, osd::kReshowTimer, osd::kReshowMs);
    } else if (effective) {
        m_Ports.surface.Show();
        m_Shown = true;
        m_CursorInside = m_Ports.surface.CursorInside();
        m_Ports.windows.StartTimer(m_Window, osd::kHideTimer, osd::kShowMs);
    } else {
        m_Ports.surface.Hide();
        m_Shown = false;
    }
}

void COsdWnd::OnTimer(unsigned id)
{
    if (id == osd::kHideTimer)
        RequestDisplay(false);
    else if (id == osd::kReshowTimer)
        RequestDisplay(true);
}

std::intptr_t COsdWnd::OnNcHitTest()
{
    if (!m_CursorInside)
        RequestDisplay(false);
    return osd::kHitClient;
}

} // namespace vardex
