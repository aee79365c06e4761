#include "hook/HookLibrary.h"

namespace vardex {

CHook* g_pHook = nullptr;
std::int16_t s_LastWheelDelta = 0;

int HookLibraryEntry(void* module, EEntryReason reason, HookFactory create)
{
    switch (reason) {
    case EEntryReason::kProcessAttach:
        if (g_pHook == nullptr)
            g_pHook = create(module);
        ++CHook::m_HookCnt;
        break;
    case EEntryReason::kProcessDetach:
        if (g_pHook != nullptr && --CHook::m_HookCnt == 0) {
            delete g_pHook;
            g_pHook = nullptr;
        }
        break;
    default:
        break;
    }
    return 1;
}

std::intptr_t ExportedMouseProc(IHookSystem& system, int code, std::uintptr_t wParam, std::intptr_t lParam)
{
    return g_pHook != nullptr ? g_pHook->MouseProc(code, wParam, lParam) : system.CallNextHook(0, code, wParam, lParam);
}

std::intptr_t ExportedLLMouseProc(IHookSystem& system, int code, std::uintptr_t wParam, std::intptr_t lParam)
{
    return g_pHook != nullptr ? g_pHook->LLMouseProc(code, wParam, lParam)
                              : system.CallNextHook(0, code, wParam, lParam);
}

void ExportedLinkNextHook(HookHandle lowLevelHook, HookHandle mouseHook)
{
    if (g_pHook != nullptr)
        g_pHook->LinkNextHook(lowLevelHook, mouseHook);
}

void ExportedUnLinkHook()
{
    if (g_pHook != nullptr)
        g_pHook->UnLinkHook();
}

} // namespace vardex
