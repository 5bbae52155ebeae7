#include "app/text_translation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/add_wrapped.h"
#include "app/text_scan.h"
#include "platform/memory_desktop.h"

namespace wb {
namespace {

const std::string kStop = "\xA1\xA3";  // the Chinese full stop (GBK)

// The scan over a stand-in translation that shows what reached it: line
// ends as "/", the whole in brackets.
std::vector<std::string> Scan(std::string text, std::size_t start = 0) {
  std::vector<std::string> lines;
  TextScan scan(
      [](std::string_view s) {
        std::string shown;
        for (std::size_t k = 0; k < s.size(); ++k) {
          if (s.compare(k, 2, "\r\n") == 0) {
            shown += '/';
            ++k;
          } else {
            shown += s[k];
          }
        }
        return "[" + shown + "]";
      },
      [&lines](std::string_view l) { lines.emplace_back(l); });
  scan.Run(text, start);
  return lines;
}

using Lines = std::vector<std::string>;

TEST(TextScan, SentencesEndAtAMarkBeforeWhiteSpaceOrAtTheEnd) {
  EXPECT_EQ(Scan("Hello world. How are you?"), (Lines{"[Hello world.]", "[ How are you?]"}));
  EXPECT_EQ(Scan("Version 3.0 is out."), Lines{"[Version 3.0 is out.]"});
  EXPECT_EQ(Scan("Mail me@home or see a.b|c now"), Lines{"[Mail me@home or see a.b|c now]"});
  EXPECT_EQ(Scan("Wait! Note: done"), (Lines{"[Wait!]", "[ Note:]", "[ done]"}));
  EXPECT_EQ(Scan(""), Lines{});
  EXPECT_EQ(Scan("x"), Lines{"[x]"});
}

TEST(TextScan, AnEmptyLineEndsAParagraphWithoutAClosingMark) {
  EXPECT_EQ(Scan("First paragraph\r\n\r\nSecond paragraph"),
            (Lines{"[First paragraph]", "", "[/Second paragraph]"}));
  // A line break inside a paragraph joins its lines into one sentence.
  EXPECT_EQ(Scan("one line\r\nand the next."), Lines{"[one line/and the next.]"});
  // A line without letters is kept as it stands.
  EXPECT_EQ(Scan("Title\r\n-----\r\nBody."), (Lines{"[Title]", "-----", "[/Body.]"}));
  EXPECT_EQ(Scan("Done.\r\n"), (Lines{"[Done.]", ""}));
}

TEST(TextScan, QuotedLinesKeepTheirMarks) {
  // The example of a mail: a quoted line after a line end.
  EXPECT_EQ(Scan("Hi.\r\n> quoted text.\r\n"), (Lines{"[Hi.]", ">[/  quoted text.]", ""}));
  // A quoted paragraph broken over lines is one sentence; depth counts.
  EXPECT_EQ(Scan("Ok.\r\n>> one\r\n>> two.\r\n"), (Lines{"[Ok.]", ">>[/   one/   two.]", ""}));
  // A bare ">" line ends the quoted sentence and is kept.
  EXPECT_EQ(Scan("> one\r\n>\r\n> two\r\n"), (Lines{">[  one]", ">", ">[/  two]", ""}));
  // Marks followed by two blanks end what was pending.
  EXPECT_EQ(Scan("Hi\r\n>  indented text."), (Lines{"[Hi/]", ">[ indented text.]"}));
  // ">" inside a line is text.
  EXPECT_EQ(Scan("a > b."), Lines{"[a > b.]"});
}

TEST(TextScan, BlanksTheMarksItHasCounted) {
  std::string text = "x\r\n> y.";
  TextScan scan([](std::string_view s) { return std::string(s); }, [](std::string_view) {});
  scan.Run(text, 0);
  EXPECT_EQ(text, "x\r\n  y.");
}

TEST(TextScan, NavigatorMessagesStartAfterTheirHeader) {
  std::string mail = "Subject: Hi\r\nFrom: a@b\r\n\r\nBody here.";
  std::size_t start = MessageBodyStart(mail);
  ASSERT_EQ(start, mail.find("Body"));
  EXPECT_EQ(Scan(mail, start), Lines{"[Body here.]"});
  EXPECT_EQ(MessageBodyStart("no empty line\r\nat all"), std::string::npos);
}

TEST(TextScan, LineEndsOfEveryKindBecomeCrLf) {
  EXPECT_EQ(WithCrLfLineEnds("a\nb\rc\r\nd\n\r"), "a\r\nb\r\nc\r\nd\r\n\r\n");
  EXPECT_EQ(Scan(WithCrLfLineEnds("First\n\nSecond")), (Lines{"[First]", "", "[/Second]"}));
}

// ---- lines of the result window -------------------------------------------

std::string Chinese(int characters) {
  std::string s;
  for (int k = 0; k < characters; ++k) s += "\xD2\xEB";  // 译
  return s;
}

std::vector<std::size_t> Sizes(const Lines& lines) {
  std::vector<std::size_t> sizes;
  for (const std::string& l : lines) sizes.push_back(l.size());
  return sizes;
}

TEST(AddWrapped, ShortTextsAreOneLine) {
  EXPECT_EQ(WrapLines("short"), Lines{"short"});
  EXPECT_EQ(WrapLines(""), Lines{""});
  EXPECT_EQ(WrapLines(std::string(49, 'a')).size(), 1u);
}

TEST(AddWrapped, ChineseIsCutIntoLinesOfFiftyBytesOrMoreBetweenCharacters) {
  // A 120-byte result.
  EXPECT_EQ(Sizes(WrapLines(Chinese(60))), (std::vector<std::size_t>{50, 50, 20}));
  // One ASCII byte first shifts every character: the cut waits for the end
  // of the character and the line is 51 bytes.
  EXPECT_EQ(Sizes(WrapLines("a" + Chinese(60))), (std::vector<std::size_t>{51, 50, 20}));
  // GBK characters whose second byte lies in the ASCII range stay whole.
  std::string gbk;
  for (int k = 0; k < 40; ++k) gbk += "\x81\x40";
  gbk = "a" + gbk;
  for (const std::string& l : WrapLines(gbk)) {
    ASSERT_FALSE(l.empty());
    EXPECT_NE(static_cast<unsigned char>(l[0]), 0x40) << "a line starts with a trail byte";
  }
}

TEST(AddWrapped, WordsStayWholeAndTheCutFallsBeforeABlank) {
  std::string text;
  for (int k = 0; k < 30; ++k) text += "word ";
  Lines lines = WrapLines(text);
  ASSERT_GE(lines.size(), 2u);
  std::string joined;
  for (const std::string& l : lines) joined += l;
  EXPECT_EQ(joined, text);
  for (std::size_t k = 0; k + 1 < lines.size(); ++k) EXPECT_GE(lines[k].size(), 50u);
  for (std::size_t k = 1; k < lines.size(); ++k)
    EXPECT_TRUE(lines[k - 1].back() == ' ' || lines[k][0] == ' ') << "cut inside a word at line " << k;
  // A word longer than a line is not cut at all.
  std::string url = "http://" + std::string(150, 'x');
  EXPECT_EQ(WrapLines(url), Lines{url});
  // A cut leaves more than 50 bytes to follow, or it is the last one.
  EXPECT_EQ(Sizes(WrapLines(std::string(50, 'a') + " " + std::string(50, 'b'))),
            (std::vector<std::size_t>{50, 51}));
  EXPECT_EQ(Sizes(WrapLines(std::string(40, 'a') + " " + std::string(20, 'b') + " " + std::string(60, 'c'))),
            (std::vector<std::size_t>{61, 61}));
}

// ---- the text translation, with the engine and the in-memory desktop -------

class FakeResult : public ResultWindow {
 public:
  void Hide() override { events.push_back("hide"); }
  void Clear() override {
    events.push_back("clear");
    lines.clear();
  }
  void AddLine(std::string_view line) override { lines.emplace_back(line); }
  void Show() override { events.push_back("show"); }
  void BringToFront() override { events.push_back("front"); }
  std::vector<std::string> events;
  Lines lines;
};

class FakeProgress : public ProgressDisplay {
 public:
  void Show() override { events.push_back("grow"); }
  void SetPosition(long long p) override { last = p; }
  void Hide() override { events.push_back("shrink"); }
  std::vector<std::string> events;
  long long last = -1;
};

class TextTranslationTest : public ::testing::Test {
 protected:
  TextTranslationTest() { texts_.SetTranslator(&sentences_); }
  MemoryDesktop desktop_;
  FakeResult result_;
  FakeProgress progress_;
  Engine engine_;
  SentenceTranslator sentences_{engine_};
  TextTranslation texts_{desktop_, result_, &progress_};
};

TEST_F(TextTranslationTest, TheClipboardTextFillsTheResultWindow) {
  desktop_.clipboard = "Hello world. How are you?\r\n> quoted text.";
  texts_.TranslateText(TextSender::kNone);
  EXPECT_EQ(result_.lines, (Lines{"Hello world " + kStop, "How are you \xA3\xBF", ">quoted text " + kStop}));
  EXPECT_EQ(result_.events, (std::vector<std::string>{"hide", "clear", "show"}));
  EXPECT_EQ(progress_.events, (std::vector<std::string>{"grow", "shrink"}));
  EXPECT_GT(progress_.last, 0);
  EXPECT_LE(progress_.last, 100);
}

TEST_F(TextTranslationTest, ANavigatorMessageWithoutBodyLeavesTheWindowHidden) {
  desktop_.clipboard = "Subject: x\nFrom: y\n\nThe body.";
  texts_.TranslateText(TextSender::kNs);
  EXPECT_EQ(result_.lines, Lines{"The body " + kStop});

  desktop_.clipboard = "Subject: x\r\nno body";
  texts_.TranslateText(TextSender::kNs);
  EXPECT_TRUE(result_.lines.empty());
  EXPECT_EQ(result_.events.back(), "clear");
  EXPECT_EQ(progress_.events.size(), 2u) << "the toolbar did not grow for nothing";
}

TEST_F(TextTranslationTest, TheHotKeyTakesTextsShorterThanAThousandBytes) {
  std::string text(999, 'a');
  text[0] = 'B';
  desktop_.clipboard = text;
  texts_.OnHotKey();
  EXPECT_EQ(result_.events, (std::vector<std::string>{"hide", "clear", "show", "front"}));
  EXPECT_FALSE(result_.lines.empty());

  result_.events.clear();
  desktop_.clipboard = std::string(1000, 'a');
  texts_.OnHotKey();
  EXPECT_TRUE(result_.events.empty());
  desktop_.clipboard.reset();
  texts_.OnHotKey();
  EXPECT_TRUE(result_.events.empty());
}

TEST_F(TextTranslationTest, NothingHappensBeforeTheEngineIsReady) {
  TextTranslation early(desktop_, result_, nullptr);
  desktop_.clipboard = "Hello.";
  early.OnHotKey();
  early.TranslateText(TextSender::kIe);
  EXPECT_EQ(result_.events, std::vector<std::string>{"front"});
}

TEST_F(TextTranslationTest, ALongSentenceIsTranslatedWhole) {
  std::string text;
  for (int k = 0; k < 80; ++k) text += "word" + std::to_string(k) + " ";
  desktop_.clipboard = text;
  texts_.TranslateText(TextSender::kNone);
  std::string all;
  for (const std::string& l : result_.lines) all += l;
  EXPECT_NE(all.find("word0 "), std::string::npos);
  EXPECT_NE(all.find("word79"), std::string::npos) << "the end of a sentence over 255 bytes is kept";
}

}  // namespace
}  // namespace wb
