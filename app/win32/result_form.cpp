#include "app/win32/result_form.h"

#include "app/messages.h"
#include "app/win32/controls.h"
#include "platform/win32/win32_text.h"

namespace wb {

namespace {
constexpr wchar_t kClass[] = L"TEmail";
constexpr int kMemoId = 1;
}  // namespace

bool ResultForm::Create(HINSTANCE instance) {
  RegisterFormClass(instance, kClass);
  if (!CreateAs(0, kClass, Utf8ToWide(text::kResultCaption), WS_OVERLAPPEDWINDOW, 200, 108, 435, 300, nullptr,
                instance))
    return false;
  RECT r;
  GetClientRect(hwnd_, &r);
  memo_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                              ES_AUTOHSCROLL | ES_WANTRETURN,
                          0, 0, r.right, r.bottom, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMemoId)),
                          instance, nullptr);
  // Black 13-pixel text. "MS Sans Serif" has no Chinese, and a Chinese
  // Windows draws the Chinese of such a font with its Song face: the memo
  // asks for the Chinese face directly.
  font_ = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, ChineseFace());
  SendMessageW(memo_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  // A mail may be long: no limit below the control's own.
  SendMessageW(memo_, EM_SETLIMITTEXT, 0, 0);
  return memo_ != nullptr;
}

void ResultForm::Hide() { ShowWindow(hwnd_, SW_HIDE); }

void ResultForm::Clear() {
  SetWindowTextW(memo_, L"");
  empty_ = true;
}

void ResultForm::AddLine(std::string_view line) {
  std::wstring text = (empty_ ? L"" : L"\r\n") + EngineToWide(line);
  empty_ = false;
  int end = GetWindowTextLengthW(memo_);
  SendMessageW(memo_, EM_SETSEL, end, end);
  SendMessageW(memo_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void ResultForm::Show() {
  SendMessageW(memo_, EM_SETSEL, 0, 0);
  SendMessageW(memo_, EM_SCROLLCARET, 0, 0);
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void ResultForm::BringToFront() { SetForegroundWindow(hwnd_); }

LRESULT ResultForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (memo_ != nullptr) MoveWindow(memo_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_CLOSE:
      // The form is made once and reused: closing hides it.
      ShowWindow(hwnd_, SW_HIDE);
      return 0;
    case WM_SETFOCUS:
      SetFocus(memo_);
      return 0;
    case WM_NCDESTROY:
      // The memo is gone by now; its font can go too.
      if (font_ != nullptr) DeleteObject(font_);
      font_ = nullptr;
      return Default(message, wParam, lParam);
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace wb
