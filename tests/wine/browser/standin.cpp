#include "standin.h"

#include <shellapi.h>
#include <wininet.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace standin {

namespace {

std::FILE* logFile = nullptr;
DdeServer* theServer = nullptr;

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return s;
}

VOID CALLBACK TimeIsUp(HWND, UINT, UINT_PTR, DWORD) {
  Log("time limit reached");
  PostQuitMessage(3);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = static_cast<char>(c | 0x20);
  return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

std::string Unescape(const std::string& s) {
  std::string out;
  for (std::size_t k = 0; k < s.size(); ++k) {
    if (s[k] == '%' && k + 2 < s.size() && HexValue(s[k + 1]) >= 0 && HexValue(s[k + 2]) >= 0) {
      out += static_cast<char>(HexValue(s[k + 1]) * 16 + HexValue(s[k + 2]));
      k += 2;
    } else {
      out += s[k];
    }
  }
  return out;
}

// The value of an attribute in a tag's text (case-insensitive name).
std::optional<std::string> Attribute(const std::string& tag, const std::string& name) {
  std::string lower = Lower(tag);
  for (std::size_t at = lower.find(name); at != std::string::npos; at = lower.find(name, at + 1)) {
    if (at > 0 && !isspace(static_cast<unsigned char>(lower[at - 1]))) continue;
    std::size_t k = at + name.size();
    while (k < tag.size() && isspace(static_cast<unsigned char>(tag[k]))) ++k;
    if (k >= tag.size() || tag[k] != '=') continue;
    ++k;
    while (k < tag.size() && isspace(static_cast<unsigned char>(tag[k]))) ++k;
    if (k < tag.size() && (tag[k] == '"' || tag[k] == '\'')) {
      std::size_t end = tag.find(tag[k], k + 1);
      return tag.substr(k + 1, end == std::string::npos ? std::string::npos : end - k - 1);
    }
    std::size_t end = k;
    while (end < tag.size() && !isspace(static_cast<unsigned char>(tag[end])) && tag[end] != '>') ++end;
    return tag.substr(k, end - k);
  }
  return std::nullopt;
}

// Each tag of a page: its name (lower case) and its whole text.
template <typename Fn>
void ForEachTag(const std::string& page, Fn fn) {
  for (std::size_t at = page.find('<'); at != std::string::npos; at = page.find('<', at + 1)) {
    std::size_t end = page.find('>', at);
    if (end == std::string::npos) return;
    std::string tag = page.substr(at + 1, end - at - 1);
    std::size_t nameEnd = 0;
    while (nameEnd < tag.size() && !isspace(static_cast<unsigned char>(tag[nameEnd]))) ++nameEnd;
    fn(Lower(tag.substr(0, nameEnd)), tag, at, end);
  }
}

}  // namespace

std::wstring Wide(const std::string& utf8) {
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
  return w;
}

std::string Utf8(const std::wstring& wide) {
  int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), s.data(), n, nullptr, nullptr);
  return s;
}

std::wstring FromAnsi(const std::string& bytes) {
  int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring w(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), w.data(), n);
  return w;
}

std::vector<std::string> Args() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::string> args;
  for (int k = 0; k < argc; ++k) args.push_back(Utf8(argv[k]));
  LocalFree(argv);
  return args;
}

std::string Option(const std::vector<std::string>& args, const std::string& name, const std::string& fallback) {
  for (std::size_t k = 0; k + 1 < args.size(); ++k)
    if (args[k] == name) return args[k + 1];
  return fallback;
}

bool Flag(const std::vector<std::string>& args, const std::string& name) {
  for (const std::string& a : args)
    if (a == name) return true;
  return false;
}

void OpenLog(const std::string& path) { logFile = _wfopen(Wide(path).c_str(), L"ab"); }

void Log(const std::string& line) {
  if (logFile == nullptr) return;
  std::fprintf(logFile, "%s\n", line.c_str());
  std::fflush(logFile);
}

void EndAfter(int seconds) { SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, TimeIsUp); }

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

// ---- pages --------------------------------------------------------------------

