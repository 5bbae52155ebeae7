#pragma once
// The toolbar's logic without its window: start-up checks, the menu's
// toggles and commands, the hot key's registration and the exit question.
// The window (win32/toolbar_form.h) draws the buttons and the menu and calls
// in here.

#include <string>
#include <string_view>

#include "app/settings.h"
#include "platform/desktop.h"

namespace wb {

// The toolbar's window class; a second copy of the program that finds a
// window of this class ends at once.
inline constexpr std::string_view kToolbarClass = "THaldenWenbridge";

// The hot key Ctrl+Shift+Enter is registered under the first free
// identifier from here up to kLastHotKeyId.
inline constexpr int kFirstHotKeyId = 5768;
inline constexpr int kLastHotKeyId = 8192;

// The toolbar's working directory for frame pages and page copies.
inline constexpr std::string_view kCacheDirName = "cache\\";

bool AnotherInstanceRunning(Desktop& desktop);

// The directory for working copies: programDir (with its trailing
// backslash) followed by "cache\", made when it does not exist yet.
std::string MakeFrameDir(Desktop& desktop, const std::string& programDir);

enum class Toggle { kPics, kContentEval, kSoundEffect };

class Toolbar {
 public:
  Toolbar(Desktop& desktop, Settings& settings, RuntimeFlags& flags)
      : desktop_(desktop), settings_(settings), flags_(flags) {}

  // FormCreate, the steps that are not window work: result pages of an
  // earlier run deleted, the toggles read, the hot key registered and, one
  // time in 21 when allowed, the home page opened.
  void DeleteOldResults(std::string_view resultDir);
  void ReadToggles();
  int RegisterHotKey();
  void MaybeOpenHomePage(bool allowed);
  // FormDestroy: the hot key given back (a beep when that fails).
  void FormDestroy();

  int HotKeyId() const { return hotKeyId_; }
  bool Checked(Toggle t) const;

  // The three toggles of the menu: the check mark inverted, copied into the
  // run-time flag and written at once. Turning sound effects off stops a
  // sound that plays.
  void ToggleClick(Toggle t);
  void PICS1Click() { ToggleClick(Toggle::kPics); }
  void ContentEvalClick() { ToggleClick(Toggle::kContentEval); }
  void SoundEffectClick() { ToggleClick(Toggle::kSoundEffect); }

  // "&S文桥主页": the product home page in the user's browser.
  void S1Click();
  // "&H帮助": the help page beside the program.
  void H1Click(const std::string& programDir);
  // "&X退出": true when the user confirms.
  bool Exit1Click();

  // A press of a browser button: refused with the asterisk beep while an
  // earlier press is still being handled (messages dispatched during the
  // browser conversations can bring a second one), else the work may begin
  // and EndBrowserPress must follow on every path.
  bool BeginBrowserPress();
  void EndBrowserPress() { translating_ = false; }
  bool Translating() const { return translating_; }

  // The hot key `id` arrived: true when the text translation may run. While
  // a browser press waits on its browser the program's messages keep flowing,
  // so the hot key can come in the middle of the page work; it is then
  // refused with the asterisk beep, as a second press is, and the page work
  // keeps the engine to itself.
  bool HotKeyMayTranslate(int id);

  // Sound effects, when they are on.
  void PlaySound(std::string_view resource);
  void PlayErrorSound(const std::string& programDir);

 private:
  Desktop& desktop_;
  Settings& settings_;
  RuntimeFlags& flags_;
  int hotKeyId_ = 0;
  bool translating_ = false;
};

}  // namespace wb
