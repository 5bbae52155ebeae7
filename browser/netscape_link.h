#pragma once
// Netscape Navigator's DDE interface, which Internet Explorer also answers
// under its own service name, and the Navigator windows that DDE does not
// reach: the document information (where a page's frames are listed) and
// the mail and news message window.

#include <string>
#include <string_view>

#include "platform/desktop.h"

namespace wb {

inline constexpr std::string_view kNetscapeService = "Netscape";
inline constexpr std::string_view kIExploreService = "iexplore";
inline constexpr std::string_view kTopicGetWindowInfo = "WWW_GetWindowInfo";
inline constexpr std::string_view kTopicOpenUrl = "WWW_OpenURL";
inline constexpr std::string_view kTopicShowFile = "WWW_ShowFile";
// The browser's most recently active window.
inline constexpr std::string_view kActiveWindow = "0xFFFFFFFF";

// How long a browser gets to answer one DDE request. The browsers answer at
// once (even a save request is answered before the page is written); a
// browser that takes longer is stuck, and the user is told.
inline constexpr int kDdeTimeoutMs = 10000;

// The address in the reply to WWW_GetWindowInfo: a line of comma-separated
// quoted fields, the address first and the title second. The address is the
// text after the opening quote up to the first quote followed by a comma;
// a reply without that ends the address at its last quote, or at its end.
std::string AddressFromWindowInfo(std::string_view reply);

// The form's DDE client: setting service and topic only records them, open
// connects, a request waits at most kDdeTimeoutMs for the answer, close
// disconnects. One conversation at a time; a conversation left open is
// closed before the next opens and when the client goes.
class DdeClient {
 public:
  explicit DdeClient(Desktop& desktop) : desktop_(desktop) {}
  DdeClient(const DdeClient&) = delete;
  DdeClient& operator=(const DdeClient&) = delete;
  ~DdeClient() { CloseLink(); }

  void SetLink(std::string_view service, std::string_view topic);
  bool OpenLink();
  DdeReply Request(std::string_view item);
  WindowId PartnerWindow();
  void CloseLink();

 private:
  Desktop& desktop_;
  std::string service_, topic_;
  Conversation conversation_ = kNoConversation;
};

// One DDE request in a conversation of its own: open, request, release the
// reply, close.
enum class DdeResult { kAnswered, kNotOpened, kNoReply, kTimedOut };
DdeResult RequestOnce(DdeClient& dde, std::string_view service, std::string_view topic, std::string_view item);

// ShowResult: Navigator shows a file, or opens an address, in its active
// window; Internet Explorer opens an address (its item is given whole).
DdeResult ShowFileInNetscape(DdeClient& dde, std::string_view path);
DdeResult OpenUrlInNetscape(DdeClient& dde, std::string_view address);
DdeResult OpenUrlInIExplore(DdeClient& dde, std::string_view item);
// SaveURLToFile: Navigator saves the page at an address into a file (the
// save flag 0x4). kAnswered means the request was taken, not that the file
// is there yet.
DdeResult SaveURLToFile(DdeClient& dde, std::string_view address, std::string_view path);

// What came of working another program's windows.
enum class WindowWork { kDone, kNotFound, kNoAnswer };

// CopyDocumentInfo: Navigator (the program on the other end of the
// conversation, whose window is `partner`) opens its document-information
// window, whose whole text is copied to the clipboard and which is closed
// again. The whole desktop's updates are locked when the command goes out;
// the caller unlocks them. kNotFound: no Navigator window, or no
// document-information window came; the clipboard is left as it was.
WindowWork CopyDocumentInfo(Desktop& desktop, WindowId partner);

// CopyNetscapeMailText, numbered as the page driver knows the results.
enum class MailCopy { kNone = 0, kCopied = 1, kNothingCopied = 2, kNoAnswer = 3 };
// Finds Navigator's mail or news message window among the top-level windows
// (front first) and copies the message's text to the clipboard. When the
// window is found but nothing is copied, the clipboard gets its former text
// back.
MailCopy CopyNetscapeMailText(Desktop& desktop);

}  // namespace wb
