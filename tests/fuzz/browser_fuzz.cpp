// What the browsers hand the toolbar, read whatever it holds: the reply to
// WWW_GetWindowInfo, Navigator's document information with its "Frame:"
// lines, and the addresses turned into local paths. Nothing crashes or
// loops, and what comes out keeps its promises.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/page_driver.h"
#include "browser/netscape_link.h"
#include "browser/page_source.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  Check(wb::AddressFromWindowInfo(input).size() <= input.size());

  for (const std::string& frame : wb::ReadFrameLines(input)) {
    Check(!frame.empty() && IsLetter(frame.front()));
    Check(frame.find_first_of("\r\n") == std::string::npos);
  }

  for (std::string_view prefix : {"file:///", "file://"}) {
    wb::LocalAddress local = wb::LocalPathOf(input, prefix);
    Check(local.address == wb::CleanAddress(input));
    Check(local.address.find('#') == std::string::npos);
    if (local.kind == wb::LocalAddress::kPath) {
      Check(local.path.find('/') == std::string::npos);
      Check(!wb::HasBadUrlEscape(local.address.substr(prefix.size())) || local.address.compare(0, 9, "file:////") == 0);
    }
  }
  (void)wb::IsPlainTextAddress(input);
  (void)wb::IsOwnResultPage(input);
  return 0;
}
