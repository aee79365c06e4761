#include "HiddenWindowTool.h"

#include "ToolResources.h"

namespace vardex {

namespace {
constexpr int kMaxLoadString = 100;
} // namespace

int RunHiddenWindowTool(HINSTANCE instance, void (*work)())
{
    char title[kMaxLoadString] = {};
    char windowClass[kMaxLoadString] = {};
    LoadStringA(instance, IDS_APP_TITLE, title, kMaxLoadString);
    LoadStringA(instance, IDC_TOOL, windowClass, kMaxLoadString);

    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_TOOL));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszMenuName = MAKEINTRESOURCEA(IDC_TOOL);
    wc.lpszClassName = windowClass;
    wc.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(IDI_SMALL));
    RegisterClassExA(&wc);

    const HWND window = CreateWindowA(windowClass, title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                                      CW_USEDEFAULT, 0, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 0;
    ShowWindow(window, SW_HIDE);
    work();
    DestroyWindow(window);
    return 1;
}

} // namespace vardex
