// The reports come from an out-of-context window-event hook on window
// creation rather than a WH_SHELL hook: a shell hook is global, so the system
// would load this library into every program on the desktop, while the
// event hook loads nothing anywhere and delivers each event on the calling
// thread through its message loop, where Gleam4 wants it anyway.
#include "shell/shell_hook.h"

namespace {

// Ordinary per-process data: the reports go to one window of this process.
HWND g_window = nullptr;
HWINEVENTHOOK g_hook = nullptr;

bool IsBrowserFrame(HWND window) {
  if (GetAncestor(window, GA_PARENT) != GetDesktopWindow()) return false;
  char name[32];
  if (!GetClassNameA(window, name, sizeof name)) return false;
  return lstrcmpA(name, "IEFrame") == 0 || lstrcmpA(name, "CabinetWClass") == 0;
}

void CALLBACK OnWindowEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (event != EVENT_OBJECT_CREATE || object != OBJID_WINDOW || child != CHILDID_SELF || !g_window) return;
  if (window && IsBrowserFrame(window))
    PostMessageA(g_window, WM_COMMAND, wbshell::kNewWindow, reinterpret_cast<LPARAM>(window));
}

}  // namespace

BOOL WINAPI SetShellHook(HWND window) {
  UnShellHook();
  g_hook = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr, OnWindowEvent, 0, 0,
                           WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
  g_window = g_hook ? window : nullptr;
  return g_hook != nullptr;
}

BOOL WINAPI UnShellHook() {
  g_window = nullptr;
  if (!g_hook) return FALSE;
  UnhookWinEvent(g_hook);
  g_hook = nullptr;
  return TRUE;
}
