#include "texthook/memory_access.h"

#include <cstring>

namespace tapx {
namespace {

bool ReadableProtection(DWORD protection) {
  if (protection & (PAGE_GUARD | PAGE_NOACCESS)) return false;
  return (protection & (PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                        PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY)) != 0;
}

}  // namespace

bool IsReadable(const void* address, std::size_t size, HMODULE module) {
  auto p = reinterpret_cast<std::uintptr_t>(address);
  if (size == 0) return true;
  if (p == 0 || p + size < p) return false;
  const std::uintptr_t end = p + size;
  while (p < end) {
    MEMORY_BASIC_INFORMATION info;
    if (VirtualQuery(reinterpret_cast<const void*>(p), &info, sizeof info) != sizeof info) return false;
    if (info.State != MEM_COMMIT || !ReadableProtection(info.Protect)) return false;
    if (module && info.AllocationBase != module) return false;
    const auto regionEnd = reinterpret_cast<std::uintptr_t>(info.BaseAddress) + info.RegionSize;
    if (regionEnd <= p) return false;
    p = regionEnd;
  }
  return true;
}

bool LoadedImage::Read(std::uint32_t offset, void* out, std::size_t size) const {
  const auto base = reinterpret_cast<std::uintptr_t>(module_);
  if (base + offset < base) return false;
  const auto* at = reinterpret_cast<const void*>(base + offset);
  if (!IsReadable(at, size, module_)) return false;
  std::memcpy(out, at, size);
  return true;
}

WritableRange::WritableRange(void* address, std::size_t size) {
  auto p = reinterpret_cast<std::uintptr_t>(address);
  const std::uintptr_t end = p + size;
  if (size == 0 || end < p) return;
  while (p < end) {
    MEMORY_BASIC_INFORMATION info;
    if (count_ == kMaxRegions ||
        VirtualQuery(reinterpret_cast<const void*>(p), &info, sizeof info) != sizeof info ||
        info.State != MEM_COMMIT)
      return;
    std::uintptr_t regionEnd = reinterpret_cast<std::uintptr_t>(info.BaseAddress) + info.RegionSize;
    if (regionEnd <= p) return;
    if (regionEnd > end) regionEnd = end;
    Region& r = regions_[count_];
    r.address = reinterpret_cast<void*>(p);
    r.size = regionEnd - p;
    if (!VirtualProtect(r.address, r.size, PAGE_EXECUTE_READWRITE, &r.protection)) return;
    ++count_;
    p = regionEnd;
  }
  ok_ = true;
}

WritableRange::~WritableRange() {
  for (int i = count_ - 1; i >= 0; --i) {
    DWORD ignored;
    VirtualProtect(regions_[i].address, regions_[i].size, regions_[i].protection, &ignored);
  }
}

}  // namespace tapx
