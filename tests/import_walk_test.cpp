// The walk over a module's import table that finds the entry the text hook
// replaces, over images built in memory.
#include "texthook/core/import_walk.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace wb {
namespace {

constexpr std::uint32_t kExtTextOutW = 0x7E101234;
constexpr std::uint32_t kNtAt = 0x80;
constexpr std::uint32_t kDescriptorsAt = 0x200;

// A small image: DOS header, new header, import descriptors, library names
// and one import address table per library, all at fixed offsets.
class ImageBuilder {
 public:
  ImageBuilder() : bytes_(0x1000, 0) {
    Put16(0, kDosSignature);
    Put32(kNewHeaderOffsetAt, kNtAt);
    Put32(kNtAt, kPeSignature);
    Put32(kNtAt + kImportDirectoryAt, kDescriptorsAt);
  }

  // Adds a descriptor for `name` whose table holds `entries` then a zero.
  ImageBuilder& Import(const std::string& name, const std::vector<std::uint32_t>& entries) {
    const std::uint32_t d = kDescriptorsAt + kImportDescriptorSize * libraries_;
    const std::uint32_t nameAt = 0x400 + 0x40 * libraries_;
    const std::uint32_t tableAt = 0x800 + 0x100 * libraries_;
    ++libraries_;
    Put32(d + kDescriptorNameAt, nameAt);
    Put32(d + kDescriptorFirstThunkAt, tableAt);
    for (std::size_t i = 0; i < name.size(); ++i) bytes_[nameAt + i] = static_cast<std::uint8_t>(name[i]);
    for (std::size_t i = 0; i < entries.size(); ++i) Put32(tableAt + 4 * static_cast<std::uint32_t>(i), entries[i]);
    return *this;
  }

