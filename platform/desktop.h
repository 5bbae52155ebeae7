#pragma once
// The desktop services the toolbar program uses: registry, clipboard,
// message boxes, hot keys, sounds, the shell, a few files and windows, time
// and chance. The program's logic talks to this interface only, so that it
// runs on Linux against the in-memory double (memory_desktop.h) and on
// Windows against the real thing (win32/win32_desktop.h).
//
// Texts: messages, captions, window classes and titles are UTF-8. Clipboard
// text is in the engine's bytes (ASCII English, GBK Chinese), which is what
// a Chinese system's ANSI clipboard format holds and what the engine reads.
// So are the page work's file paths and the DDE items and replies: they
// come from the browsers in the system's ANSI code page, which on a Chinese
// system is GBK.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wb {

// A window of the desktop; 0 stands for none.
using WindowId = std::uintptr_t;
inline constexpr WindowId kNoWindow = 0;

enum class MessageKind { kInformation, kQuestion, kWarning, kError };
enum class MessageButtons { kOk, kYesNo };
enum class MessageAnswer { kOk, kYes, kNo, kClosed };
enum class BeepKind { kDefault, kAsterisk };

// Hot-key modifiers and keys, numbered as the system numbers them.
inline constexpr unsigned kModControl = 0x0002;
inline constexpr unsigned kModShift = 0x0004;
inline constexpr unsigned kKeyEnter = 13;

// The window messages the page work sends to the browsers' windows,
// numbered as the system numbers them.
namespace wm {
inline constexpr unsigned kClose = 0x0010;
inline constexpr unsigned kKeyDown = 0x0100;
inline constexpr unsigned kChar = 0x0102;
inline constexpr unsigned kCommand = 0x0111;
inline constexpr unsigned kEditSetSel = 0x00B1;
inline constexpr unsigned kCopy = 0x0301;
}  // namespace wm

// A DDE conversation with another program; 0 stands for none.
using Conversation = std::uintptr_t;
inline constexpr Conversation kNoConversation = 0;

// What came back for a DDE request: the partner's data as text (up to its
// first NUL byte), or nothing, and then whether the time allowed ran out.
struct DdeReply {
  bool answered = false;
  bool timedOut = false;
  std::string text;
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  // Registry: string values of keys under HKEY_CURRENT_USER, named with
  // backslashes ("Software\\Halden\\Wenbridge"). Key and value names are
  // compared without regard to case, as the registry does.
  virtual bool KeyExists(std::string_view key) = 0;
  virtual bool CreateKey(std::string_view key) = 0;
  virtual std::optional<std::string> ReadString(std::string_view key, std::string_view name) = 0;
  virtual bool WriteString(std::string_view key, std::string_view name, std::string_view value) = 0;
  // A 32-bit number (REG_DWORD), for other programs' settings.
  virtual bool WriteNumber(std::string_view key, std::string_view name, std::uint32_t value) = 0;

  // The clipboard's text; nothing when it holds no text.
  virtual std::optional<std::string> ClipboardText() = 0;
  virtual bool SetClipboardText(std::string_view text) = 0;

