#include "texthook/core/carry_bytes.h"

namespace wb {
namespace {

// The byte at i, or 0 past the end: a run shorter than two bytes compares
// with the carry bytes as if zero bytes followed it.
unsigned char ByteAt(std::string_view bytes, std::size_t i) {
  return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
}

// Blanks the trail byte of a character that the previous run already drew.
// No carry (first byte 0) never matches: a carried trail byte is never 0.
void BlankCarriedByte(std::string& bytes, const CarryBytes& carry) {
  if (bytes.empty() || carry.first == 0) return;
  if (ByteAt(bytes, 0) == carry.first && ByteAt(bytes, 1) == carry.second) bytes[0] = ' ';
}

std::size_t TrailingHighBytes(std::string_view bytes, std::size_t limit) {
  std::size_t n = 0;
  while (n < bytes.size() && n < limit && ByteAt(bytes, bytes.size() - 1 - n) > 126) ++n;
  return n;
}

}  // namespace

std::string CarryRun(std::string_view run, std::string_view following, std::size_t wideCount,
                     bool chinese, CarryBytes& carry) {
  std::string bytes(run);
  if (chinese) return bytes;

  BlankCarriedByte(bytes, carry);
  if (TrailingHighBytes(bytes, wideCount) % 2 == 0) {
    carry = CarryBytes{};
    return bytes;
  }
  // The run ends with a lead byte: complete it with the trail byte that
  // follows, when there is one. Blanking is judged again on the longer text,
  // whose second byte may now come from `following`.
  std::string longer(run);
  longer += following.substr(0, 2);
  BlankCarriedByte(longer, carry);
  carry = CarryBytes{ByteAt(following, 0), ByteAt(following, 1)};
  longer.resize(run.size() + (following.empty() ? 0 : 1));
  return longer;
}

}  // namespace wb
