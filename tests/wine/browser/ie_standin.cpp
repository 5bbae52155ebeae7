// ie_standin: plays Internet Explorer for the Wine tests of the toolbar's
// ie button. It shows one page of a site kept in a folder, and as a browser
// that fetched them, it keeps the page and its frames in the real WinInet
// cache, where the toolbar reads them.
//
// As a browser frame (the default):
//  - a window of class "IEFrame" titled "... - Microsoft Internet
//    Explorer", whose first "Edit" is the address box: typed text and Enter
//    open that address (a local file shows);
//  - below a "Shell DocObject View", one "Shell Embedding" window for the
//    page and one for each of its frames (in document order); each opens
//    its page-properties dialog "Page properties" (#32770, a page whose
//    "URL:" label is followed by the address field) on command 262;
//  - with --dde the DDE service "iexplore" answers WWW_GetWindowInfo and
//    WWW_OpenURL as Internet Explorer 3 did.
// As Internet Explorer 4's shell window (--shell):
//  - a window of class "CabinetWClass" with the "Shell DocObject View" as
//    child 0 and the address control down the child path 40965, 40965,
//    41477, 41477, 41477, which copies the address on command 41763;
//  - the service "iexplore" answers WWW_OpenURL only.
//
//   ie_standin --site DIR --page URL --log FILE [--dde] [--shell]
//              [--no-dialogs] [--lifetime SECONDS]
//
// --no-dialogs: the properties command opens nothing (the toolbar must not
// wait for ever). Every event goes to the log; the program ends by itself
// after its time limit.

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "standin.h"

namespace {

constexpr wchar_t kEmbeddingClass[] = L"Shell Embedding";
constexpr wchar_t kDocViewClass[] = L"Shell DocObject View";
constexpr wchar_t kControlClass[] = L"WorkerW";
constexpr wchar_t kPropertiesPageClass[] = L"PropertiesPage";

struct State {
  std::unique_ptr<standin::Site> site;
  std::string address;
  bool shell = false;
  bool dialogs = true;
  HWND browser = nullptr;
  HWND addressBox = nullptr;
  HWND docView = nullptr;
  standin::PageArea page;
  WNDPROC editProc = nullptr;
  std::map<HWND, std::string> embeddings;  // each document's address
} state;

std::wstring Caption() { return standin::FromAnsi(standin::Title(*state.site, state.address)) + L" - Microsoft Internet Explorer"; }

// The page and its frames into the cache, when they came from the web.
void KeepInCache() {
  std::vector<std::string> pages = standin::FrameAddresses(*state.site, state.address);
  pages.insert(pages.begin(), state.address);
  for (const std::string& page : pages) {
    if (page.rfind("http", 0) != 0) continue;
    std::optional<std::string> bytes = state.site->Read(page);
    if (bytes && standin::PutIntoUrlCache(page.substr(0, page.find('#')), *bytes)) standin::Log("cached " + page);
  }
}

void ShowPage() {
  KeepInCache();
  SetWindowTextW(state.browser, Caption().c_str());
  if (state.addressBox) SetWindowTextW(state.addressBox, standin::FromAnsi(state.address).c_str());
  state.page.Show(*state.site, state.address);
}

void Open(const std::string& address, const std::string& how) {
  standin::Log(how + " " + standin::Utf8(standin::FromAnsi(address)));
  std::string a = address;
  if (a.size() >= 2 && a.front() == '"' && a.back() == '"') a = a.substr(1, a.size() - 2);
  state.address = a;
  ShowPage();
}

// ---- the page-properties dialog ------------------------------------------------

INT_PTR CALLBACK PropertiesProc(HWND dlg, UINT m, WPARAM, LPARAM lp) {
  if (m == WM_INITDIALOG) {
    const std::string& address = *reinterpret_cast<const std::string*>(lp);
    HINSTANCE inst = GetModuleHandleW(nullptr);
    HWND page = CreateWindowExW(0, kPropertiesPageClass, L"", WS_CHILD | WS_VISIBLE, 5, 5, 380, 150, dlg, nullptr,
                                inst, nullptr);
    int y = 5;
    auto row = [&](const wchar_t* label, const std::wstring& value, const wchar_t* valueClass) {
      CreateWindowExW(0, L"STATIC", label, WS_CHILD | WS_VISIBLE, 5, y, 90, 20, page, nullptr, inst, nullptr);
      CreateWindowExW(0, valueClass, value.c_str(), WS_CHILD | WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL, 100, y,
                      270, 20, page, nullptr, inst, nullptr);
      y += 28;
    };
    row(L"Protocol:", L"HyperText Transfer Protocol", L"STATIC");
    row(L"Type:", L"HTML Document", L"STATIC");
    row(L"URL:", standin::FromAnsi(address), L"EDIT");
    standin::Log("properties opened " + address);
    return TRUE;
  }
  if (m == WM_CLOSE) {
    DestroyWindow(dlg);
    return TRUE;
  }
  return FALSE;
}

void OpenProperties(const std::string& address) {
  // A dialog template with no controls of its own, in memory.
  struct alignas(4) {
    DLGTEMPLATE t;
    WORD menu, cls, title[16];
  } tpl{};
  tpl.t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME;
  tpl.t.x = 60;
  tpl.t.y = 60;
  tpl.t.cx = 200;
  tpl.t.cy = 90;
  const wchar_t title[] = L"Page properties";
  for (int k = 0; title[k] != 0; ++k) tpl.title[k] = title[k];
  static std::string current;
  current = address;
  CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &tpl.t, nullptr, PropertiesProc,
                             reinterpret_cast<LPARAM>(&current));
}

