// navigator_standin: plays Netscape Navigator for the Wine tests of the
// toolbar's Ns button. It shows one page of a site kept in a folder and
// behaves as Navigator does towards the toolbar:
//
//  - DDE service "Netscape": WWW_GetWindowInfo answers the quoted address
//    and title of the page shown; WWW_OpenURL either opens an address or,
//    given a file and the save flag 0x4, answers at once and then writes
//    the page into that file (holding it open a moment, as a download
//    does); WWW_ShowFile shows a local file;
//  - a browser window of class "Afx:400000:b:..." titled "Netscape - [...]"
//    with Navigator 3's menu bar, whose commands 32846 / 32842 open the
//    document-information window "Netscape - [Document info]": a pane, a
//    header and a text view that lists the page's frames as "Frame:" lines
//    and copies its text on the edit commands 57642 / 57634.
//
// Every event goes to the log, one line each. The program ends by itself
// after its time limit.
//
//   navigator_standin --site DIR --page URL --log FILE [--mute]
//                     [--title-last] [--lifetime SECONDS]
//
// --mute: DDE requests are never answered. --title-last: the window is
// titled "... - Netscape".

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "standin.h"

namespace {

constexpr wchar_t kBrowserClass[] = L"Afx:400000:b:1c4e:6:4a5c";
constexpr wchar_t kInfoClass[] = L"Afx:400000:0:1c4e:0:0";
constexpr wchar_t kPaneClass[] = L"AfxFrameOrView42";
constexpr wchar_t kTextViewClass[] = L"AfxTextView42";
constexpr UINT kSaveNow = WM_APP + 1;

struct State {
  std::unique_ptr<standin::Site> site;
  std::string address;
  bool titleLast = false;
  HWND browser = nullptr;
  HWND location = nullptr;
  standin::PageArea page;
  std::map<HWND, std::wstring> texts;  // text views and what they hold
} state;

struct Save {
  std::string address, file;
};

std::string Title() { return standin::Title(*state.site, state.address); }

void ShowPage() {
  std::wstring title = standin::FromAnsi(Title());
  std::wstring caption = state.titleLast ? title + L" - Netscape" : L"Netscape - [" + title + L"]";
  SetWindowTextW(state.browser, caption.c_str());
  SetWindowTextW(state.location, (L"Location: " + standin::FromAnsi(state.address)).c_str());
  state.page.Show(*state.site, state.address);
}

std::vector<std::string> SplitArgs(const std::string& item) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t at = item.find(','); at != std::string::npos; at = item.find(',', from)) {
    parts.push_back(item.substr(from, at - from));
    from = at + 1;
  }
  parts.push_back(item.substr(from));
  return parts;
}

// "c:\dir\page.htm" as Navigator names a local file it shows.
std::string FileAddress(std::string path) {
  for (char& c : path) c = c == '\\' ? '/' : c;
  if (path.size() > 1 && path[1] == ':') path[1] = '|';
  return "file:///" + path;
}

std::optional<std::string> Answer(const std::string& topic, const std::string& item) {
  standin::Log(topic + " " + standin::Utf8(standin::FromAnsi(item)));
  if (topic == "WWW_GetWindowInfo") return "\"" + state.address + "\",\"" + Title() + "\"";
  std::vector<std::string> args = SplitArgs(item);
  if (topic == "WWW_ShowFile") {
    state.address = FileAddress(args[0]);
    ShowPage();
    return "1";
  }
  // WWW_OpenURL: save into a file, or open the address.
  if (args.size() >= 2 && !args[1].empty()) {
    // Answered now; the page is written after the answer, as a download is.
    PostMessageW(state.browser, kSaveNow, 0, reinterpret_cast<LPARAM>(new Save{args[0], args[1]}));
    return "1";
  }
  state.address = args[0];
  ShowPage();
  return "1";
}

