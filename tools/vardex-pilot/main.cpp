// vardex-pilot: drives a running Vardex.exe from outside by its published windows,
// for the screenshot tour of `make run` and for end-to-end checks.
//   vardex-pilot wait W H MS       the main window shows a W x H view (within MS ms)
//   vardex-pilot wait-dialog MS    the skinned dialog is open
//   vardex-pilot command ID        WM_COMMAND ID to the main window
//   vardex-pilot close [dialog]    WM_CLOSE to the main window (or the skinned dialog)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND Published(const wchar_t* value)
{
    DWORD handle = 0, size = sizeof handle;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Vardex", value, RRF_RT_REG_DWORD, nullptr, &handle, &size) !=
        ERROR_SUCCESS)
        return nullptr;
    HWND window = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(handle));
    return IsWindow(window) ? window : nullptr;
}

bool ShowsView(int w, int h)
{
    HWND window = Published(L"Process Handle");
    RECT r{};
    return window && IsWindowVisible(window) && GetWindowRect(window, &r) && r.right - r.left == w &&
           r.bottom - r.top == h;
}

template <typename Test>
int WaitFor(int ms, Test test)
{
    for (int waited = 0; waited <= ms; waited += 50) {
        if (test())
            return 0;
        Sleep(50);
    }
    std::fprintf(stderr, "vardex-pilot: timed out\n");
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 5 && std::strcmp(argv[1], "wait") == 0)
        return WaitFor(std::atoi(argv[4]), [&] { return ShowsView(std::atoi(argv[2]), std::atoi(argv[3])); });
    if (argc >= 3 && std::strcmp(argv[1], "wait-dialog") == 0)
        return WaitFor(std::atoi(argv[2]), [] { return Published(L"DIAGLOG Handle") != nullptr; });
    if (argc >= 3 && std::strcmp(argv[1], "command") == 0) {
        HWND main = Published(L"Process Handle");
        return main && PostMessageW(main, WM_COMMAND, std::atoi(argv[2]), 0) ? 0 : 1;
    }
    if (argc >= 2 && std::strcmp(argv[1], "close") == 0) {
        HWND window = Published(argc >= 3 ? L"DIAGLOG Handle" : L"Process Handle");
        return window && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    std::fprintf(stderr, "usage: vardex-pilot wait W H MS | wait-dialog MS | command ID | close [dialog]\n");
    return 64;
}
