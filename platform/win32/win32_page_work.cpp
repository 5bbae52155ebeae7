// The desktop services of the page work on Windows: whole files, the
// WinInet cache, the DDE client and other programs' windows.

#include "platform/win32/win32_api.h"

#include <string>
#include <vector>

#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_text.h"

namespace wb {

namespace {

// A browser's window gets this long to answer a message; a browser that
// takes longer is not waiting for anything the toolbar could give it.
constexpr UINT kSendTimeoutMs = 10000;
// A control's text is read within this time: the walks over windows read
// many, and one program that is slow to answer must not hold them up long.
constexpr UINT kTextTimeoutMs = 2000;
// Pages larger than this are not read (no web page comes near it).
constexpr LONGLONG kLargestPage = 64LL * 1024 * 1024;

std::wstring PathW(std::string_view enginePath) { return EngineToWide(enginePath); }

std::string Named(std::string_view enginePath, std::string_view reason) {
  return WideToUtf8(PathW(enginePath)) + "：" + std::string(reason);
}

HWND Hwnd(WindowId w) { return reinterpret_cast<HWND>(w); }
WindowId Id(HWND w) { return reinterpret_cast<WindowId>(w); }

BOOL CALLBACK Collect(HWND w, LPARAM list) {
  reinterpret_cast<std::vector<WindowId>*>(list)->push_back(Id(w));
  return TRUE;
}

// The one DDE request under way. Requests are made asynchronously and
// waited for with the program's messages flowing, so that the toolbar
// repaints and refuses a second press while a browser takes its time (a
// synchronous request holds the thread in the DDE library's own loop).
struct PendingRequest {
  DWORD id = 0;
  DWORD instance = 0;
  bool done = false;
  bool answered = false;
  std::string text;
} pending;

HDDEDATA CALLBACK ClientCallback(UINT type, UINT, HCONV, HSZ, HSZ, HDDEDATA data, ULONG_PTR id, ULONG_PTR) {
  if (type != XTYP_XACT_COMPLETE || pending.id == 0 || static_cast<DWORD>(id) != pending.id) return nullptr;
  pending.done = true;
  if (data != nullptr) {
    // The data belongs to the library once the callback returns: copied now.
    DWORD size = DdeGetData(data, nullptr, 0, 0);
    pending.text.assign(size, '\0');
    if (size > 0) DdeGetData(data, reinterpret_cast<LPBYTE>(pending.text.data()), size, 0);
    std::size_t nul = pending.text.find('\0');
    if (nul != std::string::npos) pending.text.resize(nul);
    pending.answered = true;
  }
  return nullptr;
}

// Runs the program's messages until done() or the time is up; false when
// the program is ending (the quit message is left for the main loop).
template <typename Done>
bool PumpMessages(DWORD milliseconds, Done done) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (done()) return true;
    DWORD spent = GetTickCount() - start;
    if (spent >= milliseconds) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - spent, QS_ALLINPUT);
  }
}

}  // namespace

// ---- files -------------------------------------------------------------------

std::string Win32Desktop::GbCharacter(char32_t c) {
  // Code page 936 holds characters of the basic plane only.
  if (c == 0 || c > 0xFFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::string();
  const wchar_t w = static_cast<wchar_t>(c);
  char bytes[4];
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, &w, 1, bytes, sizeof bytes, nullptr, &usedDefault);
  if (n <= 0 || usedDefault) return std::string();
  return std::string(bytes, static_cast<std::size_t>(n));
}

std::optional<std::string> Win32Desktop::ReadPageFile(std::string_view path, std::string& error) {
  HANDLE f = CreateFileW(PathW(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) {
    DWORD e = GetLastError();
    error = Named(path, e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND ? "文件不存在" : "文件无法打开");
    return std::nullopt;
  }
  LARGE_INTEGER size{};
  std::optional<std::string> content;
  if (!GetFileSizeEx(f, &size) || size.QuadPart > kLargestPage) {
    error = Named(path, "文件太大");
  } else {
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    std::size_t at = 0;
    while (at < bytes.size() &&
           ReadFile(f, bytes.data() + at, static_cast<DWORD>(bytes.size() - at), &got, nullptr) && got > 0)
      at += got;
    if (at == bytes.size())
      content = std::move(bytes);
    else
      error = Named(path, "文件读取出错");
  }
  CloseHandle(f);
  return content;
}

bool Win32Desktop::WritePageFile(std::string_view path, std::string_view bytes, std::string& error) {
  // Into a file beside the target, then renamed over it: a full disk never
  // leaves half a page where a whole one stood.
  const std::wstring target = PathW(path);
  const std::wstring temp = target + L".part";
  HANDLE f = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) {
    error = Named(path, "文件无法写入");
    return false;
  }
  std::size_t at = 0;
  DWORD put = 0;
  while (at < bytes.size() &&
         WriteFile(f, bytes.data() + at, static_cast<DWORD>(bytes.size() - at), &put, nullptr) && put > 0)
    at += put;
  const bool closed = CloseHandle(f) != FALSE;
  if (at != bytes.size() || !closed || !MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    DeleteFileW(temp.c_str());
    error = Named(path, at != bytes.size() ? "文件写入出错（磁盘满了？）" : "文件无法写入");
    return false;
  }
  return true;
}

