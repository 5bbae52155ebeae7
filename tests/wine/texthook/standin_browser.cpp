// Stand-in browser (never shipped): an "IEFrame" window that loads the
// stand-in "MSHTML.DLL" and draws its page text through it, so that Gleam4
// finds it and Tapx32 hooks it as it would Internet Explorer 4.
//
//   standin_browser [--no-mshtml] [--checks GROUP[,GROUP]] [--then WHAT]
//                   [--stay SECONDS] [--limit SECONDS]
//
// Once the renderer's ExtTextOutW import points into Tapx32.dll it prints
// "hooked", runs the check groups (see text_checks.h), then, by --then:
//   posted   closes itself with a posted WM_CLOSE (as the browser's own
//            menu does), which the hook sees; the import must be back at
//            GDI32 when the window is destroyed
//   destroy  destroys its window directly, as a close box does (the hook
//            sees nothing)
//   restore  waits for the import to be put back while it keeps running
//            (Gleam4 ending), then closes
//   refuse   posts itself WM_CLOSE but refuses to close (as when the user
//            cancels), waits for the import to be put back and then for
//            the hook to come back to the same window, then closes
//   stay     waits to be closed
// --stay N closes it (posted) after N seconds without a hook (default: wait
// for the hook). --limit ends it after that many seconds whatever happens
// (default 60). Exit status: 0 when every check passed, 1 when one failed,
// 2 when the time limit ran out.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "text_checks.h"

namespace {

struct Options {
  bool loadRenderer = true;
  std::vector<std::string> checks;
  std::string then = "stay";
  double staySeconds = 0;
  double limitSeconds = 60;
};

using ImportFn = void* (*)();

struct Browser {
  Options options;
  HWND window = nullptr;
  standin::DrawTextFn draw = nullptr;
  ImportFn import = nullptr;
  HFONT font = nullptr;
  DWORD started = 0;
  bool hooked = false;
  bool closeRefused = false;  // refuse: a close was posted and refused
  bool sawRestore = false;    // refuse: the import was put back since
  int failures = 0;
  int exitCode = 0;
};
Browser g;

constexpr UINT_PTR kTimer = 1;

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

void Report(bool ok, const std::string& what) {
  Say((ok ? "PASS " : "FAIL ") + what);
  if (!ok) ++g.failures;
}

enum class Import { kGenuine, kHook, kOther };

Import CurrentImport() {
  if (!g.import) return Import::kOther;
  void* now = g.import();
  HMODULE gdi = GetModuleHandleA("gdi32.dll");
  if (gdi && now == reinterpret_cast<void*>(GetProcAddress(gdi, "ExtTextOutW"))) return Import::kGenuine;
  HMODULE tapx = GetModuleHandleA("Tapx32.dll");
  if (tapx && now == reinterpret_cast<void*>(GetProcAddress(tapx, "MyExtTextOutW"))) return Import::kHook;
  return Import::kOther;
}

const wchar_t* ImportName(Import i) {
  return i == Import::kGenuine ? L"GDI32 (not hooked)" : i == Import::kHook ? L"Tapx32.dll (hooked)" : L"elsewhere";
}

void DrawLine(HDC dc, int y, const wchar_t* text) {
  g.draw(dc, 12, y, 0, nullptr, text, static_cast<UINT>(wcslen(text)), nullptr);
}

// The page: every line through the renderer, as the real one draws.
void Paint(HDC dc) {
  SelectObject(dc, g.font);
  SetBkMode(dc, TRANSPARENT);
  if (!g.draw) {
    TextOutW(dc, 12, 12, L"No MSHTML.DLL loaded.", 21);
    return;
  }
  DrawLine(dc, 12, L"Stand-in browser: each line is drawn by MSHTML.DLL through ExtTextOutW.");
  std::wstring state = std::wstring(L"ExtTextOutW import: ") + ImportName(CurrentImport());
  DrawLine(dc, 44, state.c_str());
  DrawLine(dc, 76, L"中文网页：英汉翻译");
  DrawLine(dc, 108, L"Mixed run: Wenbridge 翻译 test");
  // One GB character read as two Latin-1 characters and split between two
  // runs, as a non-Chinese system's renderer may do.
  const wchar_t* split = L"Split runs: ab\x00D6\x00D0" L"cd";
  SIZE first;
  GetTextExtentPoint32W(dc, split, 15, &first);
  g.draw(dc, 12, 140, 0, nullptr, split, 15, nullptr);
  g.draw(dc, 12 + first.cx, 140, 0, nullptr, split + 15, 3, nullptr);
}

void Finish(int code) {
  g.exitCode = code;
  DestroyWindow(g.window);
}

void OnHooked() {
  g.hooked = true;
  Say("hooked: the renderer's ExtTextOutW import points into Tapx32.dll");
  for (const std::string& group : g.options.checks) g.failures += standin::RunChecks(group, g.draw);
  InvalidateRect(g.window, nullptr, TRUE);
  if (g.options.then == "posted" || g.options.then == "refuse") PostMessageA(g.window, WM_CLOSE, 0, 0);
  else if (g.options.then == "destroy") Finish(0);
}

// After the refused close: the hook gave the import back when it saw the
// close; Gleam4 waits for the window to go, gives up, finds it still there
// and hooks it again.
void OnRefusedCloseTimer(Import now) {
  if (!g.closeRefused) return;
  if (now == Import::kGenuine && !g.sawRestore) {
    g.sawRestore = true;
    Report(true, "the refused close put the import back");
  } else if (now == Import::kHook && g.sawRestore) {
    Report(true, "the window whose close was refused is hooked again");
    Finish(0);
  }
}

void OnTimer() {
  const double elapsed = (GetTickCount() - g.started) / 1000.0;
  if (elapsed >= g.options.limitSeconds) {
    Say("time limit reached");
    Finish(2);
    return;
  }
  const Import now = CurrentImport();
  if (!g.hooked) {
    if (now == Import::kHook) OnHooked();
    else if (g.options.staySeconds > 0 && elapsed >= g.options.staySeconds) PostMessageA(g.window, WM_CLOSE, 0, 0);
  } else if (g.options.then == "restore" && now == Import::kGenuine) {
    Report(true, "the import was put back while the browser runs");
    Finish(0);
  } else if (g.options.then == "refuse") {
    OnRefusedCloseTimer(now);
  }
}

void OnDestroy() {
  KillTimer(g.window, kTimer);
  if (g.hooked && g.options.then == "posted")
    Report(CurrentImport() == Import::kGenuine, "closing the window put the import back");
  PostQuitMessage(0);
}

LRESULT CALLBACK WindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(w, &ps);
      Paint(dc);
      EndPaint(w, &ps);
      return 0;
    }
    case WM_TIMER:
      if (wp == kTimer) OnTimer();
      return 0;
    case WM_CLOSE:
      if (g.options.then == "refuse" && !g.closeRefused) {
        g.closeRefused = true;
        Say("close refused");
        return 0;
      }
      return DefWindowProcW(w, m, wp, lp);
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      return DefWindowProcW(w, m, wp, lp);
  }
}

