#include "app/page_driver.h"

#include <utility>

#include "app/messages.h"
#include "html/page_in_gb.h"
#include "browser/browser_texts.h"
#include "browser/ie_control.h"
#include "browser/result_page.h"
#include "browser/window_search.h"
#include "html/ascii.h"
#include "html/content_rating.h"
#include "html/page_services.h"

namespace wb {

namespace {

// The one sound of the content warning, then one of seven after it.
constexpr std::string_view kTranslateSound = "w_tran";

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Sets a flag for the length of a scope, whichever way the scope is left.
class Busy {
 public:
  Busy(Toolbar& toolbar, const PageDriverView& view, bool glyph) : toolbar_(toolbar), view_(view), glyph_(glyph) {
    if (glyph_ && view_.showTranslating) view_.showTranslating(true);
  }
  ~Busy() {
    toolbar_.EndBrowserPress();
    if (glyph_ && view_.showTranslating) view_.showTranslating(false);
  }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  Toolbar& toolbar_;
  const PageDriverView& view_;
  bool glyph_;
};

}  // namespace

std::vector<std::string> ReadFrameLines(std::string_view text) {
  std::vector<std::string> frames;
  constexpr std::string_view kFrame = "Frame:";
  for (std::size_t at = text.find(kFrame); at != std::string_view::npos; at = text.find(kFrame, at)) {
    std::size_t start = at + kFrame.size();
    while (start < text.size() && !IsAsciiLetter(text[start])) ++start;
    if (start == text.size()) break;
    // A line ends at its carriage return; a text with bare line feeds (as
    // some programs copy) ends its lines there.
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    frames.emplace_back(text.substr(start, end - start));
    at = end;
  }
  return frames;
}

IEOutputName NextIEOutputName(int& outputCounter, std::string_view resultDir) {
  int old = outputCounter - 10;
  if (old < 1) old += 100;
  IEOutputName names;
  names.remove = std::string(resultDir) + "trans" + std::to_string(old) + ".htm";
  ++outputCounter;
  names.output = std::string(resultDir) + "trans" + std::to_string(outputCounter) + ".htm";
  if (outputCounter >= 100) outputCounter = 0;
  return names;
}

bool IsOwnResultPage(std::string_view pageUrl) {
  return pageUrl == "file:///c|/transc.htm" || pageUrl == "file://C:\\transc.htm";
}

bool IsPlainTextAddress(std::string_view pageUrl) {
  // As for a file name: the extension starts at the last "." that comes
  // after every "\" and ":".
  std::size_t dot = pageUrl.find_last_of(".\\:");
  return dot != std::string_view::npos && pageUrl[dot] == '.' && EqualsNoCase(pageUrl.substr(dot), ".txt");
}

PageDriver::PageDriver(PageDriverParts parts, PageDriverView view)
    : parts_(std::move(parts)),
      view_(std::move(view)),
      dde_(parts_.desktop),
      cacheNames_(parts_.frameDir),
      source_(parts_.desktop, dde_, cacheNames_) {}

void PageDriver::Tell(std::string_view message) {
  parts_.desktop.ShowMessage(message, text::kToolbarCaption, MessageButtons::kOk, MessageKind::kInformation);
}

void PageDriver::NoAnswer(std::string_view who) { Tell(std::string(who) + std::string(text::kNoAnswerTail)); }

// ---- the buttons ------------------------------------------------------------------

void PageDriver::NsClick() {
  if (!parts_.toolbar.BeginBrowserPress()) return;
  if (view_.releaseMenuButton) view_.releaseMenuButton();
  MailCopy mail = CopyNetscapeMailText(parts_.desktop);
  if (mail != MailCopy::kNone) {
    Busy busy(parts_.toolbar, view_, false);
    if (mail == MailCopy::kCopied && parts_.desktop.ClipboardText()) TranslateMailText(TextSender::kNs);
    if (mail == MailCopy::kNoAnswer) NoAnswer("Netscape");
    return;
  }
  Busy busy(parts_.toolbar, view_, true);
  NetscapeMode = true;
  TranslateCurrentPage();
}

void PageDriver::TranslateMailText(TextSender sender) {
  parts_.texts.TranslateText(sender);
  if (view_.resultToFront) view_.resultToFront();
}

void PageDriver::ieClick() {
  if (!parts_.toolbar.BeginBrowserPress()) return;
  if (view_.releaseMenuButton) view_.releaseMenuButton();
  WindowWork mail = CopyMailReaderText(parts_.desktop);
  if (mail != WindowWork::kNotFound) {
    Busy busy(parts_.toolbar, view_, false);
    if (mail == WindowWork::kDone && parts_.desktop.ClipboardText()) TranslateMailText(TextSender::kIe);
    if (mail == WindowWork::kNoAnswer) NoAnswer("Outlook");
    return;
  }
  Busy busy(parts_.toolbar, view_, true);
  NetscapeMode = false;
  IEShellWindow = IsIEShellWindowOpen(parts_.desktop);
  TranslateCurrentPage();
}

// ---- the page the browser shows ---------------------------------------------------------

void PageDriver::TranslateCurrentPage() {
  FrameUrls.clear();
  Anchor.clear();
  WindowId shellWindow = kNoWindow;
  if (!AskPageAddress(shellWindow)) return;

  // The composed page of an earlier press is never translated again; an
  // empty window has nothing to translate.
  if (IsOwnResultPage(PageUrl) || PageUrl.empty()) return;

  // The page into a local file.
  FetchResult source = source_.FetchToLocalFile(PageUrl, NetscapeMode, IEShellWindow, PageUrl);
  if (!source.ok) {
    if (!source.message.empty()) Tell(source.message);
    return;
  }

  // Now and then a sound; then what kind of page it is and where its
  // translation goes.
  if (parts_.flags.soundEffect && parts_.desktop.Random(10) == 8) parts_.toolbar.PlaySound(kTranslateSound);
  PlainTextPage = IsPlainTextAddress(PageUrl);
  const std::string output = OutputName();

  // The frames' addresses, as the browser knows them.
  if (!CollectFrameAddresses()) {
    FrameUrls.clear();
    return;
  }

  // The page and its frames translated; the frames' recursion leaves its
  // last frame's address in PageUrl, and the page to show pairs the page's
  // own address with its translation.
  const std::string pageUrl = PageUrl;
  const bool translated = TranslatePageFile(source.path, output);
  FrameUrls.clear();
  PageUrl = pageUrl;
  if (!translated) return;
  ComposedPage show = ComposeResultPage(parts_.desktop, parts_.flags.showTran, PageUrl, output, parts_.resultDir);
  if (!show.ok) {
    // A two-frame page that cannot be written is named, and nothing is
    // shown: the browser would show an older one.
    Tell(std::string(text::kResultUnwritable) + show.error);
    return;
  }

  Display(show.path, shellWindow);
}

// The address of the page the browser shows, its fragment kept aside, and
// (from Navigator) its document information in the clipboard.
bool PageDriver::AskPageAddress(WindowId& shellWindow) {
  dde_.SetLink(NetscapeMode ? kNetscapeService : kIExploreService, kTopicGetWindowInfo);
  if (!dde_.OpenLink()) {
    // No conversation: Internet Explorer 4's shell window may still tell.
    // A browser that cannot be reached at all is named, with the request to
    // start it: a press that does nothing visible leaves the user guessing.
    if (NetscapeMode) {
      Tell(text::kStartNetscape);
      return false;
    }
    ShellUrl shell = GetIEShellURL(parts_.desktop);
    shellWindow = shell.shellWindow;
    if (shell.work == WindowWork::kNoAnswer) NoAnswer("Internet Explorer");
    if (shell.work != WindowWork::kDone) {
      if (shell.work == WindowWork::kNotFound) Tell(text::kStartIE);
      return false;
    }
    // Without a conversation there is no anchor to return to, but the
    // cache knows the page by its address without the fragment.
    PageUrl = CleanAddress(shell.address);
    return true;
  }

  DdeReply reply = dde_.Request(kActiveWindow);
  if (!reply.answered) {
    dde_.CloseLink();
    if (reply.timedOut) NoAnswer(BrowserName());
    return false;
  }
  PageUrl = AddressFromWindowInfo(reply.text);
  std::size_t hash = PageUrl.find('#');
  if (hash != std::string::npos) {
    Anchor = PageUrl.substr(hash + 1);
    PageUrl.resize(hash);
  }
  if (NetscapeMode) {
    WindowWork info = CopyDocumentInfo(parts_.desktop, dde_.PartnerWindow());
    parts_.desktop.UnlockUpdates();
    if (view_.repaint) view_.repaint();
    if (info == WindowWork::kNoAnswer) {
      dde_.CloseLink();
      NoAnswer("Netscape");
      return false;
    }
  }
  dde_.CloseLink();
  return true;
}

// c:\trans.htm or c:\trans.txt for Navigator; Internet Explorer's rotating
// names, the one of ten presses ago deleted.
std::string PageDriver::OutputName() {
  if (NetscapeMode) return parts_.resultDir + (PlainTextPage ? "trans.txt" : "trans.htm");
  IEOutputName names = NextIEOutputName(OutputCounter, parts_.resultDir);
  parts_.desktop.RemoveFile(names.remove);
  return names.output;
}

// The addresses of the page's frames as the browser reports them: from
// Navigator's document information, or Internet Explorer's page-properties
// dialogs. False stops the press without a word.
bool PageDriver::CollectFrameAddresses() {
  FrameUrls.clear();
  if (NetscapeMode) {
    // The document information copied while the address was asked for.
    std::optional<std::string> info = parts_.desktop.ClipboardText();
    if (!info || info->empty()) return false;
    FrameUrls = ReadFrameLines(*info);
    return true;
  }
  WindowId frame = parts_.desktop.FindTopLevelWindow(kIEFrameClass);
  if (parts_.isWinNT && HasChildOfClass(parts_.desktop, frame, kShellEmbeddingClass)) return false;
  parts_.desktop.LockUpdates(kNoWindow);
  FrameCollection found = CollectIEFrameURLs(parts_.desktop, frame, FrameUrls);
  parts_.desktop.UnlockUpdates();
  if (view_.repaint) view_.repaint();
  const std::string counts = std::to_string(found.windowsFound) + ":" + std::to_string(FrameUrls.size());
  if (found.timedOut)
    Tell(std::string(text::kPropertiesNotRead) + counts);
  else if (static_cast<std::size_t>(found.windowsFound) != FrameUrls.size())
    Tell(counts);
  return true;
}

// The browser shows the result. A conversation that does not open shows
// nothing.
void PageDriver::Display(const std::string& show, WindowId shellWindow) {
  DdeResult shown = DdeResult::kAnswered;
  if (NetscapeMode) {
    shown = Anchor.empty() ? ShowFileInNetscape(dde_, show) : OpenUrlInNetscape(dde_, "file:///c|/trans.htm#" + Anchor);
  } else if (IEShellWindow) {
    shown = OpenUrlInIExplore(dde_, Anchor.empty() ? "\"" + show + "\"" : show + "#" + Anchor);
  } else {
    WindowId target = parts_.desktop.FindTopLevelWindow(kIEFrameClass);
    if (target == kNoWindow) target = shellWindow;
    if (target != kNoWindow && !TypeIntoAddressBox(parts_.desktop, target, show)) NoAnswer(BrowserName());
  }
  if (shown == DdeResult::kTimedOut) NoAnswer(BrowserName());
}

// ---- one file and its frames ------------------------------------------------------------

bool PageDriver::TranslatePageFile(const std::string& input, const std::string& output) {
  chain_.assign(1, PageUrl);
  return TranslateOnePage(input, output, 0);
}

FilterSettings PageDriver::SettingsForPage() const {
  FilterSettings s;
  s.tranBlockquote = parts_.flags.tranBlockquote;
  s.tranPre = parts_.flags.tranPre;
  s.showTran = parts_.flags.showTran;
  s.netscape = NetscapeMode;
  s.pics = parts_.flags.pics;
  s.plainText = PlainTextPage;
  s.progressEnabled = parts_.progress != nullptr;
  s.pageUrl = PageUrl;
  s.frameDir = parts_.frameDir;
  return s;
}

bool PageDriver::TranslateOnePage(const std::string& input, const std::string& output, int depth) {
  std::string error;
  std::optional<std::string> page = parts_.desktop.ReadPageFile(input, error);
  if (!page) {
    Tell(std::string(text::kPageUnreadable) + error);
    return false;
  }

  const FilterSettings settings = SettingsForPage();
  PageFilter filter(parts_.host.sentences(), settings);
  StandardPageServices services(parts_.host.big5(), [this] {
    // A rated page: the warning sound, then the question.
    if (parts_.flags.soundEffect) {
      parts_.desktop.StopSound();
      parts_.desktop.PlaySoundResource(kWarningSound);
    }
    return parts_.desktop.ShowMessage(text::kPicsQuestion, text::kToolbarCaption, MessageButtons::kYesNo,
                                      MessageKind::kInformation) == MessageAnswer::kYes;
  });
  filter.SetServices(&services);
  filter.SetProgress(parts_.progress);
  filter.SetFrameUrls(&FrameUrls);
  std::string out;
  FromUtf8Codec fromUtf8;
  if (PageInGb(*page, [this](char32_t c) { return parts_.desktop.GbCharacter(c); })) filter.SetCodec(&fromUtf8);
  std::optional<std::vector<std::string>> frames = filter.TranslateHtml(*page, out);
  out = DeclaringGb(std::move(out));
  if (!parts_.desktop.WritePageFile(output, out, error)) {
    Tell(std::string(text::kResultUnwritable) + error);
    return false;
  }

  const bool hasFrames = frames && !frames->empty();
  if (!ContentWarningAccepted(hasFrames)) return false;
  if ((!NetscapeMode && IEShellWindow) || !hasFrames) return true;
  return TranslateFrames(*frames, depth);
}

// The content warning: offensive words making up a tenth of the page. Internet Explorer's frame sets go on without the question.
bool PageDriver::ContentWarningAccepted(bool hasFrames) {
  const PageCounters counts = parts_.host.engine().Counters();
  if (!parts_.flags.contentEvaluation || !ContentWarningDue(counts.wordCount, counts.badWordCount)) return true;
  Desktop& d = parts_.desktop;
  if (parts_.flags.soundEffect) {
    d.StopSound();
    d.PlaySoundResource(kWarningSound);
  }
  if (NetscapeMode || !hasFrames) {
    MessageAnswer a =
        d.ShowMessage(text::kContentQuestion, text::kToolbarCaption, MessageButtons::kYesNo, MessageKind::kInformation);
    if (a != MessageAnswer::kYes) return false;
  }
  if (parts_.flags.soundEffect) {
    d.StopSound();
    int r = d.Random(7);
    d.PlaySoundResource("W" + std::to_string(r) + "a" + std::to_string(r));
  }
  return true;
}

// Each frame fetched and translated into the working directory under the
// name the translated frameset points at.
bool PageDriver::TranslateFrames(const std::vector<std::string>& frames, int depth) {
  const std::string framesetUrl = PageUrl;
  for (const std::string& frame : frames) {
    // A frame the browser did not report keeps its source as the page
    // wrote it; a relative one is fetched from beside its frameset.
    PageUrl = frame.find(':') == std::string::npos ? ResolveUrl(framesetUrl, frame) : frame;
    // A frame that is the page itself, or one of the framesets it sits in,
    // is not gone into again.
    bool onChain = false;
    for (const std::string& outer : chain_) onChain = onChain || EqualsNoCase(outer, PageUrl);
    if (onChain || depth + 1 > kDeepestFrame) continue;
    FetchResult copy = source_.FetchToLocalFile(PageUrl, NetscapeMode, IEShellWindow, PageUrl);
    if (!copy.ok) {
      if (!copy.message.empty()) Tell(copy.message);
      return false;
    }
    const std::string output = parts_.frameDir + UrlToFileName(PageUrl);
    if (EqualsNoCase(copy.path, output)) continue;
    chain_.push_back(PageUrl);
    const bool ok = TranslateOnePage(copy.path, output, depth + 1);
    chain_.pop_back();
    if (!ok) return false;
  }
  return true;
}

}  // namespace wb
