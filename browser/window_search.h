#pragma once
// Finding one's way among another program's windows: children in order,
// descendants in the order the system enumerates them, children by their
// control identifiers.

#include <initializer_list>
#include <string_view>
#include <vector>

#include "platform/desktop.h"

namespace wb {

// Every descendant of a window, depth first, each window before its own
// children (the system's enumeration order). Bounded, so that a window tree
// that changes while it is walked cannot keep the walk going.
std::vector<WindowId> Descendants(Desktop& desktop, WindowId parent);

// The first descendant of a class (compared without regard to case), or
// kNoWindow.
WindowId FirstDescendantOfClass(Desktop& desktop, WindowId parent, std::string_view className);

// Whether a direct child of a window is of a class.
bool HasChildOfClass(Desktop& desktop, WindowId parent, std::string_view className);

WindowId FirstChild(Desktop& desktop, WindowId parent);
// The sibling that follows a window among its parent's children.
WindowId NextSibling(Desktop& desktop, WindowId parent, WindowId w);

// The direct child with a control identifier, or kNoWindow.
WindowId ChildById(Desktop& desktop, WindowId parent, int id);
// Down a path of control identifiers, each looked up among the children of
// the window reached so far; kNoWindow when a step finds nothing.
WindowId ChildByIdPath(Desktop& desktop, WindowId from, std::initializer_list<int> ids);

}  // namespace wb
