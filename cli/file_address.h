#pragma once
// Addresses the tool writes into pages: the page's own address in its base
// tag and the addresses of the two-frame page. They stand between double
// quotes in mark-up, so nothing in them may end the quotes or the tag.

#include <string>
#include <string_view>

namespace wb {

// "file://" and the absolute path, with every byte that is not plain in a
// URL path percent-encoded (blanks, '"', '#', '%', '?', '&', '<', '>',
// non-ASCII bytes, ...), so that a file named "a b#1.html" is found again.
std::string FileAddress(std::string_view absolutePath);

// An address given on the command line, made safe for mark-up: one pair of
// surrounding double quotes is dropped, and blanks, control bytes, '"', '<',
// '>', '`' and non-ASCII bytes are percent-encoded. Everything else
// (including '%', '#', '?' and '&') is kept.
std::string SafePageAddress(std::string_view address);

}  // namespace wb
