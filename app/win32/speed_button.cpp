#include "app/win32/speed_button.h"

#include "app/win32/controls.h"

namespace wb {

namespace {
constexpr wchar_t kClass[] = L"TSpeedButton";

POINT ScreenPoint(HWND w, LPARAM lParam) {
  POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ClientToScreen(w, &p);
  return p;
}
}  // namespace

bool SpeedButton::Create(HINSTANCE instance, HWND parent, int id, const RECT& r, Handlers handlers) {
  handlers_ = std::move(handlers);
  RegisterFormClass(instance, kClass);
  return CreateAs(0, kClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, r.left, r.top, r.right - r.left,
                  r.bottom - r.top, parent, instance, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void SpeedButton::SetDown(bool down) {
  if (down_ == down) return;
  down_ = down;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void SpeedButton::SetGlyph(HBITMAP glyph) {
  glyph_ = glyph;
  InvalidateRect(hwnd_, nullptr, TRUE);
  UpdateWindow(hwnd_);
}

LRESULT SpeedButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
      pressed_ = true;
      SetCapture(hwnd_);
      InvalidateRect(hwnd_, nullptr, TRUE);
      if (handlers_.mouseDown) handlers_.mouseDown(ScreenPoint(hwnd_, lParam));
      return 0;
    case WM_MOUSEMOVE:
      if ((wParam & MK_LBUTTON) != 0 && pressed_ && handlers_.mouseMove)
        handlers_.mouseMove(ScreenPoint(hwnd_, lParam));
      return 0;
    case WM_LBUTTONUP: {
      if (!pressed_) return 0;
      pressed_ = false;
      ReleaseCapture();
      RECT r;
      GetClientRect(hwnd_, &r);
      POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      InvalidateRect(hwnd_, nullptr, TRUE);
      if (PtInRect(&r, p)) {
        down_ = !down_;
        if (handlers_.click) handlers_.click();
      }
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (pressed_) {
        pressed_ = false;
        InvalidateRect(hwnd_, nullptr, TRUE);
      }
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

void SpeedButton::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT r;
  GetClientRect(hwnd_, &r);
  bool sunken = down_ || pressed_;
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &r, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  DrawCentredBitmap(dc, glyph_, r, sunken);
  EndPaint(hwnd_, &ps);
}

}  // namespace wb
