#include "app/settings.h"

#include <gtest/gtest.h>

#include "app/toolbar.h"
#include "platform/memory_desktop.h"

namespace wb {
namespace {

class SettingsTest : public ::testing::Test {
 protected:
  MemoryDesktop desktop_;
  Settings settings_{desktop_};
  RuntimeFlags flags_;
};

TEST_F(SettingsTest, FirstRunMakesTheKeyWithAutoProperNameOff) {
  settings_.FirstRun();
  EXPECT_TRUE(desktop_.KeyExists(kSettingsKey));
  EXPECT_EQ(desktop_.Value(kSettingsKey, "AutoProperName"), "0");
  EXPECT_EQ(desktop_.registry.size(), 1u);

  // A later run leaves the user's values alone, and so does a run on a
  // machine where the company key exists without ours.
  desktop_.WriteString(kSettingsKey, "AutoProperName", "1");
  settings_.FirstRun();
  EXPECT_EQ(desktop_.Value(kSettingsKey, "AutoProperName"), "1");
  MemoryDesktop other;
  other.CreateKey("Software\\Halden\\Other");
  Settings(other).FirstRun();
  EXPECT_FALSE(other.KeyExists(kSettingsKey));
}

TEST_F(SettingsTest, StoredIntegersAreDecimalOrHexadecimal) {
  EXPECT_EQ(ParseSettingInteger("2"), 2);
  EXPECT_EQ(ParseSettingInteger(" 17 "), 17);
  EXPECT_EQ(ParseSettingInteger("-3"), -3);
  EXPECT_EQ(ParseSettingInteger("0x1F"), 31);
  EXPECT_EQ(ParseSettingInteger("0X0"), 0);
  for (const char* bad : {"", "0x", "yes", "1.5", "12a", "99999999999999999999999"})
    EXPECT_EQ(ParseSettingInteger(bad), std::nullopt) << bad;

  EXPECT_TRUE(settings_.ReadBool("PICS", true));  // missing: the default
  desktop_.WriteString(kSettingsKey, "PICS", "0");
  EXPECT_FALSE(settings_.ReadBool("PICS", true));
  desktop_.WriteString(kSettingsKey, "PICS", "0x10");
  EXPECT_TRUE(settings_.ReadBool("PICS", false));
  desktop_.WriteString(kSettingsKey, "PICS", "damaged");
  EXPECT_FALSE(settings_.ReadBool("PICS", false));
}

TEST_F(SettingsTest, TogglesStartOnAndEachWritesItsValueAtOnce) {
  Toolbar toolbar(desktop_, settings_, flags_);
  flags_ = RuntimeFlags{false, false, 0, false, false, false};
  toolbar.ReadToggles();
  EXPECT_TRUE(toolbar.Checked(Toggle::kPics));
  EXPECT_TRUE(toolbar.Checked(Toggle::kContentEval));
  EXPECT_TRUE(toolbar.Checked(Toggle::kSoundEffect));
  EXPECT_TRUE(desktop_.registry.empty()) << "reading writes nothing";

  toolbar.PICS1Click();
  EXPECT_FALSE(flags_.pics);
  EXPECT_EQ(desktop_.Value(kSettingsKey, "PICS"), "0");
  toolbar.ContentEvalClick();
  EXPECT_FALSE(flags_.contentEvaluation);
  EXPECT_EQ(desktop_.Value(kSettingsKey, "Content Evaluation"), "0");
  EXPECT_TRUE(desktop_.sounds.empty());
  toolbar.SoundEffectClick();
  EXPECT_FALSE(flags_.soundEffect);
  EXPECT_EQ(desktop_.Value(kSettingsKey, "Sound Effect"), "0");
  EXPECT_EQ(desktop_.sounds, std::vector<std::string>{"stop"}) << "switching off stops a playing sound";
  toolbar.PICS1Click();
  EXPECT_EQ(desktop_.Value(kSettingsKey, "PICS"), "1");
  toolbar.SoundEffectClick();
  EXPECT_EQ(desktop_.sounds.size(), 1u) << "switching on plays nothing";

  // The next start reads what was stored.
  RuntimeFlags again;
  Toolbar next(desktop_, settings_, again);
  next.ReadToggles();
  EXPECT_TRUE(again.pics);
  EXPECT_FALSE(again.contentEvaluation);
  EXPECT_TRUE(again.soundEffect);
}

TEST_F(SettingsTest, SoundsRespectTheSwitch) {
  Toolbar toolbar(desktop_, settings_, flags_);
  toolbar.PlaySound("w_tran");
  toolbar.PlayErrorSound("C:\\Wenb\\");
  toolbar.SoundEffectClick();
  toolbar.PlaySound("W7a7");
  toolbar.PlayErrorSound("C:\\Wenb\\");
  EXPECT_EQ(desktop_.sounds, (std::vector<std::string>{"resource w_tran", "file C:\\Wenb\\Error.wav", "stop"}));
}

TEST_F(SettingsTest, OptionsAreReadAtEveryShowingAndStoredByOk) {
  OptionsDialogModel options(settings_, flags_);
  options.FormCreate();
  EXPECT_FALSE(options.controls.autoProperName);
  EXPECT_FALSE(options.controls.tranBlockquote);
  EXPECT_FALSE(options.controls.tranPre);
  EXPECT_EQ(options.controls.showTran, 0);

  // "左右对照" and OK store ShowTran = 1, with the other three values.
  options.controls.showTran = 1;
  options.controls.tranPre = true;
  options.OKClick();
  EXPECT_EQ(desktop_.Value(kSettingsKey, "ShowTran"), "1");
  EXPECT_EQ(desktop_.Value(kSettingsKey, "TranPre"), "1");
  EXPECT_EQ(desktop_.Value(kSettingsKey, "TranBlockquote"), "0");
  EXPECT_EQ(desktop_.Value(kSettingsKey, "AutoProperName"), "0");
  EXPECT_EQ(flags_.showTran, 1);
  EXPECT_TRUE(flags_.tranPre);

  // Cancel: the controls were changed but nothing is stored, and the next
  // showing puts the stored values back.
  options.controls.showTran = 2;
  options.controls.tranBlockquote = true;
  options.FormCreate();
  EXPECT_EQ(options.controls.showTran, 1);
  EXPECT_FALSE(options.controls.tranBlockquote);
  EXPECT_EQ(desktop_.Value(kSettingsKey, "ShowTran"), "1");
  EXPECT_FALSE(flags_.tranBlockquote);
}

TEST_F(SettingsTest, OptionsFromTheRegistrySetTheFlagsAtCreation) {
  desktop_.WriteString(kSettingsKey, "TranBlockquote", "1");
  desktop_.WriteString(kSettingsKey, "ShowTran", "0x2");
  OptionsDialogModel options(settings_, flags_);
  options.FormCreate();
  EXPECT_TRUE(flags_.tranBlockquote);
  EXPECT_FALSE(flags_.tranPre);
  EXPECT_EQ(flags_.showTran, 2);
  // A display choice the dialog has no button for counts as missing.
  desktop_.WriteString(kSettingsKey, "ShowTran", "7");
  options.FormCreate();
  EXPECT_EQ(options.controls.showTran, 0);
  EXPECT_EQ(flags_.showTran, 0);
}

}  // namespace
}  // namespace wb
