// Arbitrary bytes as a lexicon file: the load never reads outside the bytes,
// never hangs, and either succeeds or names the file and an offset inside it.
// Every entry that was read writes back to bytes that read as the same entry.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/analysis/lexicon.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  wb::Lexicon lex;
  int messages = 0;
  lex.SetDiagnostics([&](std::string_view) { ++messages; });
  std::string error;
  bool ok = lex.Load(bytes, "fuzz.mtx", &error);
  if (ok) {
    Check(error.empty() && messages == 0);
  } else {
    Check(messages == 1);
    Check(error.rfind("fuzz.mtx: ", 0) == 0);
    std::size_t at = error.rfind("at byte offset ");
    Check(at != std::string::npos);
    Check(std::stoull(error.substr(at + 15)) <= size);
  }
  Check(lex.EntryCount() == lex.Entries().size());
  Check(lex.Code(wb::kStarCodeSlot) == "*");

  for (const wb::LexEntry& e : lex.Entries()) {
    const wb::LexEntry* found = lex.LookupEntry(e.headword);
    Check(found != nullptr && found->headword == e.headword);
    wb::LexWriter out(lex.FormatVersion());
    if (!wb::WriteEntry(e, out)) continue;  // an old file's form that has no exact inverse
    wb::LexReader in(out.Bytes(), lex.FormatVersion());
    std::uint16_t type = 0;
    Check(in.U16(type) && type == wb::kEntryObjectType);
    wb::LexEntry back;
    Check(wb::ReadEntry(in, back) && in.AtEnd());
    Check(back == e);
    lex.LookupWord(e.headword);
  }
  lex.LookupWord(bytes.substr(0, 64));
  return 0;
}