bool Win32Desktop::RemoveFile(std::string_view path) { return DeleteFileW(PathW(path).c_str()) != FALSE; }

bool Win32Desktop::FileIsFree(std::string_view path) {
  // No sharing at all: the open fails while the browser still writes.
  HANDLE f = CreateFileW(PathW(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  CloseHandle(f);
  return true;
}

bool Win32Desktop::CopyUrlCacheEntry(std::string_view url, std::string_view path) {
  return winInet_.CopyEntry(url, PathW(path));
}

// ---- DDE -----------------------------------------------------------------------

bool Win32Desktop::DdeReady() {
  if (ddeInstance_ != 0) return true;
  DWORD inst = 0;
  if (DdeInitializeA(&inst, ClientCallback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) return false;
  ddeInstance_ = inst;
  return true;
}

Win32Desktop::~Win32Desktop() {
  if (ddeInstance_ != 0) DdeUninitialize(ddeInstance_);
}

Conversation Win32Desktop::DdeConnect(std::string_view service, std::string_view topic) {
  if (!DdeReady()) return kNoConversation;
  HSZ s = DdeCreateStringHandleA(ddeInstance_, std::string(service).c_str(), CP_WINANSI);
  HSZ t = DdeCreateStringHandleA(ddeInstance_, std::string(topic).c_str(), CP_WINANSI);
  HCONV c = s && t ? ::DdeConnect(ddeInstance_, s, t, nullptr) : nullptr;
  if (s) DdeFreeStringHandle(ddeInstance_, s);
  if (t) DdeFreeStringHandle(ddeInstance_, t);
  return reinterpret_cast<Conversation>(c);
}

DdeReply Win32Desktop::DdeRequest(Conversation c, std::string_view item, int timeoutMs) {
  DdeReply reply;
  // One request at a time: a second one while the first is waited for
  // (from a message handled meanwhile) is refused.
  if (c == kNoConversation || ddeInstance_ == 0 || pending.id != 0) return reply;
  HSZ i = DdeCreateStringHandleA(ddeInstance_, std::string(item).c_str(), CP_WINANSI);
  if (i == nullptr) return reply;
  DWORD id = 0;
  HDDEDATA started = DdeClientTransaction(nullptr, 0, reinterpret_cast<HCONV>(c), i, CF_TEXT, XTYP_REQUEST,
                                          TIMEOUT_ASYNC, &id);
  DdeFreeStringHandle(ddeInstance_, i);
  if (started == nullptr || id == 0) return reply;
  pending = PendingRequest{id, ddeInstance_, false, false, {}};
  const bool running = PumpMessages(static_cast<DWORD>(timeoutMs > 0 ? timeoutMs : 1), [] { return pending.done; });
  if (!pending.done) {
    DdeAbandonTransaction(ddeInstance_, reinterpret_cast<HCONV>(c), id);
    reply.timedOut = running;
  }
  reply.answered = pending.answered;
  reply.text = std::move(pending.text);
  pending = PendingRequest{};
  return reply;
}

WindowId Win32Desktop::DdePartnerWindow(Conversation c) {
  CONVINFO info{};
  info.cb = sizeof info;
  if (c == kNoConversation || DdeQueryConvInfo(reinterpret_cast<HCONV>(c), QID_SYNC, &info) == 0) return kNoWindow;
  return Id(info.hwndPartner);
}

void Win32Desktop::DdeDisconnect(Conversation c) {
  if (c != kNoConversation) ::DdeDisconnect(reinterpret_cast<HCONV>(c));
}

// ---- other programs' windows -----------------------------------------------------

std::vector<WindowId> Win32Desktop::TopLevelWindows() {
  std::vector<WindowId> list;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&list));
  return list;
}

std::vector<WindowId> Win32Desktop::ThreadWindows(WindowId w) {
  std::vector<WindowId> list;
  DWORD thread = GetWindowThreadProcessId(Hwnd(w), nullptr);
  if (thread != 0) EnumThreadWindows(thread, Collect, reinterpret_cast<LPARAM>(&list));
  return list;
}

std::vector<WindowId> Win32Desktop::ChildWindows(WindowId parent) {
  std::vector<WindowId> list;
  // A window that goes away meanwhile ends the list; a bound guards against
  // a chain that loops while windows are being moved about.
  for (HWND c = GetWindow(Hwnd(parent), GW_CHILD); c != nullptr && list.size() < 10000;
       c = GetWindow(c, GW_HWNDNEXT))
    list.push_back(Id(c));
  return list;
}

std::string Win32Desktop::WindowClass(WindowId w) {
  wchar_t name[256] = L"";
  int n = GetClassNameW(Hwnd(w), name, 256);
  return WideToUtf8(std::wstring_view(name, n > 0 ? static_cast<std::size_t>(n) : 0));
}

std::string Win32Desktop::WindowText(WindowId w) {
  // A top-level window's title is known to the system, which gives it
  // without asking the window's program (which may be busy).
  if ((GetWindowLongW(Hwnd(w), GWL_STYLE) & WS_CHILD) == 0) {
    wchar_t title[512] = L"";
    int n = GetWindowTextW(Hwnd(w), title, 512);
    return WideToUtf8(std::wstring_view(title, n > 0 ? static_cast<std::size_t>(n) : 0));
  }
  // WM_GETTEXT reaches the controls of other programs, where GetWindowText
  // does not.
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(Hwnd(w), WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTextTimeoutMs, &length))
    return std::string();
  if (length > 1024 * 1024) length = 1024 * 1024;
  std::wstring text(length + 1, L'\0');
  DWORD_PTR got = 0;
  if (!SendMessageTimeoutW(Hwnd(w), WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                           kTextTimeoutMs, &got))
    return std::string();
  text.resize(got < length + 1 ? got : length);
  return WideToUtf8(text);
}