bool ParseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (a == "--no-mshtml") o.loadRenderer = false;
    else if (a == "--checks" && hasValue) {
      std::stringstream list(argv[++i]);
      for (std::string group; std::getline(list, group, ',');) o.checks.push_back(group);
    } else if (a == "--then" && hasValue) o.then = argv[++i];
    else if (a == "--stay" && hasValue) o.staySeconds = std::atof(argv[++i]);
    else if (a == "--limit" && hasValue) o.limitSeconds = std::atof(argv[++i]);
    else return false;
  }
  return true;
}

bool LoadRenderer() {
  HMODULE renderer = LoadLibraryA("MSHTML.DLL");
  if (!renderer) return false;
  // Through void*: the exports' own types are known here, not to FARPROC.
  g.draw = reinterpret_cast<standin::DrawTextFn>(reinterpret_cast<void*>(GetProcAddress(renderer, "StandinDrawText")));
  g.import = reinterpret_cast<ImportFn>(reinterpret_cast<void*>(GetProcAddress(renderer, "StandinTextImport")));
  return g.draw && g.import;
}

}  // namespace

int main(int argc, char** argv) {
  if (!ParseOptions(argc, argv, g.options)) {
    std::fprintf(stderr, "standin_browser: bad arguments\n");
    return 2;
  }
  if (g.options.loadRenderer && !LoadRenderer()) {
    Say("FAIL the stand-in MSHTML.DLL could not be loaded");
    return 1;
  }
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = L"IEFrame";
  RegisterClassW(&wc);
  g.font = standin::ChineseFont(20);
  g.window = CreateWindowW(L"IEFrame", L"Stand-in browser", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 760, 220,
                           nullptr, nullptr, wc.hInstance, nullptr);
  if (!g.window) return 1;
  // The frame's page window, as in the browser: another window of the
  // hooked thread (kept hidden so that the frame's text stays in view).
  wc.lpfnWndProc = DefWindowProcW;
  wc.lpszClassName = L"Internet Explorer_Server";
  RegisterClassW(&wc);
  CreateWindowW(L"Internet Explorer_Server", L"", WS_CHILD, 0, 0, 10, 10, g.window, nullptr, wc.hInstance, nullptr);
  Say("window up");
  g.started = GetTickCount();
  SetTimer(g.window, kTimer, 50, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  DeleteObject(g.font);
  if (g.exitCode) return g.exitCode;
  return g.failures ? 1 : 0;
}
