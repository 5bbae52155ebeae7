#include "html/page_in_gb.h"

#include <algorithm>

#include "html/page_charset.h"
#include "html/utf8.h"

namespace wb {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool HasHighBytes(std::string_view s) {
  return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

std::string Converted(std::string_view utf8, const GbCharacterFn& gbCharacter) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = 0;
    const std::size_t n = DecodeUtf8(utf8, i, cp);  // valid: checked before
    std::string gb = cp < 0x80 ? std::string(1, static_cast<char>(cp)) : gbCharacter(cp);
    out += gb.empty() ? "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";" : gb;
    i += n;
  }
  return out;
}

}  // namespace

bool PageInGb(std::string& page, const GbCharacterFn& gbCharacter) {
  const bool marked = std::string_view(page).substr(0, kUtf8Bom.size()) == kUtf8Bom;
  if (marked) page.erase(0, kUtf8Bom.size());
  const bool high = HasHighBytes(page);
  const bool utf8 = (marked || high) && IsValidUtf8(page);
  if (utf8 && high) page = Converted(page, gbCharacter);
  return utf8;
}

std::string DeclaringGb(std::string result) {
  switch (ClassifyCharset(DeclaredCharset(result))) {
    case CharsetFamily::kNone:
    case CharsetFamily::kGb:
      return result;
    default:
      return WithDeclaredCharset(std::move(result), "gb2312");
  }
}

}  // namespace wb
