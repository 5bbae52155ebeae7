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

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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
};

// Whether name matches a pattern of "*" (any run) and "?" (any one byte),
// without regard to ASCII case; the registry and the file system compare so.
bool MatchesPattern(std::string_view name, std::string_view pattern);

}  // namespace wb