int Win32Desktop::ControlId(WindowId w) { return GetDlgCtrlID(Hwnd(w)); }

std::optional<std::string> Win32Desktop::MenuBarItem(WindowId w, int position) {
  HMENU menu = GetMenu(Hwnd(w));
  if (menu == nullptr || position < 0 || position >= GetMenuItemCount(menu)) return std::nullopt;
  wchar_t text[256] = L"";
  int n = GetMenuStringW(menu, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
  if (n <= 0) return std::nullopt;
  return WideToUtf8(std::wstring_view(text, static_cast<std::size_t>(n)));
}

std::optional<std::intptr_t> Win32Desktop::SendToWindow(WindowId w, unsigned message, std::uintptr_t wParam,
                                                        std::intptr_t lParam) {
  // The ANSI form: typed characters are the engine's bytes, one WM_CHAR
  // each, as the system's ANSI input gives them.
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(Hwnd(w), message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &result))
    return std::nullopt;
  return static_cast<std::intptr_t>(result);
}

bool Win32Desktop::PostToWindow(WindowId w, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  return PostMessageA(Hwnd(w), message, wParam, lParam) != FALSE;
}

void Win32Desktop::LockUpdates(WindowId w) { ::LockWindowUpdate(w == kNoWindow ? GetDesktopWindow() : Hwnd(w)); }

void Win32Desktop::UnlockUpdates() { ::LockWindowUpdate(nullptr); }

void Win32Desktop::FocusControl(WindowId control) {
  DWORD theirs = GetWindowThreadProcessId(Hwnd(control), nullptr);
  DWORD ours = GetCurrentThreadId();
  const bool attached = theirs != 0 && theirs != ours && AttachThreadInput(ours, theirs, TRUE);
  SetFocus(Hwnd(control));
  if (attached) AttachThreadInput(ours, theirs, FALSE);
}

void Win32Desktop::Wait(int milliseconds) {
  PumpMessages(static_cast<DWORD>(milliseconds > 0 ? milliseconds : 0), [] { return false; });
}

}  // namespace wb
