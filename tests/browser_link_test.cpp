// The browser integration against the desktop double: the DDE reply and the
// local paths, Navigator's mail window and document information, Internet
// Explorer's page-properties dialogs with their bounded wait, and the
// start-up change to Navigator's cache settings.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browser/ie_control.h"
#include "browser/netscape_link.h"
#include "browser/page_source.h"
#include "browser/result_page.h"
#include "platform/memory_desktop.h"

namespace wb {
namespace {

using Strings = std::vector<std::string>;

TEST(WindowInfoReply, TheAddressIsTheFirstQuotedField) {
  EXPECT_EQ(AddressFromWindowInfo("\"a/b.html\",\"Title\""), "a/b.html");
  EXPECT_EQ(AddressFromWindowInfo("\"http://h.com/p.htm#s\",\"A \"quoted\", title\",\"x\"\r\n"),
            "http://h.com/p.htm#s");
  // Without a title the address runs to its closing quote, or to the end.
  EXPECT_EQ(AddressFromWindowInfo("\"http://h.com/\""), "http://h.com/");
  EXPECT_EQ(AddressFromWindowInfo("http://h.com/x.htm"), "http://h.com/x.htm");
  EXPECT_EQ(AddressFromWindowInfo(""), "");
  EXPECT_EQ(AddressFromWindowInfo("\""), "");
}

TEST(LocalPaths, FileAddressesBecomeWindowsPaths) {
  auto path = [](std::string_view address, std::string_view prefix) {
    LocalAddress a = LocalPathOf(address, prefix);
    return a.kind == LocalAddress::kPath ? a.path : "kind " + std::to_string(a.kind);
  };
  EXPECT_EQ(path("file:///c|/docs/a%20b.htm", "file:///"), "c:\\docs\\a b.htm");
  EXPECT_EQ(path("file:////server/share/x.htm", "file:///"), "\\\\server\\share\\x.htm");
  // Internet Explorer without its shell window names local pages "file://".
  EXPECT_EQ(path("file://C:\\dir\\page.htm", "file://"), "C:\\dir\\page.htm");
  // The same text from Navigator is no local address: it is saved over DDE.
  EXPECT_EQ(LocalPathOf("file://C:\\dir\\page.htm", "file:///").kind, LocalAddress::kNotLocal);
  EXPECT_EQ(LocalPathOf("http://h.com/a.htm", "file://").kind, LocalAddress::kNotLocal);
  // Quotes and the fragment go first; only the first "|" is a drive's.
  EXPECT_EQ(path("\"file:///c|/a|b.htm#part\"", "file:///"), "c:\\a|b.htm");
  EXPECT_EQ(LocalPathOf("\"http://h.com/p.htm#x\"", "file:///").address, "http://h.com/p.htm");
  // The prefix is compared exactly.
  EXPECT_EQ(LocalPathOf("FILE:///c|/x.htm", "file:///").kind, LocalAddress::kNotLocal);
}

TEST(LocalPaths, DirectoriesAndBrokenEscapesAreRefused) {
  EXPECT_EQ(LocalPathOf("file:///c|/docs/", "file:///").kind, LocalAddress::kDirectory);
  EXPECT_EQ(LocalPathOf("file:///c|/docs/#top", "file:///").kind, LocalAddress::kDirectory);
  EXPECT_EQ(LocalPathOf("file:///c|/100%.htm", "file:///").kind, LocalAddress::kBadEscape);
  EXPECT_EQ(LocalPathOf("file:///c|/a%2G.htm", "file:///").kind, LocalAddress::kBadEscape);
  // A "%" too near the end to be an escape is kept as it is.
  EXPECT_EQ(LocalPathOf("file:///c|/a.h%m", "file:///").path, "c:\\a.h%m");
  EXPECT_FALSE(HasBadUrlEscape("a%20%41"));
  EXPECT_TRUE(HasBadUrlEscape("%%41"));
}

// ---- Navigator's windows -------------------------------------------------------

MemoryDesktop::Window Navigator(WindowId id, std::string title, Strings menu, int thread = 1) {
  MemoryDesktop::Window w{id, "Afx:400000:b:1c4e:6:4a5c", std::move(title)};
  w.thread = thread;
  w.menuBar = std::move(menu);
  return w;
}

const Strings kNavigator3Menu{"&File", "&Edit", "&View", "&Go", "&Bookmarks", "&Options"};
const Strings kMessengerMenu{"&File", "&Edit", "&View", "&Go", "&Message", "&Communicator"};
const Strings kMail3Menu{"&File", "&Edit", "&View", "&Message", "&Go"};

class NavigatorWindows : public ::testing::Test {
 protected:
  NavigatorWindows() {
    desktop_.clipboard = "the user's text";
    desktop_.onMessage = [this](const MemoryDesktop::WindowMessage& m) -> std::optional<std::intptr_t> {
      if (m.message == wm::kCommand && m.wParam == 57634 && copies_) desktop_.clipboard = messageText_;
      return 0;
    };
  }
  MemoryDesktop desktop_;
  std::string messageText_ = "From: someone\r\n\r\nHello.";
  bool copies_ = true;
};

TEST_F(NavigatorWindows, ABrowserWindowInFrontOfMessengerEndsTheSearch) {
  desktop_.windows = {Navigator(1, "Netscape - [Home]", kMessengerMenu), Navigator(2, "Netscape Mail", {})};
  desktop_.windows[0].menuBar[4] = "&Bookmarks";
  EXPECT_EQ(CopyNetscapeMailText(desktop_), MailCopy::kNone);
  EXPECT_EQ(desktop_.clipboard, "the user's text");
}

TEST_F(NavigatorWindows, TheMessageWindowIsFoundByTitleOrMenu) {
  // Other programs' windows, and Navigator windows without a menu that
  // tells, are passed over.
  desktop_.windows = {{9, "Notepad", "Netscape notes"}, Navigator(1, "Netscape - [Home]", {"&File"}),
                      Navigator(2, "Inbox - Netscape Messenger", kMessengerMenu)};
  EXPECT_EQ(CopyNetscapeMailText(desktop_), MailCopy::kCopied);
  EXPECT_EQ(desktop_.clipboard, messageText_);
  ASSERT_GE(desktop_.windowMessages.size(), 3u);
  EXPECT_EQ(desktop_.windowMessages[0].window, 2u);
  EXPECT_EQ(desktop_.windowMessages.back().wParam, 32782u);
  EXPECT_TRUE(desktop_.windowMessages.back().posted);

  desktop_.windows = {Navigator(3, "Netscape - [Re: lunch]", kMail3Menu)};
  EXPECT_EQ(CopyNetscapeMailText(desktop_), MailCopy::kCopied);
  desktop_.windows = {Navigator(4, "Netscape Mail - Inbox", {})};
  EXPECT_EQ(CopyNetscapeMailText(desktop_), MailCopy::kCopied);
  desktop_.windows = {Navigator(5, "Netscape - [Home]", kNavigator3Menu)};
  EXPECT_EQ(CopyNetscapeMailText(desktop_), MailCopy::kNone);
}

TEST_F(NavigatorWindows, AnEmptyMessageLeavesTheUsersClipboardAlone) {
  copies_ = false;
  desktop_.windows = {Navigator(2, "Netscape Mail", {})};
  EXPECT_EQ(CopyNetscapeMailText(desktop_), MailCopy::kNothingCopied);
  EXPECT_EQ(desktop_.clipboard, "the user's text");
}

TEST_F(NavigatorWindows, DocumentInformationIsCopiedAndClosed) {
  desktop_.windows = {Navigator(1, "Other program", {}, 2), Navigator(2, "Netscape - [Home]", {})};
  desktop_.onMessage = [this](const MemoryDesktop::WindowMessage& m) -> std::optional<std::intptr_t> {
    if (m.message == wm::kCommand && m.wParam == 32846) {
      desktop_.windows.push_back({20, "Afx:400000:0", "Netscape - [Document info]"});
      desktop_.windows.push_back({21, "Afx:pane", "", 20});
      desktop_.windows.push_back({22, "Afx:header", "", 21});
      desktop_.windows.push_back({23, "Afx:view", "", 21});
    }
    if (m.message == wm::kCommand && m.wParam == 57634 && m.window == 23) desktop_.clipboard = "Frame: http://h/a.htm";
    if (m.message == wm::kClose) std::erase_if(desktop_.windows, [](auto& w) { return w.id >= 20; });
    return 0;
  };
  EXPECT_EQ(CopyDocumentInfo(desktop_, 2), WindowWork::kDone);
  EXPECT_EQ(desktop_.clipboard, "Frame: http://h/a.htm");
  EXPECT_EQ(desktop_.windows.size(), 2u) << "the document information is closed again";
  EXPECT_EQ(desktop_.locks, Strings{"lock 0"}) << "the caller unlocks";

  // Nobody answers the command: said so, not waited for.
  desktop_.onMessage = [](const MemoryDesktop::WindowMessage&) { return std::optional<std::intptr_t>(); };
  EXPECT_EQ(CopyDocumentInfo(desktop_, 2), WindowWork::kNoAnswer);
  // A window titled the other way round gets the other command, and no
  // information window: the clipboard stays as it was.
  desktop_.onMessage = nullptr;
  desktop_.windows = {Navigator(2, "Home - Netscape", {})};
  desktop_.windowMessages.clear();
  EXPECT_EQ(CopyDocumentInfo(desktop_, 2), WindowWork::kNotFound);
  EXPECT_EQ(desktop_.windowMessages.at(0).wParam, 32842u);
  EXPECT_LE(desktop_.waitedMs, 3000);
}

// ---- Internet Explorer's page-properties dialogs ----------------------------------

class PropertiesDialogs : public ::testing::Test {
 protected:
  PropertiesDialogs() {
    desktop_.windows = {{1, "IEFrame", "Frames - Microsoft Internet Explorer"},
                        {2, "Shell DocObject View", "", 1},
                        {3, "Shell Embedding", "", 2},
                        {4, "Shell Embedding", "", 3},
                        {5, "Shell Embedding", "", 3}};
    desktop_.onMessage = [this](const MemoryDesktop::WindowMessage& m) -> std::optional<std::intptr_t> {
      if (m.message == wm::kCommand && m.wParam == 262) OpenDialog(m.window);
      if (m.message == wm::kCopy) desktop_.clipboard = dialogText_;
      // A dialog goes with its controls.
      if (m.message == wm::kClose)
        std::erase_if(desktop_.windows, [&](auto& w) { return w.id == m.window || (m.window == 100 && w.id > 100); });
      return 0;
    };
  }
  void OpenDialog(WindowId embedding) {
    if (silent_.count(embedding) != 0) return;
    auto a = addresses_.find(embedding);
    dialogText_ = a == addresses_.end() ? "" : a->second;
    desktop_.windows.insert(desktop_.windows.begin(), {{100, "#32770", "页的属性"}, {101, "Static", "", 100}});
    desktop_.windows.push_back({102, "Static", "Type:", 101});
    desktop_.windows.push_back({103, "Static", "URL:", 101});
    desktop_.windows.push_back({104, "Edit", dialogText_, 101});
  }

