#include "browser/ie_control.h"

#include <optional>

#include "browser/window_search.h"
#include "html/ascii.h"

namespace wb {

namespace {

constexpr int kShellDocumentView = 0;
constexpr int kCopyAddress = 41763;
constexpr int kPageProperties = 262;
constexpr int kEnterKey = 13;
// Outlook Express: "select all" (command 122, notification 1), then copy.
constexpr std::uintptr_t kAthSelectAll = (1u << 16) | 122u;
constexpr int kAthCopy = 119;
constexpr int kPollMs = 50;

bool Command(Desktop& desktop, WindowId w, std::uintptr_t command) {
  return desktop.SendToWindow(w, wm::kCommand, command, 0).has_value();
}

bool SelectAllAndCopy(Desktop& desktop, WindowId w) {
  return desktop.SendToWindow(w, wm::kEditSetSel, 0, -1).has_value() &&
         desktop.SendToWindow(w, wm::kCopy, 0, 0).has_value();
}

bool IsClass(Desktop& desktop, WindowId w, std::string_view className) {
  return EqualsNoCase(desktop.WindowClass(w), className);
}

// A window handle that CollectIEFrameURLs left in the list in decimal, or
// 0 for an address.
WindowId AsWindowHandle(std::string_view entry) {
  if (entry.empty() || entry.size() > 20) return kNoWindow;
  WindowId value = 0;
  for (char c : entry) {
    if (c < '0' || c > '9') return kNoWindow;
    value = value * 10 + static_cast<WindowId>(c - '0');
  }
  return value;
}

// The address field of a page-properties dialog: the window after the label
// with "URL" in it, among the dialog's grandchildren.
WindowId AddressField(Desktop& desktop, WindowId dialog) {
  WindowId pane = FirstChild(desktop, dialog);
  std::vector<WindowId> row = pane == kNoWindow ? std::vector<WindowId>() : desktop.ChildWindows(pane);
  for (std::size_t k = 0; k + 1 < row.size(); ++k)
    if (desktop.WindowText(row[k]).find("URL") != std::string::npos) return row[k + 1];
  return kNoWindow;
}

// Reads the page-properties dialogs as they open. Each next address must
// come within kPropertiesWaitMs of the one before, by the clock: time spent
// in slow windows counts as much as time spent waiting.
class PropertiesReader {
 public:
  PropertiesReader(Desktop& desktop, std::vector<std::string>& frameUrls)
      : desktop_(desktop), frameUrls_(frameUrls), lastAddress_(desktop.Milliseconds()) {}

  bool TimeIsUp() const { return desktop_.Milliseconds() - lastAddress_ >= kPropertiesWaitMs; }

  // One walk of the top-level windows; true when a dialog was read.
  bool Walk() {
    for (WindowId w : desktop_.TopLevelWindows()) {
      const std::string title = desktop_.WindowText(w);
      if (title == "属性") {
        // A properties window of something else that opened instead.
        desktop_.SendToWindow(w, wm::kClose, 0, 0);
        continue;
      }
      if ((title == "Page properties" || title == "页的属性") && IsClass(desktop_, w, "#32770")) {
        WindowId field = AddressField(desktop_, w);
        if (field == kNoWindow) continue;
        return ReadDialog(w, field);
      }
    }
    return false;
  }

 private:
  // The dialog's address out of its field through the clipboard.
  bool ReadDialog(WindowId dialog, WindowId field) {
    SelectAllAndCopy(desktop_, field);
    desktop_.SendToWindow(dialog, wm::kClose, 0, 0);
    std::optional<std::string> address = WaitForClipboardText();
    if (!address) return false;
    if (address->compare(0, 5, "file:") == 0) address->insert(5, "//");
    frameUrls_.push_back(std::move(*address));
    desktop_.SetClipboardText("");
    lastAddress_ = desktop_.Milliseconds();
    // The next frame's dialog comes next.
    if (WindowId next = AsWindowHandle(frameUrls_.front()); next != kNoWindow) {
      desktop_.PostToWindow(next, wm::kCommand, kPageProperties, 0);
      frameUrls_.erase(frameUrls_.begin());
    }
    return true;
  }

  // The clipboard's text once it holds some, or nothing when the time is up.
  std::optional<std::string> WaitForClipboardText() {
    for (;;) {
      std::optional<std::string> text = desktop_.ClipboardText();
      if (text && !text->empty()) return text;
      if (TimeIsUp()) return std::nullopt;
      desktop_.Wait(kPollMs);
    }
  }

