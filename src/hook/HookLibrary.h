// The hook library's entry point and plain exports: one CHook per process that maps
// the library, counted by process attaches, and the hook procedures the system calls.
#pragma once

#include "hook/Hook.h"

namespace vardex {

// Per process: the one CHook, null when there is none.
extern CHook* g_pHook;

enum class EEntryReason : unsigned { kProcessDetach = 0, kProcessAttach = 1, kThreadAttach = 2, kThreadDetach = 3 };

// Makes the process's CHook; null when it cannot be allocated.
using HookFactory = CHook* (*)(void* module);

// The library entry point; always reports success.
int HookLibraryEntry(void* module, EEntryReason reason, HookFactory create);

// "_MouseProc@12", "_LLMouseProc@12", "LinkNextHook", "UnLinkHook". Without a CHook
// the procedures pass every event on with an empty hook handle.
std::intptr_t ExportedMouseProc(IHookSystem& system, int code, std::uintptr_t wParam, std::intptr_t lParam);
std::intptr_t ExportedLLMouseProc(IHookSystem& system, int code, std::uintptr_t wParam, std::intptr_t lParam);
void ExportedLinkNextHook(HookHandle lowLevelHook, HookHandle mouseHook);
void ExportedUnLinkHook();

} // namespace vardex
