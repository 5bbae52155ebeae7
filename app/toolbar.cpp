#include "app/toolbar.h"

#include "app/confirm_box.h"
#include "app/messages.h"

namespace wb {

namespace {

// The setting behind each toggle, and its run-time flag.
struct ToggleInfo {
  std::string_view name;
  bool RuntimeFlags::*flag;
};

ToggleInfo Info(Toggle t) {
  switch (t) {
    case Toggle::kPics:
      return {setting::kPics, &RuntimeFlags::pics};
    case Toggle::kContentEval:
      return {setting::kContentEvaluation, &RuntimeFlags::contentEvaluation};
    case Toggle::kSoundEffect:
      break;
  }
  return {setting::kSoundEffect, &RuntimeFlags::soundEffect};
}

}  // namespace

bool AnotherInstanceRunning(Desktop& desktop) { return desktop.FindTopLevelWindow(kToolbarClass) != kNoWindow; }

std::string MakeFrameDir(Desktop& desktop, const std::string& programDir) {
  std::string dir = programDir + std::string(kCacheDirName);
  desktop.MakeDirectory(dir);
  return dir;
}

void Toolbar::DeleteOldResults(std::string_view resultDir) {
  // c:\trans.htm, c:\transc.htm and the numbered pages; c:\trans.txt stays.
  desktop_.DeleteFiles(resultDir, "trans*.htm");
}

void Toolbar::ReadToggles() {
  for (Toggle t : {Toggle::kPics, Toggle::kContentEval, Toggle::kSoundEffect}) {
    ToggleInfo info = Info(t);
    flags_.*info.flag = settings_.ReadBool(info.name, true);
  }
}

int Toolbar::RegisterHotKey() {
  // The system refuses an identifier that is in use; the loop moves past
  // those. (When another program holds the key itself every identifier is
  // refused, and the toolbar runs without a hot key.)
  for (int id = kFirstHotKeyId; id <= kLastHotKeyId; ++id) {
    if (desktop_.RegisterHotKey(id, kModControl | kModShift, kKeyEnter)) {
      hotKeyId_ = id;
      return id;
    }
  }
  hotKeyId_ = 0;
  return 0;
}

void Toolbar::MaybeOpenHomePage(bool allowed) {
  if (allowed && desktop_.Random(21) == 3) S1Click();
}

void Toolbar::FormDestroy() {
  if (hotKeyId_ == 0) return;
  if (!desktop_.UnregisterHotKey(hotKeyId_)) desktop_.Beep(BeepKind::kDefault);
  hotKeyId_ = 0;
}

bool Toolbar::Checked(Toggle t) const { return flags_.*Info(t).flag; }

void Toolbar::ToggleClick(Toggle t) {
  ToggleInfo info = Info(t);
  bool on = !(flags_.*info.flag);
  flags_.*info.flag = on;
  settings_.WriteBool(info.name, on);
  if (t == Toggle::kSoundEffect && !on) desktop_.StopSound();
}

void Toolbar::S1Click() { desktop_.OpenWithShell(text::kHomePage); }

void Toolbar::H1Click(const std::string& programDir) {
  desktop_.OpenWithShell(programDir + std::string(text::kHelpFile));
}

bool Toolbar::Exit1Click() { return ConfirmBox(desktop_, text::kExitQuestion, text::kConfirmCaption); }

bool Toolbar::HotKeyMayTranslate(int id) {
  if (id == 0 || id != hotKeyId_) return false;
  if (translating_) {
    desktop_.Beep(BeepKind::kAsterisk);
    return false;
  }
  return true;
}

bool Toolbar::BeginBrowserPress() {
  if (translating_) {
    desktop_.Beep(BeepKind::kAsterisk);
    return false;
  }
  translating_ = true;
  return true;
}

void Toolbar::PlaySound(std::string_view resource) {
  if (flags_.soundEffect) desktop_.PlaySoundResource(resource);
}

void Toolbar::PlayErrorSound(const std::string& programDir) {
  // "Error.wav" lies beside the program, so it is found wherever the program
  // was started from.
  if (flags_.soundEffect) desktop_.PlaySoundFile(programDir + "Error.wav");
}

}  // namespace wb