  void Put16(std::uint32_t at, std::uint16_t v) {
    bytes_[at] = static_cast<std::uint8_t>(v);
    bytes_[at + 1] = static_cast<std::uint8_t>(v >> 8);
  }
  void Put32(std::uint32_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }
  std::vector<std::uint8_t>& bytes() { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
  std::uint32_t libraries_ = 0;
};

std::optional<std::uint32_t> Find(const std::vector<std::uint8_t>& bytes,
                                  std::uint32_t address = kExtTextOutW) {
  // A copy of exactly this size, so that a read past the end is a read past
  // an allocation, which the sanitizer build reports.
  std::vector<std::uint8_t> exact(bytes);
  return FindImportEntry(MemoryImage(exact), "GDI32.DLL", address);
}

ImageBuilder TypicalImage() {
  ImageBuilder b;
  b.Import("KERNEL32.dll", {0x7B000010, kExtTextOutW + 1})
      .Import("GDI32.DLL", {0x7E100001, 0x7E100002, kExtTextOutW, 0x7E100004})
      .Import("USER32.dll", {kExtTextOutW});
  return b;
}

TEST(ImportWalk, FindsTheEntryAmongTheLibrarysImports) {
  EXPECT_EQ(Find(TypicalImage().bytes()), 0x900u + 8);
  // Another import of the same library.
  EXPECT_EQ(Find(TypicalImage().bytes(), 0x7E100004), 0x900u + 12);
}

TEST(ImportWalk, LibraryNameWithoutRegardToCase) {
  for (const char* name : {"gdi32.dll", "Gdi32.Dll", "GDI32.dll"}) {
    ImageBuilder b;
    b.Import("KERNEL32.dll", {1}).Import(name, {kExtTextOutW});
    EXPECT_EQ(Find(b.bytes()), 0x900u) << name;
  }
  // Names that only begin or end like it are other libraries.
  for (const char* name : {"GDI32.DLL2", "GDI32", "XGDI32.DLL", "GDI32.DL"}) {
    ImageBuilder b;
    b.Import(name, {kExtTextOutW});
    EXPECT_EQ(Find(b.bytes()), std::nullopt) << name;
  }
}

TEST(ImportWalk, EveryDescriptorOfTheLibraryIsSearched) {
  ImageBuilder b;
  b.Import("gdi32.dll", {0x7E100001}).Import("KERNEL32.dll", {2}).Import("GDI32.DLL", {kExtTextOutW});
  EXPECT_EQ(Find(b.bytes()), 0xA00u);
}

TEST(ImportWalk, NothingWhenTheLibraryOrEntryIsMissing) {
  ImageBuilder noGdi;
  noGdi.Import("KERNEL32.dll", {kExtTextOutW}).Import("USER32.dll", {kExtTextOutW});
  EXPECT_EQ(Find(noGdi.bytes()), std::nullopt);
  EXPECT_EQ(Find(TypicalImage().bytes(), 0x12345678), std::nullopt);
  // The table ends at its zero entry even when more follows.
  ImageBuilder afterZero;
  afterZero.Import("GDI32.DLL", {0x7E100001, 0, kExtTextOutW});
  EXPECT_EQ(Find(afterZero.bytes()), std::nullopt);
  // No import directory at all.
  ImageBuilder none;
  none.Put32(kNtAt + kImportDirectoryAt, 0);
  EXPECT_EQ(Find(none.bytes()), std::nullopt);
}

TEST(ImportWalk, HeaderChecks) {
  ImageBuilder badMz = TypicalImage();
  badMz.bytes()[1] = 'X';
  EXPECT_EQ(Find(badMz.bytes()), std::nullopt);
  ImageBuilder badPe = TypicalImage();
  badPe.bytes()[kNtAt + 2] = 1;  // "PE\1\0"
  EXPECT_EQ(Find(badPe.bytes()), std::nullopt);
  ImageBuilder badPe2 = TypicalImage();
  badPe2.bytes()[kNtAt] = 'p';
  EXPECT_EQ(Find(badPe2.bytes()), std::nullopt);
}

TEST(ImportWalk, TruncatedImagesNeverReadOutside) {
  const std::vector<std::uint8_t> whole = TypicalImage().bytes();
  // Every cut before the entry and the zero after its library's name fails;
  // a cut after them still finds it (the table can end with the image).
  for (std::size_t size = 0; size <= whole.size(); ++size) {
    std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
    const auto found = Find(cut);
    if (size < kNtAt + kNtHeadersSize || size < 0x900 + 12) {
      EXPECT_EQ(found, std::nullopt) << size;
    } else {
      EXPECT_EQ(found, 0x900u + 8) << size;
    }
  }
}

TEST(ImportWalk, OffsetsPointingAnywhere) {
  for (std::uint32_t wild : {0xFFFFFFFFu, 0xFFFFFFF0u, 0xFFFFFFFCu, 0x1000u, 0x0FFFu, 0x0FFCu}) {
    ImageBuilder header = TypicalImage();
    header.Put32(kNewHeaderOffsetAt, wild);
    EXPECT_EQ(Find(header.bytes()), std::nullopt) << wild;

    ImageBuilder directory = TypicalImage();
    directory.Put32(kNtAt + kImportDirectoryAt, wild);
    EXPECT_EQ(Find(directory.bytes()), std::nullopt) << wild;

    ImageBuilder name = TypicalImage();
    name.Put32(kDescriptorsAt + kImportDescriptorSize + kDescriptorNameAt, wild);
    EXPECT_EQ(Find(name.bytes()), std::nullopt) << wild;

    ImageBuilder table = TypicalImage();
    table.Put32(kDescriptorsAt + kImportDescriptorSize + kDescriptorFirstThunkAt, wild);
    EXPECT_EQ(Find(table.bytes()), std::nullopt) << wild;
  }
  // A name running to the very end of the image without its zero.
  ImageBuilder b;
  b.Import("GDI32.DLL", {kExtTextOutW});
  b.Put32(kDescriptorsAt + kDescriptorNameAt, 0x1000 - 9);
  for (int i = 0; i < 9; ++i) b.bytes()[0x1000 - 9 + i] = static_cast<std::uint8_t>("GDI32.DLL"[i]);
  EXPECT_EQ(Find(b.bytes()), std::nullopt);
}

}  // namespace
}  // namespace wb
