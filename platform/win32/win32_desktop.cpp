#include "platform/win32/win32_desktop.h"

#include "platform/win32/win32_api.h"

#include <vector>

#include "platform/win32/win32_text.h"

namespace wb {

namespace {

// Registry values longer than this are nobody's settings; they are not read.
constexpr DWORD kMaxValueBytes = 64 * 1024;

// Another program may hold the clipboard open for a moment; a few tries
// spread over about half a second, then the clipboard counts as empty.
constexpr int kClipboardTries = 10;
constexpr DWORD kClipboardPauseMs = 50;

}  // namespace

Win32Desktop::Win32Desktop(HINSTANCE resources)
    : resources_(resources), random_(static_cast<unsigned>(GetTickCount()) ^ GetCurrentProcessId()) {}

// ---- registry --------------------------------------------------------------

bool Win32Desktop::KeyExists(std::string_view key) {
  HKEY k;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, Utf8ToWide(key).c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
  RegCloseKey(k);
  return true;
}

bool Win32Desktop::CreateKey(std::string_view key) {
  HKEY k;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, Utf8ToWide(key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k,
                      nullptr) != ERROR_SUCCESS)
    return false;
  RegCloseKey(k);
  return true;
}

std::optional<std::string> Win32Desktop::ReadString(std::string_view key, std::string_view name) {
  HKEY k;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, Utf8ToWide(key).c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS)
    return std::nullopt;
  std::wstring valueName = Utf8ToWide(name);
  DWORD type = 0, bytes = 0;
  std::optional<std::string> result;
  if (RegQueryValueExW(k, valueName.c_str(), nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ) && bytes <= kMaxValueBytes) {
    std::vector<wchar_t> buf(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD got = static_cast<DWORD>(buf.size() * sizeof(wchar_t));
    if (RegQueryValueExW(k, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &got) ==
        ERROR_SUCCESS) {
      // A stored string need not end with its terminator; the buffer has a
      // spare one.
      std::wstring_view v(buf.data(), got / sizeof(wchar_t));
      while (!v.empty() && v.back() == L'\0') v.remove_suffix(1);
      result = WideToUtf8(v);
    }
  }
  RegCloseKey(k);
  return result;
}

bool Win32Desktop::WriteString(std::string_view key, std::string_view name, std::string_view value) {
  HKEY k;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, Utf8ToWide(key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k,
                      nullptr) != ERROR_SUCCESS)
    return false;
  std::wstring v = Utf8ToWide(value);
  LONG r = RegSetValueExW(k, Utf8ToWide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(v.c_str()),
                          static_cast<DWORD>((v.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(k);
  return r == ERROR_SUCCESS;
}

bool Win32Desktop::WriteNumber(std::string_view key, std::string_view name, std::uint32_t value) {
  HKEY k;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, Utf8ToWide(key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k,
                      nullptr) != ERROR_SUCCESS)
    return false;
  DWORD v = value;
  LONG r = RegSetValueExW(k, Utf8ToWide(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v);
  RegCloseKey(k);
  return r == ERROR_SUCCESS;
}

// ---- clipboard -------------------------------------------------------------

bool Win32Desktop::OpenClipboardBounded() {
  for (int k = 0; k < kClipboardTries; ++k) {
    if (OpenClipboard(main_)) return true;
    ::Sleep(kClipboardPauseMs);
  }
  return false;
}

std::optional<std::string> Win32Desktop::ClipboardText() {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboardBounded()) return std::nullopt;
  std::optional<std::string> text;
  if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* p = static_cast<const wchar_t*>(GlobalLock(h))) {
      // The text ends at its terminator or at the end of its memory block,
      // whichever comes first: a block without a terminator is not overrun.
      std::size_t cap = GlobalSize(h) / sizeof(wchar_t);
      std::size_t n = 0;
      while (n < cap && p[n] != L'\0') ++n;
      text = WideToEngine(std::wstring_view(p, n));
      GlobalUnlock(h);
    }
  }
  CloseClipboard();
  return text;
}