std::wstring Site::FileFor(const std::string& address) const {
  std::string a = address;
  std::size_t cut = a.find_first_of("#?");
  if (cut != std::string::npos) a.resize(cut);
  std::string lower = Lower(a);
  std::size_t scheme = lower.find("://");
  if (lower.rfind("file:", 0) == 0) {
    std::string path = a.substr(5);
    while (path.size() > 2 && (path[0] == '/' || path[0] == '\\') && path.rfind("////", 0) != 0) path.erase(0, 1);
    for (char& c : path) c = c == '/' ? '\\' : c == '|' ? ':' : c;
    return FromAnsi(Unescape(path));
  }
  if (scheme == std::string::npos) return FromAnsi(a);  // a plain path
  std::size_t slash = a.find('/', scheme + 3);
  std::string path = slash == std::string::npos ? "/" : a.substr(slash);
  if (path.back() == '/') path += "index.htm";
  for (char& c : path) c = c == '/' ? '\\' : c;
  return Wide(folder_) + FromAnsi(Unescape(path));
}

std::optional<std::string> Site::Read(const std::string& address) const {
  std::ifstream in(FileFor(address).c_str(), std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Resolve(const std::string& base, const std::string& relative) {
  if (relative.find(':') != std::string::npos) return relative;
  std::size_t scheme = base.find("://");
  if (!relative.empty() && relative[0] == '/' && scheme != std::string::npos) {
    std::size_t slash = base.find('/', scheme + 3);
    return (slash == std::string::npos ? base : base.substr(0, slash)) + relative;
  }
  std::string dir = base.substr(0, base.find_last_of("/\\") + 1);
  std::string rel = relative;
  while (rel.rfind("../", 0) == 0) {
    rel.erase(0, 3);
    std::size_t up = dir.find_last_of("/\\", dir.size() >= 2 ? dir.size() - 2 : 0);
    if (up != std::string::npos && up > (scheme == std::string::npos ? 0 : scheme + 2)) dir.resize(up + 1);
  }
  if (rel.rfind("./", 0) == 0) rel.erase(0, 2);
  return dir + rel;
}

std::vector<std::string> FrameAddresses(const Site& site, const std::string& address, int depth) {
  std::vector<std::string> frames;
  std::optional<std::string> page = site.Read(address);
  if (!page || depth > 4) return frames;
  ForEachTag(*page, [&](const std::string& name, const std::string& tag, std::size_t, std::size_t) {
    if (name != "frame") return;
    std::optional<std::string> src = Attribute(tag, "src");
    if (!src) return;
    std::string frame = Resolve(address, *src);
    frames.push_back(frame);
    for (const std::string& inner : FrameAddresses(site, frame, depth + 1)) frames.push_back(inner);
  });
  return frames;
}

std::string Title(const Site& site, const std::string& address) {
  std::optional<std::string> page = site.Read(address);
  if (page) {
    std::string lower = Lower(*page);
    std::size_t open = lower.find("<title>");
    std::size_t close = lower.find("</title>");
    if (open != std::string::npos && close != std::string::npos && close > open)
      return page->substr(open + 7, close - open - 7);
  }
  return address;
}

std::wstring PageText(const Site& site, const std::string& address, int depth) {
  std::optional<std::string> page = site.Read(address);
  if (!page) return L"(" + FromAnsi(address) + L": no such page)\r\n";
  std::wstring text;
  bool frames = false;
  ForEachTag(*page, [&](const std::string& name, const std::string& tag, std::size_t, std::size_t) {
    if (name != "frame" || depth > 3) return;
    std::optional<std::string> src = Attribute(tag, "src");
    if (!src) return;
    frames = true;
    std::string frame = Resolve(address, *src);
    text += L"\r\n==== " + FromAnsi(frame) + L" ====\r\n" + PageText(site, frame, depth + 1);
  });
  if (frames) return text;
  // Text outside tags, scripts and styles; block elements start new lines.
  std::string plain;
  std::string lower = Lower(*page);
  bool inTag = false;
  for (std::size_t k = 0; k < page->size(); ++k) {
    char c = (*page)[k];
    if (!inTag && c == '<') {
      for (const char* skip : {"<script", "<style"}) {
        if (lower.compare(k, std::strlen(skip), skip) == 0) {
          std::size_t end = lower.find(std::string("</") + (skip + 1), k);
          k = end == std::string::npos ? page->size() : end;
        }
      }
      for (const char* block : {"<p", "<br", "<h", "<li", "<tr", "<div", "</p", "</h", "<pre", "</pre", "<title"})
        if (lower.compare(k, std::strlen(block), block) == 0) plain += "\r\n";
      inTag = true;
    } else if (inTag && c == '>') {
      inTag = false;
    } else if (!inTag) {
      plain += c == '\n' || c == '\r' || c == '\t' ? ' ' : c;
    }
  }
  for (const auto& [entity, ch] : {std::pair<const char*, const char*>{"&lt;", "<"}, {"&gt;", ">"}, {"&nbsp;", " "},
                                   {"&quot;", "\""}, {"&amp;", "&"}}) {
    for (std::size_t at = plain.find(entity); at != std::string::npos; at = plain.find(entity, at + 1))
      plain.replace(at, std::strlen(entity), ch);
  }
  return FromAnsi(plain) + L"\r\n";
}

// ---- windows ----------------------------------------------------------------------

HWND MakeView(HWND parent, int id, DWORD extraStyle) {
  HWND view = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL |
                                  extraStyle,
                              0, 0, 10, 10, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
  static HFONT font = CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"WenQuanYi Zen Hei");
  SendMessageW(view, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  FitToParent(view);
  return view;
}

void FitToParent(HWND view) {
  RECT r;
  GetClientRect(GetParent(view), &r);
  MoveWindow(view, 0, 0, r.right, r.bottom, TRUE);
}

namespace {

struct Pane {
  std::vector<std::string> frames;  // a frame, or a nested frameset's frames
};

// The panes of a page's first frameset and its column or row sizes.
bool FirstFrameset(const std::string& page, const std::string& address, std::vector<Pane>& panes,
                   std::vector<std::string>& sizes, bool& columns) {
  int depth = 0;
  bool found = false;
  ForEachTag(page, [&](const std::string& name, const std::string& tag, std::size_t, std::size_t) {
    if (name == "frameset") {
      if (++depth == 1 && !found) {
        found = true;
        std::optional<std::string> cols = Attribute(tag, "cols");
        std::optional<std::string> rows = Attribute(tag, "rows");
        columns = cols.has_value();
        std::string list = cols ? *cols : rows ? *rows : "*";
        std::size_t from = 0;
        for (std::size_t at = list.find(','); ; at = list.find(',', from)) {
          sizes.push_back(list.substr(from, at == std::string::npos ? std::string::npos : at - from));
          if (at == std::string::npos) break;
          from = at + 1;
        }
      } else if (depth == 2 && found) {
        panes.emplace_back();
      }
    } else if (name == "/frameset") {
      --depth;
    } else if (name == "frame" && found && depth >= 1) {
      std::optional<std::string> src = Attribute(tag, "src");
      if (!src) return;
      if (depth == 1) panes.emplace_back();
      if (!panes.empty()) panes.back().frames.push_back(Resolve(address, *src));
    }
  });
  return found && !panes.empty();
}

}  // namespace

void PageArea::Create(HWND parent, int id) {
  area_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 10, 10, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void PageArea::Show(const Site& site, const std::string& address) {
  for (HWND v : views_) DestroyWindow(v);
  views_.clear();
  sizes_.clear();
  std::vector<Pane> panes;
  std::optional<std::string> page = site.Read(address);
  if (!page || !FirstFrameset(*page, address, panes, sizes_, columns_)) {
    panes.assign(1, Pane{{address}});
    sizes_.assign(1, "*");
  }
  for (const Pane& pane : panes) {
    std::wstring text;
    for (const std::string& frame : pane.frames) {
      if (pane.frames.size() > 1 || panes.size() > 1) text += L"[" + FromAnsi(frame) + L"]\r\n";
      text += PageText(site, frame) + L"\r\n";
    }
    HWND v = MakeView(area_, 100 + static_cast<int>(views_.size()));
    SetWindowTextW(v, text.c_str());
    views_.push_back(v);
  }
  Layout();
}

void PageArea::Place(int x, int y, int width, int height) {
  MoveWindow(area_, x, y, width, height, TRUE);
  Layout();
}

void PageArea::Layout() {
  RECT r;
  GetClientRect(area_, &r);
  const int total = columns_ ? r.right : r.bottom;
  // Pixels first, then per cent, then the stars share what is left.
  std::vector<int> extent(views_.size(), 0);
  int used = 0, stars = 0;
  for (std::size_t k = 0; k < views_.size(); ++k) {
    const std::string size = k < sizes_.size() ? sizes_[k] : "*";
    int n = std::atoi(size.c_str());
    if (size.find('*') != std::string::npos || n <= 0) {
      ++stars;
      extent[k] = -1;
    } else {
      extent[k] = size.find('%') != std::string::npos ? total * n / 100 : n;
      used += extent[k];
    }
  }
  int share = stars > 0 ? std::max(0, total - used) / stars : 0;
  int at = 0;
  for (std::size_t k = 0; k < views_.size(); ++k) {
    int e = extent[k] < 0 ? share : extent[k];
    if (columns_)
      MoveWindow(views_[k], at, 0, e, r.bottom, TRUE);
    else
      MoveWindow(views_[k], 0, at, r.right, e, TRUE);
    at += e;
  }
}

bool PutIntoUrlCache(const std::string& address, const std::string& bytes) {
  char local[MAX_PATH] = "";
  if (!CreateUrlCacheEntryA(address.c_str(), static_cast<DWORD>(bytes.size()), "htm", local, 0)) return false;
  {
    std::ofstream out(local, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) return false;
  }
  static const char kHeaders[] = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n";
  FILETIME never{};
  return CommitUrlCacheEntryA(address.c_str(), local, never, never, NORMAL_CACHE_ENTRY,
                              reinterpret_cast<LPBYTE>(const_cast<char*>(kHeaders)), sizeof kHeaders - 1, "htm",
                              nullptr) != FALSE;
}

bool CopyToClipboard(HWND owner, const std::wstring& text) {
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (h == nullptr) return false;
  std::memcpy(GlobalLock(h), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(h);
  for (int k = 0; k < 40 && !OpenClipboard(owner); ++k) Sleep(25);
  EmptyClipboard();
  bool ok = SetClipboardData(CF_UNICODETEXT, h) != nullptr;
  CloseClipboard();
  return ok;
}

// ---- DDE -----------------------------------------------------------------------------

bool DdeServer::Start(const std::string& service, std::vector<std::string> topics, Handler handler, bool mute) {
  theServer = this;
  topics_ = std::move(topics);
  handler_ = std::move(handler);
  mute_ = mute;
  if (DdeInitializeA(&instance_, Callback, APPCLASS_STANDARD | CBF_FAIL_POKES | CBF_FAIL_ADVISES, 0) !=
      DMLERR_NO_ERROR)
    return false;
  service_ = DdeCreateStringHandleA(instance_, service.c_str(), CP_WINANSI);
  return DdeNameService(instance_, service_, nullptr, DNS_REGISTER) != nullptr;
}

DdeServer::~DdeServer() {
  if (instance_ == 0) return;
  DdeNameService(instance_, service_, nullptr, DNS_UNREGISTER);
  DdeFreeStringHandle(instance_, service_);
  DdeUninitialize(instance_);
}

std::string DdeServer::Text(HSZ s) const {
  char buf[1024] = "";
  DWORD n = DdeQueryStringA(instance_, s, buf, sizeof buf, CP_WINANSI);
  return std::string(buf, n);
}

HDDEDATA CALLBACK DdeServer::Callback(UINT type, UINT format, HCONV, HSZ topic, HSZ item, HDDEDATA, ULONG_PTR,
                                      ULONG_PTR) {
  DdeServer* s = theServer;
  if (s == nullptr) return nullptr;
  if (type == XTYP_CONNECT) {
    std::string t = Lower(s->Text(topic));
    for (const std::string& known : s->topics_)
      if (Lower(known) == t) return reinterpret_cast<HDDEDATA>(TRUE);
    Log("refused topic " + s->Text(topic));
    return nullptr;
  }
  if (type != XTYP_REQUEST) return nullptr;
  const std::string t = s->Text(topic), i = s->Text(item);
  if (s->mute_) {
    Log("request left unanswered " + t + " " + Utf8(FromAnsi(i)));
    return CBR_BLOCK;
  }
  if (format != CF_TEXT) return nullptr;
  std::optional<std::string> reply = s->handler_(t, i);
  if (!reply) return nullptr;
  return DdeCreateDataHandle(s->instance_, reinterpret_cast<LPBYTE>(reply->data()),
                             static_cast<DWORD>(reply->size() + 1), 0, item, CF_TEXT, 0);
}

}  // namespace standin
