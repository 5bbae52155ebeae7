#pragma once
// The desktop in memory: a registry of maps, a clipboard string, scripted
// answers to message boxes and a record of everything the program asked of
// the desktop. Tests set it up, run the program's logic and look at what
// happened.

#include <deque>
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
  // Files that exist (full paths as the program names them).
  std::set<std::string> files;
  struct Window {
    WindowId id;
    std::string className;
    std::string title;
  };
  std::vector<Window> windows;

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

  // Convenience for tests: a value, or nothing.
  std::optional<std::string> Value(std::string_view key, std::string_view name) const;

  // ---- Desktop -----------------------------------------------------------

  bool KeyExists(std::string_view key) override;
  bool CreateKey(std::string_view key) override;
  std::optional<std::string> ReadString(std::string_view key, std::string_view name) override;
  bool WriteString(std::string_view key, std::string_view name, std::string_view value) override;
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
  void Sleep(int milliseconds) override { sleptMs += milliseconds; }
  int Random(int n) override;
};

}  // namespace wb
