// Where the skin puts things: the sizes of the views and the pixel rectangles of the
// controls the backgrounds are drawn around. The skin generator draws from it and the
// windows place their controls by it, so both always agree.
#pragma once

namespace vardex::layout {

struct SBox {
    int id;
    int x, y, w, h;
};

// Views.
inline constexpr int kSmallWidth = 369, kSmallHeight = 81;
inline constexpr int kPageWidth = 801, kPageHeight = 581;
inline constexpr int kCaptionRows = 145; // rows 0 to 144 of the page drag the window

// Backgrounds of the views.
inline constexpr int kNoMouseBitmap = 121;
inline constexpr int kUnusedModeBitmap = 122; // mode 1 never shows
inline constexpr int kLoadingBitmap = 123;
inline constexpr int kPageBitmap = 124;

// Controls of the small views.
inline constexpr SBox kSmallExit = {1005, 337, 8, 24, 24};
inline constexpr SBox kLoadingBar = {1004, 24, 52, 321, 14};

// Controls of the main page.
inline constexpr SBox kPageMinimise = {1001, 705, 14, 24, 24};
inline constexpr SBox kPageHide = {1002, 733, 14, 24, 24};
inline constexpr SBox kPageExit = {1005, 761, 14, 24, 24};
inline constexpr SBox kProfileButtons[5] = {
    {1200, 250, 100, 96, 30}, {1201, 352, 100, 96, 30}, {1202, 454, 100, 96, 30},
    {1203, 556, 100, 96, 30}, {1204, 658, 100, 96, 30},
};
// Page button panels: five on the left of the mouse picture, four on the right.
inline constexpr int kPanelWidth = 220, kPanelHeight = 34;
constexpr SBox PanelLabel(int u)
{
    return u < 5 ? SBox{1729 + u, 30, 172 + 50 * u, kPanelWidth, kPanelHeight}
                 : SBox{1729 + u, 551, 172 + 50 * (u - 5), kPanelWidth, kPanelHeight};
}
inline constexpr SBox kMousePicture = {1039, 280, 165, 240, 290};
inline constexpr SBox kStopwatchPanel = {0, 539, 462, 220, 52};
inline constexpr SBox kStopwatchText = {0, 539, 468, 150, 40}; // (539, 468) to (689, 508)
inline constexpr SBox kStopwatchButtons[3] = {
    {1021, 700, 467, 24, 24}, {1022, 728, 467, 24, 24}, {1023, 700, 493, 52, 16},
};
inline constexpr SBox kCommandButtons[9] = {
    {1006, 30, 534, 78, 28},  {1010, 114, 534, 78, 28}, {1011, 198, 534, 78, 28},
    {1024, 282, 534, 100, 28}, {1009, 388, 534, 78, 28}, {1012, 472, 534, 78, 28},
    {1008, 556, 534, 62, 28},  {1003, 624, 534, 62, 28}, {1007, 692, 534, 78, 28},
};

// CSkinDlg.
inline constexpr int kSkinWidth = 340, kSkinHeight = 130;
inline constexpr int kRepeatHeight = 150; // the repeat chooser has a row of options more
inline constexpr int kSkinButtonWidth = 40, kSkinButtonHeight = 20;
inline constexpr SBox kSkinText = {999, 20, 44, 300, 44};
inline constexpr SBox kSkinProgress = {1004, 9, 70, 321, 14};
inline constexpr SBox kSkinOptions[3] = {{1084, 30, 70, 90, 30}, {1085, 125, 70, 90, 30}, {1086, 220, 70, 90, 30}};

// Button image strips (four states side by side: normal, hover, pressed, disabled).
namespace strip {
inline constexpr int kYes = 500, kNo = 501, kOk = 502;
inline constexpr int kClose = 510, kMinimise = 511, kHide = 512;
inline constexpr int kProfileFirst = 520; // 520 to 524
inline constexpr int kCommandFirst = 530; // in the order of kCommandButtons
inline constexpr int kStopwatchFirst = 540; // start, pause, reset
inline constexpr int kOptionFirst = 550;   // 550 to 552; selected images 553 to 555
inline constexpr int kStates = 4;
} // namespace strip

inline constexpr int kListPattern = 404;
inline constexpr int kIcon = 800;

} // namespace vardex::layout
