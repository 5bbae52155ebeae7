#include "browser/page_source.h"

#include "browser/browser_texts.h"

namespace wb {

namespace {

constexpr std::string_view kNetscapeKey = "Software\\Netscape\\Netscape Navigator\\Cache";

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// A message names an address the user can recognise; bytes that are not
// printable ASCII are shown as escapes, as an address writes them.
std::string Shown(std::string_view address) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : address.substr(0, 300)) {
    unsigned char b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7F) {
      out += c;
    } else {
      out += '%';
      out += kHex[b >> 4];
      out += kHex[b & 15];
    }
  }
  if (address.size() > 300) out += "...";
  return out;
}

FetchResult Failed(std::string message = {}) {
  FetchResult r;
  r.message = std::move(message);
  return r;
}

FetchResult Fetched(std::string path) {
  FetchResult r;
  r.ok = true;
  r.path = std::move(path);
  return r;
}

}  // namespace

std::string CleanAddress(std::string_view address) {
  if (!address.empty() && address.front() == '"') address.remove_prefix(1);
  if (!address.empty() && address.back() == '"') address.remove_suffix(1);
  std::size_t hash = address.find('#');
  if (hash != std::string_view::npos) address = address.substr(0, hash);
  return std::string(address);
}

bool HasBadUrlEscape(std::string_view text) {
  for (std::size_t i = 0; i + 2 < text.size(); ++i) {
    if (text[i] != '%') continue;
    if (!IsHexDigit(text[i + 1]) || !IsHexDigit(text[i + 2])) return true;
    i += 2;
  }
  return false;
}

LocalAddress LocalPathOf(std::string_view address, std::string_view localPrefix) {
  LocalAddress result;
  result.address = CleanAddress(address);
  const std::string& a = result.address;
  if (a.compare(0, localPrefix.size(), localPrefix) != 0) return result;
  if (!a.empty() && a.back() == '/') {
    result.kind = LocalAddress::kDirectory;
    return result;
  }
  // "file:////server/share/x.htm": a network path keeps its two slashes.
  std::string path = a.compare(0, 9, "file:////") == 0 ? a.substr(7) : a.substr(localPrefix.size());
  if (HasBadUrlEscape(path)) {
    result.kind = LocalAddress::kBadEscape;
    return result;
  }
  path = DecodeUrlEscapes(path);
  std::size_t bar = path.find('|');
  if (bar != std::string::npos) path[bar] = ':';
  result.path = SlashesToBackslashes(path);
  result.kind = LocalAddress::kPath;
  return result;
}

FetchResult PageSource::FetchToLocalFile(std::string_view address, bool netscapeMode, bool ieShellWindow,
                                         std::string_view pageUrl) {
  const std::string_view prefix = netscapeMode || ieShellWindow ? "file:///" : "file://";
  LocalAddress local = LocalPathOf(address, prefix);
  switch (local.kind) {
    case LocalAddress::kDirectory:
      return Failed(std::string(text::kDirectoryPage));
    case LocalAddress::kBadEscape:
      // Decoding would have to guess which file is meant; the user is shown
      // the address instead.
      return Failed(std::string(text::kBadEscape) + Shown(local.address));
    case LocalAddress::kPath:
      return Fetched(std::move(local.path));
    case LocalAddress::kNotLocal:
      break;
  }
  if (!netscapeMode) return ReadIECacheEntry(pageUrl);
  return SaveWithNavigator(local.address);
}

FetchResult PageSource::ReadIECacheEntry(std::string_view pageUrl) {
  std::string path = cacheNames_.NextCacheFileName();
  if (!desktop_.CopyUrlCacheEntry(pageUrl, path)) return Failed();
  return Fetched(std::move(path));
}

FetchResult PageSource::SaveWithNavigator(const std::string& address) {
  std::string path = cacheNames_.NextCacheFileName();
  desktop_.RemoveFile(path);
  switch (SaveURLToFile(dde_, address, path)) {
    case DdeResult::kNotOpened:
      return Failed(std::string(text::kStartNetscape));
    case DdeResult::kTimedOut:
      return Failed("Netscape" + std::string(text::kNoAnswerTail));
    case DdeResult::kNoReply:
      return Failed(std::string(text::kCannotReadCache));
    case DdeResult::kAnswered:
      break;
  }

  // Navigator writes the file after it has answered; the file is ready when
  // it opens with nobody else holding it.
  for (int tries = 0; tries < kSaveTries; ++tries) {
    desktop_.Wait(kSavePollMs);
    if (desktop_.FileIsFree(path)) return Fetched(std::move(path));
  }
  return Failed(std::string(text::kSaveNotFinished) + Shown(address));
}

void AdjustNetscapeCache(Desktop& desktop) {
  std::optional<std::string> cacheDir = desktop.ReadString(kNetscapeKey, "Cache Dir");
  if (!cacheDir || cacheDir->empty()) return;
  desktop.WriteString(kNetscapeKey, "Disk Cache SSL", "yes");
  desktop.WriteNumber(kNetscapeKey, "Memory Cache Size", 0);
}

}  // namespace wb
