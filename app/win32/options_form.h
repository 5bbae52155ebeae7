#pragma once
// The options dialog TOptions ("设置文桥翻译器"): three check boxes, the
// display choice and OK / Cancel.

#include "platform/win32/win32_api.h"

#include "app/settings.h"
#include "app/win32/window.h"

namespace wb {

class OptionsForm : public Window {
 public:
  OptionsForm(Settings& settings, RuntimeFlags& flags) : model_(settings, flags) {}

  // Creation reads the options (and sets the run-time flags from them).
  bool Create(HINSTANCE instance, HWND owner);
  // Modal; every showing reads the registry again.
  void ShowModal();

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ControlsFromModel();
  void ModelFromControls();

  OptionsDialogModel model_;
  HWND owner_ = nullptr;
  bool open_ = false;
};

}  // namespace wb
