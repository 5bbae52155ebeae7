#pragma once
// The desktop services on Windows.

#include "platform/win32/win32_api.h"

#include <random>

#include "platform/desktop.h"

namespace wb {

class Win32Desktop : public Desktop {
 public:
  // Wave resources are looked for in the module `resources`.
  explicit Win32Desktop(HINSTANCE resources);

  // The program's main window: it owns message boxes and receives hot keys.
  void SetMainWindow(HWND window) { main_ = window; }

  bool KeyExists(std::string_view key) override;
  bool CreateKey(std::string_view key) override;
  std::optional<std::string> ReadString(std::string_view key, std::string_view name) override;
  bool WriteString(std::string_view key, std::string_view name, std::string_view value) override;
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

 private:
  bool OpenClipboardBounded();

  HINSTANCE resources_;
  HWND main_ = nullptr;
  std::minstd_rand random_;
};

}  // namespace wb
