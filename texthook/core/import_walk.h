#pragma once
// Finding one entry of a module's import address table: the walk the text
// hook makes over the browser's rendering library before it replaces the
// library's import of a GDI text call.
//
// The walk reads the image only through an ImageView, which refuses any
// read outside what may be read, so a damaged or hostile image can make the
// walk fail but never read astray. Portable: it is tested on Linux over
// images built in memory, and fuzzed.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace wb {

// Read access to an image by offsets from its base.
class ImageView {
 public:
  virtual ~ImageView() = default;
  // Copies `size` bytes at `offset` into out; false, with nothing copied,
  // when any of them may not be read.
  virtual bool Read(std::uint32_t offset, void* out, std::size_t size) const = 0;
};

// An image held in memory: every byte of the span may be read, none other.
class MemoryImage final : public ImageView {
 public:
  explicit MemoryImage(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool Read(std::uint32_t offset, void* out, std::size_t size) const override;

 private:
  std::span<const std::uint8_t> bytes_;
};

// The image format as the walk uses it.
inline constexpr std::uint16_t kDosSignature = 23117;     // "MZ"
inline constexpr std::uint32_t kPeSignature = 17744;      // "PE" and two zero bytes
inline constexpr std::size_t kDosHeaderSize = 64;         // checked readable at the base
inline constexpr std::uint32_t kNewHeaderOffsetAt = 60;   // where the DOS header keeps it
inline constexpr std::size_t kNtHeadersSize = 248;        // checked readable at the new header
inline constexpr std::uint32_t kImportDirectoryAt = 128;  // into the new header
inline constexpr std::uint32_t kImportDescriptorSize = 20;
inline constexpr std::uint32_t kDescriptorNameAt = 12;
inline constexpr std::uint32_t kDescriptorFirstThunkAt = 16;

// The offset from the image base of the import address table entry that
// holds `address` among the imports from `library` (its name compared
// without regard to ASCII case); nothing when a header check fails, the
// library is not imported, or none of its entries holds the address. Every
// descriptor naming the library is searched: a module linked from several
// import libraries can have more than one.
std::optional<std::uint32_t> FindImportEntry(const ImageView& image, std::string_view library,
                                             std::uint32_t address);

}  // namespace wb
