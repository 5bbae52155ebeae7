#include "app/win32/controls.h"

#include "platform/win32/win32_text.h"

namespace wb {

namespace {

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool HasFace(HDC dc, const wchar_t* face) {
  LOGFONTW lf{};
  lf.lfCharSet = GB2312_CHARSET;
  lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  EnumFontFamiliesExW(dc, &lf, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

}  // namespace

const wchar_t* ChineseFace() {
  // The Song face of a Chinese Windows first. A system without it (Wine on
  // Linux) maps any name asked for with the GB character set to some face
  // that has the characters, but at 12 and 13 pixels an outline face drawn
  // that small loses strokes; WenQuanYi's "sharp" face is drawn for those
  // sizes. Failing all, the system's own choice.
  static const wchar_t* face = [] {
    static const wchar_t* const kFaces[] = {L"SimSun", L"宋体", L"NSimSun",
                                             L"文泉驿点阵正黑",
                                             L"WenQuanYi Zen Hei Sharp"};
    HDC dc = GetDC(nullptr);
    const wchar_t* chosen = L"SimSun";
    for (const wchar_t* f : kFaces) {
      if (HasFace(dc, f)) {
        chosen = f;
        break;
      }
    }
    ReleaseDC(nullptr, dc);
    return chosen;
  }();
  return face;
}

HFONT DialogFont() {
  // Chinese Windows dialogs use the Song face at 9 points: 12 pixels on a
  // 96-dpi screen.
  static HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, ChineseFace());
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
