#include "html/addresses.h"

#include "html/ascii.h"

#include <cstddef>
#include <utility>

namespace wb {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// A "local" frame address is a path on this machine: no ":" at all, or one
// that can only be a drive letter's ("c:\..."), as opposed to the ":" of a
// scheme such as "http:".
bool LooksLocal(std::string_view entry) {
  std::size_t colon = entry.find(':');
  return colon == kNone || colon < 2;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string ResolveUrl(std::string_view base, std::string_view relative) {
  // Attribute values may arrive with their quotes still on.
  if (!relative.empty() && relative.front() == '"') {
    relative.remove_prefix(1);
    if (!relative.empty()) relative.remove_suffix(1);
  }
  // A scheme (or a drive letter) means the address needs no base.
  if (relative.find(':') != kNone) return std::string(relative);

  std::size_t schemeEnd = base.find("://");
  if (!relative.empty() && relative.front() == '/' && schemeEnd != kNone) {
    // The host search starts at the fourth byte after "://". For
    // "file:///c|/dir/page.htm" that skips the empty host and the drive
    // letter, so a root-relative address lands on the root of that drive.
    std::size_t from = schemeEnd + 3 + 3;
    std::size_t pathStart = from < base.size() ? base.find('/', from) : kNone;
    // A base such as "http://host" has no "/" after its host at all. The
    // whole base is then the scheme and host, so the relative address is
    // simply appended to it.
    std::string result(pathStart == kNone ? base : base.substr(0, pathStart));
    result.append(relative);
    return result;
  }

  int levelsUp = 0;
  while (relative.substr(0, 3) == "../") {
    relative.remove_prefix(3);
    ++levelsUp;
  }
  if (relative.substr(0, 2) == "./") relative.remove_prefix(2);

  // Local pages are often reported with Windows separators; make them
  // climbable like any other address.
  std::string work(base);
  if (work.starts_with("file://"))
    for (char& c : work)
      if (c == '\\') c = '/';

  std::size_t cut = work.rfind('/');
  for (int level = 0; level < levelsUp && cut != kNone; ++level) {
    // Step over the "/" just found and on to the one before it; when there
    // is none the climb has run out of directories and nothing of the base
    // is kept.
    cut = cut == 0 ? kNone : work.rfind('/', cut - 1);
  }

  std::string result = cut == kNone ? std::string() : work.substr(0, cut + 1);
  result.append(relative);
  return result;
}

std::string UrlToFileName(std::string_view address) {
  if (!address.empty() && address.front() == '"') address.remove_prefix(1);
  if (!address.empty() && address.back() == '"') address.remove_suffix(1);

  std::size_t hash = address.find('#');
  if (hash != kNone) address = address.substr(0, hash);

  std::size_t sep = address.find_last_of("/\\");
  if (sep != kNone) address.remove_prefix(sep + 1);

  // "?" cannot appear in a file name; "@" keeps query variants apart.
  std::string name(address);
  for (char& c : name)
    if (c == '?') c = '@';

  std::size_t dot = name.rfind('.');
  std::string_view ext = dot == kNone ? std::string_view() : std::string_view(name).substr(dot);
  if (!EqualsNoCase(ext, ".htm") && !EqualsNoCase(ext, ".html")) name += ".htm";
  return name;
}

std::string SlashesToBackslashes(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == '/') c = '\\';
  return out;
}

bool MatchFrameUrl(std::string& address, std::vector<std::string>& frameUrls,
                   std::string_view frameDir, bool netscape) {
  // A frame that points into our own cache directory was written by us; only
  // its bare file name can be compared with what the browser reports.
  std::string key;
  if (StartsWithNoCase(address, frameDir)) {
    std::size_t sep = address.find_last_of("\\:");
    key = sep == kNone ? address : address.substr(sep + 1);
  } else {
    key = UrlToFileName(address);
  }
  const std::string localKey = SlashesToBackslashes(key);

  for (auto it = frameUrls.begin(); it != frameUrls.end(); ++it) {
    const std::string& entry = *it;
    bool matched;
    if (entry.find(frameDir) == kNone && LooksLocal(entry)) {
      // A plain local path: the browser may report it with any directory in
      // front and in any case, so look for the name anywhere in it.
      matched = ContainsNoCase(entry, localKey);
    } else {
      matched = EqualsNoCase(UrlToFileName(entry), key);
    }
    if (matched) {
      frameUrls.erase(it);
      return false;
    }
  }

  // No match: fall back on the first frame the browser reported that is not
  // one of our own copies, and let the browser open it directly.
  for (const std::string& entry : frameUrls) {
    if (entry.find(frameDir) != kNone) continue;
    if (LooksLocal(entry))
      address = (netscape ? "file:///" : "file://") + entry;
    else
      address = entry;
    break;
  }
  return true;
}

std::string DecodeUrlEscapes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '%' && i + 2 < text.size()) {
      int high = HexValue(text[i + 1]);
      int low = HexValue(text[i + 2]);
      if (high >= 0 && low >= 0) {
        out.push_back(static_cast<char>(high * 16 + low));
        i += 3;
        continue;
      }
    }
    // Not an escape (or a broken one, as hand-typed addresses often have):
    // keep the byte as it is rather than give up on the whole address.
    out.push_back(text[i]);
    ++i;
  }
  return out;
}

CacheNames::CacheNames(std::string frameDir) : frameDir_(std::move(frameDir)) {}

std::string CacheNames::NextCacheFileName() {
  std::string name = frameDir_ + "mycache" + std::to_string(counter_) + ".htm";
  counter_ = (counter_ + 1) % kNameCount;
  return name;
}

}  // namespace wb
