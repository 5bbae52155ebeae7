#include "cli/page_decoding.h"

#include <algorithm>

#include "html/entities.h"
#include "html/page_charset.h"
#include "html/page_in_gb.h"

namespace wb {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// A Unicode code named by its byte-order mark, with the mark's length.
struct UnicodeForm {
  const char* name = nullptr;
  std::size_t bomLength = 0;
};

UnicodeForm FormByBom(std::string_view s) {
  auto starts = [&](std::string_view bom) { return s.substr(0, bom.size()) == bom; };
  using namespace std::string_view_literals;
  if (starts("\xFF\xFE\x00\x00"sv)) return {"UTF-32LE", 4};
  if (starts("\x00\x00\xFE\xFF"sv)) return {"UTF-32BE", 4};
  if (starts("\xFF\xFE"sv)) return {"UTF-16LE", 2};
  if (starts("\xFE\xFF"sv)) return {"UTF-16BE", 2};
  return {};
}

// UTF-16 without a mark: mark-up and English put a zero byte in every other
// place, and nowhere else.
UnicodeForm FormByZeros(std::string_view s) {
  const std::size_t n = std::min<std::size_t>(s.size(), 4096) & ~std::size_t{1};
  if (n < 8) return {};
  std::size_t evenZeros = 0, oddZeros = 0;
  for (std::size_t i = 0; i < n; i += 2) {
    evenZeros += s[i] == '\0';
    oddZeros += s[i + 1] == '\0';
  }
  const std::size_t pairs = n / 2;
  if (2 * oddZeros >= pairs && evenZeros * 20 < pairs) return {"UTF-16LE", 0};
  if (2 * evenZeros >= pairs && oddZeros * 20 < pairs) return {"UTF-16BE", 0};
  return {};
}

bool Converted(const char* to, const char* from, std::string_view in, std::string& out) {
  return ConvertCharset(to, from, in, out);
}

// The page as bytes in a code the filter can take when nothing (or nothing
// usable) is declared.
void DetectUndeclared(std::string raw, DecodedPage& page) {
  if (IsValidUtf8(raw)) {
    page.bytes = std::move(raw);
    page.encoding = PageEncoding::kUtf8;
    page.how = "UTF-8";
  } else if (LooksLikeBig5(raw) && !LooksWestern(raw)) {
    page.bytes = std::move(raw);
    page.big5 = true;
    page.how = "Big5 by its bytes";
  } else if (LooksLikeGb(raw) && Converted("UTF-8", "GB18030", raw, page.bytes)) {
    page.encoding = PageEncoding::kUtf8;
    page.how = "GB by its bytes";
  } else {
    page.bytes = std::move(raw);
    page.encoding = PageEncoding::kCp1252;
    page.how = "Windows-1252";
  }
}

std::string BrokenUnicode(const UnicodeForm& form, std::size_t offset, bool byMark) {
  return std::string("is not valid ") + form.name + (byMark ? " (as its byte-order mark says)" : "") +
         ": cannot be decoded at byte offset " + std::to_string(offset);
}

}  // namespace

bool DecodeForUtf8(std::string raw, DecodedPage& page, std::string& error) {
  page = DecodedPage{};
  if (std::string_view(raw).substr(0, kUtf8Bom.size()) == kUtf8Bom) raw.erase(0, kUtf8Bom.size());

  UnicodeForm form = FormByBom(raw);
  const bool byMark = form.name != nullptr;
  if (!byMark) form = FormByZeros(raw);
  if (form.name != nullptr) {
    std::size_t bad = 0;
    std::string_view body = std::string_view(raw).substr(form.bomLength);
    if (ConvertCharset("UTF-8", form.name, body, page.bytes, &bad)) {
      page.encoding = PageEncoding::kUtf8;
      page.how = form.name;
      return true;
    }
    if (byMark) {
      error = BrokenUnicode(form, bad + form.bomLength, true);
      return false;
    }
    // Zero bytes alone are no proof: read the page as bytes after all.
  }

  // Text in any other code almost never forms valid UTF-8 sequences, so a
  // page that does is UTF-8 whatever it declares (pages are often saved in
  // UTF-8 and keep an old declaration).
  const bool highBytes = std::any_of(raw.begin(), raw.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  if (highBytes && IsValidUtf8(raw)) {
    page.bytes = std::move(raw);
    page.encoding = PageEncoding::kUtf8;
    page.how = "UTF-8";
    return true;
  }
  const std::string declared = DeclaredCharset(raw);
  switch (ClassifyCharset(declared)) {
    case CharsetFamily::kBig5:
      page.bytes = std::move(raw);
      page.big5 = true;
      page.how = "declared " + declared;
      return true;
    case CharsetFamily::kGb:
    case CharsetFamily::kOther: {
      // GB18030 reads GB2312 and GBK pages as well.
      const char* from = ClassifyCharset(declared) == CharsetFamily::kGb ? "GB18030" : declared.c_str();
      if (Converted("UTF-8", from, raw, page.bytes)) {
        page.encoding = PageEncoding::kUtf8;
        page.how = "declared " + declared;
        return true;
      }
      break;  // an unknown name or a wrong declaration: the bytes decide
    }
    case CharsetFamily::kUtf8:
    case CharsetFamily::kWestern:
      // Never Big5; UTF-8 that is not valid is an older page after all.
      page.bytes = std::move(raw);
      page.encoding = IsValidUtf8(page.bytes) ? PageEncoding::kUtf8 : PageEncoding::kCp1252;
      page.how = "declared " + declared;
      return true;
    default:
      break;
  }
  DetectUndeclared(std::move(raw), page);
  return true;
}

bool DecodeForGbk(std::string raw, std::string& page, bool& fromUtf8, std::string& error) {
  const UnicodeForm form = FormByBom(raw);
  if (form.name != nullptr) {
    std::size_t bad = 0;
    std::string utf8;
    if (!ConvertCharset("UTF-8", form.name, std::string_view(raw).substr(form.bomLength), utf8, &bad)) {
      error = BrokenUnicode(form, bad + form.bomLength, true);
      return false;
    }
    raw = std::string(kUtf8Bom) + utf8;
  }
  fromUtf8 = PageInGb(raw, GbkCharacter);
  page = std::move(raw);
  return true;
}

}  // namespace wb
