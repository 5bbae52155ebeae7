#pragma once
// The desktop in memory: a registry of maps, a clipboard string, scripted
// answers to message boxes and a record of everything the program asked of
// the desktop. Tests set it up, run the program's logic and look at what
// happened.

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace wb {

class MemoryDesktop : public Desktop {
 public:
  // ---- what the program sees ---------------------------------------------

  // Key name (lower case) → value name (lower case) → value.
  std::map<std::string, std::map<std::string, std::string>> registry;
  // Numbers (REG_DWORD) written, by "key\\name" in lower case.
  std::map<std::string, std::uint32_t> numbers;
  std::optional<std::string> clipboard;
  // Answers for the next message boxes, in order; when none is left a
  // question is answered No and a notice OK.
  std::deque<MessageAnswer> answers;
  // Hot-key identifiers the system refuses (taken by someone else), and
  // whether it refuses the key itself whatever the identifier.
  std::set<int> refusedHotKeyIds;
  bool hotKeyTaken = false;
  // Numbers Random returns, in order; 0 when none is left.
  std::deque<int> randoms;
  // Files that exist (full paths as the program names them) with their
  // bytes; busyFiles are held open by another program.
  std::map<std::string, std::string> files;
  std::set<std::string> busyFiles;
  // Files that cannot be written (a full disk, a read-only place).
  std::set<std::string> unwritable;
  // Internet Explorer's page cache: address → page.
  std::map<std::string, std::string> urlCache;

  // Windows, front to back; a window with a parent is that window's child,
  // in the order they stand here.
  struct Window {
    WindowId id;
    std::string className;
    std::string title;
    WindowId parent = kNoWindow;
    int controlId = 0;
    int thread = 0;
    std::vector<std::string> menuBar = {};
  };
  std::vector<Window> windows;
  // How other programs' windows answer sent and posted messages: the answer
  // of a sent message (nothing: no answer in time). Without them every
  // message is answered 0.
  struct WindowMessage {
    WindowId window;
    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    bool posted;
  };
  std::function<std::optional<std::intptr_t>(const WindowMessage&)> onMessage;

  // DDE servers by "service|topic" (compared without regard to case): each
  // answers an item. The partner window of their conversations.
  std::map<std::string, std::function<DdeReply(std::string_view item)>> ddeTopics;
  WindowId ddePartner = kNoWindow;
  // Run at every Wait, as time passes: the other programs do their part.
  std::function<void()> onWait;
  // The clock: Sleep and Wait move it on, and so does every window text
  // read, by readCostMs (a slow program answering).
  std::int64_t clockMs = 0;
  int readCostMs = 0;
  // The GB bytes of the characters the double knows; every other character
  // has none.
  std::map<char32_t, std::string> gbCharacters;

  // ---- what the program did ----------------------------------------------

  struct Message {
    std::string text, caption;
    MessageButtons buttons;
    MessageKind kind;
  };
  std::vector<Message> messages;
  std::vector<BeepKind> beeps;
  std::set<int> hotKeys;  // registered identifiers
  // "resource NAME", "file PATH" and "stop", in order.
  std::vector<std::string> sounds;
  std::vector<std::string> opened;
  std::set<std::string> directories;
  int sleptMs = 0;
  int waitedMs = 0;
  std::vector<WindowMessage> windowMessages;
  struct DdeCall {
    std::string service, topic, item;
  };
  std::vector<std::string> ddeConnects;  // "service|topic", opened or not
  std::vector<DdeCall> ddeRequests;
  int openConversations = 0;
  // "lock WINDOW" and "unlock", in order; the controls given the focus.
  std::vector<std::string> locks;
  std::vector<WindowId> focused;

  // Convenience for tests: a value, or nothing.
  std::optional<std::string> Value(std::string_view key, std::string_view name) const;

  // ---- Desktop -----------------------------------------------------------

  bool KeyExists(std::string_view key) override;
  bool CreateKey(std::string_view key) override;
  std::optional<std::string> ReadString(std::string_view key, std::string_view name) override;
  bool WriteString(std::string_view key, std::string_view name, std::string_view value) override;
  bool WriteNumber(std::string_view key, std::string_view name, std::uint32_t value) override;
  std::optional<std::string> ClipboardText() override { return clipboard; }
  bool SetClipboardText(std::string_view text) override;
  MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                            MessageKind kind) override;
  void Beep(BeepKind kind) override { beeps.push_back(kind); }
  bool RegisterHotKey(int id, unsigned modifiers, unsigned key) override;
  bool UnregisterHotKey(int id) override { return hotKeys.erase(id) == 1; }
  void PlaySoundResource(std::string_view name) override;
  void PlaySoundFile(std::string_view path) override;
  void StopSound() override { sounds.push_back("stop"); }
  bool OpenWithShell(std::string_view target) override;
  bool MakeDirectory(std::string_view path) override;
  int DeleteFiles(std::string_view directory, std::string_view pattern) override;
  WindowId FindTopLevelWindow(std::string_view className) override;
  void Sleep(int milliseconds) override {
    sleptMs += milliseconds;
    clockMs += milliseconds;
  }
  int Random(int n) override;
  std::int64_t Milliseconds() override { return clockMs; }

  std::optional<std::string> ReadPageFile(std::string_view path, std::string& error) override;
  bool WritePageFile(std::string_view path, std::string_view bytes, std::string& error) override;
  std::string GbCharacter(char32_t c) override;
  bool RemoveFile(std::string_view path) override;
  bool FileIsFree(std::string_view path) override;
  bool CopyUrlCacheEntry(std::string_view url, std::string_view path) override;
  Conversation DdeConnect(std::string_view service, std::string_view topic) override;
  DdeReply DdeRequest(Conversation c, std::string_view item, int timeoutMs) override;
  WindowId DdePartnerWindow(Conversation) override { return ddePartner; }
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
  void LockUpdates(WindowId w) override { locks.push_back("lock " + std::to_string(w)); }
  void UnlockUpdates() override { locks.emplace_back("unlock"); }
  void FocusControl(WindowId control) override { focused.push_back(control); }
  void Wait(int milliseconds) override;

 private:
  const Window* Find(WindowId w) const;
  // The conversations open now: their "service|topic".
  std::map<Conversation, std::string> conversations_;
  Conversation nextConversation_ = 1;
};

}  // namespace wb
