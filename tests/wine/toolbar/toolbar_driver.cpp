// toolbar_driver: acts as the user of Wenb97.exe for the Wine tests. Each
// call does one thing and exits: finds or waits for a window (every wait is
// bounded by the milliseconds given), clicks and types through SendInput as
// a person would, sets the clipboard, reads controls of the toolbar's
// windows, reads the toolbar's settings. Exit status 0 on success, 1 when
// a wait runs out or a window is missing, 2 on wrong usage. An argument
// written "x:" and hexadecimal digits stands for those UTF-8 bytes.
//
//   toolbar_driver wait-window CLASS MS        print "x y width height"
//   toolbar_driver wait-gone CLASS MS          no visible window of a class
//   toolbar_driver count CLASS                 top-level windows of a class
//   toolbar_driver geometry                    the toolbar and its controls
//   toolbar_driver click-child ID              click a control of the toolbar
//   toolbar_driver drag-child ID DX DY         drag the mouse from a control
//   toolbar_driver resources EXE               the program's named resources
//   toolbar_driver move X Y                    move the mouse there
//   toolbar_driver key CHAR                    press and release a key
//   toolbar_driver hotkey                      Ctrl+Shift+Enter
//   toolbar_driver wait-menu MS                a pop-up menu is open
//   toolbar_driver set-clipboard FILE          the file's UTF-8 text
//   toolbar_driver result MS                   the result window's text, UTF-8
//   toolbar_driver box-text CAPTION MS         a message box's text, UTF-8
//   toolbar_driver press CLASS|CAPTION ID MS   click button ID of a window
//   toolbar_driver checked CLASS ID            1 or 0
//   toolbar_driver setting NAME                a value of the toolbar's key
//   toolbar_driver list                        visible top-level windows, front first

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr DWORD kSendTimeoutMs = 5000;

std::wstring Wide(const std::string& utf8) {
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
  return w;
}

std::string Utf8(const std::wstring& w) {
  int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

// Wine decodes a program's command line with the Unix locale's character
// set, which a test machine need not have for Chinese: non-ASCII arguments
// come as "x:" and the hexadecimal digits of their UTF-8 bytes.
std::string FromHex(const std::string& a) {
  if (a.compare(0, 2, "x:") != 0) return a;
  std::string out;
  for (std::size_t k = 2; k + 1 < a.size(); k += 2)
    out += static_cast<char>(std::strtoul(a.substr(k, 2).c_str(), nullptr, 16));
  return out;
}

// The text of a control of another process (WM_GETTEXT crosses processes,
// GetWindowText does not).
std::wstring ControlText(HWND w) {
  DWORD_PTR len = 0;
  if (!SendMessageTimeoutW(w, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &len)) return L"";
  std::wstring text(len + 1, L'\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutW(w, WM_GETTEXT, len + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                      kSendTimeoutMs, &got);
  text.resize(got);
  return text;
}

// Polls until found() gives a window or ms run out.
template <typename Find>
HWND WaitFor(Find found, DWORD ms) {
  DWORD start = GetTickCount();
  for (;;) {
    if (HWND w = found()) return w;
    if (GetTickCount() - start >= ms) return nullptr;
    Sleep(50);
  }
}

HWND Visible(HWND w) { return w != nullptr && IsWindowVisible(w) ? w : nullptr; }

HWND Toolbar() { return FindWindowW(L"THaldenWenbridge", nullptr); }

// A top-level window by class, or (for dialogs) by caption.
HWND TopLevel(const std::string& name) {
  if (HWND w = FindWindowW(Wide(name).c_str(), nullptr)) return w;
  return FindWindowW(L"#32770", Wide(name).c_str());
}

void SendKey(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &in, sizeof in);
}

void Click(int x, int y) {
  SetCursorPos(x, y);
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
}

void PrintRect(const char* what, HWND w, HWND relativeTo) {
  RECT r;
  GetWindowRect(w, &r);
  POINT p{r.left, r.top};
  if (relativeTo != nullptr) ScreenToClient(relativeTo, &p);
  wchar_t cls[64] = L"";
  GetClassNameW(w, cls, 64);
  std::printf("%s %s %ld %ld %ld %ld %d\n", what, Utf8(cls).c_str(), p.x, p.y, r.right - r.left, r.bottom - r.top,
              IsWindowVisible(w) ? 1 : 0);
}

void MouseButton(bool down) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &in, sizeof in);
}

