// Arbitrary bytes as a module image for the text hook's import walk: it never
// reads outside the image, always ends, and an entry it reports lies inside
// the image and holds the address that was asked for.
//
// The first four bytes are the address to look for and the rest is the
// image, so that the fuzzer can make tables that hold it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <vector>

#include "texthook/core/import_walk.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  std::uint32_t address;
  std::memcpy(&address, data, 4);
  // A copy of exactly the image's size, so that any read beyond it is a read
  // beyond a heap block.
  std::vector<std::uint8_t> image(data + 4, data + size);
  const wb::MemoryImage view{std::span<const std::uint8_t>(image)};
  for (const char* library : {"GDI32.DLL", "kernel32.dll", ""}) {
    const auto entry = wb::FindImportEntry(view, library, address);
    if (!entry) continue;
    Check(*entry <= image.size() && image.size() - *entry >= 4);
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(image[*entry + i]) << (8 * i);
    Check(value == address && value != 0);
  }
  return 0;
}
