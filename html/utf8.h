#pragma once
// UTF-8 as bytes: one character decoded, and whether a text is UTF-8 at all.
// Pure functions; no OS headers.

#include <cstddef>
#include <string_view>

namespace wb {

// Decodes the character at s[i] into cp; returns its length in bytes, 0 when
// no valid character starts there (overlong forms, surrogates and code points
// above U+10FFFF are invalid).
std::size_t DecodeUtf8(std::string_view s, std::size_t i, char32_t& cp);

bool IsValidUtf8(std::string_view s);

}  // namespace wb
