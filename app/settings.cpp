#include "app/settings.h"

#include <charconv>
#include <string>

namespace wb {

std::optional<long> ParseSettingInteger(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  long value = 0;
  const char* end = text.data() + text.size();
  auto [p, ec] = std::from_chars(text.data(), end, value, base);
  if (ec != std::errc() || p != end) return std::nullopt;
  return value;
}

void Settings::FirstRun() {
  if (desktop_.KeyExists(kHaldenKey)) return;
  desktop_.CreateKey(kSettingsKey);
  desktop_.WriteString(kSettingsKey, setting::kAutoProperName, "0");
}

bool Settings::ReadBool(std::string_view name, bool otherwise) { return ReadInteger(name, otherwise ? 1 : 0) != 0; }

long Settings::ReadInteger(std::string_view name, long otherwise) {
  std::optional<std::string> stored = desktop_.ReadString(kSettingsKey, name);
  if (!stored) return otherwise;
  return ParseSettingInteger(*stored).value_or(otherwise);
}

void Settings::WriteBool(std::string_view name, bool value) { WriteInteger(name, value ? 1 : 0); }

void Settings::WriteInteger(std::string_view name, long value) {
  desktop_.WriteString(kSettingsKey, name, std::to_string(value));
}

void OptionsDialogModel::FormCreate() {
  controls.autoProperName = settings_.ReadBool(setting::kAutoProperName, false);
  controls.tranBlockquote = settings_.ReadBool(setting::kTranBlockquote, false);
  controls.tranPre = settings_.ReadBool(setting::kTranPre, false);
  // A value the radio group has no button for would leave none selected and
  // the display step without a valid choice: it counts as missing.
  long show = settings_.ReadInteger(setting::kShowTran, 0);
  controls.showTran = show >= 0 && show <= 2 ? static_cast<int>(show) : 0;
  ApplyToFlags();
}

void OptionsDialogModel::OKClick() {
  settings_.WriteBool(setting::kAutoProperName, controls.autoProperName);
  settings_.WriteBool(setting::kTranBlockquote, controls.tranBlockquote);
  settings_.WriteBool(setting::kTranPre, controls.tranPre);
  settings_.WriteInteger(setting::kShowTran, controls.showTran);
  ApplyToFlags();
}

void OptionsDialogModel::ApplyToFlags() {
  flags_.tranBlockquote = controls.tranBlockquote;
  flags_.tranPre = controls.tranPre;
  flags_.showTran = controls.showTran;
}

}  // namespace wb
