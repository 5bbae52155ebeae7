#pragma once
// The desktop services on Windows.

#include "platform/win32/win32_api.h"

#include <random>

#include "platform/desktop.h"
#include "platform/win32/wininet_cache.h"

namespace wb {

class Win32Desktop : public Desktop {
 public:
  // Wave resources are looked for in the module `resources`.
  explicit Win32Desktop(HINSTANCE resources);
  ~Win32Desktop() override;

  // The program's main window: it owns message boxes and receives hot keys.
  void SetMainWindow(HWND window) { main_ = window; }

  // LoadWinInet, at start-up: Internet Explorer's page cache.
  WinInetCache::LoadResult LoadWinInet() { return winInet_.Load(); }

  bool KeyExists(std::string_view key) override;
  bool CreateKey(std::string_view key) override;
  std::optional<std::string> ReadString(std::string_view key, std::string_view name) override;
  bool WriteString(std::string_view key, std::string_view name, std::string_view value) override;
  bool WriteNumber(std::string_view key, std::string_view name, std::uint32_t value) override;
  std::optional<std::string> ClipboardText() override;
  bool SetClipboardText(std::string_view text) override;
  MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                            MessageKind kind) override;
  void Beep(BeepKind kind) override;
  bool RegisterHotKey(int id, unsigned modifiers, unsigned key) override;
  bool UnregisterHotKey(int id) override;
  void PlaySoundResource(std::string_view name) override;
  void PlaySoundFile(std::string_view path) override;
  void StopSound() override;
  bool OpenWithShell(std::string_view target) override;
  bool MakeDirectory(std::string_view path) override;
  int DeleteFiles(std::string_view directory, std::string_view pattern) override;
  WindowId FindTopLevelWindow(std::string_view className) override;
  void Sleep(int milliseconds) override;
  int Random(int n) override;
  std::int64_t Milliseconds() override;

  std::optional<std::string> ReadPageFile(std::string_view path, std::string& error) override;
  bool WritePageFile(std::string_view path, std::string_view bytes, std::string& error) override;
  std::string GbCharacter(char32_t c) override;
  bool RemoveFile(std::string_view path) override;
  bool FileIsFree(std::string_view path) override;
  bool CopyUrlCacheEntry(std::string_view url, std::string_view path) override;
  Conversation DdeConnect(std::string_view service, std::string_view topic) override;
  DdeReply DdeRequest(Conversation c, std::string_view item, int timeoutMs) override;
  WindowId DdePartnerWindow(Conversation c) override;
  void DdeDisconnect(Conversation c) override;
  std::vector<WindowId> TopLevelWindows() override;
  std::vector<WindowId> ThreadWindows(WindowId w) override;
  std::vector<WindowId> ChildWindows(WindowId parent) override;
  std::string WindowClass(WindowId w) override;
  std::string WindowText(WindowId w) override;
  int ControlId(WindowId w) override;
  std::optional<std::string> MenuBarItem(WindowId w, int position) override;
  std::optional<std::intptr_t> SendToWindow(WindowId w, unsigned message, std::uintptr_t wParam,
                                            std::intptr_t lParam) override;
  bool PostToWindow(WindowId w, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
  void LockUpdates(WindowId w) override;
  void UnlockUpdates() override;
  void FocusControl(WindowId control) override;
  void Wait(int milliseconds) override;

 private:
  bool OpenClipboardBounded();
  bool DdeReady();

  HINSTANCE resources_;
  HWND main_ = nullptr;
  std::minstd_rand random_;
  WinInetCache winInet_;
  DWORD ddeInstance_ = 0;
};

}  // namespace wb
