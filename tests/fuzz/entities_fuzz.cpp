// Feeds arbitrary page text to the entity and Big5 services. Any crash,
// read past the text, or broken length promise is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "html/entities.h"

namespace {

// Every pair mapped, to a code derived from its index, so that conversion
// paths are taken on every high byte.
const wb::Big5Table& FullTable() {
  static const wb::Big5Table table = [] {
    wb::Big5Table t;
    for (std::size_t i = 0; i < wb::Big5Table::kEntryCount; ++i) {
      const auto lead = static_cast<std::uint16_t>(0x81 + i % 0x7E);
      const auto trail = static_cast<std::uint16_t>(0x40 + (i / 0x7E) % 0xBF);
      t.SetEntry(i, static_cast<std::uint16_t>(lead | (trail << 8)));
    }
    return t;
  }();
  return table;
}

void Require(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  // Decoding never lengthens a text: every reference it rewrites gets
  // shorter or stays as long.
  const std::string decoded = wb::DecodeEntities(text);
  Require(decoded.size() <= text.size());
  (void)wb::HasForeignEntity(text);
  (void)wb::HasForeignEntity(decoded);
  (void)wb::LooksLikeBig5(text);

  Require(wb::Big5ToGb(FullTable(), text).size() == text.size());
  Require(wb::Big5ToGb(wb::Big5Table(), text) == text);

  // The input as a table file: almost always refused, and a refused load
  // must leave the table empty.
  wb::Big5Table loaded;
  std::string error;
  if (loaded.LoadFromBytes(text, &error)) {
    Require(wb::Big5ToGb(loaded, decoded).size() == decoded.size());
  } else {
    Require(!error.empty());
    // Counting the entries is slow; only inputs of a table's size can have
    // got far enough to change any.
    if (size == wb::Big5Table::kFileSize) Require(loaded.MappedCount() == 0);
  }

  // The input's own bytes as table entries (any 16-bit values, zero bytes
  // included) for the pairs the text holds; the entries are cleared again so
  // the next input starts from an empty table.
  if (size >= 2) {
    static wb::Big5Table raw;
    for (std::size_t i = 0; i + 1 < size; ++i) {
      const int index = wb::Big5Table::IndexOf(data[i], data[i + 1]);
      if (index < 0) continue;
      const std::size_t at = (i * 7 + 3) % (size - 1);
      raw.SetEntry(static_cast<std::size_t>(index),
                   static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8)));
    }
    Require(wb::Big5ToGb(raw, text).size() == text.size());
    for (std::size_t i = 0; i + 1 < size; ++i) {
      const int index = wb::Big5Table::IndexOf(data[i], data[i + 1]);
      if (index >= 0) raw.SetEntry(static_cast<std::size_t>(index), 0);
    }
  }
  return 0;
}
