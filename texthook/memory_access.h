#pragma once
// Reading and writing memory of the browser's process that the hook does not
// own: the rendering library's image and the characters that follow a text
// run. Every read is checked against the process's memory map first (rather
// than trapping faults), and every change of protection is put back.

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "texthook/core/import_walk.h"

namespace tapx {

// Whether all `size` bytes at `address` are committed and readable. With a
// module, they must also belong to that module's image.
bool IsReadable(const void* address, std::size_t size, HMODULE module = nullptr);

// A loaded module's image for the import walk: a read succeeds only where
// the image itself may be read.
class LoadedImage final : public wb::ImageView {
 public:
  explicit LoadedImage(HMODULE module) : module_(module) {}
  bool Read(std::uint32_t offset, void* out, std::size_t size) const override;

 private:
  HMODULE module_;
};

// Makes a range of an image writable for as long as the object lives,
// region by region, and then gives every region back its own protection
// (one protection for the whole range would take execute rights from code
// pages or leave the headers writable).
class WritableRange {
 public:
  WritableRange(void* address, std::size_t size);
  ~WritableRange();
  WritableRange(const WritableRange&) = delete;
  WritableRange& operator=(const WritableRange&) = delete;

  // Whether every page of the range could be made writable.
  bool ok() const { return ok_; }

 private:
  struct Region {
    void* address;
    SIZE_T size;
    DWORD protection;
  };
  static constexpr int kMaxRegions = 16;
  Region regions_[kMaxRegions] = {};
  int count_ = 0;
  bool ok_ = false;
};

}  // namespace tapx
