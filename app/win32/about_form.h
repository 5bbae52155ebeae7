#pragma once
// The About box TAboutForm ("关于文桥"): two pictures, the version and OK.

#include "platform/win32/win32_api.h"

#include "app/win32/window.h"

namespace wb {

class AboutForm : public Window {
 public:
  bool Create(HINSTANCE instance, HWND owner);
  void ShowModal();

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  HWND owner_ = nullptr;
  HBITMAP picture_ = nullptr;
  HBITMAP banner_ = nullptr;
  bool open_ = false;
};

}  // namespace wb
