#include "platform/win32/wininet_cache.h"

#include <string>
#include <vector>

namespace wb {

namespace {

// The cache's record of an entry comes first; 4 KB holds any usual one, and
// the library says how much it needs when it holds more.
constexpr DWORD kEntryInfoBytes = 4096;
constexpr DWORD kChunkBytes = 4096;
// A cache record larger than this is no record the library should give.
constexpr DWORD kLargestEntryInfo = 1 << 20;

}  // namespace

WinInetCache::~WinInetCache() {
  if (library_ != nullptr) FreeLibrary(library_);
}

WinInetCache::LoadResult WinInetCache::Load() {
  if (library_ != nullptr) return LoadResult::kLoaded;
  library_ = LoadLibraryW(L"WININET.DLL");
  if (library_ == nullptr) return LoadResult::kMissing;
  // All five are looked for, as the program has always required them; three
  // are used.
  FARPROC retrieveFile = GetProcAddress(library_, "RetrieveUrlCacheEntryFileA");
  FARPROC entryInfo = GetProcAddress(library_, "GetUrlCacheEntryInfoA");
  FARPROC read = GetProcAddress(library_, "ReadUrlCacheEntryStream");
  FARPROC retrieve = GetProcAddress(library_, "RetrieveUrlCacheEntryStreamA");
  FARPROC unlock = GetProcAddress(library_, "UnlockUrlCacheEntryStream");
  if (retrieveFile == nullptr || entryInfo == nullptr || read == nullptr || retrieve == nullptr ||
      unlock == nullptr) {
    FreeLibrary(library_);
    library_ = nullptr;
    return LoadResult::kUnusable;
  }
  retrieveStream_ = reinterpret_cast<RetrieveStreamFn>(reinterpret_cast<void*>(retrieve));
  readStream_ = reinterpret_cast<ReadStreamFn>(reinterpret_cast<void*>(read));
  unlockStream_ = reinterpret_cast<UnlockStreamFn>(reinterpret_cast<void*>(unlock));
  return LoadResult::kLoaded;
}

HANDLE WinInetCache::OpenStream(const std::string& url) {
  std::vector<char> info(kEntryInfoBytes);
  DWORD size = kEntryInfoBytes;
  HANDLE stream = retrieveStream_(url.c_str(), info.data(), &size, FALSE, 0);
  // A record larger than the buffer: once more with the size the library
  // asked for.
  if (stream == nullptr && GetLastError() == ERROR_INSUFFICIENT_BUFFER && size > kEntryInfoBytes &&
      size <= kLargestEntryInfo) {
    info.assign(size, '\0');
    stream = retrieveStream_(url.c_str(), info.data(), &size, FALSE, 0);
  }
  return stream;
}

bool WinInetCache::CopyEntry(std::string_view url, const std::wstring& path) {
  if (!Loaded()) return false;
  HANDLE stream = OpenStream(std::string(url));
  if (stream == nullptr) return false;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    unlockStream_(stream, 0);
    return false;
  }
  std::vector<char> chunk(kChunkBytes);
  DWORD offset = 0;
  bool written = true;
  for (;;) {
    DWORD got = kChunkBytes;
    if (!readStream_(stream, offset, chunk.data(), &got, 0) || got == 0) break;
    DWORD put = 0;
    if (!WriteFile(file, chunk.data(), got, &put, nullptr) || put != got) {
      written = false;
      break;
    }
    offset += got;
  }
  CloseHandle(file);
  unlockStream_(stream, 0);
  return written && offset > 0;
}

}  // namespace wb
