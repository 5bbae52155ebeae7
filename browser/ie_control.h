#pragma once
// Internet Explorer and the Outlook mail readers, driven through their
// windows: the shell window's address, the addresses of a page and its
// frames out of the page-properties dialogs, the result typed into the
// address box, and the text of an open message.

#include <string>
#include <vector>

#include "browser/netscape_link.h"
#include "platform/desktop.h"

namespace wb {

inline constexpr std::string_view kIEFrameClass = "IEFrame";
inline constexpr std::string_view kShellWindowClass = "CabinetWClass";
inline constexpr std::string_view kShellEmbeddingClass = "Shell Embedding";

// How long the page-properties dialogs may keep the toolbar waiting without
// one more address coming in. A dialog that never opens, or an address
// field that copies nothing, would otherwise hold the toolbar for good; when
// the time is up the page is translated with the addresses read so far and
// the user is told how many were missing.
inline constexpr int kPropertiesWaitMs = 10000;

// IsIEShellWindowOpen: a shell window browsing the web (class
// "CabinetWClass", title with "- Microsoft Internet Explorer") is open.
bool IsIEShellWindowOpen(Desktop& desktop);

// GetIEShellURL: the address that Internet Explorer 4's shell window shows,
// through its address control's copy command and the clipboard. The shell
// window is reported whenever there is one, even when no address comes.
struct ShellUrl {
  WindowWork work = WindowWork::kNotFound;
  std::string address;
  WindowId shellWindow = kNoWindow;
};
ShellUrl GetIEShellURL(Desktop& desktop);

// CollectIEFrameURLs: each "Shell Embedding" window below the browser frame
// (the page first, then its frames) opens its page-properties dialog in
// turn; each dialog's address goes to frameUrls (a local "file:" address
// gets the "//" it lacks). Waits at most kPropertiesWaitMs for each next
// address; when that runs out, timedOut is set and frameUrls keeps the
// addresses read so far (no window handle is left among them).
struct FrameCollection {
  int windowsFound = 0;
  bool timedOut = false;
};
FrameCollection CollectIEFrameURLs(Desktop& desktop, WindowId browserFrame, std::vector<std::string>& frameUrls);

// TypeIntoAddressBox: the path typed into the window's first "Edit"
// descendant (or the window itself), focused, and Enter pressed. False when
// the box stopped answering (the typing stops there).
bool TypeIntoAddressBox(Desktop& desktop, WindowId window, std::string_view path);

// CopyMailReaderText: an Outlook Express ("ATH_Note") or Outlook
// ("rctrl_renwnd32") message window in front of the browser copies its text
// to the clipboard. kNotFound: none in front (or Outlook's text control is
// missing); kDone: the copy commands went out.
WindowWork CopyMailReaderText(Desktop& desktop);

}  // namespace wb
