// The page driver against the desktop double: a press of a browser button
// with stand-in browsers that answer over DDE and through their windows,
// the pages and frames written, the result shown, the content warning's
// arithmetic, and every way the press can end early.

#include "app/page_driver.h"
#include "html/page_in_gb.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <memory>
#include <string>
#include <vector>

#include "app/messages.h"
#include "browser/browser_texts.h"
#include "browser/result_page.h"
#include "html/content_rating.h"
#include "platform/memory_desktop.h"

namespace wb {
namespace {

using Strings = std::vector<std::string>;

class NoResultWindow : public ResultWindow {
 public:
  void Hide() override {}
  void Clear() override { lines.clear(); }
  void AddLine(std::string_view line) override { lines.emplace_back(line); }
  void Show() override {}
  void BringToFront() override {}
  Strings lines;
};

Strings Split(std::string_view s, char sep) {
  Strings parts;
  std::size_t from = 0;
  for (std::size_t at = s.find(sep); at != std::string_view::npos; at = s.find(sep, from)) {
    parts.emplace_back(s.substr(from, at - from));
    from = at + 1;
  }
  parts.emplace_back(s.substr(from));
  return parts;
}

bool Contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

class PageDriverTest : public ::testing::Test {
 protected:
  PageDriverTest() {
    std::string error;
    loaded_ = host_.LoadPageTables(std::string(WB_BIN_DIR) + "/", error);
    texts_.SetTranslator(&host_.sentences());
    flags_.soundEffect = false;
    view_.showTranslating = [this](bool on) { glyphs_.push_back(on ? "b_tran" : "b_normal"); };
  }

  PageDriver& Driver() {
    if (!driver_) {
      PageDriverParts parts{desktop_, flags_, host_, toolbar_, texts_, nullptr, "C:\\Wenb\\cache\\", "c:\\", false};
      driver_ = std::make_unique<PageDriver>(parts, view_);
    }
    return *driver_;
  }

  // Navigator showing `address`: it answers WWW_GetWindowInfo, saves the
  // pages of site_ on WWW_OpenURL with the save flag, and opens its
  // document information (docInfo_) on its menu command.
  void ServeNavigator(const std::string& address) {
    desktop_.ddeTopics["Netscape|WWW_GetWindowInfo"] = [address](std::string_view) {
      return DdeReply{true, false, "\"" + address + "\",\"Title\""};
    };
    desktop_.ddeTopics["Netscape|WWW_OpenURL"] = [this](std::string_view item) {
      Strings args = Split(item, ',');
      if (args.size() == 4 && args[3] == "0x4" && saves_) {
        auto page = site_.find(args[0]);
        if (page != site_.end()) desktop_.files[args[1]] = page->second;
      }
      return DdeReply{true, false, "1"};
    };
    desktop_.ddeTopics["Netscape|WWW_ShowFile"] = [](std::string_view) { return DdeReply{true, false, "1"}; };
    MemoryDesktop::Window navigator{10, "Afx:400000:b:1c4e:6:4a5c", "Netscape - [Title]"};
    navigator.thread = 1;
    desktop_.windows.push_back(navigator);
    desktop_.ddePartner = 10;
    desktop_.onMessage = [this](const MemoryDesktop::WindowMessage& m) -> std::optional<std::intptr_t> {
      if (m.message == wm::kCommand && m.wParam == 32846) {
        desktop_.windows.push_back({20, "Afx:400000:0", "Netscape - [Document info]"});
        desktop_.windows.push_back({21, "Afx:pane", "", 20});
        desktop_.windows.push_back({22, "Afx:header", "", 21});
        desktop_.windows.push_back({23, "Afx:view", "", 21});
      }
      if (m.message == wm::kCommand && m.wParam == 57634 && m.window == 23) desktop_.clipboard = docInfo_;
      if (m.message == wm::kClose) std::erase_if(desktop_.windows, [](auto& w) { return w.id >= 20; });
      return 0;
    };
  }

  // The items of the DDE requests to a topic, in order.
  Strings Requests(std::string_view topic) {
    Strings items;
    for (const auto& r : desktop_.ddeRequests)
      if (r.topic == topic || r.topic == Folded(topic)) items.push_back(r.item);
    return items;
  }
  static std::string Folded(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return out;
  }
  Strings Messages() {
    Strings texts;
    for (const auto& m : desktop_.messages) texts.push_back(m.text);
    return texts;
  }

