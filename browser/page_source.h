#pragma once
// Putting the page a browser shows into a local file: a local page's own
// path, Internet Explorer's cached copy, or a copy Navigator saves for us
// over DDE. Also the start-up step that makes Navigator keep its pages on
// disk.

#include <string>
#include <string_view>

#include "browser/netscape_link.h"
#include "html/addresses.h"
#include "platform/desktop.h"

namespace wb {

// The address as a local path. The address is cleaned first (one leading
// and one trailing double quote dropped, cut at its first "#"). An address
// that begins with the local prefix ("file:///" or "file://", exactly)
// names a local file: its path is the rest ("file:////server/..." keeps the
// network path's two slashes), with "%" escapes decoded, the first "|" a
// ":" (drive letters written "c|") and every "/" a "\".
struct LocalAddress {
  enum Kind { kNotLocal, kPath, kDirectory, kBadEscape } kind = kNotLocal;
  std::string path;     // kPath: the local path
  std::string address;  // the cleaned address
};
std::string CleanAddress(std::string_view address);
LocalAddress LocalPathOf(std::string_view address, std::string_view localPrefix);

// Whether a "%" in the text has two bytes after it that are not both
// hexadecimal digits.
bool HasBadUrlEscape(std::string_view text);

// How long Navigator gets to write a page it was asked to save: this many
// tries, this far apart (about 30 seconds).
inline constexpr int kSaveTries = 101;
inline constexpr int kSavePollMs = 300;

// FetchToLocalFile's result: the local path, or a message for the user
// (empty when the failure is one the user need not hear of).
struct FetchResult {
  bool ok = false;
  std::string path;
  std::string message;
};

class PageSource {
 public:
  PageSource(Desktop& desktop, DdeClient& dde, CacheNames& cacheNames)
      : desktop_(desktop), dde_(dde), cacheNames_(cacheNames) {}

  // FetchToLocalFile. pageUrl is the address being worked on (without its
  // fragment), which Internet Explorer's cache is asked for.
  FetchResult FetchToLocalFile(std::string_view address, bool netscapeMode, bool ieShellWindow,
                               std::string_view pageUrl);

  // ReadIECacheEntry: Internet Explorer's cached copy of pageUrl in the
  // next cache file.
  FetchResult ReadIECacheEntry(std::string_view pageUrl);

 private:
  FetchResult SaveWithNavigator(const std::string& address);

  Desktop& desktop_;
  DdeClient& dde_;
  CacheNames& cacheNames_;
};

// AdjustNetscapeCache, at start-up: when Navigator has a disk cache, it is
// made to keep secure pages there too and no memory cache, so that every
// page it shows can be saved from its disk cache.
void AdjustNetscapeCache(Desktop& desktop);

}  // namespace wb
