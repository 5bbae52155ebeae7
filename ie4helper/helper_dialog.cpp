#include "ie4helper/helper_dialog.h"

#include "ie4helper/resource.h"
#include "ie4helper/system_language.h"
#include "shell/shell_hook.h"
#include "texthook/tapx32.h"

namespace gleam4 {
namespace {

constexpr BYTE kWaitingForShell = 6;
constexpr UINT_PTR kTimer = 1;
constexpr UINT kTimerMs = 100;
// How long a closing browser window may take to go before Gleam4 looks for
// browser windows again (the one still there, if its closing was cancelled).
constexpr DWORD kCloseWaitMs = 10000;
// How long Gleam4, when it ends, gives the browser to undo the replacement.
constexpr DWORD kRestoreWaitMs = 2000;

const wchar_t kNoRendererMessage[] = L"不能装载某些动态链接库，请与开发者联系。";

bool Elapsed(DWORD since, DWORD ms) { return GetTickCount() - since >= ms; }

// The browser's main window: Internet Explorer's own frame, or the shell's
// folder window, which is the same browser.
HWND FindBrowserWindow() {
  HWND window = FindWindowA("IEFrame", nullptr);
  return window ? window : FindWindowA("CabinetWClass", nullptr);
}

// What Gleam4 does, for a debugger or Wine's +debugstr channel: the program
// has no window to show it in.
void Trace(const char* what, HWND window = nullptr) {
  char line[128];
  wsprintfA(line, "Gleam4: %s %p at %lu\n", what, static_cast<void*>(window), GetTickCount());
  OutputDebugStringA(line);
}

}  // namespace

HWND HelperDialog::Create(HINSTANCE instance) {
  auto* dialog = new HelperDialog;
  HWND window = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_GLEAM4), nullptr, Procedure,
                                   reinterpret_cast<LPARAM>(dialog));
  if (!window) delete dialog;
  return window;
}

INT_PTR CALLBACK HelperDialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<HelperDialog*>(lParam);
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    dialog->window_ = window;
    dialog->OnInit();
    return TRUE;
  }
  auto* dialog = reinterpret_cast<HelperDialog*>(GetWindowLongPtrA(window, DWLP_USER));
  if (!dialog) return FALSE;
  switch (message) {
    case WM_COMMAND:
      return dialog->OnCommand(wParam, lParam);
    case WM_TIMER:
      if (wParam == kTimer) dialog->OnTimer();
      return TRUE;
    case WM_CLOSE:
      dialog->OnClose();
      return TRUE;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window, DWLP_USER, 0);
      delete dialog;
      return FALSE;
    default:
      return FALSE;
  }
}

void HelperDialog::OnInit() {
  icon_ = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_GLEAM4));
  SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  const auto language = GetSystemLanguage();
  if (!language) {
    MessageBoxA(window_, "can't get system version", "Gleam4", MB_OK | MB_ICONERROR);
    PostMessageA(window_, WM_CLOSE, 0, 0);
    return;
  }
  SystemLanguage = *language;
  SetWindowTextA(window_, kTitle);
  SetTimer(window_, kTimer, kTimerMs, nullptr);
  PostMessageA(window_, WM_COMMAND, tapx::kReport, tapx::kBrowserClosing);  // the first search
}

bool HelperDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (closing_) return wParam == tapx::kReport || wParam == wbshell::kNewWindow;
  if (wParam == tapx::kReport) {
    switch (lParam) {
      case tapx::kBrowserClosing:
        BeginWaitForClose();
        break;
      case tapx::kNoRenderer:
        MessageBoxW(window_, kNoRendererMessage, L"Gleam4", MB_OK | MB_ICONERROR);
        break;
      case tapx::kFoundBySearch:
      case tapx::kFoundByShell:
        Trace("hook answered: installing", BrowserWindow);
        PostMessageA(BrowserWindow, WM_NULL, tapx::kInstall, lParam);
        break;
      default:
        break;
    }
    return true;
  }
  if (wParam == wbshell::kNewWindow) {
    OnShellReport(reinterpret_cast<HWND>(lParam));
    return true;
  }
  return false;
}

