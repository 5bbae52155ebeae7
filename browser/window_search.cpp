#include "browser/window_search.h"

#include "html/ascii.h"

namespace wb {

namespace {

// More windows than any browser has; a tree larger than this is cut short.
constexpr std::size_t kMostWindows = 20000;
constexpr int kDeepest = 64;

void Walk(Desktop& desktop, WindowId parent, int depth, std::vector<WindowId>& out) {
  if (depth > kDeepest) return;
  for (WindowId c : desktop.ChildWindows(parent)) {
    if (out.size() >= kMostWindows) return;
    out.push_back(c);
    Walk(desktop, c, depth + 1, out);
  }
}

}  // namespace

std::vector<WindowId> Descendants(Desktop& desktop, WindowId parent) {
  std::vector<WindowId> out;
  // The desktop's own "children" are the top-level windows, which are no
  // descendants of any window.
  if (parent != kNoWindow) Walk(desktop, parent, 0, out);
  return out;
}

WindowId FirstDescendantOfClass(Desktop& desktop, WindowId parent, std::string_view className) {
  for (WindowId w : Descendants(desktop, parent))
    if (EqualsNoCase(desktop.WindowClass(w), className)) return w;
  return kNoWindow;
}

bool HasChildOfClass(Desktop& desktop, WindowId parent, std::string_view className) {
  if (parent == kNoWindow) return false;
  for (WindowId c : desktop.ChildWindows(parent))
    if (EqualsNoCase(desktop.WindowClass(c), className)) return true;
  return false;
}

WindowId FirstChild(Desktop& desktop, WindowId parent) {
  if (parent == kNoWindow) return kNoWindow;
  std::vector<WindowId> children = desktop.ChildWindows(parent);
  return children.empty() ? kNoWindow : children.front();
}

WindowId NextSibling(Desktop& desktop, WindowId parent, WindowId w) {
  if (parent == kNoWindow || w == kNoWindow) return kNoWindow;
  std::vector<WindowId> children = desktop.ChildWindows(parent);
  for (std::size_t k = 0; k + 1 < children.size(); ++k)
    if (children[k] == w) return children[k + 1];
  return kNoWindow;
}

WindowId ChildById(Desktop& desktop, WindowId parent, int id) {
  if (parent == kNoWindow) return kNoWindow;
  for (WindowId c : desktop.ChildWindows(parent))
    if (desktop.ControlId(c) == id) return c;
  return kNoWindow;
}

WindowId ChildByIdPath(Desktop& desktop, WindowId from, std::initializer_list<int> ids) {
  WindowId w = from;
  for (int id : ids) {
    w = ChildById(desktop, w, id);
    if (w == kNoWindow) return kNoWindow;
  }
  return w;
}

}  // namespace wb
