#pragma once
// The page driver: a press of the Netscape or the Internet Explorer button
// turned into a translated page that the browser shows (or, when a mail
// message is open, into a text translation). Everything runs on the
// toolbar's thread; the busy flag refuses a second press that comes in
// while the browsers are being waited for.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/engine_host.h"
#include "app/settings.h"
#include "app/text_translation.h"
#include "app/toolbar.h"
#include "browser/netscape_link.h"
#include "browser/page_source.h"
#include "html/addresses.h"
#include "html/page_filter.h"
#include "platform/desktop.h"

namespace wb {

// The addresses of a page's frames in Navigator's document information:
// after each "Frame:", from the first ASCII letter to the end of its line.
std::vector<std::string> ReadFrameLines(std::string_view text);

// The rotating Internet Explorer result files: the file to delete (the one
// written ten presses ago) and the one to write, with the counter moved on.
// The counter runs 1..100 and then starts again, so ten files stay.
struct IEOutputName {
  std::string remove;
  std::string output;
};
IEOutputName NextIEOutputName(int& outputCounter, std::string_view resultDir);

// The composed two-frame page of an earlier press, as the browsers name it.
bool IsOwnResultPage(std::string_view pageUrl);

// Whether an address's extension, taken as a file name's, is ".txt" (any
// case).
bool IsPlainTextAddress(std::string_view pageUrl);

// Where the driver works: the program's parts it uses and its two folders.
struct PageDriverParts {
  Desktop& desktop;
  RuntimeFlags& flags;
  EngineHost& host;
  Toolbar& toolbar;
  TextTranslation& texts;
  ProgressDisplay* progress = nullptr;
  // The program's working directory "cache\" and the result directory
  // "c:\", each with its trailing separator.
  std::string frameDir;
  std::string resultDir;
  bool isWinNT = false;
};

// What the toolbar's window does for the driver.
struct PageDriverView {
  // The menu button's glyph: "b_tran" while a page is translated, else
  // "b_normal".
  std::function<void(bool translating)> showTranslating;
  std::function<void()> releaseMenuButton;
  // Repaint the toolbar now (the thread is held by the translation).
  std::function<void()> repaint;
  // A mail message's translation is in the result window: bring it in
  // front of the mail reader the user is looking at.
  std::function<void()> resultToFront;
};

class PageDriver {
 public:
  // Frames nested deeper than this are left as the browser shows them: a
  // frameset that (through the browser's list of frames) comes back to
  // itself would otherwise be translated without end.
  static constexpr int kDeepestFrame = 8;

  PageDriver(PageDriverParts parts, PageDriverView view);

  // The buttons' click handlers.
  void NsClick();
  void ieClick();

  // The page the browser of NetscapeMode shows: asked for, fetched,
  // translated with its frames, and shown.
  void TranslateCurrentPage();
  // One local file, and its frames into the working directory. False when
  // the user declined the content warning, a frame could not be fetched or
  // translated, or a file could not be read or written (the user has been
  // told).
  bool TranslatePageFile(const std::string& input, const std::string& output);

  // The driver's state, as the browsers and the filter see it.
  bool NetscapeMode = true;
  bool IEShellWindow = false;
  std::string PageUrl;
  std::string Anchor;
  int OutputCounter = 0;
  bool PlainTextPage = false;
  std::vector<std::string> FrameUrls;

 private:
  void TranslateMailText(TextSender sender);
  bool AskPageAddress(WindowId& shellWindow);
  bool CollectFrameAddresses();
  std::string OutputName();
  void Display(const std::string& show, WindowId shellWindow);
  bool TranslateFrames(const std::vector<std::string>& frames, int depth);
  bool TranslateOnePage(const std::string& input, const std::string& output, int depth);
  bool ContentWarningAccepted(bool hasFrames);
  FilterSettings SettingsForPage() const;
  void Tell(std::string_view message);
  void NoAnswer(std::string_view who);
  std::string BrowserName() const { return NetscapeMode ? "Netscape" : "Internet Explorer"; }

  PageDriverParts parts_;
  PageDriverView view_;
  DdeClient dde_;
  CacheNames cacheNames_;
  PageSource source_;
  // The addresses of the pages being translated, the page first and then
  // each frame on the way down.
  std::vector<std::string> chain_;
};

}  // namespace wb