  // A message box in front of the program's windows; waits for the answer.
  virtual MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                                    MessageKind kind) = 0;
  virtual void Beep(BeepKind kind) = 0;

  // Hot keys of the program's main window; false when the system refuses.
  virtual bool RegisterHotKey(int id, unsigned modifiers, unsigned key) = 0;
  virtual bool UnregisterHotKey(int id) = 0;

  // Sounds play in the background; a new sound replaces the one playing.
  virtual void PlaySoundResource(std::string_view name) = 0;
  virtual void PlaySoundFile(std::string_view path) = 0;
  virtual void StopSound() = 0;

  // Opens a document or an address with the shell's default verb.
  virtual bool OpenWithShell(std::string_view target) = 0;

  // Files. An existing directory is no failure. DeleteFiles removes the
  // files of a directory whose names match a pattern with "*" and "?"
  // (without regard to case) and returns how many went.
  virtual bool MakeDirectory(std::string_view path) = 0;
  virtual int DeleteFiles(std::string_view directory, std::string_view pattern) = 0;

  // The first top-level window of a class, or kNoWindow.
  virtual WindowId FindTopLevelWindow(std::string_view className) = 0;

  // Time and chance. Random(n) is a number from 0 to n - 1.
  virtual void Sleep(int milliseconds) = 0;
  virtual int Random(int n) = 0;
  // A clock in milliseconds: waits are bounded by the time that passes,
  // whatever the windows they talk to spend of it.
  virtual std::int64_t Milliseconds() = 0;

  // ---- the page work ------------------------------------------------------

  // Whole files. WritePageFile writes whole or not at all: a failed write
  // leaves what stood there before. error names the file and the reason
  // (UTF-8, ready for a message).
  // FileIsFree: the file exists and opens for reading and writing with no
  // other program holding it open (a browser that is still saving into it).
  virtual std::optional<std::string> ReadPageFile(std::string_view path, std::string& error) = 0;
  virtual bool WritePageFile(std::string_view path, std::string_view bytes, std::string& error) = 0;
  virtual bool RemoveFile(std::string_view path) = 0;
  virtual bool FileIsFree(std::string_view path) = 0;
  // The bytes of one character in GB (code page 936); empty when GB has no
  // such character.
  virtual std::string GbCharacter(char32_t c) = 0;

  // Copies the page Internet Explorer keeps in its cache for an address
  // into a file; false when the page is not there or empty, or the file
  // cannot be written.
  virtual bool CopyUrlCacheEntry(std::string_view url, std::string_view path) = 0;

  // DDE client, one conversation at a time. A request waits at most
  // timeoutMs for the answer, handling the program's messages meanwhile.
  // The partner window is the window of the other program that holds its
  // end of the conversation.
  virtual Conversation DdeConnect(std::string_view service, std::string_view topic) = 0;
  virtual DdeReply DdeRequest(Conversation c, std::string_view item, int timeoutMs) = 0;
  virtual WindowId DdePartnerWindow(Conversation c) = 0;
  virtual void DdeDisconnect(Conversation c) = 0;

  // Other programs' windows. TopLevelWindows runs front to back;
  // ThreadWindows gives the top-level windows of the thread that owns w;
  // ChildWindows the direct children of a window, first to last.
  // WindowText is a top-level window's title (known without asking its
  // program) or a control's text (asked for, within a short time).
  virtual std::vector<WindowId> TopLevelWindows() = 0;
  virtual std::vector<WindowId> ThreadWindows(WindowId w) = 0;
  virtual std::vector<WindowId> ChildWindows(WindowId parent) = 0;
  virtual std::string WindowClass(WindowId w) = 0;
  virtual std::string WindowText(WindowId w) = 0;
  virtual int ControlId(WindowId w) = 0;
  // The text of an item of a window's menu bar (counted from 0, "&" marks
  // kept); nothing when there is no such item or it cannot be read.
  virtual std::optional<std::string> MenuBarItem(WindowId w, int position) = 0;

  // A message sent waits for the window's answer, but never longer than the
  // desktop's limit: nothing comes back when the window is gone or did not
  // answer in time. A posted message does not wait.
  virtual std::optional<std::intptr_t> SendToWindow(WindowId w, unsigned message, std::uintptr_t wParam,
                                                    std::intptr_t lParam) = 0;
  virtual bool PostToWindow(WindowId w, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
  // Stops one window from repainting (kNoWindow: the whole desktop) while
  // the browser's windows are worked, so that the user does not see them
  // flicker; one lock at a time. UnlockUpdates lets it repaint again.
  virtual void LockUpdates(WindowId w) = 0;
  virtual void UnlockUpdates() = 0;
  // Gives the keyboard focus to a control of another program (its thread's
  // input is attached to ours for the moment).
  virtual void FocusControl(WindowId control) = 0;
  // Waits, handling the program's own messages meanwhile: the toolbar
  // repaints, and a second press of a browser button is refused.
  virtual void Wait(int milliseconds) = 0;
};

// Whether name matches a pattern of "*" (any run) and "?" (any one byte),
// without regard to ASCII case; the registry and the file system compare so.
bool MatchesPattern(std::string_view name, std::string_view pattern);

}  // namespace wb
