#pragma once
// The result window TEmail ("翻译结果"): one memo, Memo1, that fills it and
// holds the translated text line by line.

#include "platform/win32/win32_api.h"

#include "app/text_translation.h"
#include "app/win32/window.h"

namespace wb {

class ResultForm : public Window, public ResultWindow {
 public:
  bool Create(HINSTANCE instance);

  void Hide() override;
  void Clear() override;
  void AddLine(std::string_view line) override;
  void Show() override;
  void BringToFront() override;

  HWND memo() const { return memo_; }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  HWND memo_ = nullptr;
  HFONT font_ = nullptr;
  bool empty_ = true;
};

}  // namespace wb
