#include "app/win32/controls.h"

#include "platform/win32/win32_text.h"

namespace wb {

HFONT DialogFont() {
  // The font of Chinese Windows dialogs, at the 9-point size of a 96-dpi
  // screen. The face is asked for by its English name and with the GB
  // character set, so the system finds its Song face or the nearest font
  // that can show Chinese.
  static HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"SimSun");
  return font;
}

HWND AddControl(HWND parent, const wchar_t* className, std::string_view caption, DWORD style, int x, int y,
                int width, int height, int id, DWORD exStyle) {
  HWND w = CreateWindowExW(exStyle, className, Utf8ToWide(caption).c_str(), WS_CHILD | WS_VISIBLE | style, x, y,
                           width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  if (w != nullptr) SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
  return w;
}

HBITMAP LoadBitmapResource(HINSTANCE instance, const wchar_t* name, bool mapButtonFace) {
  return static_cast<HBITMAP>(
      LoadImageW(instance, name, IMAGE_BITMAP, 0, 0, mapButtonFace ? LR_LOADMAP3DCOLORS : LR_DEFAULTCOLOR));
}

void DrawCentredBitmap(HDC dc, HBITMAP bitmap, const RECT& r, bool sunken) {
  if (bitmap == nullptr) return;
  BITMAP bm;
  GetObjectW(bitmap, sizeof bm, &bm);
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, bitmap);
  int x = r.left + (r.right - r.left - bm.bmWidth) / 2 + (sunken ? 1 : 0);
  int y = r.top + (r.bottom - r.top - bm.bmHeight) / 2 + (sunken ? 1 : 0);
  BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
}

void CentreOnScreen(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  int w = r.right - r.left, h = r.bottom - r.top;
  SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0,
               0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RunModal(HWND window, HWND owner, const bool& open) {
  if (owner != nullptr) EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  MSG msg;
  while (open) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: the quit message is for the main loop.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (IsDialogMessageW(window, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (owner != nullptr) {
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
  }
  ShowWindow(window, SW_HIDE);
}

void EndModal(HWND window, bool& open) {
  open = false;
  PostMessageW(window, WM_NULL, 0, 0);
}

}  // namespace wb
