// English text through the whole pipeline (lexical stage, word rules, parse,
// generation) over the shipped lexicon: nothing is read or written outside
// the tables, the output keeps its 255 bytes and is valid GBK (a two-byte
// character is never cut), and generation accounts for every word of the
// sentence. The input is made ASCII, as English reaches the engine.
//
// The lexicon is LEXICON.MTX beside the program (WB_FUZZ_LEXICON names
// another); without it the small fixture lexicon is used.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "engine/analysis/lexicon.h"
#include "engine/engine.h"
#include "tests/lexicon_fixture.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

const wb::Lexicon& FuzzLexicon() {
  static wb::Lexicon lexicon;
  static bool loaded = false;
  if (!loaded) {
    loaded = true;
    const char* env = std::getenv("WB_FUZZ_LEXICON");
    std::string path = env ? env : "";
    if (path.empty()) {
      std::ifstream self("/proc/self/cmdline", std::ios::binary);
      std::string arg0;
      std::getline(self, arg0, '\0');
      const std::size_t slash = arg0.rfind('/');
      path = (slash == std::string::npos ? std::string() : arg0.substr(0, slash + 1)) + "LEXICON.MTX";
    }
    std::string error;
    if (!lexicon.LoadFile(path, &error)) return wb::fixture::FixtureLexicon();
  }
  return lexicon.EntryCount() != 0 ? lexicon : wb::fixture::FixtureLexicon();
}

// Every byte of 0x81 or above starts a character of two bytes whose second
// byte is 0x40..0xFE and not 0x7F; the rest is ASCII.
bool ValidGbk(std::string_view s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) continue;
    if (c == 0x80 || c == 0xFF || i + 1 >= s.size()) return false;
    const unsigned char t = static_cast<unsigned char>(s[++i]);
    if (t < 0x40 || t == 0x7F || t == 0xFF) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text;
  for (std::size_t i = 0; i < size && i < 255; ++i) {
    const unsigned char c = data[i] & 0x7F;
    text.push_back(c < 32 ? ' ' : static_cast<char>(c));
  }
  static wb::Engine engine(&FuzzLexicon());
  static bool ready = false;
  if (!ready) {
    engine.SetDiagnostics([](std::string_view m) { Check(!m.empty()); });
    ready = true;
  }
  wb::Str255 sentence(text);
  try {
    engine.TranslateSentence(sentence);
  } catch (const wb::SentenceAbandoned&) {
    return 0;
  }
  Check(sentence.size() <= 255);
  Check(ValidGbk(sentence.view()));
  const wb::SentenceState& s = engine.State();
  if (s.sentenceLen > 0)
    for (int i = 1; i <= s.sentenceLen; ++i) Check(engine.LastGeneration().Accounted(i));
  return 0;
}
