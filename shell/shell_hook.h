#pragma once
// WbShell.dll, the shell library Gleam4 relies on while no browser window is
// open: after SetShellHook(window), every new top-level browser window
// ("IEFrame", or "CabinetWClass" for the shell's folder windows, which are
// the same browser) is reported to that window as WM_COMMAND with wParam 5
// and the new window's handle in lParam. UnShellHook() stops the reports.

#include <windows.h>

#ifdef WBSHELL_BUILDING
#define WBSHELL_API extern "C" __declspec(dllexport)
#else
#define WBSHELL_API extern "C" __declspec(dllimport)
#endif

namespace wbshell {
inline constexpr WPARAM kNewWindow = 5;
}

// Starts the reports to `window` (replacing an earlier one); false when the
// system refuses the event hook.
WBSHELL_API BOOL WINAPI SetShellHook(HWND window);
WBSHELL_API BOOL WINAPI UnShellHook();
