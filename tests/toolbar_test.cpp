#include "app/toolbar.h"

#include <gtest/gtest.h>

#include "app/confirm_box.h"
#include "app/messages.h"
#include "platform/memory_desktop.h"

namespace wb {
namespace {

class ToolbarTest : public ::testing::Test {
 protected:
  MemoryDesktop desktop_;
  Settings settings_{desktop_};
  RuntimeFlags flags_;
  Toolbar toolbar_{desktop_, settings_, flags_};
};

// The column each line of a wrapped text reaches, counting a Chinese
// character as two.
std::vector<int> LineWidths(std::string_view wrapped) {
  std::vector<int> widths{0};
  for (std::size_t i = 0; i < wrapped.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(wrapped[i]);
    if (c == '\r') {
      widths.push_back(0);
    } else if (c < 0x80) {
      widths.back() += 1;
    } else if (c >= 0xC0) {
      widths.back() += 2;  // a lead byte; continuation bytes add nothing
    }
  }
  return widths;
}

TEST(ConfirmBoxText, ShortTextsStayOnOneLine) {
  EXPECT_EQ(WrapConfirmText(text::kExitQuestion), text::kExitQuestion);
  EXPECT_EQ(WrapConfirmText(std::string(31, 'a')), std::string(31, 'a')) << "no break after the last character";
  EXPECT_EQ(WrapConfirmText(""), "");
}

TEST(ConfirmBoxText, LongTextsBreakAfterColumnThirtyNeverInsideACharacter) {
  EXPECT_EQ(WrapConfirmText(std::string(40, 'a')), std::string(31, 'a') + "\r" + std::string(9, 'a'));

  // Sixteen Chinese characters take 32 columns: the break follows the
  // sixteenth, which passes column 30, and the bytes stay whole.
  std::string chinese;
  for (int k = 0; k < 20; ++k) chinese += "译";
  std::string wrapped = WrapConfirmText(chinese);
  std::string first;
  for (int k = 0; k < 16; ++k) first += "译";
  EXPECT_EQ(wrapped.substr(0, first.size() + 1), first + "\r");
  EXPECT_EQ(wrapped.size(), chinese.size() + 1);

  // An odd ASCII byte first moves the character that straddles column 30
  // one place on: the break comes after it, at column 32, never at 31 in
  // the middle of it.
  std::string mixed = "a" + chinese;
  std::vector<int> widths = LineWidths(WrapConfirmText(mixed));
  ASSERT_EQ(widths.size(), 2u);
  EXPECT_EQ(widths[0], 31);
  mixed = "ab" + chinese;
  widths = LineWidths(WrapConfirmText(mixed));
  EXPECT_EQ(widths[0], 32);
}

TEST(ConfirmBoxText, ALineBreakInTheTextStartsTheCountAgain) {
  std::string text = std::string(20, 'a') + "\r" + std::string(25, 'b');
  EXPECT_EQ(WrapConfirmText(text), text);
  text = std::string(20, 'a') + "\r\n" + std::string(35, 'b');
  EXPECT_EQ(WrapConfirmText(text), std::string(20, 'a') + "\r\n" + std::string(31, 'b') + "\r" + "bbbb");
}

TEST_F(ToolbarTest, ExitAsksAndOnlyYesCloses) {
  EXPECT_FALSE(toolbar_.Exit1Click());  // the double answers No by default
  ASSERT_EQ(desktop_.messages.size(), 1u);
  EXPECT_EQ(desktop_.messages[0].text, "你肯定要退出吗?");
  EXPECT_EQ(desktop_.messages[0].caption, "确认");
  EXPECT_EQ(desktop_.messages[0].buttons, MessageButtons::kYesNo);
  EXPECT_EQ(desktop_.messages[0].kind, MessageKind::kQuestion);
  desktop_.answers = {MessageAnswer::kClosed, MessageAnswer::kYes};
  EXPECT_FALSE(toolbar_.Exit1Click());
  EXPECT_TRUE(toolbar_.Exit1Click());
}

TEST_F(ToolbarTest, HotKeyTakesTheFirstFreeIdentifier) {
  EXPECT_EQ(toolbar_.RegisterHotKey(), 5768);
  toolbar_.FormDestroy();
  EXPECT_TRUE(desktop_.hotKeys.empty());
  EXPECT_TRUE(desktop_.beeps.empty());

  desktop_.refusedHotKeyIds = {5768, 5769, 5770};
  EXPECT_EQ(toolbar_.RegisterHotKey(), 5771);
  EXPECT_EQ(toolbar_.HotKeyId(), 5771);

  // The last identifier tried is 8192; past it the toolbar goes without.
  for (int id = 5768; id < 8192; ++id) desktop_.refusedHotKeyIds.insert(id);
  desktop_.hotKeys.clear();
  EXPECT_EQ(toolbar_.RegisterHotKey(), 8192);
  desktop_.hotKeys.clear();
  desktop_.refusedHotKeyIds.insert(8192);
  EXPECT_EQ(toolbar_.RegisterHotKey(), 0);
  toolbar_.FormDestroy();  // nothing to give back
  EXPECT_TRUE(desktop_.beeps.empty());
}

TEST_F(ToolbarTest, AHotKeyThatCannotBeGivenBackBeeps) {
  ASSERT_EQ(toolbar_.RegisterHotKey(), 5768);
  desktop_.hotKeys.clear();  // someone else took it away
  toolbar_.FormDestroy();
  EXPECT_EQ(desktop_.beeps, std::vector<BeepKind>{BeepKind::kDefault});
}

TEST_F(ToolbarTest, ASecondBrowserPressIsRefusedWithABeep) {
  ASSERT_TRUE(toolbar_.BeginBrowserPress());
  EXPECT_TRUE(toolbar_.Translating());
  EXPECT_FALSE(toolbar_.BeginBrowserPress());
  EXPECT_EQ(desktop_.beeps, std::vector<BeepKind>{BeepKind::kAsterisk});
  toolbar_.EndBrowserPress();
  EXPECT_TRUE(toolbar_.BeginBrowserPress());
  EXPECT_EQ(desktop_.beeps.size(), 1u);
}

TEST_F(ToolbarTest, TheHotKeyWaitsWhileABrowserPressIsAtWork) {
  const int id = toolbar_.RegisterHotKey();
  EXPECT_TRUE(toolbar_.HotKeyMayTranslate(id));
  EXPECT_FALSE(toolbar_.HotKeyMayTranslate(id + 1));  // someone else's
  ASSERT_TRUE(toolbar_.BeginBrowserPress());
  EXPECT_FALSE(toolbar_.HotKeyMayTranslate(id));
  EXPECT_EQ(desktop_.beeps, std::vector<BeepKind>{BeepKind::kAsterisk});
  toolbar_.EndBrowserPress();
  EXPECT_TRUE(toolbar_.HotKeyMayTranslate(id));
}

TEST_F(ToolbarTest, HomePageOpensOneTimeInTwentyOneUnlessSwitchedOff) {
  desktop_.randoms = {2, 3, 3};
  toolbar_.MaybeOpenHomePage(true);
  EXPECT_TRUE(desktop_.opened.empty());
  toolbar_.MaybeOpenHomePage(true);
  EXPECT_EQ(desktop_.opened, std::vector<std::string>{std::string(text::kHomePage)});
  toolbar_.MaybeOpenHomePage(false);
  EXPECT_EQ(desktop_.opened.size(), 1u);
  EXPECT_EQ(desktop_.randoms.size(), 1u) << "switched off, no number is drawn";

  toolbar_.H1Click("C:\\Program Files\\Wenbridge\\");
  EXPECT_EQ(desktop_.opened.back(), "C:\\Program Files\\Wenbridge\\wenb97.htm");
}

TEST_F(ToolbarTest, StartUpClearsOldResultPagesAndFindsAnEarlierCopy) {
  for (const char* f : {"c:\\trans.htm", "c:\\transc.htm", "c:\\trans17.htm", "c:\\TRANS3.HTM", "c:\\trans.txt",
                        "c:\\other.htm", "c:\\dir\\trans1.htm"})
    desktop_.files[f] = "";
  toolbar_.DeleteOldResults("c:\\");
  std::set<std::string> left;
  for (const auto& [name, bytes] : desktop_.files) left.insert(name);
  EXPECT_EQ(left, (std::set<std::string>{"c:\\trans.txt", "c:\\other.htm", "c:\\dir\\trans1.htm"}));

  EXPECT_EQ(MakeFrameDir(desktop_, "C:\\Wenb\\"), "C:\\Wenb\\cache\\");
  EXPECT_EQ(desktop_.directories.count("C:\\Wenb\\cache\\"), 1u);

  EXPECT_FALSE(AnotherInstanceRunning(desktop_));
  desktop_.windows.push_back({42, "thaldenwenbridge", "Wenbridge 3.0"});
  EXPECT_TRUE(AnotherInstanceRunning(desktop_));
}

TEST(DesktopPatterns, StarsAndQuestionMarksWithoutRegardToCase) {
  EXPECT_TRUE(MatchesPattern("trans.htm", "trans*.htm"));
  EXPECT_TRUE(MatchesPattern("TRANS100.HTM", "trans*.htm"));
  EXPECT_FALSE(MatchesPattern("trans.html", "trans*.htm"));
  EXPECT_FALSE(MatchesPattern("xtrans.htm", "trans*.htm"));
  EXPECT_TRUE(MatchesPattern("a.b", "?.?"));
  EXPECT_FALSE(MatchesPattern("ab", "?"));
  EXPECT_TRUE(MatchesPattern("", "*"));
  EXPECT_TRUE(MatchesPattern("abcabd", "*ab*d"));
  EXPECT_FALSE(MatchesPattern(std::string(200, 'a'), std::string(50, '*') + "b"));
}

}  // namespace
}  // namespace wb
