// mail_standin: plays an open mail message for the Wine tests of the
// toolbar's browser buttons. The message's text (a UTF-8 file) is shown,
// and copied to the clipboard the way each program's window does it:
//
//   --kind ath_note   Outlook Express ("ATH_Note"): command 65658 selects,
//                     command 119 copies;
//   --kind outlook    Outlook ("rctrl_renwnd32"): the text control down the
//                     child path 103, 0, 4102, 2748 copies on WM_COPY;
//   --kind netscape   Navigator's message window ("Afx:400000:b:...",
//                     "Netscape Mail - ..."): commands 57642 and 57634
//                     select and copy (headers, an empty line, the body),
//                     command 32782 is noted.
//
//   mail_standin --kind KIND --text FILE --log FILE [--lifetime SECONDS]
//
// Every event goes to the log; the program ends by itself after its time
// limit.

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "standin.h"

namespace {

std::wstring text;
std::string kind;
HWND view = nullptr;

LRESULT CALLBACK MailProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_COMMAND: {
      unsigned command = static_cast<unsigned>(wp);
      standin::Log("command " + std::to_string(command));
      if ((kind == "ath_note" && command == 119) || (kind == "netscape" && command == 57634))
        standin::CopyToClipboard(w, text);
      return 0;
    }
    case WM_SIZE:
      if (view) standin::FitToParent(view);
      return 0;
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

HWND Child(HWND parent, int id) {
  return CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 720, 460, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

int main() {
  std::vector<std::string> args = standin::Args();
  standin::OpenLog(standin::Option(args, "--log", "mail.log"));
  kind = standin::Option(args, "--kind", "ath_note");
  std::ifstream in(standin::Wide(standin::Option(args, "--text", "mail.txt")).c_str(), std::ios::binary);
  std::string utf8((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (std::size_t at = utf8.find('\n'); at != std::string::npos; at = utf8.find('\n', at + 2))
    if (at == 0 || utf8[at - 1] != '\r') utf8.insert(at, "\r");
  text = standin::Wide(utf8);
  standin::EndAfter(std::stoi(standin::Option(args, "--lifetime", "120")));

  const wchar_t* cls = kind == "outlook" ? L"rctrl_renwnd32" : kind == "netscape" ? L"Afx:400000:b:1c4e:6:4a5c"
                                                                                     : L"ATH_Note";
  const wchar_t* title = kind == "outlook"    ? L"Message - Microsoft Outlook"
                         : kind == "netscape" ? L"Netscape Mail - Inbox"
                                              : L"Re: lunch";
  WNDCLASSW wc{};
  wc.lpfnWndProc = MailProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = cls;
  RegisterClassW(&wc);
  HWND w = CreateWindowExW(0, cls, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 140, 140, 560, 380, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  HWND parent = w;
  if (kind == "outlook")
    for (int id : {103, 0, 4102}) parent = Child(parent, id);
  if (kind == "netscape") parent = Child(parent, 59648);
  view = standin::MakeView(parent, kind == "outlook" ? 2748 : 100);
  SetWindowTextW(view, text.c_str());
  standin::Log("ready");
  return standin::RunMessageLoop();
}
