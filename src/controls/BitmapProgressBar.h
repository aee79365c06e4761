// CBitmapProgressBar: shows a transfer's progress as one of ten frame bitmaps, frame 0
// at the start and frame 9 at the end. This class decides which frame shows; its
// window draws the frame's bitmap with pure green as the transparent colour.
#pragma once

#include <array>

namespace vardex {

class CBitmapProgressBar {
public:
    static constexpr int kFrames = 10;

    // Takes the ten frame bitmaps; the control is hidden at frame 0.
    int Setup(const int* frameIds);
    void SetRange(int total);
    // True when another frame is to be shown.
    bool SetPos(int position);

    int CurrentFrame() const { return m_CurrentFrame; }
    int CurrentFrameId() const { return m_FrameIds[m_CurrentFrame]; }
    bool Shown() const { return m_Shown; }
    int Ratio() const { return m_Ratio; }

private:
    std::array<int, kFrames> m_FrameIds{};
    int m_FrameCount = 25;
    int m_Total = 25;
    int m_Ratio = 1;
    int m_CurrentFrame = 0;
    bool m_Shown = false;
};

} // namespace vardex
