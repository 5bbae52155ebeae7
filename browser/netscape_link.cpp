#include "browser/netscape_link.h"

#include <optional>
#include <vector>

#include "browser/window_search.h"

namespace wb {

namespace {

// Navigator's menu commands and the standard edit commands of its views.
constexpr int kDocumentInfo = 32846;         // from a window titled "Netscape ..."
constexpr int kDocumentInfoOther = 32842;    // from a window titled "... Netscape"
constexpr int kSelectAll = 57642;
constexpr int kCopy = 57634;
constexpr int kMessageDone = 32782;
constexpr int kFirstPane = 59648;

constexpr std::string_view kNavigatorClass = "Afx:400000:b:";
// How long Navigator's document-information window may take to appear
// after the command; it normally stands there when the command returns.
constexpr int kDocumentInfoWaitMs = 3000;
constexpr int kPollMs = 100;

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

bool EndsWith(std::string_view s, std::string_view suffix) {
  return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

bool IsDocumentInfoTitle(std::string_view title) {
  return title == "Netscape - [Document info]" || title == "Netscape - [文档信息]" ||
         title == "Document info - Netscape";
}

WindowId FindDocumentInfo(Desktop& desktop) {
  for (WindowId w : desktop.TopLevelWindows())
    if (IsDocumentInfoTitle(desktop.WindowText(w))) return w;
  return kNoWindow;
}

bool Command(Desktop& desktop, WindowId w, int id) {
  return desktop.SendToWindow(w, wm::kCommand, static_cast<std::uintptr_t>(id), 0).has_value();
}

// A Navigator window whose menu bar makes it the message window; nothing
// decided (pass on to the next window) or the walk ended without one.
enum class MenuVerdict { kMessageWindow, kPassOn, kEndWalk };

MenuVerdict JudgeByMenu(Desktop& desktop, WindowId w) {
  std::optional<std::string> third = desktop.MenuBarItem(w, 3);
  if (!third) return MenuVerdict::kPassOn;
  if (*third == "&Message") return MenuVerdict::kMessageWindow;
  if (*third != "&Go") return MenuVerdict::kPassOn;
  // Navigator 4's browser window: "&Go" third, and the message window has
  // "&Message" after it.
  std::optional<std::string> fourth = desktop.MenuBarItem(w, 4);
  if (!fourth) return MenuVerdict::kPassOn;
  return *fourth == "&Message" ? MenuVerdict::kMessageWindow : MenuVerdict::kEndWalk;
}

WindowId FindMessageWindow(Desktop& desktop) {
  for (WindowId w : desktop.TopLevelWindows()) {
    const std::string title = desktop.WindowText(w);
    if (title.find("Netscape") == std::string::npos) continue;
    if (!StartsWith(desktop.WindowClass(w), kNavigatorClass)) continue;
    if (StartsWith(title, "Netscape Mail")) return w;
    switch (JudgeByMenu(desktop, w)) {
      case MenuVerdict::kMessageWindow:
        return w;
      case MenuVerdict::kEndWalk:
        return kNoWindow;
      case MenuVerdict::kPassOn:
        break;
    }
  }
  return kNoWindow;
}

}  // namespace

std::string AddressFromWindowInfo(std::string_view reply) {
  // Line ends and blanks around the reply are no part of it.
  while (!reply.empty() && static_cast<unsigned char>(reply.back()) <= ' ') reply.remove_suffix(1);
  if (!reply.empty() && reply.front() == '"') reply.remove_prefix(1);
  std::size_t end = reply.find("\",");
  if (end == std::string_view::npos) end = reply.rfind('"');
  if (end == std::string_view::npos) end = reply.size();
  return std::string(reply.substr(0, end));
}

// ---- the DDE client -------------------------------------------------------------

void DdeClient::SetLink(std::string_view service, std::string_view topic) {
  service_ = std::string(service);
  topic_ = std::string(topic);
}

bool DdeClient::OpenLink() {
  CloseLink();
  conversation_ = desktop_.DdeConnect(service_, topic_);
  return conversation_ != kNoConversation;
}

DdeReply DdeClient::Request(std::string_view item) {
  if (conversation_ == kNoConversation) return {};
  return desktop_.DdeRequest(conversation_, item, kDdeTimeoutMs);
}

WindowId DdeClient::PartnerWindow() {
  return conversation_ == kNoConversation ? kNoWindow : desktop_.DdePartnerWindow(conversation_);
}

void DdeClient::CloseLink() {
  if (conversation_ == kNoConversation) return;
  desktop_.DdeDisconnect(conversation_);
  conversation_ = kNoConversation;
}

DdeResult RequestOnce(DdeClient& dde, std::string_view service, std::string_view topic, std::string_view item) {
  dde.SetLink(service, topic);
  if (!dde.OpenLink()) return DdeResult::kNotOpened;
  DdeReply reply = dde.Request(item);
  dde.CloseLink();
  if (reply.answered) return DdeResult::kAnswered;
  return reply.timedOut ? DdeResult::kTimedOut : DdeResult::kNoReply;
}

DdeResult ShowFileInNetscape(DdeClient& dde, std::string_view path) {
  return RequestOnce(dde, kNetscapeService, kTopicShowFile, std::string(path) + ",," + std::string(kActiveWindow));
}

DdeResult OpenUrlInNetscape(DdeClient& dde, std::string_view address) {
  return RequestOnce(dde, kNetscapeService, kTopicOpenUrl, std::string(address) + ",," + std::string(kActiveWindow));
}

DdeResult OpenUrlInIExplore(DdeClient& dde, std::string_view item) {
  return RequestOnce(dde, kIExploreService, kTopicOpenUrl, item);
}

DdeResult SaveURLToFile(DdeClient& dde, std::string_view address, std::string_view path) {
  std::string item = std::string(address) + "," + std::string(path) + "," + std::string(kActiveWindow) + ",0x4";
  return RequestOnce(dde, kNetscapeService, kTopicOpenUrl, item);
}

// ---- Navigator's windows ---------------------------------------------------------

WindowWork CopyDocumentInfo(Desktop& desktop, WindowId partner) {
  if (partner == kNoWindow) return WindowWork::kNotFound;
  bool sent = false;
  for (WindowId w : desktop.ThreadWindows(partner)) {
    const std::string title = desktop.WindowText(w);
    const bool titleFirst = StartsWith(title, "Netscape");
    if (!titleFirst && !EndsWith(title, "Netscape")) continue;
    if (!StartsWith(desktop.WindowClass(w), kNavigatorClass)) continue;
    desktop.LockUpdates(kNoWindow);
    if (!Command(desktop, w, titleFirst ? kDocumentInfo : kDocumentInfoOther)) return WindowWork::kNoAnswer;
    sent = true;
    break;
  }
  if (!sent) return WindowWork::kNotFound;

  const std::int64_t commanded = desktop.Milliseconds();
  WindowId info = FindDocumentInfo(desktop);
  while (info == kNoWindow && desktop.Milliseconds() - commanded < kDocumentInfoWaitMs) {
    desktop.Wait(kPollMs);
    info = FindDocumentInfo(desktop);
  }
  if (info == kNoWindow) return WindowWork::kNotFound;
  // The text view is the window after the first grandchild.
  WindowId pane = FirstChild(desktop, info);
  WindowId view = NextSibling(desktop, pane, FirstChild(desktop, pane));
  // A window that stops answering gets nothing more: each message would
  // wait its full time again.
  if (view != kNoWindow && !(Command(desktop, view, kSelectAll) && Command(desktop, view, kCopy)))
    return WindowWork::kNoAnswer;
  if (!desktop.SendToWindow(info, wm::kClose, 0, 0)) return WindowWork::kNoAnswer;
  return view == kNoWindow ? WindowWork::kNotFound : WindowWork::kDone;
}

MailCopy CopyNetscapeMailText(Desktop& desktop) {
  WindowId message = FindMessageWindow(desktop);
  if (message == kNoWindow) return MailCopy::kNone;

  std::optional<std::string> before = desktop.ClipboardText();
  desktop.SetClipboardText("");
  const WindowId pane = ChildById(desktop, message, kFirstPane);
  if (pane != kNoWindow) desktop.LockUpdates(pane);
  const bool answered = Command(desktop, message, kSelectAll) && Command(desktop, message, kCopy);
  desktop.PostToWindow(message, wm::kCommand, kMessageDone, 0);
  if (pane != kNoWindow) desktop.UnlockUpdates();

  std::optional<std::string> copied = desktop.ClipboardText();
  if (copied && !copied->empty()) return MailCopy::kCopied;
  // Nothing came: the user's clipboard as it was.
  if (before) desktop.SetClipboardText(*before);
  return answered ? MailCopy::kNothingCopied : MailCopy::kNoAnswer;
}

}  // namespace wb
