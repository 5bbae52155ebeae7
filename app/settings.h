#pragma once
// The program's settings: string values under
// HKEY_CURRENT_USER\Software\Halden\Wenbridge, booleans as "0" and "1",
// integers in decimal (a value written as 0x... is read as hexadecimal), and
// the run-time flags that mirror them for the translation.

#include <optional>
#include <string_view>

#include "platform/desktop.h"

namespace wb {

inline constexpr std::string_view kHaldenKey = "Software\\Halden";
inline constexpr std::string_view kSettingsKey = "Software\\Halden\\Wenbridge";

namespace setting {
inline constexpr std::string_view kAutoProperName = "AutoProperName";
inline constexpr std::string_view kTranBlockquote = "TranBlockquote";
inline constexpr std::string_view kTranPre = "TranPre";
inline constexpr std::string_view kShowTran = "ShowTran";
inline constexpr std::string_view kPics = "PICS";
inline constexpr std::string_view kContentEvaluation = "Content Evaluation";
inline constexpr std::string_view kSoundEffect = "Sound Effect";
}  // namespace setting

// What the translation reads while it works; set from the registry at
// start-up and by the menu and the options dialog afterwards.
struct RuntimeFlags {
  bool tranBlockquote = false;
  bool tranPre = false;
  int showTran = 0;  // 0 translation only, 1 side by side, 2 one above the other
  bool pics = true;
  bool contentEvaluation = true;
  bool soundEffect = true;
};

// A stored integer: decimal with an optional sign, or hexadecimal after
// "0x". Nothing for anything else (the caller's default then applies).
std::optional<long> ParseSettingInteger(std::string_view text);

class Settings {
 public:
  explicit Settings(Desktop& desktop) : desktop_(desktop) {}

  // First run on this machine (no Software\Halden yet): the settings key is
  // made and "AutoProperName" = "0" written in it.
  void FirstRun();

  bool ReadBool(std::string_view name, bool otherwise);
  long ReadInteger(std::string_view name, long otherwise);
  void WriteBool(std::string_view name, bool value);
  void WriteInteger(std::string_view name, long value);

 private:
  Desktop& desktop_;
};

// The values the options dialog shows and stores.
struct OptionValues {
  bool autoProperName = false;
  bool tranBlockquote = false;
  bool tranPre = false;
  int showTran = 0;
};

// The options dialog without its window: the controls' state, filled from
// the registry each time the dialog is made or shown, stored by OK.
class OptionsDialogModel {
 public:
  OptionsDialogModel(Settings& settings, RuntimeFlags& flags) : settings_(settings), flags_(flags) {}

  // Creation and every showing: the controls from the registry, and the
  // three flags from the controls.
  void FormCreate();
  // OK: the four values stored, the flags set from the controls. (Cancel
  // stores nothing; the next showing reads the registry again.)
  void OKClick();

  OptionValues controls;

 private:
  void ApplyToFlags();

  Settings& settings_;
  RuntimeFlags& flags_;
};

}  // namespace wb
