#pragma once
// Page addresses and the local files that hold fetched and translated pages.
//
// The page filter resolves frame addresses and matches them against what the
// browser reported; the page driver names each translated frame page with the
// same rule (UrlToFileName) so that the translated frameset points at the
// files the driver writes; the page source step decodes "%" escapes and
// rotates through a small set of cache file names.
//
// Everything works on byte strings. Comparisons said to ignore case fold the
// ASCII letters only, so GB and other double-byte text is never altered.

#include <string>
#include <string_view>
#include <vector>

namespace wb {

// Makes `relative` absolute against `base`. Surrounding double quotes (as
// they come from a tag attribute) are dropped first; an address holding a
// ":" is taken as already absolute; a root-relative address keeps the base's
// scheme and host; otherwise leading "../" climb the base's directories and
// one leading "./" is ignored. A base with no "/" gives the relative address
// alone.
std::string ResolveUrl(std::string_view base, std::string_view relative);

// The local file name (no directory) under which the page at `address` is
// kept: quotes and fragment dropped, the last path segment kept, "?" turned
// into "@", and ".htm" appended unless the name already ends in ".htm" or
// ".html" (any case). An address ending in "/" gives ".htm".
std::string UrlToFileName(std::string_view address);

// Every "/" replaced by "\".
std::string SlashesToBackslashes(std::string_view text);

// Looks for the frame source `address` (a SRC value, quotes included) among
// the frame addresses the browser reported. On a match the matching entry is
// removed from `frameUrls`, `address` is left alone and false is returned.
// When nothing matches, `address` becomes the first entry that does not lie
// in `frameDir` (local paths get "file:///" for Netscape Navigator, "file://"
// for Internet Explorer), that entry stays in the list, and true is returned;
// if there is no such entry the address is left as it was.
bool MatchFrameUrl(std::string& address, std::vector<std::string>& frameUrls,
                   std::string_view frameDir, bool netscape);

// Decodes "%XX" escapes. A "%" without two hexadecimal digits after it is
// copied as it stands and decoding goes on with the byte that follows it.
std::string DecodeUrlEscapes(std::string_view text);

// The rotating names of the working copies fetched into the cache directory:
// frameDir + "mycache" + N + ".htm" with N running 0..27 and then starting
// again, so at most 28 copies are ever left behind.
class CacheNames {
 public:
  static constexpr int kNameCount = 28;

  // frameDir is used as given; callers pass it with its trailing backslash.
  explicit CacheNames(std::string frameDir);

  std::string NextCacheFileName();

  const std::string& FrameDir() const { return frameDir_; }
  // The number the next name will carry.
  int Counter() const { return counter_; }

 private:
  std::string frameDir_;
  int counter_ = 0;
};

}  // namespace wb