// Presses the left button on a control of the toolbar, moves the mouse by
// (dx, dy) in small steps and lets go.
int DragChild(int id, int dx, int dy) {
  HWND t = Toolbar();
  HWND c = t ? GetDlgItem(t, id) : nullptr;
  if (c == nullptr) return 1;
  RECT r;
  GetWindowRect(c, &r);
  int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
  SetCursorPos(x, y);
  MouseButton(true);
  Sleep(100);
  for (int k = 1; k <= 10; ++k) {
    SetCursorPos(x + dx * k / 10, y + dy * k / 10);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in.mi.dx = (x + dx * k / 10) * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = (y + dy * k / 10) * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    SendInput(1, &in, sizeof in);
    Sleep(30);
  }
  MouseButton(false);
  return 0;
}

// Every picture, sound and the icon the program loads by name is in it.
int Resources(const std::string& exe) {
  HMODULE m = LoadLibraryExW(Wide(exe).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (m == nullptr) return 1;
  int missing = 0;
  auto need = [&](const wchar_t* name, LPCWSTR type) {
    if (FindResourceW(m, name, type) != nullptr) return;
    std::printf("missing %s\n", Utf8(name).c_str());
    ++missing;
  };
  for (const wchar_t* b : {L"b_tran", L"b_normal", L"ns", L"ImageList1", L"splash", L"about1", L"about2"})
    need(b, MAKEINTRESOURCEW(2));  // RT_BITMAP
  for (const wchar_t* w : {L"w_tran", L"W7a7", L"W0a0", L"W1a1", L"W2a2", L"W3a3", L"W4a4", L"W5a5", L"W6a6"})
    need(w, L"WAVE");
  need(L"MAINICON", MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  FreeLibrary(m);
  return missing == 0 ? 0 : 1;
}

int Geometry() {
  HWND t = Toolbar();
  if (t == nullptr) return 1;
  PrintRect("toolbar", t, nullptr);
  wchar_t title[64] = L"";
  GetWindowTextW(t, title, 64);
  std::printf("title %s\n", Utf8(title).c_str());
  std::printf("topmost %d\n", (GetWindowLongW(t, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0 ? 1 : 0);
  std::printf("caption %d\n", (GetWindowLongW(t, GWL_STYLE) & WS_CAPTION) != 0 ? 1 : 0);
  for (int id = 1; id <= 5; ++id) {
    HWND c = GetDlgItem(t, id);
    if (c == nullptr) continue;
    std::string what = "child" + std::to_string(id);
    PrintRect(what.c_str(), c, t);
  }
  return 0;
}

int SetClipboard(const std::string& file) {
  std::ifstream in(Wide(file).c_str(), std::ios::binary);
  if (!in) return 1;
  std::wstring text = Wide(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  auto* p = static_cast<wchar_t*>(GlobalLock(h));
  std::memcpy(p, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(h);
  for (int k = 0; k < 40 && !OpenClipboard(nullptr); ++k) Sleep(50);
  EmptyClipboard();
  bool ok = SetClipboardData(CF_UNICODETEXT, h) != nullptr;
  CloseClipboard();
  return ok ? 0 : 1;
}

// The memo of the result window once it shows and its text has settled,
// with line ends as "\n" and one after the last line.
int Result(DWORD ms) {
  HWND memo = nullptr;
  HWND form = WaitFor(
      [&] {
        HWND f = Visible(FindWindowW(L"TEmail", nullptr));
        memo = f ? GetDlgItem(f, 1) : nullptr;
        return memo && !ControlText(memo).empty() ? f : nullptr;
      },
      ms);
  if (form == nullptr) return 1;
  std::wstring text = ControlText(memo);
  for (int k = 0; k < 20; ++k) {
    Sleep(100);
    std::wstring again = ControlText(memo);
    if (again == text) break;
    text = again;
  }
  std::string out;
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (text.compare(k, 2, L"\r\n") == 0) {
      out += '\n';
      ++k;
    } else {
      out += Utf8(std::wstring(1, text[k]));
    }
  }
  std::printf("%s\n", out.c_str());
  std::printf("foreground %d\n", GetForegroundWindow() == form ? 1 : 0);
  return 0;
}

int BoxText(const std::string& caption, DWORD ms) {
  HWND box = WaitFor([&] { return Visible(FindWindowW(L"#32770", Wide(caption).c_str())); }, ms);
  if (box == nullptr) return 1;
  for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t cls[32] = L"";
    GetClassNameW(c, cls, 32);
    std::wstring text = ControlText(c);
    if (lstrcmpiW(cls, L"Static") == 0 && !text.empty()) std::printf("%s\n", Utf8(text).c_str());
  }
  return 0;
}

int Press(const std::string& window, int id, DWORD ms) {
  HWND button = nullptr;
  WaitFor(
      [&] {
        HWND w = Visible(TopLevel(window));
        button = w ? GetDlgItem(w, id) : nullptr;
        return button;
      },
      ms);
  if (button == nullptr) return 1;
  DWORD_PTR r;
  return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &r) ? 0 : 1;
}

int Setting(const std::string& name) {
  HKEY k;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Halden\\Wenbridge", 0, KEY_READ, &k) != ERROR_SUCCESS) return 1;
  wchar_t value[256] = L"";
  DWORD bytes = sizeof value - sizeof(wchar_t), type = 0;
  LONG r = RegQueryValueExW(k, Wide(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value), &bytes);
  RegCloseKey(k);
  if (r != ERROR_SUCCESS || type != REG_SZ) return 1;
  std::printf("%s\n", Utf8(value).c_str());
  return 0;
}

}  // namespace

int main() {
  // The arguments as the system has them in UTF-16: the narrow ones are in
  // the ANSI code page, which is not UTF-8.
  int argc = 0;
  LPWSTR* wargv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::string> args;
  for (int k = 0; k < argc; ++k) args.push_back(FromHex(Utf8(wargv[k])));
  LocalFree(wargv);
  if (argc < 2) return 2;
  std::string cmd = args[1];
  auto arg = [&](int k) { return k < argc ? args[static_cast<std::size_t>(k)] : std::string(); };
  auto ms = [&](int k) { return static_cast<DWORD>(std::strtoul(arg(k).c_str(), nullptr, 10)); };
  if (cmd == "wait-window") {
    HWND w = WaitFor([&] { return Visible(TopLevel(arg(2))); }, ms(3));
    if (w == nullptr) return 1;
    RECT r;
    GetWindowRect(w, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
  }
  if (cmd == "wait-gone") {
    HWND gone = WaitFor([&] { return Visible(TopLevel(arg(2))) ? nullptr : GetDesktopWindow(); }, ms(3));
    return gone ? 0 : 1;
  }
  if (cmd == "drag-child") return DragChild(std::atoi(arg(2).c_str()), std::atoi(arg(3).c_str()),
                                            std::atoi(arg(4).c_str()));
  if (cmd == "resources") return Resources(arg(2));
  if (cmd == "count") {
    int n = 0;
    for (HWND w = FindWindowExW(nullptr, nullptr, Wide(arg(2)).c_str(), nullptr); w;
         w = FindWindowExW(nullptr, w, Wide(arg(2)).c_str(), nullptr))
      ++n;
    std::printf("%d\n", n);
    return 0;
  }
  if (cmd == "geometry") return Geometry();
  if (cmd == "click-child") {
    HWND t = Toolbar();
    HWND c = t ? GetDlgItem(t, std::atoi(arg(2).c_str())) : nullptr;
    if (c == nullptr) return 1;
    RECT r;
    GetWindowRect(c, &r);
    Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    return 0;
  }
  if (cmd == "move") {
    SetCursorPos(std::atoi(arg(2).c_str()), std::atoi(arg(3).c_str()));
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof in);
    return 0;
  }
  if (cmd == "key") {
    WORD vk = static_cast<WORD>(VkKeyScanW(static_cast<wchar_t>(arg(2)[0])) & 0xFF);
    SendKey(vk, false);
    SendKey(vk, true);
    return 0;
  }
  if (cmd == "hotkey") {
    SendKey(VK_CONTROL, false);
    SendKey(VK_SHIFT, false);
    SendKey(VK_RETURN, false);
    SendKey(VK_RETURN, true);
    SendKey(VK_SHIFT, true);
    SendKey(VK_CONTROL, true);
    return 0;
  }
  if (cmd == "wait-menu") return WaitFor([] { return Visible(FindWindowW(L"#32768", nullptr)); }, ms(2)) ? 0 : 1;
  if (cmd == "set-clipboard") return SetClipboard(arg(2));
  if (cmd == "result") return Result(ms(2));
  if (cmd == "box-text") return BoxText(arg(2), ms(3));
  if (cmd == "press") return Press(arg(2), std::atoi(arg(3).c_str()), ms(4));
  if (cmd == "checked") {
    HWND w = TopLevel(arg(2));
    HWND c = w ? GetDlgItem(w, std::atoi(arg(3).c_str())) : nullptr;
    if (c == nullptr) return 1;
    DWORD_PTR r = 0;
    SendMessageTimeoutW(c, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &r);
    std::printf("%d\n", r == BST_CHECKED ? 1 : 0);
    return 0;
  }
  if (cmd == "setting") return Setting(arg(2));
  if (cmd == "list") {
    for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
      if (!IsWindowVisible(w)) continue;
      wchar_t cls[64] = L"", title[128] = L"";
      GetClassNameW(w, cls, 64);
      GetWindowTextW(w, title, 128);
      std::printf("%s \"%s\"\n", Utf8(cls).c_str(), Utf8(title).c_str());
    }
    return 0;
  }
  return 2;
}
