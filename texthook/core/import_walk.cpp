#include "texthook/core/import_walk.h"

#include <cstring>

#include "html/ascii.h"

namespace wb {

bool MemoryImage::Read(std::uint32_t offset, void* out, std::size_t size) const {
  if (offset > bytes_.size() || size > bytes_.size() - offset) return false;
  if (size > 0) std::memcpy(out, bytes_.data() + offset, size);
  return true;
}

namespace {

// Little-endian fields, whatever the host.
std::uint32_t Le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

bool Read32(const ImageView& image, std::uint64_t offset, std::uint32_t& value) {
  std::uint8_t b[4];
  if (offset > UINT32_MAX || !image.Read(static_cast<std::uint32_t>(offset), b, sizeof b)) return false;
  value = Le32(b);
  return true;
}

// The offset of the import directory, after the two header checks.
std::optional<std::uint32_t> ImportDirectory(const ImageView& image) {
  std::uint8_t dos[kDosHeaderSize];
  if (!image.Read(0, dos, sizeof dos)) return std::nullopt;
  if ((dos[0] | dos[1] << 8) != kDosSignature) return std::nullopt;
  const std::uint32_t header = Le32(dos + kNewHeaderOffsetAt);

  std::uint8_t nt[kNtHeadersSize];
  if (!image.Read(header, nt, sizeof nt)) return std::nullopt;
  if (Le32(nt) != kPeSignature) return std::nullopt;
  return Le32(nt + kImportDirectoryAt);
}

// Whether the zero-terminated name at `offset` is `library`, ASCII case
// folded. Reads no further than one byte past the length of `library`.
bool NameIs(const ImageView& image, std::uint32_t offset, std::string_view library) {
  for (std::size_t i = 0; i <= library.size(); ++i) {
    char c;
    if (offset + std::uint64_t{i} > UINT32_MAX ||
        !image.Read(static_cast<std::uint32_t>(offset + i), &c, 1))
      return false;
    if (i == library.size()) return c == '\0';
    if (c == '\0' || FoldAscii(c) != FoldAscii(library[i])) return false;
  }
  return false;
}

// The entry holding `address` in the table at `table`, which ends with a
// zero entry (or where the image can no longer be read).
std::optional<std::uint32_t> FindInTable(const ImageView& image, std::uint32_t table,
                                         std::uint32_t address) {
  for (std::uint64_t entry = table;; entry += 4) {
    std::uint32_t value;
    if (!Read32(image, entry, value) || value == 0) return std::nullopt;
    if (value == address) return static_cast<std::uint32_t>(entry);
  }
}

}  // namespace

std::optional<std::uint32_t> FindImportEntry(const ImageView& image, std::string_view library,
                                             std::uint32_t address) {
  const std::optional<std::uint32_t> directory = ImportDirectory(image);
  if (!directory || *directory == 0) return std::nullopt;
  for (std::uint64_t d = *directory;; d += kImportDescriptorSize) {
    std::uint32_t name, table;
    if (!Read32(image, d + kDescriptorNameAt, name) || name == 0) return std::nullopt;
    if (!NameIs(image, name, library)) continue;
    if (!Read32(image, d + kDescriptorFirstThunkAt, table)) return std::nullopt;
    if (const auto entry = FindInTable(image, table, address)) return entry;
  }
}

}  // namespace wb