void HelperDialog::FindAndHookBrowser() {
  BrowserWindow = FindBrowserWindow();
  if (BrowserWindow && IsWindow(BrowserWindow)) {
    HookBrowser(BrowserWindow, tapx::kFoundBySearch);
  } else if (HookState != kWaitingForShell) {
    BrowserWindow = nullptr;
    SetShellHook(window_);
    HookState = kWaitingForShell;
    Trace("no browser window: waiting for the shell library");
    // A window opened after the search but before the shell library's hook
    // would be reported by neither: one more look, handled as a report.
    if (HWND late = FindBrowserWindow())
      PostMessageA(window_, WM_COMMAND, wbshell::kNewWindow, reinterpret_cast<LPARAM>(late));
  }
}

void HelperDialog::HookBrowser(HWND browser, LPARAM how) {
  Trace(how == tapx::kFoundByShell ? "hooking the reported window" : "hooking the window found", browser);
  if (HookState == kWaitingForShell) UnShellHook();
  SetHook(window_, browser, SystemLanguage);
  HookState = 0;
  PostMessageA(browser, WM_NULL, tapx::kEcho, how);
}

void HelperDialog::OnShellReport(HWND browser) {
  // Reports already queued when the first one was taken: one browser at a
  // time, or the first browser's hook would be lost behind the second's.
  Trace("shell library reports", browser);
  if (HookState != kWaitingForShell) return;
  BrowserWindow = browser;
  if (!IsWindow(browser)) {
    BrowserWindow = nullptr;
    return;
  }
  HookBrowser(browser, tapx::kFoundByShell);
}

// The closing browser window may take a while to go (or its closing may be
// cancelled): the timer looks at it while messages keep flowing, and gives
// up after kCloseWaitMs.
void HelperDialog::BeginWaitForClose() {
  Trace("browser window closing", BrowserWindow);
  if (!BrowserWindow || !IsWindow(BrowserWindow)) {
    FinishWaitForClose();
    return;
  }
  waitingForClose_ = true;
  waitStarted_ = GetTickCount();
}

// HookState is left as it is: after a hooked browser it is 0 already, and a
// search asked for while Gleam4 waits for the shell library keeps that wait,
// whose hook is installed once.
void HelperDialog::FinishWaitForClose() {
  waitingForClose_ = false;
  BrowserWindow = nullptr;
  FindAndHookBrowser();
}

void HelperDialog::OnTimer() {
  if (closing_) return;
  if (waitingForClose_) {
    if (IsWindow(BrowserWindow) && !Elapsed(waitStarted_, kCloseWaitMs)) return;
    Trace(IsWindow(BrowserWindow) ? "the closing window is still there: searching anyway" : "the closing window has gone",
          BrowserWindow);
    FinishWaitForClose();
    return;
  }
  // The hook sees a close only when it is posted to the browser's queue; a
  // window closed from its close box is sent its WM_CLOSE and just goes.
  // Then the hook (if still there) is removed here, and the search starts
  // over as if the hook had reported the close.
  if (BrowserWindow && !IsWindow(BrowserWindow)) {
    Trace("the browser window went without a report", BrowserWindow);
    if (SharedData.hook) UnhookWindowsHookEx(SharedData.hook);
    SharedData.hook = nullptr;
    BeginWaitForClose();
  }
}

void HelperDialog::OnClose() {
  if (closing_) return;
  closing_ = true;
  KillTimer(window_, kTimer);
  if (HookState == kWaitingForShell) UnShellHook();
  if (BrowserWindow) {
    PostMessageA(BrowserWindow, WM_NULL, tapx::kRestore, 0);
    WaitForHookToGo();
  }
  DestroyWindow(window_);
  // A thread message: the window it would go to no longer exists.
  PostQuitMessage(0);
}

// The hook belongs to this program's thread and goes with it: the browser
// must take the restore command before this program ends, or it keeps the
// replacement. The hook clears its handle once it has removed itself.
void HelperDialog::WaitForHookToGo() {
  const DWORD start = GetTickCount();
  while (SharedData.hook && IsWindow(BrowserWindow) && !Elapsed(start, kRestoreWaitMs)) Sleep(20);
}

}  // namespace gleam4
