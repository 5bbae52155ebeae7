#pragma once
// The toolbar's menu button (SpeedButton1): a flat toggle button with a
// glyph that reports its mouse presses and moves, so that the toolbar can be
// dragged by it.

#include "platform/win32/win32_api.h"

#include <functional>

#include "app/win32/window.h"

namespace wb {

class SpeedButton : public Window {
 public:
  struct Handlers {
    std::function<void()> click;              // after the Down state has changed
    std::function<void(POINT)> mouseDown;     // screen position
    std::function<void(POINT)> mouseMove;     // screen position, left button held
  };

  bool Create(HINSTANCE instance, HWND parent, int id, const RECT& r, Handlers handlers);

  // A toggle in a group of one that may be all up: each click flips it.
  bool Down() const { return down_; }
  void SetDown(bool down);
  void SetGlyph(HBITMAP glyph);

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint();

  Handlers handlers_;
  HBITMAP glyph_ = nullptr;
  bool down_ = false;
  bool pressed_ = false;  // the left button went down on it and is held
};

}  // namespace wb
