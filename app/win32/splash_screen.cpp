#include "app/win32/splash_screen.h"

#include "app/win32/controls.h"

namespace wb {

namespace {
constexpr wchar_t kClass[] = L"TSplashScreen";
constexpr int kWidth = 412, kHeight = 217;
}  // namespace

bool SplashScreen::Show(HINSTANCE instance) {
  RegisterFormClass(instance, kClass);
  picture_ = LoadBitmapResource(instance, L"splash", false);
  if (!CreateAs(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClass, L"", WS_POPUP, 0, 0, kWidth, kHeight, nullptr, instance))
    return false;
  CentreOnScreen(hwnd_);
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd_);
  return true;
}

SplashScreen::~SplashScreen() {
  if (picture_ != nullptr) DeleteObject(picture_);
}

LRESULT SplashScreen::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return Default(message, wParam, lParam);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  if (picture_ != nullptr) {
    // The picture is stretched over the whole window.
    BITMAP bm;
    GetObjectW(picture_, sizeof bm, &bm);
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, picture_);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, kWidth, kHeight, mem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
  }
  EndPaint(hwnd_, &ps);
  return 0;
}

}  // namespace wb