  Desktop& desktop_;
  std::vector<std::string>& frameUrls_;
  std::int64_t lastAddress_;
};

}  // namespace

bool IsIEShellWindowOpen(Desktop& desktop) {
  for (WindowId w : desktop.TopLevelWindows())
    if (IsClass(desktop, w, kShellWindowClass) &&
        desktop.WindowText(w).find("- Microsoft Internet Explorer") != std::string::npos)
      return true;
  return false;
}

ShellUrl GetIEShellURL(Desktop& desktop) {
  ShellUrl result;
  for (WindowId w : desktop.TopLevelWindows()) {
    if (IsClass(desktop, w, kShellWindowClass)) {
      result.shellWindow = w;
      break;
    }
  }
  if (result.shellWindow == kNoWindow) return result;
  WindowId view = ChildById(desktop, result.shellWindow, kShellDocumentView);
  if (view == kNoWindow || !IsClass(desktop, view, "Shell DocObject View")) return result;
  WindowId control = ChildByIdPath(desktop, result.shellWindow, {40965, 40965, 41477, 41477, 41477});
  if (control == kNoWindow) return result;
  if (!Command(desktop, control, kCopyAddress)) {
    result.work = WindowWork::kNoAnswer;
    return result;
  }
  result.address = desktop.ClipboardText().value_or(std::string());
  result.work = WindowWork::kDone;
  return result;
}

FrameCollection CollectIEFrameURLs(Desktop& desktop, WindowId browserFrame, std::vector<std::string>& frameUrls) {
  FrameCollection result;
  for (WindowId w : Descendants(desktop, browserFrame)) {
    if (!IsClass(desktop, w, kShellEmbeddingClass)) continue;
    // The page's own dialog first; the frames wait their turn by handle.
    if (result.windowsFound++ == 0)
      desktop.PostToWindow(w, wm::kCommand, kPageProperties, 0);
    else
      frameUrls.push_back(std::to_string(w));
  }
  if (result.windowsFound == 0) return result;

  desktop.SetClipboardText("");
  PropertiesReader reader(desktop, frameUrls);
  for (int handled = 0; handled < result.windowsFound;) {
    if (reader.Walk()) {
      ++handled;
    } else if (reader.TimeIsUp()) {
      result.timedOut = true;
      break;
    } else {
      desktop.Wait(kPollMs);
    }
  }
  if (result.timedOut) {
    // Frames whose dialogs never came stay without an address.
    std::erase_if(frameUrls, [](const std::string& e) { return AsWindowHandle(e) != kNoWindow; });
  }
  return result;
}

bool TypeIntoAddressBox(Desktop& desktop, WindowId window, std::string_view path) {
  WindowId box = FirstDescendantOfClass(desktop, window, "Edit");
  if (box == kNoWindow) box = window;
  desktop.LockUpdates(box);
  // Each character waits for the box; one that goes unanswered ends the
  // typing, rather than every character waiting its full time.
  bool answered = desktop.SendToWindow(box, wm::kEditSetSel, 0, -1).has_value();
  for (std::size_t k = 0; answered && k < path.size(); ++k)
    answered = desktop.SendToWindow(box, wm::kChar, static_cast<unsigned char>(path[k]), 0).has_value();
  if (answered) {
    desktop.FocusControl(box);
    desktop.PostToWindow(box, wm::kKeyDown, kEnterKey, 0);
  }
  desktop.UnlockUpdates();
  return answered;
}

WindowWork CopyMailReaderText(Desktop& desktop) {
  for (WindowId w : desktop.TopLevelWindows()) {
    const std::string cls = desktop.WindowClass(w);
    if (EqualsNoCase(cls, kIEFrameClass) || EqualsNoCase(cls, kShellWindowClass)) return WindowWork::kNotFound;
    if (EqualsNoCase(cls, "ATH_Note")) {
      bool answered = Command(desktop, w, kAthSelectAll) && Command(desktop, w, kAthCopy);
      return answered ? WindowWork::kDone : WindowWork::kNoAnswer;
    }
    if (EqualsNoCase(cls, "rctrl_renwnd32")) {
      WindowId text = ChildByIdPath(desktop, w, {103, 0, 4102, 2748});
      if (text == kNoWindow) return WindowWork::kNotFound;
      return SelectAllAndCopy(desktop, text) ? WindowWork::kDone : WindowWork::kNoAnswer;
    }
  }
  return WindowWork::kNotFound;
}

}  // namespace wb
