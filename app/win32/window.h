#pragma once
// A window of the toolbar program: a Win32 window whose messages go to a C++
// object. Each form (THaldenWenbridge, TEmail, TOptions, TAboutForm,
// TSplashScreen) has a window class of its own name, so that other programs
// and the tests find it by class.

#include "platform/win32/win32_api.h"

#include <string_view>

namespace wb {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }

 protected:
  // Registers a window class whose windows are driven by Window objects
  // (once per class; later calls do nothing).
  static void RegisterFormClass(HINSTANCE instance, const wchar_t* className, UINT style = 0,
                                HCURSOR cursor = nullptr);
  // Creates the window; its messages come to OnMessage from WM_NCCREATE on.
  bool CreateAs(DWORD exStyle, const wchar_t* className, std::wstring_view title, DWORD style, int x, int y,
                int width, int height, HWND owner, HINSTANCE instance, HMENU idOrMenu = nullptr);
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

  HWND hwnd_ = nullptr;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace wb
