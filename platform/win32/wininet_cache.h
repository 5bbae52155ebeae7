#pragma once
// Internet Explorer's page cache through WININET.DLL, loaded when the
// program starts rather than linked: a system without the library still
// runs the toolbar, only without its Internet Explorer button.

#include "platform/win32/win32_api.h"

#include <string_view>

namespace wb {

class WinInetCache {
 public:
  enum class LoadResult { kLoaded, kMissing, kUnusable };

  WinInetCache() = default;
  WinInetCache(const WinInetCache&) = delete;
  WinInetCache& operator=(const WinInetCache&) = delete;
  ~WinInetCache();

  // LoadWinInet: the library and its five cache entry points. kMissing when
  // the library is not there; kUnusable when an entry point is missing (the
  // library is let go again).
  LoadResult Load();
  bool Loaded() const { return retrieveStream_ != nullptr; }

  // ReadIECacheEntry's work: the cached page for an address copied into a
  // file (created or truncated) in chunks. False when the library is not
  // loaded, the address is not in the cache, nothing could be read or the
  // file could not be written whole.
  bool CopyEntry(std::string_view url, const std::wstring& path);

 private:
  using RetrieveStreamFn = HANDLE(WINAPI*)(LPCSTR, void*, DWORD*, BOOL, DWORD);
  using ReadStreamFn = BOOL(WINAPI*)(HANDLE, DWORD, void*, DWORD*, DWORD);
  using UnlockStreamFn = BOOL(WINAPI*)(HANDLE, DWORD);

  HANDLE OpenStream(const std::string& url);

  HMODULE library_ = nullptr;
  RetrieveStreamFn retrieveStream_ = nullptr;
  ReadStreamFn readStream_ = nullptr;
  UnlockStreamFn unlockStream_ = nullptr;
};

}  // namespace wb