LRESULT CALLBACK EmbeddingProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_COMMAND && LOWORD(wp) == 262) {
    if (state.dialogs)
      OpenProperties(state.embeddings[w]);
    else
      standin::Log("properties command left unanswered");
    return 0;
  }
  return DefWindowProcW(w, m, wp, lp);
}

// ---- the windows ------------------------------------------------------------------

LRESULT CALLBACK AddressBoxProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_KEYDOWN && wp == VK_RETURN) {
    wchar_t text[1024] = L"";
    GetWindowTextW(w, text, 1024);
    int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(n > 0 ? n - 1 : 0), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), n, nullptr, nullptr);
    Open(ansi, "navigate");
    return 0;
  }
  return CallWindowProcW(state.editProc, w, m, wp, lp);
}

LRESULT CALLBACK ControlProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_COMMAND && LOWORD(wp) == 41763) {
    standin::CopyToClipboard(w, standin::FromAnsi(state.address));
    standin::Log("address copied");
    return 0;
  }
  return DefWindowProcW(w, m, wp, lp);
}

LRESULT CALLBACK BrowserProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_SIZE: {
      RECT r;
      GetClientRect(w, &r);
      int top = state.addressBox ? 26 : 0;
      if (state.addressBox) MoveWindow(state.addressBox, 0, 0, r.right, 24, TRUE);
      if (state.docView) MoveWindow(state.docView, 0, top, r.right, r.bottom - top, TRUE);
      if (state.page.Window()) state.page.Place(0, 0, r.right, r.bottom - top);
      return 0;
    }
    case WM_CLOSE:
      DestroyWindow(w);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(w, m, wp, lp);
  }
}

void Register(const wchar_t* name, WNDPROC proc) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = name;
  RegisterClassW(&wc);
}

HWND Child(const wchar_t* cls, HWND parent, int id, DWORD style = WS_VISIBLE) {
  return CreateWindowExW(0, cls, L"", WS_CHILD | style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void MakeBrowserFrame() {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  state.browser = CreateWindowExW(0, L"IEFrame", L"", WS_OVERLAPPEDWINDOW, 60, 80, 760, 560, nullptr, nullptr,
                                  inst, nullptr);
  state.addressBox = Child(L"EDIT", state.browser, 41477, WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL);
  state.editProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(state.addressBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AddressBoxProc)));
  state.docView = Child(kDocViewClass, state.browser, 0);
  // The page's own document, then its frames inside it.
  HWND document = Child(kEmbeddingClass, state.docView, 0, 0);
  state.embeddings[document] = state.address;
  for (const std::string& frame : standin::FrameAddresses(*state.site, state.address))
    state.embeddings[Child(kEmbeddingClass, document, 0, 0)] = frame;
  state.page.Create(state.docView, 1);
}

void MakeShellWindow() {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  state.browser = CreateWindowExW(0, L"CabinetWClass", L"", WS_OVERLAPPEDWINDOW, 60, 80, 760, 560, nullptr, nullptr,
                                  inst, nullptr);
  state.docView = Child(kDocViewClass, state.browser, 0);
  HWND w = state.browser;
  for (int id : {40965, 40965, 41477, 41477, 41477}) w = Child(kControlClass, w, id, 0);
  state.page.Create(state.docView, 1);
}

std::optional<std::string> Answer(const std::string& topic, const std::string& item) {
  standin::Log(topic + " " + standin::Utf8(standin::FromAnsi(item)));
  if (topic == "WWW_GetWindowInfo")
    return "\"" + state.address + "\",\"" + standin::Title(*state.site, state.address) + "\"";
  Open(item, "open");
  return "1";
}

}  // namespace

int main() {
  std::vector<std::string> args = standin::Args();
  standin::OpenLog(standin::Option(args, "--log", "ie.log"));
  state.site = std::make_unique<standin::Site>(standin::Option(args, "--site", "."));
  state.address = standin::Option(args, "--page", "http://www.example.com/");
  state.shell = standin::Flag(args, "--shell");
  state.dialogs = !standin::Flag(args, "--no-dialogs");
  standin::EndAfter(std::stoi(standin::Option(args, "--lifetime", "120")));

  Register(state.shell ? L"CabinetWClass" : L"IEFrame", BrowserProc);
  Register(kEmbeddingClass, EmbeddingProc);
  Register(kDocViewClass, DefWindowProcW);
  Register(kControlClass, ControlProc);
  Register(kPropertiesPageClass, DefWindowProcW);
  if (state.shell)
    MakeShellWindow();
  else
    MakeBrowserFrame();
  ShowPage();
  ShowWindow(state.browser, SW_SHOW);
  SendMessageW(state.browser, WM_SIZE, 0, 0);

  standin::DdeServer dde;
  if (state.shell || standin::Flag(args, "--dde")) {
    std::vector<std::string> topics{"WWW_OpenURL"};
    if (!state.shell) topics.push_back("WWW_GetWindowInfo");
    if (!dde.Start("iexplore", topics, Answer, false)) {
      standin::Log("DDE service could not be registered");
      return 1;
    }
  }
  standin::Log("ready");
  return standin::RunMessageLoop();
}
