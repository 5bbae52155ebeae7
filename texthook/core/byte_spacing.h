#pragma once
// The spacing array for a run drawn with the ANSI text call. The wide call
// takes one advance per code unit; the ANSI call takes one per byte, and
// reads as many as it is given bytes, so the caller's array cannot be handed
// on when a character turns into two bytes or when the hook lengthens the
// run: the call would read past its end.
//
// Each character's advance goes to its first byte and its other bytes get 0,
// which puts every character exactly where the renderer placed it (the ANSI
// call adds up the advances of a double-byte character's bytes). Bytes the
// hook adds after the run get 0 as well, so the current position, and with
// it any text drawn next, stays where the renderer expects it.
//
// Portable: no OS calls, so it is tested on Linux.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace wb {

// One converted character: `units` wide code units (2 for a surrogate pair)
// became `bytes` bytes.
struct CharBytes {
  std::uint8_t units;
  std::uint8_t bytes;
};

// wideSpacing: the caller's advances, one per code unit, or two (x and y)
// per code unit when `pairs` is set. chars: the run's characters in order.
// totalBytes: the length of the text to draw, which may exceed the bytes of
// chars. The result has one value per byte (two with `pairs`). Advances the
// caller did not supply count as 0; a character with no bytes hands its
// advance to the next byte drawn, or to the last byte when none follows.
std::vector<int> ByteSpacing(std::span<const int> wideSpacing, std::span<const CharBytes> chars,
                             std::size_t totalBytes, bool pairs);

}  // namespace wb
