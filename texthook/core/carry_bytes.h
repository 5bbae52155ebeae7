#pragma once
// How the text hook turns one Unicode text run of the browser's renderer,
// already converted to the system's ANSI code page, into the bytes it draws
// with the ANSI text call.
//
// On a system whose language is not Chinese the renderer knows nothing of
// double-byte characters and may cut one between two runs: the first run
// ends with the lead byte, the next begins with the trail byte. Drawn as they
// come, both halves are garbage. The hook draws such a character whole at
// the end of the first run and remembers the two bytes that follow the run
// (the carry bytes); when the next run begins with exactly those two bytes,
// its first byte (the trail byte already drawn) is drawn as a space.
//
// Portable: bytes in, bytes out, no OS calls, so it is tested on Linux.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wb {

// The two remembered bytes; both 0 when no character was carried.
struct CarryBytes {
  unsigned char first = 0;
  unsigned char second = 0;
};

// Chinese systems (PRC 2052, Taiwan 1028) draw double-byte text with their
// own code page and need no carrying.
inline bool IsChineseLanguage(std::uint32_t language) { return language == 2052 || language == 1028; }

// The bytes to draw for one run.
//   run:       the run's wideCount characters in the ANSI code page.
//   following: the characters that follow the run in the caller's text (at
//              most two), in the ANSI code page; fewer, or none, when the
//              caller's text ends sooner.
// On a Chinese system the run comes back as it is and carry is untouched.
// Otherwise the run's first byte becomes a space when the run begins with
// the carry bytes; then, if the run ends with an odd number of bytes above
// 126 (counting at most wideCount of them), its last byte is a lead byte:
// the first byte of `following` is added to complete the character and the
// first two bytes of `following` become the new carry bytes (missing bytes
// count as 0). Any other ending clears the carry bytes.
std::string CarryRun(std::string_view run, std::string_view following, std::size_t wideCount,
                     bool chinese, CarryBytes& carry);

}  // namespace wb
