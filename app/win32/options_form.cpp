#include "app/win32/options_form.h"

#include "app/messages.h"
#include "app/win32/control_ids.h"
#include "app/win32/controls.h"
#include "platform/win32/win32_text.h"

namespace wb {

namespace {
constexpr wchar_t kClass[] = L"TOptions";
constexpr int kRadioIds[] = {ids::kShowTranOnly, ids::kShowTranSideBySide, ids::kShowTranAboveBelow};
}  // namespace

bool OptionsForm::Create(HINSTANCE instance, HWND owner) {
  owner_ = owner;
  RegisterFormClass(instance, kClass);
  // A dialog border; the client area is laid out below.
  RECT r{0, 0, 300, 196};
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  AdjustWindowRectEx(&r, style, FALSE, WS_EX_DLGMODALFRAME);
  if (!CreateAs(WS_EX_DLGMODALFRAME, kClass, Utf8ToWide(text::kOptionsCaption), style, 0, 0, r.right - r.left,
                r.bottom - r.top, owner, instance))
    return false;
  const DWORD check = BS_AUTOCHECKBOX | WS_TABSTOP;
  AddControl(hwnd_, L"BUTTON", text::kAutoProperName, check | WS_GROUP, 16, 12, 268, 20, ids::kAutoProperName);
  AddControl(hwnd_, L"BUTTON", text::kTranBlockquote, check, 16, 36, 268, 20, ids::kTranBlockquote);
  AddControl(hwnd_, L"BUTTON", text::kTranPre, check, 16, 60, 268, 20, ids::kTranPre);
  AddControl(hwnd_, L"BUTTON", text::kShowTranGroup, BS_GROUPBOX, 12, 88, 276, 60, ids::kShowTran);
  AddControl(hwnd_, L"BUTTON", text::kShowTranOnly, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 22, 110, 88, 24,
             ids::kShowTranOnly);
  AddControl(hwnd_, L"BUTTON", text::kShowTranSideBySide, BS_AUTORADIOBUTTON, 112, 110, 84, 24,
             ids::kShowTranSideBySide);
  AddControl(hwnd_, L"BUTTON", text::kShowTranAboveBelow, BS_AUTORADIOBUTTON, 198, 110, 84, 24,
             ids::kShowTranAboveBelow);
  AddControl(hwnd_, L"BUTTON", text::kOk, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 118, 160, 80, 26, IDOK);
  AddControl(hwnd_, L"BUTTON", text::kCancel, BS_PUSHBUTTON | WS_TABSTOP, 208, 160, 80, 26, IDCANCEL);
  CentreOnScreen(hwnd_);
  model_.FormCreate();
  ControlsFromModel();
  return true;
}

void OptionsForm::ShowModal() {
  model_.FormCreate();
  ControlsFromModel();
  open_ = true;
  RunModal(hwnd_, owner_, open_);
}

void OptionsForm::ControlsFromModel() {
  const OptionValues& v = model_.controls;
  CheckDlgButton(hwnd_, ids::kAutoProperName, v.autoProperName ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(hwnd_, ids::kTranBlockquote, v.tranBlockquote ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(hwnd_, ids::kTranPre, v.tranPre ? BST_CHECKED : BST_UNCHECKED);
  CheckRadioButton(hwnd_, ids::kShowTranOnly, ids::kShowTranAboveBelow, kRadioIds[v.showTran]);
}

void OptionsForm::ModelFromControls() {
  OptionValues& v = model_.controls;
  v.autoProperName = IsDlgButtonChecked(hwnd_, ids::kAutoProperName) == BST_CHECKED;
  v.tranBlockquote = IsDlgButtonChecked(hwnd_, ids::kTranBlockquote) == BST_CHECKED;
  v.tranPre = IsDlgButtonChecked(hwnd_, ids::kTranPre) == BST_CHECKED;
  for (int k = 0; k < 3; ++k)
    if (IsDlgButtonChecked(hwnd_, kRadioIds[k]) == BST_CHECKED) v.showTran = k;
}

LRESULT OptionsForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        ModelFromControls();
        model_.OKClick();
        EndModal(hwnd_, open_);
      } else if (LOWORD(wParam) == IDCANCEL) {
        EndModal(hwnd_, open_);
      }
      return 0;
    case WM_CLOSE:
      EndModal(hwnd_, open_);
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace wb