  MemoryDesktop desktop_;
  std::map<WindowId, std::string> addresses_{
      {3, "http://h.com/index.htm"}, {4, "http://h.com/left.htm"}, {5, "file:C:\\pages\\right.htm"}};
  std::set<WindowId> silent_;
  std::string dialogText_;
  Strings frameUrls_;
};

TEST_F(PropertiesDialogs, ThePageAndEachFrameGiveTheirAddressesInTurn) {
  FrameCollection found = CollectIEFrameURLs(desktop_, 1, frameUrls_);
  EXPECT_EQ(found.windowsFound, 3);
  EXPECT_FALSE(found.timedOut);
  EXPECT_EQ(frameUrls_, (Strings{"http://h.com/index.htm", "http://h.com/left.htm", "file://C:\\pages\\right.htm"}));
  // Only the page's dialog is opened at once; each frame's when the one
  // before it has been read.
  int posted = 0;
  for (const auto& m : desktop_.windowMessages) posted += m.posted ? 1 : 0;
  EXPECT_EQ(posted, 3);
}

TEST_F(PropertiesDialogs, AStrayPropertiesWindowIsClosed) {
  // Another properties window comes up in front of the page's dialog.
  auto dialogs = desktop_.onMessage;
  desktop_.onMessage = [this, dialogs](const MemoryDesktop::WindowMessage& m) {
    std::optional<std::intptr_t> r = dialogs(m);
    if (m.message == wm::kCommand && m.wParam == 262 && m.window == 3)
      desktop_.windows.insert(desktop_.windows.begin(), {50, "#32770", "属性"});
    return r;
  };
  CollectIEFrameURLs(desktop_, 1, frameUrls_);
  EXPECT_EQ(frameUrls_.size(), 3u);
  for (const auto& w : desktop_.windows) EXPECT_NE(w.id, 50u);
}

TEST_F(PropertiesDialogs, ADialogThatNeverComesIsWaitedForABoundedTime) {
  silent_ = {4};
  FrameCollection found = CollectIEFrameURLs(desktop_, 1, frameUrls_);
  EXPECT_TRUE(found.timedOut);
  EXPECT_EQ(frameUrls_, Strings{"http://h.com/index.htm"}) << "no window handle is left for an address";
  EXPECT_GE(desktop_.waitedMs, kPropertiesWaitMs);
  EXPECT_LT(desktop_.waitedMs, kPropertiesWaitMs + 1000);

  // An empty address field: the clipboard never gets text.
  desktop_.waitedMs = 0;
  silent_.clear();
  addresses_[3] = "";
  frameUrls_.clear();
  found = CollectIEFrameURLs(desktop_, 1, frameUrls_);
  EXPECT_TRUE(found.timedOut);
  EXPECT_TRUE(frameUrls_.empty());
  EXPECT_LT(desktop_.waitedMs, kPropertiesWaitMs + 1000);
}

TEST_F(PropertiesDialogs, TimeSpentInSlowWindowsCountsTowardsTheBound) {
  // Every title read takes two seconds; no dialog ever comes.
  silent_ = {3};
  desktop_.readCostMs = 2000;
  FrameCollection found = CollectIEFrameURLs(desktop_, 1, frameUrls_);
  EXPECT_TRUE(found.timedOut);
  EXPECT_LT(desktop_.clockMs, kPropertiesWaitMs + 2500);
  EXPECT_LT(desktop_.waitedMs, kPropertiesWaitMs / 2);
}

TEST(IEWindows, ShellWindowAddressAndTypingTheResult) {
  MemoryDesktop d;
  d.windows = {{1, "CabinetWClass", "Page - Microsoft Internet Explorer"}};
  EXPECT_TRUE(IsIEShellWindowOpen(d));
  EXPECT_EQ(GetIEShellURL(d).work, WindowWork::kNotFound);
  EXPECT_EQ(GetIEShellURL(d).shellWindow, 1u) << "reported even when no address comes";
  MemoryDesktop::Window view{2, "Shell DocObject View", "", 1};
  d.windows.push_back(view);
  int id = 10;
  WindowId parent = 1;
  for (int control : {40965, 40965, 41477, 41477, 41477}) {
    MemoryDesktop::Window w{static_cast<WindowId>(id), "Control", "", parent};
    w.controlId = control;
    d.windows.push_back(w);
    parent = static_cast<WindowId>(id++);
  }
  d.onMessage = [&d](const MemoryDesktop::WindowMessage& m) -> std::optional<std::intptr_t> {
    if (m.message == wm::kCommand && m.wParam == 41763) d.clipboard = "http://h.com/p.htm";
    return 0;
  };
  ShellUrl url = GetIEShellURL(d);
  EXPECT_EQ(url.work, WindowWork::kDone);
  EXPECT_EQ(url.address, "http://h.com/p.htm");

  d.windows.push_back({30, "Edit", "", 14});
  d.windowMessages.clear();
  TypeIntoAddressBox(d, 1, "c:\\t.htm");
  std::string typed;
  for (const auto& m : d.windowMessages) {
    EXPECT_EQ(m.window, 30u);
    if (m.message == wm::kChar) typed += static_cast<char>(m.wParam);
  }
  EXPECT_EQ(typed, "c:\\t.htm");
  EXPECT_EQ(d.windowMessages.back().message, wm::kKeyDown);
  EXPECT_EQ(d.focused, std::vector<WindowId>{30});
  EXPECT_EQ(d.locks, (Strings{"lock 30", "unlock"}));

  // A box that stops answering is not typed into any further.
  d.onMessage = [](const MemoryDesktop::WindowMessage& m) -> std::optional<std::intptr_t> {
    if (m.message == wm::kChar && m.wParam == '\\') return std::nullopt;
    return 0;
  };
  d.windowMessages.clear();
  EXPECT_FALSE(TypeIntoAddressBox(d, 1, "c:\\trans1.htm"));
  EXPECT_EQ(d.windowMessages.size(), 4u) << "select, c, :, and the unanswered \\";
  EXPECT_EQ(d.locks.back(), "unlock");
}

TEST(IEWindows, AMailReaderCountsOnlyInFrontOfTheBrowser) {
  MemoryDesktop d;
  d.windows = {{1, "IEFrame", "x"}, {2, "ATH_Note", "Re: lunch"}};
  EXPECT_EQ(CopyMailReaderText(d), WindowWork::kNotFound);
  std::swap(d.windows[0], d.windows[1]);
  EXPECT_EQ(CopyMailReaderText(d), WindowWork::kDone);
  EXPECT_EQ(d.windowMessages.at(0).wParam, 65658u);
  EXPECT_EQ(d.windowMessages.at(1).wParam, 119u);
  // Outlook without the text control it copies from.
  d.windows = {{3, "rctrl_renwnd32", "Message"}};
  EXPECT_EQ(CopyMailReaderText(d), WindowWork::kNotFound);
}

// ---- start-up and the page to show --------------------------------------------------

TEST(NetscapeCache, SecurePagesOnDiskAndNoMemoryCacheWhenADiskCacheIsSet) {
  MemoryDesktop d;
  AdjustNetscapeCache(d);
  EXPECT_TRUE(d.numbers.empty());
  const std::string key = "Software\\Netscape\\Netscape Navigator\\Cache";
  d.WriteString(key, "Cache Dir", "C:\\Netscape\\cache");
  AdjustNetscapeCache(d);
  EXPECT_EQ(d.Value(key, "Disk Cache SSL"), "yes");
  EXPECT_EQ(d.numbers.at("software\\netscape\\netscape navigator\\cache\\memory cache size"), 0u);
}

TEST(ComposeResultPage, WrittenOnlyForTheTwoFrameLayouts) {
  MemoryDesktop d;
  d.files["c:\\transc.htm"] = "older";
  ComposedPage p = ComposeResultPage(d, 0, "http://h.com/p.htm", "c:\\trans.htm", "c:\\");
  EXPECT_TRUE(p.ok);
  EXPECT_EQ(p.path, "c:\\trans.htm");
  EXPECT_EQ(d.files["c:\\transc.htm"], "older");
  p = ComposeResultPage(d, 1, "http://h.com/p.htm", "c:\\trans.htm", "c:\\");
  EXPECT_EQ(p.path, "c:\\transc.htm");
  EXPECT_EQ(d.files["c:\\transc.htm"], ComposeResultPageText(1, "http://h.com/p.htm", "c:\\trans.htm"));
  d.unwritable.insert("c:\\transc.htm");
  p = ComposeResultPage(d, 2, "http://h.com/p.htm", "c:\\trans.htm", "c:\\");
  EXPECT_FALSE(p.ok);
  EXPECT_NE(p.error.find("transc.htm"), std::string::npos);
}

}  // namespace
}  // namespace wb
