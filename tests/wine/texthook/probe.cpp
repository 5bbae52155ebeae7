// The test's hands under Wine (never shipped): looks for windows by title,
// closes them, posts commands, and finds and answers message boxes, as a
// user at the screen would.
//
//   probe wait-title TITLE SECONDS     exit 0 once a top-level window has TITLE
//   probe wait-gone TITLE SECONDS      exit 0 once none has
//   probe count-title TITLE            print how many have it
//   probe responds TITLE               exit 0 when its window answers a message
//   probe close-title TITLE            post WM_CLOSE to each
//   probe post-command TITLE W L       post WM_COMMAND W, L to the first
//   probe post-null-child TITLE W L    post WM_NULL W, L to its first child window
//   probe message-box TEXT SECONDS     find a message box showing TEXT and press OK
//   probe list                         print every top-level window (to debug a test)
// TEXT written @FILE is read from FILE as UTF-8: Wine turns the command line
// into Unicode with the Unix locale's character set, which here may not be
// UTF-8 at all.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct TitleSearch {
  const std::wstring* title;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWithTitle(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<TitleSearch*>(p);
  wchar_t text[256] = L"";
  GetWindowTextW(w, text, 256);
  if (*s->title == text) s->found.push_back(w);
  return TRUE;
}

std::vector<HWND> TopLevelWithTitle(const std::wstring& title) {
  TitleSearch search{&title, {}};
  EnumWindows(CollectWithTitle, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Another process's control text: its window procedure has to answer.
std::wstring ControlText(HWND w) {
  wchar_t text[512] = L"";
  DWORD_PTR ignored;
  SendMessageTimeoutW(w, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &ignored);
  return text;
}

struct BoxSearch {
  const std::wstring* text;
  HWND box;
};

BOOL CALLBACK FindBox(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<BoxSearch*>(p);
  wchar_t cls[64] = L"";
  GetClassNameW(w, cls, 64);
  if (std::wstring(cls) != L"#32770" || !IsWindowVisible(w)) return TRUE;
  for (HWND c = GetWindow(w, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (ControlText(c) == *s->text) {
      s->box = w;
      return FALSE;
    }
  return TRUE;
}

HWND MessageBoxShowing(const std::wstring& text) {
  BoxSearch search{&text, nullptr};
  EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
  return search.box;
}

std::string Utf8(const std::wstring& w) {
  char out[1024] = "";
  WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, out, sizeof out, nullptr, nullptr);
  return out;
}

BOOL CALLBACK ListWindow(HWND w, LPARAM) {
  wchar_t cls[64] = L"", text[256] = L"";
  GetClassNameW(w, cls, 64);
  GetWindowTextW(w, text, 256);
  std::printf("%p %s [%s]%s\n", static_cast<void*>(w), Utf8(cls).c_str(), Utf8(text).c_str(),
              IsWindowVisible(w) ? " visible" : "");
  for (HWND c = GetWindow(w, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    std::printf("    child [%s]\n", Utf8(ControlText(c)).c_str());
  return TRUE;
}

// TEXT, or the UTF-8 contents of FILE for @FILE (without a final line end).
std::wstring TextArgument(const std::wstring& arg) {
  if (arg.empty() || arg[0] != L'@') return arg;
  HANDLE f = CreateFileW(arg.c_str() + 1, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return arg;
  char bytes[1024];
  DWORD n = 0;
  ReadFile(f, bytes, sizeof bytes, &n, nullptr);
  CloseHandle(f);
  while (n > 0 && (bytes[n - 1] == '\n' || bytes[n - 1] == '\r')) --n;
  wchar_t text[1024];
  const int units = MultiByteToWideChar(CP_UTF8, 0, bytes, static_cast<int>(n), text, 1024);
  return std::wstring(text, units > 0 ? static_cast<std::size_t>(units) : 0);
}

template <typename Done>
bool WaitFor(double seconds, Done done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= static_cast<DWORD>(seconds * 1000)) return false;
    Sleep(50);
  }
  return true;
}

int Run(const std::vector<std::wstring>& a) {
  const std::wstring cmd = a.size() > 1 ? a[1] : L"";
  if (cmd == L"wait-title" && a.size() == 4)
    return WaitFor(std::stod(a[3]), [&] { return !TopLevelWithTitle(a[2]).empty(); }) ? 0 : 1;
  if (cmd == L"wait-gone" && a.size() == 4)
    return WaitFor(std::stod(a[3]), [&] { return TopLevelWithTitle(a[2]).empty(); }) ? 0 : 1;
  if (cmd == L"count-title" && a.size() == 3) {
    std::printf("%u\n", static_cast<unsigned>(TopLevelWithTitle(a[2]).size()));
    return 0;
  }
  if (cmd == L"responds" && a.size() == 3) {
    const auto found = TopLevelWithTitle(a[2]);
    DWORD_PTR ignored;
    return !found.empty() && SendMessageTimeoutW(found[0], WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored) ? 0 : 1;
  }
  if (cmd == L"close-title" && a.size() == 3) {
    const auto found = TopLevelWithTitle(a[2]);
    for (HWND w : found) PostMessageW(w, WM_CLOSE, 0, 0);
    return found.empty() ? 1 : 0;
  }
  if (cmd == L"post-command" && a.size() == 5) {
    const auto found = TopLevelWithTitle(a[2]);
    if (found.empty()) return 1;
    return PostMessageW(found[0], WM_COMMAND, std::stoul(a[3]), std::stol(a[4])) ? 0 : 1;
  }
  if (cmd == L"post-null-child" && a.size() == 5) {
    const auto found = TopLevelWithTitle(a[2]);
    HWND child = found.empty() ? nullptr : GetWindow(found[0], GW_CHILD);
    if (!child) return 1;
    return PostMessageW(child, WM_NULL, std::stoul(a[3]), std::stol(a[4])) ? 0 : 1;
  }
  if (cmd == L"message-box" && a.size() == 4) {
    HWND box = nullptr;
    const std::wstring text = TextArgument(a[2]);
    if (!WaitFor(std::stod(a[3]), [&] { return (box = MessageBoxShowing(text)) != nullptr; })) return 1;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return 0;
  }
  if (cmd == L"list") {
    EnumWindows(ListWindow, 0);
    return 0;
  }
  std::fprintf(stderr, "probe: unknown command\n");
  return 2;
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::wstring> args(argv, argv + argc);
  LocalFree(argv);
  return Run(args);
}
