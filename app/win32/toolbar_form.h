#pragma once
// The toolbar THaldenWenbridge: a small borderless window that stays on top,
// with the menu button (also its handle for dragging), the Netscape and
// Internet Explorer buttons, the progress bar that shows below them while a
// translation runs, the pop-up menu and the hot key.

#include "platform/win32/win32_api.h"

#include <functional>
#include <string_view>

#include "app/page_driver.h"
#include "app/text_translation.h"
#include "app/toolbar.h"
#include "app/win32/about_form.h"
#include "app/win32/options_form.h"
#include "app/win32/program.h"
#include "app/win32/result_form.h"
#include "app/win32/speed_button.h"
#include "app/win32/window.h"

namespace wb {

// The progress bar below the toolbar's buttons: showing it makes the
// toolbar taller by the bar's height, hiding it makes it short again.
class ToolbarProgress : public ProgressDisplay {
 public:
  void Attach(HWND toolbar, HWND bar, int barHeight);
  void Show() override;
  void SetPosition(long long position) override;
  void Hide() override;

 private:
  void Resize(int by);

  HWND toolbar_ = nullptr;
  HWND bar_ = nullptr;
  int barHeight_ = 0;
  bool grown_ = false;
};

class ToolbarForm : public Window {
 public:
  ToolbarForm(Program& program, ResultForm& result, OptionsForm& options, AboutForm& about);

  // Creates the window and its controls and runs FormCreate.
  bool Create();
  // Shows the toolbar; the first showing runs FormShow, which loads the
  // engine and then calls freeSplash.
  void Show(std::function<void()> freeSplash);

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void CreateControls();
  void CreateMenu();
  void AddHint(HWND tool, std::string_view text);

  void FormCreate();
  void FormShow();
  void FormDestroy();
  void SpeedButton1Click();
  void SpeedButton1MouseDown(POINT p);
  void SpeedButton1MouseMove(POINT p);
  void NsClick();
  void ieClick();
  PageDriverView DriverView();
  void OnCommand(int id);
  void ReleaseMenuButton() { speedButton1_.SetDown(false); }
  void SetCheck(int menuId, bool on);
  void DrawButton(const DRAWITEMSTRUCT& item);

  Program& program_;
  ResultForm& result_;
  OptionsForm& options_;
  AboutForm& about_;
  Toolbar logic_;
  ToolbarProgress progress_;
  TextTranslation texts_;
  PageDriver driver_;
  std::function<void()> freeSplash_;

  SpeedButton speedButton1_;
  HWND ns_ = nullptr;
  HWND emailBtn_ = nullptr;
  HWND ie_ = nullptr;
  HWND progressBar1_ = nullptr;
  HWND hints_ = nullptr;
  HMENU popupMenu1_ = nullptr;
  HIMAGELIST imageList1_ = nullptr;
  HBITMAP glyphNormal_ = nullptr;
  HBITMAP glyphTran_ = nullptr;
  HBITMAP glyphNs_ = nullptr;
  POINT lastMouse_{};
  bool shown_ = false;
};

}  // namespace wb
