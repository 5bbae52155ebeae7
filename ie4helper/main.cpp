// Gleam4: runs beside the browser without a visible window, and has the
// browser's Unicode text drawn through the ANSI call by Tapx32's hook.
#include <windows.h>

#include "ie4helper/helper_dialog.h"

namespace {

// One copy only: a second one ends at once when the first one's window is
// there.
bool InitInstance(HINSTANCE instance, HWND& dialog) {
  if (FindWindowA(nullptr, gleam4::kTitle)) return false;
  dialog = gleam4::HelperDialog::Create(instance);
  if (!dialog) return false;
  ShowWindow(dialog, SW_HIDE);
  return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HWND dialog = nullptr;
  if (!InitInstance(instance, dialog)) return 0;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (IsWindow(dialog) && IsDialogMessageA(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