bool Win32Desktop::SetClipboardText(std::string_view text) {
  std::wstring w = EngineToWide(text);
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, (w.size() + 1) * sizeof(wchar_t));
  if (h == nullptr) return false;
  auto* p = static_cast<wchar_t*>(GlobalLock(h));
  if (p == nullptr) {
    GlobalFree(h);
    return false;
  }
  std::copy(w.c_str(), w.c_str() + w.size() + 1, p);
  GlobalUnlock(h);
  if (!OpenClipboardBounded()) {
    GlobalFree(h);
    return false;
  }
  EmptyClipboard();
  bool ok = SetClipboardData(CF_UNICODETEXT, h) != nullptr;
  CloseClipboard();
  if (!ok) GlobalFree(h);
  return ok;
}

// ---- message boxes, hot keys, sounds -----------------------------------------

MessageAnswer Win32Desktop::ShowMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                                        MessageKind kind) {
  UINT flags = buttons == MessageButtons::kYesNo ? MB_YESNO : MB_OK;
  switch (kind) {
    case MessageKind::kInformation: flags |= MB_ICONINFORMATION; break;
    case MessageKind::kQuestion: flags |= MB_ICONQUESTION; break;
    case MessageKind::kWarning: flags |= MB_ICONWARNING; break;
    case MessageKind::kError: flags |= MB_ICONERROR; break;
  }
  int r = MessageBoxW(main_, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(), flags | MB_SETFOREGROUND);
  switch (r) {
    case IDYES: return MessageAnswer::kYes;
    case IDNO: return MessageAnswer::kNo;
    case IDOK: return MessageAnswer::kOk;
    default: return MessageAnswer::kClosed;
  }
}

void Win32Desktop::Beep(BeepKind kind) { MessageBeep(kind == BeepKind::kAsterisk ? MB_ICONASTERISK : MB_OK); }

bool Win32Desktop::RegisterHotKey(int id, unsigned modifiers, unsigned key) {
  return ::RegisterHotKey(main_, id, modifiers, key) != FALSE;
}

bool Win32Desktop::UnregisterHotKey(int id) { return ::UnregisterHotKey(main_, id) != FALSE; }

void Win32Desktop::PlaySoundResource(std::string_view name) {
  PlaySoundW(Utf8ToWide(name).c_str(), resources_, SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
}

void Win32Desktop::PlaySoundFile(std::string_view path) {
  PlaySoundW(Utf8ToWide(path).c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

void Win32Desktop::StopSound() { PlaySoundW(nullptr, nullptr, 0); }

// ---- shell and files ---------------------------------------------------------

bool Win32Desktop::OpenWithShell(std::string_view target) {
  auto r = reinterpret_cast<INT_PTR>(
      ShellExecuteW(main_, nullptr, Utf8ToWide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return r > 32;
}

bool Win32Desktop::MakeDirectory(std::string_view path) {
  return CreateDirectoryW(Utf8ToWide(path).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

int Win32Desktop::DeleteFiles(std::string_view directory, std::string_view pattern) {
  std::wstring dir = Utf8ToWide(directory);
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW((dir + Utf8ToWide(pattern)).c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return 0;
  // The system also matches a pattern against short 8.3 names ("trans*.htm"
  // would take "trans.html"); the long name decides.
  std::vector<std::wstring> names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        MatchesPattern(WideToUtf8(found.cFileName), pattern))
      names.push_back(dir + found.cFileName);
  } while (FindNextFileW(h, &found));
  FindClose(h);
  int deleted = 0;
  for (const std::wstring& n : names) deleted += DeleteFileW(n.c_str()) ? 1 : 0;
  return deleted;
}

// ---- windows, time, chance ---------------------------------------------------

WindowId Win32Desktop::FindTopLevelWindow(std::string_view className) {
  return reinterpret_cast<WindowId>(FindWindowW(Utf8ToWide(className).c_str(), nullptr));
}

void Win32Desktop::Sleep(int milliseconds) { ::Sleep(static_cast<DWORD>(milliseconds > 0 ? milliseconds : 0)); }

std::int64_t Win32Desktop::Milliseconds() { return static_cast<std::int64_t>(GetTickCount64()); }

int Win32Desktop::Random(int n) {
  if (n <= 0) return 0;
  return static_cast<int>(random_() % static_cast<unsigned>(n));
}

}  // namespace wb