void WriteSaved(const Save& s) {
  std::optional<std::string> page = state.site->Read(s.address);
  std::string bytes = page ? *page : "<html><body>Not Found</body></html>";
  HANDLE f = CreateFileW(standin::FromAnsi(s.file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) {
    standin::Log("save failed " + s.file);
    return;
  }
  DWORD put = 0;
  WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
  Sleep(200);  // still downloading: the file stays locked
  CloseHandle(f);
  standin::Log(std::string(page ? "saved " : "saved missing page ") + s.address);
}

std::wstring DocumentInfoText() {
  std::string text = "Netscape document information\r\n\r\nLocation: " + state.address + "\r\n";
  text += "Title: " + Title() + "\r\n";
  for (const std::string& frame : standin::FrameAddresses(*state.site, state.address))
    text += "Frame: " + frame + "\r\n";
  return standin::FromAnsi(text);
}

LRESULT CALLBACK TextViewProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_COMMAND && LOWORD(wp) == 57642) {
    standin::Log("document info: select all");
    return 0;
  }
  if (m == WM_COMMAND && LOWORD(wp) == 57634) {
    standin::CopyToClipboard(w, state.texts[w]);
    standin::Log("document info: copy");
    return 0;
  }
  if (m == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    RECT r;
    GetClientRect(w, &r);
    DrawTextW(dc, state.texts[w].c_str(), -1, &r, DT_LEFT | DT_TOP);
    EndPaint(w, &ps);
    return 0;
  }
  return DefWindowProcW(w, m, wp, lp);
}

LRESULT CALLBACK InfoProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_CLOSE) {
    standin::Log("document info closed");
    DestroyWindow(w);
    return 0;
  }
  return DefWindowProcW(w, m, wp, lp);
}

void OpenDocumentInfo(int command) {
  standin::Log("document info opened by " + std::to_string(command));
  HINSTANCE inst = GetModuleHandleW(nullptr);
  HWND info = CreateWindowExW(0, kInfoClass, L"Netscape - [Document info]", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 120,
                              500, 300, nullptr, nullptr, inst, nullptr);
  HWND pane = CreateWindowExW(0, kPaneClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 490, 270, info,
                              reinterpret_cast<HMENU>(59648), inst, nullptr);
  CreateWindowExW(0, L"STATIC", L"Document Info", WS_CHILD | WS_VISIBLE, 0, 0, 490, 20, pane, nullptr, inst, nullptr);
  HWND text = CreateWindowExW(0, kTextViewClass, L"", WS_CHILD | WS_VISIBLE, 0, 20, 490, 250, pane, nullptr, inst,
                              nullptr);
  state.texts[text] = DocumentInfoText();
  InvalidateRect(text, nullptr, TRUE);
}

LRESULT CALLBACK BrowserProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_COMMAND:
      if (LOWORD(wp) == 32846 || LOWORD(wp) == 32842) OpenDocumentInfo(LOWORD(wp));
      return 0;
    case kSaveNow: {
      std::unique_ptr<Save> s(reinterpret_cast<Save*>(lp));
      WriteSaved(*s);
      return 0;
    }
    case WM_SIZE: {
      RECT r;
      GetClientRect(w, &r);
      if (state.location) MoveWindow(state.location, 0, 0, r.right, 24, TRUE);
      if (state.page.Window()) state.page.Place(0, 26, r.right, r.bottom - 26);
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

HMENU NavigatorMenu() {
  HMENU bar = CreateMenu();
  for (const wchar_t* item : {L"&File", L"&Edit", L"&View", L"&Go", L"&Bookmarks", L"&Options", L"&Directory",
                              L"&Window", L"&Help"}) {
    HMENU sub = CreatePopupMenu();
    AppendMenuW(sub, MF_STRING, 1, L"(stand-in)");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), item);
  }
  return bar;
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

}  // namespace

int main() {
  std::vector<std::string> args = standin::Args();
  standin::OpenLog(standin::Option(args, "--log", "navigator.log"));
  state.site = std::make_unique<standin::Site>(standin::Option(args, "--site", "."));
  state.address = standin::Option(args, "--page", "http://www.example.com/");
  state.titleLast = standin::Flag(args, "--title-last");
  standin::EndAfter(std::stoi(standin::Option(args, "--lifetime", "120")));

  Register(kBrowserClass, BrowserProc);
  Register(kInfoClass, InfoProc);
  Register(kPaneClass, DefWindowProcW);
  Register(kTextViewClass, TextViewProc);
  state.browser = CreateWindowExW(0, kBrowserClass, L"Netscape", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 60, 760, 560,
                                  nullptr, NavigatorMenu(), GetModuleHandleW(nullptr), nullptr);
  state.location = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_READONLY, 0, 0, 10, 10,
                                   state.browser, nullptr, GetModuleHandleW(nullptr), nullptr);
  state.page.Create(state.browser, 100);
  SendMessageW(state.browser, WM_SIZE, 0, 0);
  ShowPage();

  standin::DdeServer dde;
  if (!dde.Start("Netscape", {"WWW_GetWindowInfo", "WWW_OpenURL", "WWW_ShowFile"}, Answer,
                 standin::Flag(args, "--mute"))) {
    standin::Log("DDE service could not be registered");
    return 1;
  }
  standin::Log("ready");
  return standin::RunMessageLoop();
}
