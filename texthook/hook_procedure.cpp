// SetHook runs in Gleam4's process; GetMsgProc runs in the browser's, on its
// user-interface thread, for every message that thread takes from its queue.
#include "texthook/import_patch.h"
#include "texthook/tapx32.h"

namespace {

HINSTANCE g_instance = nullptr;

// After the replacement, the text already on the screen was drawn by the
// genuine call: have the window and its children drawn again at once.
void RepaintNow(HWND window) {
  if (window) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// A WM_NULL command from Gleam4; false when the wParam is none of them.
bool RunCommand(const MSG& msg) {
  switch (msg.wParam) {
    case tapx::kEcho:
      PostMessageA(SharedData.notifyWindow, WM_COMMAND, tapx::kReport, msg.lParam);
      return true;
    case tapx::kInstall:
      tapx::InstallReplacement();
      RepaintNow(msg.hwnd);
      return true;
    case tapx::kRestore:
      tapx::RestoreReplacement();
      return true;
    default:
      return false;
  }
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_instance = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

HHOOK WINAPI SetHook(HWND notifyWindow, HWND targetWindow, DWORD language) {
  SharedData.notifyWindow = notifyWindow;
  SharedData.targetWindow = targetWindow;
  SharedData.systemLanguage = language;
  // A window that is gone has no thread, and thread 0 would hook every
  // thread of the desktop.
  const DWORD thread = GetWindowThreadProcessId(targetWindow, nullptr);
  SharedData.hook = thread ? SetWindowsHookExA(WH_GETMESSAGE, GetMsgProc, g_instance, thread) : nullptr;
  return SharedData.hook;
}

LRESULT CALLBACK GetMsgProc(int code, WPARAM wParam, LPARAM lParam) {
  // Only messages taken from the queue: a message that is only peeked at
  // comes by again when it is taken, and a command must run once.
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
    if (msg.message == WM_NULL && RunCommand(msg)) return 0;
    if (msg.message == WM_CLOSE && msg.hwnd && msg.hwnd == SharedData.targetWindow) {
      tapx::RestoreReplacement();
      PostMessageA(SharedData.notifyWindow, WM_COMMAND, tapx::kReport, tapx::kBrowserClosing);
      return 0;
    }
  }
  return CallNextHookEx(SharedData.hook, code, wParam, lParam);
}
