// Vardex.exe end to end: started with emulated mice, driven by its windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr wchar_t kKey[] = L"Software\\Vardex";

std::wstring ProgramPath()
{
    std::string unix = VARDEX_PROGRAM;
    std::wstring path = L"Z:";
    for (char c : unix)
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

DWORD ProcessHandleValue(bool& present)
{
    DWORD value = 0, size = sizeof value;
    present = RegGetValueW(HKEY_CURRENT_USER, kKey, L"Process Handle", RRF_RT_REG_DWORD, nullptr, &value, &size) ==
              ERROR_SUCCESS;
    return value;
}

void DeleteProcessHandle()
{
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, L"Process Handle");
        RegCloseKey(key);
    }
}

class CProgram {
public:
    explicit CProgram(const wchar_t* emulation)
    {
        SetEnvironmentVariableW(L"VARDEX_EMULATION", emulation);
        std::wstring line = L"\"" + ProgramPath() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_Info);
    }
    ~CProgram()
    {
        if (!started)
            return;
        if (WaitForSingleObject(m_Info.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(m_Info.hProcess, 1);
        CloseHandle(m_Info.hThread);
        CloseHandle(m_Info.hProcess);
    }
    bool Ended(DWORD ms) { return WaitForSingleObject(m_Info.hProcess, ms) == WAIT_OBJECT_0; }

    bool started = false;

private:
    PROCESS_INFORMATION m_Info{};
};

// The published main window once it shows a view of w x h pixels; null on time-out.
HWND WaitForView(int w, int h, int ms)
{
    for (int waited = 0; waited < ms; waited += 50, Sleep(50)) {
        bool present = false;
        HWND window = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(ProcessHandleValue(present)));
        RECT r{};
        if (present && IsWindow(window) && IsWindowVisible(window) && GetWindowRect(window, &r) &&
            r.right - r.left == w && r.bottom - r.top == h)
            return window;
    }
    return nullptr;
}

TEST(VardexProgramTest, ConnectsLoadsShowsThePageAndExitsLeavingNoHandle)
{
    DeleteProcessHandle();
    CProgram program(L"1503");
    ASSERT_TRUE(program.started);
    HWND main = WaitForView(801, 581, 60000);
    ASSERT_NE(main, nullptr) << "the main page never showed";
    wchar_t name[64] = {};
    GetClassNameW(main, name, 64);
    EXPECT_STREQ(name, L"#32770");
    // The page's controls show right after the view changes size.
    HWND label = GetDlgItem(main, 1729);
    for (int waited = 0; waited < 5000 && !IsWindowVisible(label); waited += 50)
        Sleep(50);
    EXPECT_TRUE(label && IsWindowVisible(label));

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.Ended(10000));
    bool present = true;
    ProcessHandleValue(present);
    EXPECT_FALSE(present);
}

TEST(VardexProgramTest, ASecondStartWithoutAPublishedWindowSaysTooManyInstances)
{
    DeleteProcessHandle();
    CProgram first(L"1505"); // no mouse of ours: the no-mouse view
    ASSERT_TRUE(first.started);
    HWND main = WaitForView(369, 81, 30000);
    ASSERT_NE(main, nullptr);
    DeleteProcessHandle();

    CProgram second(L"1503");
    ASSERT_TRUE(second.started);
    HWND box = nullptr;
    for (int waited = 0; !box && waited < 20000; waited += 50, Sleep(50))
        box = FindWindowW(L"#32770", L"Novaro Arena VARDEX MESSAGE");
    ASSERT_NE(box, nullptr) << "no message box";
    wchar_t text[128] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 128);
    EXPECT_STREQ(text, L"TOO MANY INSTANCES!");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(second.Ended(10000));
    EXPECT_TRUE(IsWindow(main)) << "the first instance must live on";

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(first.Ended(10000));
}

} // namespace