  // A page of `words` words in sentences of five, `bad` of them on the
  // bad-word list.
  std::string WordPage(int words, int bad) {
    std::string text = "<p>";
    for (int k = 0; k < words; ++k) {
      text += k < bad ? host_.badWords().Words().front() : std::string("tree");
      text += k % 5 == 4 ? ". " : " ";
    }
    return text + "</p>";
  }

  MemoryDesktop desktop_;
  Settings settings_{desktop_};
  RuntimeFlags flags_;
  EngineHost host_;
  bool loaded_ = false;
  Toolbar toolbar_{desktop_, settings_, flags_};
  NoResultWindow result_;
  TextTranslation texts_{desktop_, result_, nullptr};
  PageDriverView view_;
  std::unique_ptr<PageDriver> driver_;
  Strings glyphs_;
  std::map<std::string, std::string> site_;
  std::string docInfo_ = "Netscape document information\r\nLocation: somewhere\r\n";
  bool saves_ = true;
};

// ---- the portable pieces ------------------------------------------------------------

TEST(FrameLines, EachFrameLineGivesOneAddress) {
  EXPECT_EQ(ReadFrameLines("Location: http://h/\r\nFrame: http://h/a.htm\r\nFrame:\t \"http://h/b.htm\"\r\n"),
            (Strings{"http://h/a.htm", "http://h/b.htm\""}));
  EXPECT_EQ(ReadFrameLines("Frame: file:///c|/x.htm"), Strings{"file:///c|/x.htm"});
  EXPECT_EQ(ReadFrameLines("Frame: a\nFrame: b"), (Strings{"a", "b"}));
  // Leading non-letters are skipped, line ends included.
  EXPECT_EQ(ReadFrameLines("Frame:\r\n  12 x.htm\r\n"), Strings{"x.htm"});
  EXPECT_EQ(ReadFrameLines("Frame: 123"), Strings{});
  EXPECT_EQ(ReadFrameLines("no frames here"), Strings{});
}

TEST(OutputNames, TenInternetExplorerResultsStayOnDisk) {
  int counter = 0;
  IEOutputName n = NextIEOutputName(counter, "c:\\");
  EXPECT_EQ(n.output, "c:\\trans1.htm");
  EXPECT_EQ(n.remove, "c:\\trans90.htm");
  for (int k = 2; k <= 10; ++k) NextIEOutputName(counter, "c:\\");
  n = NextIEOutputName(counter, "c:\\");  // the eleventh
  EXPECT_EQ(n.output, "c:\\trans11.htm");
  EXPECT_EQ(n.remove, "c:\\trans100.htm");
  n = NextIEOutputName(counter, "c:\\");  // the twelfth
  EXPECT_EQ(n.output, "c:\\trans12.htm");
  EXPECT_EQ(n.remove, "c:\\trans1.htm");
  counter = 99;
  EXPECT_EQ(NextIEOutputName(counter, "c:\\").output, "c:\\trans100.htm");
  EXPECT_EQ(counter, 0);
  n = NextIEOutputName(counter, "c:\\");
  EXPECT_EQ(n.output, "c:\\trans1.htm");
  EXPECT_EQ(n.remove, "c:\\trans90.htm");
}

TEST(PageAddresses, PlainTextAndOwnResultPages) {
  EXPECT_TRUE(IsPlainTextAddress("http://h.com/READ.ME.TXT"));
  EXPECT_TRUE(IsPlainTextAddress("file:///c|/a.txt"));
  EXPECT_FALSE(IsPlainTextAddress("http://h.com/a.txt?x=1"));
  EXPECT_FALSE(IsPlainTextAddress("http://h.com/v1.txt/readme"));
  EXPECT_FALSE(IsPlainTextAddress("txt"));
  EXPECT_TRUE(IsOwnResultPage("file:///c|/transc.htm"));
  EXPECT_TRUE(IsOwnResultPage("file://C:\\transc.htm"));
  EXPECT_FALSE(IsOwnResultPage("file:///C|/transc.htm")) << "compared as written";
}

std::string GbkToUtf8(std::string_view gbk) {
  iconv_t cd = iconv_open("UTF-8", "GBK");
  std::string in(gbk), out(gbk.size() * 2, '\0');
  char* src = in.data();
  char* dst = out.data();
  std::size_t left = in.size(), room = out.size();
  iconv(cd, &src, &left, &dst, &room);
  iconv_close(cd);
  out.resize(out.size() - room);
  return out;
}

TEST(PageQuestions, TheToolbarAsksWhatThePageCodeAsks) {
  EXPECT_EQ(GbkToUtf8(kContentQuestion), text::kContentQuestion);
  EXPECT_EQ(GbkToUtf8(kPicsQuestion), text::kPicsQuestion);
}

// ---- Navigator ---------------------------------------------------------------------

TEST_F(PageDriverTest, ANavigatorFramesetIsTranslatedWithItsFramesAndShown) {
  ASSERT_TRUE(loaded_);
  site_ = {{"http://site/index.htm", "<frameset cols=\"*,*\"><frame src=\"left.htm\"><frame src=\"sub/right.htm\"></frameset>"},
           {"http://site/left.htm", "<p>Left page.</p>"},
           {"http://site/sub/right.htm", "<p>Right page.</p>"}};
  docInfo_ = "Location: http://site/index.htm\r\nFrame: http://site/left.htm\r\nFrame: http://site/sub/right.htm\r\n";
  ServeNavigator("http://site/index.htm");
  Driver().NsClick();

  EXPECT_EQ(Messages(), Strings{});
  const std::string& page = desktop_.files["c:\\trans.htm"];
  EXPECT_EQ(page.rfind("<base href=\"http://site/index.htm\">", 0), 0u) << page;
  EXPECT_TRUE(Contains(page, "<frame src=\"file:///C:\\Wenb\\cache\\left.htm\">")) << page;
  EXPECT_TRUE(Contains(page, "<frame src=\"file:///C:\\Wenb\\cache\\right.htm\">")) << page;
  EXPECT_TRUE(Contains(desktop_.files["C:\\Wenb\\cache\\left.htm"], "<base href=\"http://site/left.htm\">"));
  EXPECT_TRUE(Contains(desktop_.files["C:\\Wenb\\cache\\right.htm"], "<base href=\"http://site/sub/right.htm\">"));
  // Three pages saved by Navigator into the rotating cache names, the
  // result shown in its window.
  Strings saves = Requests("WWW_OpenURL");
  ASSERT_EQ(saves.size(), 3u);
  EXPECT_EQ(saves[0], "http://site/index.htm,C:\\Wenb\\cache\\mycache0.htm,0xFFFFFFFF,0x4");
  EXPECT_EQ(Requests("WWW_ShowFile"), Strings{"c:\\trans.htm,,0xFFFFFFFF"});
  EXPECT_EQ(desktop_.openConversations, 0);
  EXPECT_EQ(glyphs_, (Strings{"b_tran", "b_normal"}));
  EXPECT_FALSE(toolbar_.Translating());
  EXPECT_EQ(desktop_.locks, (Strings{"lock 0", "unlock"}));
}

TEST_F(PageDriverTest, FramesTheBrowserDidNotReportAreFetchedBesideTheirFrameset) {
  site_ = {{"http://site/dir/index.htm", "<frameset><frame src=\"a.htm\"><frame src=\"../b.htm\"></frameset>"},
           {"http://site/dir/a.htm", "<p>Page a.</p>"},
           {"http://site/b.htm", "<p>Page b.</p>"}};
  ServeNavigator("http://site/dir/index.htm");  // its document information lists no frames
  Driver().NsClick();
  EXPECT_EQ(Messages(), Strings{});
  EXPECT_TRUE(Contains(desktop_.files["C:\\Wenb\\cache\\a.htm"], "<base href=\"http://site/dir/a.htm\">"));
  EXPECT_TRUE(Contains(desktop_.files["C:\\Wenb\\cache\\b.htm"], "<base href=\"http://site/b.htm\">"));
  EXPECT_EQ(Requests("WWW_ShowFile").size(), 1u);
}

TEST_F(PageDriverTest, AnAnchorIsOpenedInTheTranslation) {
  site_ = {{"http://site/p.htm", "<p>Text.</p>"}};
  ServeNavigator("http://site/p.htm#sec");
  flags_.showTran = 1;
  Driver().NsClick();
  EXPECT_EQ(Requests("WWW_OpenURL").at(0).substr(0, 18), "http://site/p.htm,");
  EXPECT_EQ(Requests("WWW_OpenURL").back(), "file:///c|/trans.htm#sec,,0xFFFFFFFF");
  EXPECT_EQ(Requests("WWW_ShowFile"), Strings{});
  EXPECT_EQ(Driver().Anchor, "sec");
}

TEST_F(PageDriverTest, SideBySideShowsTheTwoFramePage) {
  site_ = {{"http://site/p.htm", "<p>Text.</p>"}};
  ServeNavigator("http://site/p.htm");
  flags_.showTran = 1;
  Driver().NsClick();
  EXPECT_EQ(desktop_.files["c:\\transc.htm"], ComposeResultPageText(1, "http://site/p.htm", "c:\\trans.htm"));
  EXPECT_EQ(Requests("WWW_ShowFile"), Strings{"c:\\transc.htm,,0xFFFFFFFF"});
}

TEST_F(PageDriverTest, APlainTextPageGoesToTransTxt) {
  site_ = {{"http://site/README.TXT", "First line.\r\n<b> stays\r\n"}};
  ServeNavigator("http://site/README.TXT");
  Driver().NsClick();
  ASSERT_EQ(desktop_.files.count("c:\\trans.txt"), 1u);
  EXPECT_FALSE(Contains(desktop_.files["c:\\trans.txt"], "<base"));
  EXPECT_EQ(desktop_.files.count("c:\\trans.htm"), 0u);
  EXPECT_EQ(Requests("WWW_ShowFile"), Strings{"c:\\trans.txt,,0xFFFFFFFF"});
}

TEST_F(PageDriverTest, TheComposedPageIsNotTranslatedAgain) {
  ServeNavigator("file:///c|/transc.htm");
  Driver().NsClick();
  EXPECT_EQ(Requests("WWW_OpenURL"), Strings{});
  EXPECT_EQ(Requests("WWW_ShowFile"), Strings{});
  EXPECT_EQ(desktop_.files.size(), 0u);
  EXPECT_EQ(Messages(), Strings{});
}

TEST_F(PageDriverTest, AUtf8PageComesOutInGbAndSaysSo) {
  // "中" is D6D0 in GB; the double knows no emoji, as GB has none.
  desktop_.gbCharacters[U'\u4E2D'] = "\xD6\xD0";
  site_ = {{"http://site/p.htm",
            "\xEF\xBB\xBF<meta charset=\"UTF-8\"><p>\xE4\xB8\xAD \xF0\x9F\x98\x80</p><p>Text.</p>"}};
  ServeNavigator("http://site/p.htm");
  Driver().NsClick();
  const std::string& page = desktop_.files["c:\\trans.htm"];
  EXPECT_TRUE(Contains(page, "<meta charset=\"gb2312\">")) << page;
  EXPECT_TRUE(Contains(page, "\xD6\xD0 &#128512;")) << page;
  EXPECT_FALSE(Contains(page, "\xEF\xBB\xBF")) << page;
}

TEST_F(PageDriverTest, AFramesetThatListsItselfIsTranslatedOnce) {
  // The document information lists the frameset itself as its frame, so its
  // frame (whose own address is unknown) falls back on that address.
  site_ = {{"http://site/index.htm", "<frameset><frame src=\"a.htm\"></frameset>"}};
  docInfo_ = "Frame: http://site/index.htm\r\n";
  ServeNavigator("http://site/index.htm");
  Driver().NsClick();
  EXPECT_EQ(Requests("WWW_OpenURL").size(), 1u);
  EXPECT_EQ(Requests("WWW_ShowFile").size(), 1u);
}

TEST_F(PageDriverTest, ASecondPressWhileNavigatorSavesIsRefused) {
  site_ = {{"http://site/p.htm", "<p>Text.</p>"}};
  ServeNavigator("http://site/p.htm");
  saves_ = false;
  desktop_.onWait = [this] {
    if (desktop_.waitedMs == 300) Driver().NsClick();  // the user presses again
    if (desktop_.waitedMs == 600) desktop_.files["C:\\Wenb\\cache\\mycache0.htm"] = site_["http://site/p.htm"];
  };
  Driver().NsClick();
  EXPECT_EQ(desktop_.beeps, std::vector<BeepKind>{BeepKind::kAsterisk});
  EXPECT_EQ(Requests("WWW_ShowFile").size(), 1u);
  EXPECT_FALSE(toolbar_.Translating());
}

TEST_F(PageDriverTest, ASaveThatNeverFinishesIsGivenUpWithAMessage) {
  site_ = {{"http://site/p.htm", "<p>Text.</p>"}};
  ServeNavigator("http://site/p.htm");
  desktop_.busyFiles.insert("C:\\Wenb\\cache\\mycache0.htm");
  Driver().NsClick();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_TRUE(Contains(Messages()[0], text::kSaveNotFinished));
  EXPECT_EQ(desktop_.waitedMs, kSaveTries * kSavePollMs);
  EXPECT_EQ(Requests("WWW_ShowFile"), Strings{});
}

TEST_F(PageDriverTest, NavigatorThatCannotBeReachedOrDoesNotAnswerIsSaidSo) {
  Driver().NsClick();
  EXPECT_EQ(Messages(), Strings{std::string(text::kStartNetscape)});
  Driver().ieClick();
  EXPECT_EQ(Messages().back(), text::kStartIE);

  desktop_.messages.clear();
  ServeNavigator("http://site/p.htm");
  desktop_.ddeTopics["Netscape|WWW_GetWindowInfo"] = [](std::string_view) { return DdeReply{false, true, ""}; };
  Driver().NsClick();
  EXPECT_EQ(Messages(), Strings{"Netscape" + std::string(text::kNoAnswerTail)});
  EXPECT_FALSE(toolbar_.Translating());
  EXPECT_EQ(desktop_.openConversations, 0);

  // No reply to the save request.
  desktop_.messages.clear();
  ServeNavigator("http://site/p.htm");
  desktop_.ddeTopics["Netscape|WWW_OpenURL"] = [](std::string_view) { return DdeReply{}; };
  Driver().NsClick();
  EXPECT_EQ(Messages(), Strings{std::string(text::kCannotReadCache)});
}

TEST_F(PageDriverTest, LocalAddressesThatCannotBeTranslatedAreSaidSo) {
  ServeNavigator("file:///c|/docs/");
  Driver().NsClick();
  ServeNavigator("file:///c|/docs/100%.htm");
  Driver().NsClick();
  ServeNavigator("file:///c|/docs/missing.htm");
  Driver().NsClick();
  Strings m = Messages();
  ASSERT_EQ(m.size(), 3u);
  EXPECT_EQ(m[0], text::kDirectoryPage);
  EXPECT_EQ(m[1], std::string(text::kBadEscape) + "file:///c|/docs/100%.htm");
  EXPECT_TRUE(Contains(m[2], text::kPageUnreadable) && Contains(m[2], "c:\\docs\\missing.htm")) << m[2];
  EXPECT_EQ(Requests("WWW_ShowFile"), Strings{});
}

TEST_F(PageDriverTest, AResultThatCannotBeWrittenIsSaidSoAndNotShown) {
  desktop_.files["c:\\docs\\p.htm"] = "<p>Text.</p>";
  desktop_.unwritable.insert("c:\\trans.htm");
  ServeNavigator("file:///c|/docs/p.htm");
  Driver().NsClick();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_TRUE(Contains(Messages()[0], text::kResultUnwritable));
  EXPECT_EQ(Requests("WWW_ShowFile"), Strings{});

  desktop_.messages.clear();
  desktop_.unwritable = {"c:\\transc.htm"};
  flags_.showTran = 2;
  Driver().NsClick();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_TRUE(Contains(Messages()[0], "transc.htm"));
  EXPECT_EQ(Requests("WWW_ShowFile"), Strings{});
}

TEST_F(PageDriverTest, AMessageWindowGoesToTheTextTranslation) {
  MemoryDesktop::Window mail{5, "Afx:400000:b:1c4e:6:4a5c", "Netscape Mail - Inbox"};
  desktop_.windows.push_back(mail);
  desktop_.onMessage = [this](const MemoryDesktop::WindowMessage& m) -> std::optional<std::intptr_t> {
    if (m.message == wm::kCommand && m.wParam == 57634) desktop_.clipboard = "From: a\r\n\r\nHello there.";
    return 0;
  };
  Driver().NsClick();
  EXPECT_EQ(result_.lines.size(), 1u);
  EXPECT_TRUE(desktop_.ddeConnects.empty());
  EXPECT_TRUE(glyphs_.empty());
  EXPECT_FALSE(toolbar_.Translating());
}

// ---- the content warning --------------------------------------------------------------

TEST_F(PageDriverTest, TheContentWarningComesAtOneBadWordInTen) {
  ASSERT_TRUE(loaded_);
  struct Case {
    int words, bad;
    bool asked;
  } cases[] = {{100, 10, true}, {100, 0, false}, {5, 1, true}, {100, 9, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.bad) + " of " + std::to_string(c.words));
    desktop_.messages.clear();
    desktop_.ddeRequests.clear();
    desktop_.files["c:\\docs\\p.htm"] = WordPage(c.words, c.bad);
    ServeNavigator("file:///c|/docs/p.htm");
    Driver().NsClick();
    EXPECT_EQ(host_.engine().Counters().wordCount, c.words);
    EXPECT_EQ(host_.engine().Counters().badWordCount, c.bad);
    EXPECT_EQ(Messages(), c.asked ? Strings{std::string(text::kContentQuestion)} : Strings{});
    // Not answered Yes: nothing shown.
    EXPECT_EQ(Requests("WWW_ShowFile").size(), c.asked ? 0u : 1u);
  }
  flags_.contentEvaluation = false;
  desktop_.messages.clear();
  desktop_.files["c:\\docs\\p.htm"] = WordPage(10, 10);
  Driver().NsClick();
  EXPECT_EQ(Messages(), Strings{});
}

TEST_F(PageDriverTest, GoingOnPlaysTheWarningSoundsAndShowsThePage) {
  ASSERT_TRUE(loaded_);
  flags_.soundEffect = true;
  desktop_.files["c:\\docs\\p.htm"] = WordPage(5, 1);
  ServeNavigator("file:///c|/docs/p.htm");
  desktop_.answers = {MessageAnswer::kYes};
  desktop_.randoms = {3, 4};  // no "w_tran" (not 8), then W4a4
  Driver().NsClick();
  EXPECT_EQ(desktop_.sounds, (Strings{"stop", "resource W7a7", "stop", "resource W4a4"}));
  EXPECT_EQ(Requests("WWW_ShowFile").size(), 1u);

  desktop_.sounds.clear();
  desktop_.randoms = {8};
  desktop_.files["c:\\docs\\p.htm"] = "<p>Fine.</p>";
  Driver().NsClick();
  EXPECT_EQ(desktop_.sounds, Strings{"resource w_tran"});
}

TEST_F(PageDriverTest, InternetExplorerFramesetsGoOnWithoutTheQuestion) {
  ASSERT_TRUE(loaded_);
  desktop_.files["c:\\docs\\f.htm"] = "<frameset><frame src=\"a.htm\"></frameset>" + WordPage(5, 1);
  PageDriver& d = Driver();
  d.NetscapeMode = false;
  d.IEShellWindow = true;
  d.PageUrl = "file:///c|/docs/f.htm";
  EXPECT_TRUE(d.TranslatePageFile("c:\\docs\\f.htm", "c:\\trans1.htm"));
  EXPECT_EQ(Messages(), Strings{});
  // With the shell window the frames are left to the browser.
  EXPECT_EQ(desktop_.files.count("C:\\Wenb\\cache\\a.htm"), 0u);
  d.NetscapeMode = true;
  EXPECT_FALSE(d.TranslatePageFile("c:\\docs\\f.htm", "c:\\trans.htm"));
  EXPECT_EQ(Messages(), Strings{std::string(text::kContentQuestion)});
}

// ---- Internet Explorer ------------------------------------------------------------------

TEST_F(PageDriverTest, AnInternetExplorerFramesetFromTheCacheIsTypedIntoTheAddressBox) {
  ASSERT_TRUE(loaded_);
  desktop_.ddeTopics["iexplore|WWW_GetWindowInfo"] = [](std::string_view) {
    return DdeReply{true, false, "\"http://site/index.htm\",\"Frames\""};
  };
  desktop_.urlCache = {{"http://site/index.htm", "<frameset><frame src=\"a.htm\"><frame src=\"b.htm\"></frameset>"},
                       {"http://site/a.htm", "<p>Page a.</p>"},
                       {"http://site/b.htm", "<p>Page b.</p>"}};
  desktop_.files["c:\\trans90.htm"] = "ten presses ago";
  desktop_.windows = {{1, "IEFrame", "Frames - Microsoft Internet Explorer"},
                      {2, "Edit", "http://site/index.htm", 1},
                      {3, "Shell DocObject View", "", 1},
                      {4, "Shell Embedding", "", 3},
                      {5, "Shell Embedding", "", 4},
                      {6, "Shell Embedding", "", 4}};
  const std::map<WindowId, std::string> addresses{
      {4, "http://site/index.htm"}, {5, "http://site/a.htm"}, {6, "http://site/b.htm"}};
  std::string field;
  desktop_.onMessage = [&](const MemoryDesktop::WindowMessage& m) -> std::optional<std::intptr_t> {
    if (m.message == wm::kCommand && m.wParam == 262) {
      field = addresses.at(m.window);
      desktop_.windows.insert(desktop_.windows.begin(), {{100, "#32770", "Page properties"}, {101, "Pane", "", 100}});
      desktop_.windows.push_back({102, "Static", "URL", 101});
      desktop_.windows.push_back({103, "Edit", field, 101});
    }
    if (m.message == wm::kCopy) desktop_.clipboard = field;
    if (m.message == wm::kClose) std::erase_if(desktop_.windows, [](auto& w) { return w.id >= 100; });
    return 0;
  };
  Driver().ieClick();

  EXPECT_EQ(Messages(), Strings{});
  EXPECT_EQ(desktop_.files.count("c:\\trans90.htm"), 0u);
  const std::string& page = desktop_.files["c:\\trans1.htm"];
  EXPECT_TRUE(Contains(page, "<frame src=\"file://C:\\Wenb\\cache\\a.htm\">")) << page;
  EXPECT_TRUE(Contains(desktop_.files["C:\\Wenb\\cache\\a.htm"], "<base href=\"http://site/a.htm\">"));
  EXPECT_TRUE(Contains(desktop_.files["C:\\Wenb\\cache\\b.htm"], "<base href=\"http://site/b.htm\">"));
  std::string typed;
  for (const auto& m : desktop_.windowMessages)
    if (m.message == wm::kChar && m.window == 2) typed += static_cast<char>(m.wParam);
  EXPECT_EQ(typed, "c:\\trans1.htm");
  EXPECT_EQ(Driver().OutputCounter, 1);

  // On Windows NT a browser frame with a "Shell Embedding" child is left
  // alone.
  desktop_.windows.push_back({7, "Shell Embedding", "", 1});
  desktop_.files.clear();
  PageDriverParts parts{desktop_, flags_, host_, toolbar_, texts_, nullptr, "C:\\Wenb\\cache\\", "c:\\", true};
  PageDriver nt(parts, view_);
  nt.ieClick();
  EXPECT_EQ(desktop_.files.count("c:\\trans1.htm"), 0u);
}

TEST(PageInGb, OnlyUtf8PagesAreConverted) {
  const GbCharacterFn gb = [](char32_t c) { return c == U'\u4E2D' ? std::string("\xD6\xD0") : std::string(); };
  std::string page = "<p>\xE4\xB8\xAD\xC3\xA9</p>";  // 中é, é unknown here
  EXPECT_TRUE(PageInGb(page, gb));
  EXPECT_EQ(page, "<p>\xD6\xD0&#233;</p>");
  // Latin-1 and GB pages are not valid UTF-8 and stay as they are; so does
  // an ASCII page.
  for (std::string other : {"<p>na\xEFve</p>", "<p>\xD6\xD0\xCE\xC4</p>", "<p>plain</p>"}) {
    std::string kept = other;
    EXPECT_FALSE(PageInGb(kept, gb)) << other;
    EXPECT_EQ(kept, other);
  }
  // The byte-order mark says UTF-8 and goes.
  page = "\xEF\xBB\xBFplain";
  EXPECT_TRUE(PageInGb(page, gb));
  EXPECT_EQ(page, "plain");
}

TEST(PageInGb, TheResultNamesGbWhereThePageNamedAnotherCode) {
  EXPECT_EQ(DeclaringGb("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-1\"><p>x"),
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\"><p>x");
  EXPECT_EQ(DeclaringGb("<?xml version=\"1.0\" encoding=\"utf-8\"?><html>"),
            "<?xml version=\"1.0\" encoding=\"gb2312\"?><html>");
  EXPECT_EQ(DeclaringGb("<META CHARSET=big5>"), "<META CHARSET=gb2312>");
  for (std::string kept : {"<meta charset=\"GBK\">", "<p>no declaration</p>"}) EXPECT_EQ(DeclaringGb(kept), kept);
}

}  // namespace
}  // namespace wb
