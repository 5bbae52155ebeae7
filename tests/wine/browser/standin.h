#pragma once
// What the stand-in browsers and mail readers share: arguments, the event
// log the tests read, the time limit after which every stand-in ends by
// itself, the site its pages come from, a plain-text view of a page (so
// that a screenshot shows what the user would read), the clipboard, and a
// DDE server. These programs play the browsers of the late 1990s at the
// level the toolbar meets them: windows, DDE and the clipboard.

#include <windows.h>
#include <ddeml.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace standin {

std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);
// The system's ANSI bytes (as DDE and the file names of the toolbar give
// them) to UTF-16.
std::wstring FromAnsi(const std::string& bytes);

// The program's arguments in UTF-8, the program itself first.
std::vector<std::string> Args();
// "--name VALUE" among the arguments, or fallback.
std::string Option(const std::vector<std::string>& args, const std::string& name, const std::string& fallback);
bool Flag(const std::vector<std::string>& args, const std::string& name);

// The event log: each line is appended and flushed at once, in UTF-8.
void OpenLog(const std::string& path);
void Log(const std::string& line);

// The program ends by itself after this many seconds, whatever happens.
void EndAfter(int seconds);
int RunMessageLoop();

// The pages of a web site kept in a folder: http://any-host/a/b.htm is the
// folder's a\b.htm (an address ending in "/" its index.htm). Local
// addresses (file:///c|/x.htm, file://C:\x.htm, c:\x.htm) are the files
// themselves.
class Site {
 public:
  explicit Site(std::string folder) : folder_(std::move(folder)) {}
  std::wstring FileFor(const std::string& address) const;
  std::optional<std::string> Read(const std::string& address) const;

 private:
  std::string folder_;
};

// An address made absolute against the page it appears in.
std::string Resolve(const std::string& base, const std::string& relative);
// The source addresses of a page's frames, nested framesets followed, in
// document order.
std::vector<std::string> FrameAddresses(const Site& site, const std::string& address, int depth = 0);
// The title of a page, or the address when it has none.
std::string Title(const Site& site, const std::string& address);
// What a reader sees of a page: its text without mark-up, each frame's
// text after a line naming the frame.
std::wstring PageText(const Site& site, const std::string& address, int depth = 0);

// A read-only text view that fills its parent, in a face that shows Chinese.
HWND MakeView(HWND parent, int id, DWORD extraStyle = 0);
void FitToParent(HWND view);

// A browser's page area: a page without frames in one view; a frameset's
// frames side by side or one above the other as its first frameset asks
// (a nested frameset's frames share one view).
class PageArea {
 public:
  void Create(HWND parent, int id);
  void Show(const Site& site, const std::string& address);
  void Place(int x, int y, int width, int height);
  HWND Window() const { return area_; }

 private:
  void Layout();

  HWND area_ = nullptr;
  std::vector<HWND> views_;
  std::vector<std::string> sizes_;
  bool columns_ = false;
};

// A page put into Internet Explorer's WinInet cache under its address, as
// a browser that fetched it would.
bool PutIntoUrlCache(const std::string& address, const std::string& bytes);

// The clipboard's text replaced.
bool CopyToClipboard(HWND owner, const std::wstring& text);

// One DDE service answering XTYP_REQUEST in text. The handler gets the
// topic and the item and returns the reply, or nothing for no data. Topics
// not in the list are refused at connection. With `mute` requests are
// never answered (the conversation is blocked).
class DdeServer {
 public:
  using Handler = std::function<std::optional<std::string>(const std::string& topic, const std::string& item)>;
  bool Start(const std::string& service, std::vector<std::string> topics, Handler handler, bool mute);
  ~DdeServer();

 private:
  static HDDEDATA CALLBACK Callback(UINT type, UINT format, HCONV conv, HSZ topic, HSZ item, HDDEDATA data,
                                    ULONG_PTR, ULONG_PTR);
  std::string Text(HSZ s) const;

  DWORD instance_ = 0;
  HSZ service_ = nullptr;
  std::vector<std::string> topics_;
  Handler handler_;
  bool mute_ = false;
};

}  // namespace standin
