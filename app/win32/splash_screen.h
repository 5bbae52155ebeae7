#pragma once
// The splash screen TSplashScreen: a borderless picture in the middle of the
// screen, in front of everything, while the forms are made and the engine
// loads its lexicon.

#include "platform/win32/win32_api.h"

#include "app/win32/window.h"

namespace wb {

class SplashScreen : public Window {
 public:
  // Creates, shows and paints it at once.
  bool Show(HINSTANCE instance);
  ~SplashScreen() override;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  HBITMAP picture_ = nullptr;
};

}  // namespace wb
