#include "texthook/core/byte_spacing.h"

#include <algorithm>
#include <climits>

namespace wb {
namespace {

// Advances are added up in a wider type and clamped, so that no caller's
// values can overflow the sum.
int Clamp(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

}  // namespace

std::vector<int> ByteSpacing(std::span<const int> wideSpacing, std::span<const CharBytes> chars,
                             std::size_t totalBytes, bool pairs) {
  const std::size_t width = pairs ? 2 : 1;
  std::vector<int> out(totalBytes * width, 0);
  std::size_t unit = 0;  // next code unit of the caller's text
  std::size_t byte = 0;  // next byte of the text to draw
  long long pending[2] = {0, 0};
  for (const CharBytes& c : chars) {
    for (std::size_t u = 0; u < c.units; ++u, ++unit)
      for (std::size_t k = 0; k < width; ++k)
        if (unit * width + k < wideSpacing.size()) pending[k] += wideSpacing[unit * width + k];
    if (c.bytes == 0 || byte >= totalBytes) continue;
    for (std::size_t k = 0; k < width; ++k) out[byte * width + k] = Clamp(pending[k]);
    pending[0] = pending[1] = 0;
    byte += c.bytes;
  }
  // An advance still pending belongs to characters at the end of the run
  // that drew nothing: the last byte drawn carries it.
  if (byte > 0 && totalBytes > 0) {
    const std::size_t last = std::min(byte, totalBytes) - 1;
    for (std::size_t k = 0; k < width; ++k)
      out[last * width + k] = Clamp(out[last * width + k] + pending[k]);
  }
  return out;
}

}  // namespace wb
