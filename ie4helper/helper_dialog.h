#pragma once
// Gleam4's hidden dialog: finds the browser's main window, hooks its thread
// with Tapx32 and follows the browser's windows as they come and go.
//
// Searching -> (browser found) hook installed, echo -> install -> replacement
// active -> (browser window closing) waiting for the old window to go ->
// searching again. Searching with no browser -> waiting for the shell
// library's report (HookState 6) -> hook installed -> echo -> install.

#include <windows.h>

namespace gleam4 {

// The window title, which also marks the running copy.
inline constexpr char kTitle[] = "*Gleam4*";

class HelperDialog {
 public:
  // Creates the dialog (template 102), modeless and hidden; nothing on
  // failure. The object lives as long as its window.
  static HWND Create(HINSTANCE instance);

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void OnInit();
  bool OnCommand(WPARAM wParam, LPARAM lParam);
  void OnTimer();
  void OnClose();

  void FindAndHookBrowser();
  void HookBrowser(HWND browser, LPARAM how);
  void OnShellReport(HWND browser);
  void BeginWaitForClose();
  void FinishWaitForClose();
  void WaitForHookToGo();

  HWND window_ = nullptr;
  HICON icon_ = nullptr;

  HWND BrowserWindow = nullptr;  // the browser window hooked, or none
  BYTE HookState = 0;            // 0, or 6 while waiting for the shell library
  WORD SystemLanguage = 0;       // passed to the hook

  bool waitingForClose_ = false;  // the hook reported the browser closing
  DWORD waitStarted_ = 0;
  bool closing_ = false;
};

}  // namespace gleam4
