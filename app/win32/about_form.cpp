#include "app/win32/about_form.h"

#include "app/messages.h"
#include "app/win32/controls.h"
#include "platform/win32/win32_text.h"

namespace wb {

namespace {
constexpr wchar_t kClass[] = L"TAboutForm";
constexpr int kWidth = 372, kHeight = 160;
}  // namespace

bool AboutForm::Create(HINSTANCE instance, HWND owner) {
  owner_ = owner;
  RegisterFormClass(instance, kClass);
  RECT r{0, 0, kWidth, kHeight};
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  AdjustWindowRectEx(&r, style, FALSE, WS_EX_DLGMODALFRAME);
  if (!CreateAs(WS_EX_DLGMODALFRAME, kClass, Utf8ToWide(text::kAboutCaption), style, 0, 0, r.right - r.left,
                r.bottom - r.top, owner, instance))
    return false;
  picture_ = LoadBitmapResource(instance, L"about1", false);
  banner_ = LoadBitmapResource(instance, L"about2", false);
  HWND p = AddControl(hwnd_, L"STATIC", "", SS_BITMAP, 12, 12, 96, 96, -1);
  SendMessageW(p, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_));
  HWND b = AddControl(hwnd_, L"STATIC", "", SS_BITMAP, 120, 12, 240, 40, -1);
  SendMessageW(b, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(banner_));
  AddControl(hwnd_, L"STATIC", text::kVersionLabel, SS_CENTER, 120, 66, 240, 20, -1);
  AddControl(hwnd_, L"BUTTON", text::kOk, BS_DEFPUSHBUTTON | WS_TABSTOP, 200, 120, 80, 26, IDOK);
  CentreOnScreen(hwnd_);
  return true;
}

void AboutForm::ShowModal() {
  open_ = true;
  RunModal(hwnd_, owner_, open_);
}

LRESULT AboutForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndModal(hwnd_, open_);
      return 0;
    case WM_CLOSE:
      EndModal(hwnd_, open_);
      return 0;
    case WM_NCDESTROY:
      if (picture_ != nullptr) DeleteObject(picture_);
      if (banner_ != nullptr) DeleteObject(banner_);
      picture_ = banner_ = nullptr;
      return Default(message, wParam, lParam);
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace wb
