#pragma once
// Cutting a translation into the result window's lines.

#include <string>
#include <string_view>
#include <vector>

namespace wb {

// The result window takes lines of at least 50 bytes: a text shorter than
// that is one line; a longer one is cut before the first word, space or
// Chinese character that starts at or after 50 bytes into the line, as long
// as more than 50 bytes would follow the cut. A cut never falls inside a
// word (a run of ASCII bytes other than blanks) or inside a double-byte GBK
// character. A cut before a space leaves the space at the start of the next
// line.
std::vector<std::string> WrapLines(std::string_view text);

}  // namespace wb
