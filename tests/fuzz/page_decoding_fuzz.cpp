// Arbitrary bytes as a page the tool reads: the code decision and the
// conversions never crash; whatever the engine is handed is ASCII or a
// stand-in, and comes back as valid UTF-8 that converts to the same engine
// bytes again; addresses made from the bytes never end their quotes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/encoding.h"
#include "cli/file_address.h"
#include "cli/page_decoding.h"
#include "html/page_charset.h"
#include "html/page_in_gb.h"

namespace {

void Require(bool ok) {
  if (!ok) std::abort();
}

// The engine gets ASCII and the stand-ins of GBK's user-defined rows only.
void CheckEngineBytes(std::string_view engine) {
  for (std::size_t i = 0; i < engine.size(); ++i) {
    const auto c = static_cast<unsigned char>(engine[i]);
    if (c < 0x80) continue;
    Require(i + 1 < engine.size());
    const auto t = static_cast<unsigned char>(engine[i + 1]);
    Require(((c >= 0xAA && c <= 0xAF) || c >= 0xF8) && c != 0xFF && t >= 0xA1 && t <= 0xFE);
    ++i;
  }
}

void CheckAddress(const std::string& a) {
  for (char c : a) Require(c != '"' && c != '<' && c != '>' && static_cast<unsigned char>(c) > 0x20);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string raw(reinterpret_cast<const char*>(data), size);
  (void)wb::PageIsBig5(raw);
  (void)wb::LooksLikeGb(raw);
  (void)wb::ClassifyCharset(wb::DeclaredCharset(raw));

  wb::DecodedPage page;
  std::string error;
  if (wb::DecodeForUtf8(raw, page, error)) {
    Require(error.empty());
    if (page.encoding == wb::PageEncoding::kUtf8 && !page.big5) Require(wb::IsValidUtf8(page.bytes));
    wb::Utf8PageCodec codec(page.big5 ? wb::PageEncoding::kGb : page.encoding);
    CheckEngineBytes(codec.ToEngine(page.bytes));
    const std::string text = codec.Passthrough(page.bytes);
    Require(wb::IsValidUtf8(text));
    wb::Utf8ToEngine words;
    const std::string engine = words.Convert(text);
    CheckEngineBytes(engine);
    const std::string back = words.ToUtf8(engine);
    Require(wb::IsValidUtf8(back));
    Require(words.Convert(back) == engine);
  } else {
    Require(!error.empty());
  }
  std::string gbk;
  bool fromUtf8 = false;
  if (!wb::DecodeForGbk(raw, gbk, fromUtf8, error)) Require(!error.empty());
  // The result page naming GB: only the declared name changes.
  const wb::CharsetSpan span = wb::DeclaredCharsetSpan(raw);
  const std::string declaring = wb::DeclaringGb(raw);
  Require(declaring.size() == raw.size() || (span.length > 0 && declaring.size() == raw.size() - span.length + 6));

  CheckAddress(wb::FileAddress(raw));
  const std::string given = wb::SafePageAddress(raw);
  CheckAddress(given);
  return 0;
}
